#pragma once

class QAction;
class QMenu;
class QMainWindow;

namespace k510::ui {

// The menu bar "Файл" / "Связь" / "Справка" and its items, named as the
// window's handlers know them.
struct MainMenuActions {
    QAction *mmFileOpen;   // "Открыть"
    QAction *mmFileSave;   // "Сохранить"
    QAction *N5;           // "Сохранить как..."
    QAction *mmFileExportCsv;   // "Экспорт в CSV..."
    QMenu *mmFileRecent;        // "Последние файлы"
    QAction *N6;           // "Выход"
    QAction *mmEditUndo;   // "Отменить «…»"
    QAction *mmEditRedo;   // "Повторить «…»"
    QAction *mmEditFind;   // "Найти", the page's "Поиск" field
    QAction *N3;           // "Отправить Настройки"
    QAction *N4;           // "Получить Настройки"
    QAction *N7;           // "Настройки Порта"
    QAction *mmHelpAbout;  // "О программе"
};

[[nodiscard]] MainMenuActions buildMainMenu(QMainWindow &window);

} // namespace k510::ui
