// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

class QAction;
class QMenu;
class QMainWindow;

namespace k510::ui {

// The menu bar "Файл" / "Правка" / "Вид" / "Связь" / "Справка" and its items, named
// as the window's handlers know them. Alt with the underlined letter opens a
// menu, F10 the first one.
struct MainMenuActions {
    QMenu *mmFile;
    QMenu *mmEdit;
    QAction *mmFileOpen;   // "Открыть"
    QAction *mmFileSave;   // "Сохранить"
    QAction *N5;           // "Сохранить как..."
    QAction *mmFileCompare;     // "Сравнить с..."
    QAction *mmFileExportCsv;   // "Экспорт в CSV..."
    QAction *mmFilePrint;       // "Печать...", Ctrl+P
    QAction *mmFileExportPdf;   // "Экспорт в PDF..."
    QMenu *mmFileRecent;        // "Последние файлы"
    QAction *N6;           // "Выход"
    QAction *mmEditUndo;   // "Отменить «…»"
    QAction *mmEditRedo;   // "Повторить «…»"
    QAction *mmEditFind;   // "Найти", the page's "Поиск" field
    // The context menu's commands for the page shown. Their keys are the
    // list's own and only named here (a shortcut would take them from the
    // list, or fire while the menu bar has the keyboard).
    QAction *mmEditAdd;      // "Добавить", Ins
    QAction *mmEditChange;   // "Изменить", Enter
    QAction *mmEditDelete;   // "Удалить", Del
    QAction *mmEditDelAll;   // "Удалить все кроме избранных"
    QAction *mmEditMoveTo;           // "Переместить на позицию...", Ctrl+G
    QAction *mmEditOrderAsShown;     // "Упорядочить как показано"
    QAction *mmEditOrderByExample;   // "Упорядочить по образцу..."
    QAction *mmEditSelectDuplicates; // "Выделить дубликаты"
    QAction *mmEditSelectSimilarNames; // "Выделить похожие названия"
    QAction *mmEditSatellitesXml;    // "Транспондеры из списка satellites.xml..."
    QAction *mmEditImport;           // "Добавить из другой базы..."
    QMenu *mmView;
    QAction *mmViewSatelliteColumn;   // "Столбец «Спутник»", checkable
    QAction *N3;           // "Отправить Настройки"
    QAction *N4;           // "Получить Настройки"
    QAction *mmLinkVerify;    // "Сверить с ресивером"
    QAction *mmLinkHistory;   // "История обмена..."
    QAction *N7;           // "Настройки Порта"
    QAction *mmHelpKeys;   // "Клавиши", F1
    QAction *mmHelpAbout;  // "О программе"
};

[[nodiscard]] MainMenuActions buildMainMenu(QMainWindow &window);

struct PopupEntries;
// "Правка" offers the context menu's commands as the page shown does (its
// entries), the commands on the whole database while it has what they need,
// and the duplicate searches on the TV and radio pages.
void enableEditMenu(const MainMenuActions &menu, const PopupEntries &entries, const ChannelDatabase &db,
                    bool channelPage);

} // namespace k510::ui
