// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedDialogs.h"
#include "model/ChannelDatabase.h"
#include "tests/model/TestImages.h"
#include "ui/lists/ReportList.h"
#include "ui/TfrmMain.h"

#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;

// Drives a real, shown TfrmMain the way a user would: menu items, tab
// clicks, selector choices, clicks on rows and column titles, keys.
class EditorDriver {
public:
    // `prepareConfig` may put files into the configuration folder before
    // the window reads it.
    explicit EditorDriver(const std::function<void(const QString &configFolder)> &prepareConfig = {});

    [[nodiscard]] TfrmMain &window() { return *m_window; }
    [[nodiscard]] ScriptedDialogs &dialogs() { return m_dialogs; }
    [[nodiscard]] QString path(const QString &fileName) const { return m_dir.filePath(fileName); }

    // Writes the database's image into the scratch folder; returns its path.
    QString writeImageFile(const k510::ChannelDatabase &db, const QString &fileName = QStringLiteral("db.k5d"));
    // "Файл" > "Открыть", answering the dialog with path.
    void openThroughMenu(const QString &path);
    void open(const k510::ChannelDatabase &db) { openThroughMenu(writeImageFile(db)); }
    void saveThroughMenu(const QString &typedName);

    void clickTab(int page);
    void choose(QComboBox *selector, int entry);
    void chooseTransponderSatellite(int entry);
    void clickRow(k510::ui::ReportList *list, int row, Qt::KeyboardModifiers modifiers = {});
    // Selects exactly these rows, as Ctrl+clicks would.
    static void selectRows(k510::ui::ReportList *list, std::initializer_list<int> rows);
    static void selectRows(k510::ui::ReportList *list, const std::vector<int> &rows);
    void clickColumnTitle(k510::ui::ReportList *list, int column);
    void pressKey(k510::ui::ReportList *list, Qt::Key key, Qt::KeyboardModifiers modifiers = {});

    [[nodiscard]] k510::ui::ReportList *list(const char *objectName) const;
    [[nodiscard]] QComboBox *combo(const char *objectName) const;
    [[nodiscard]] QString fieldText(const char *objectName) const;
    [[nodiscard]] QString statusPanel(int panel) const;
    // The title as the user sees it: "*" at the end while there are unsaved changes.
    [[nodiscard]] QString title() const;
    [[nodiscard]] static QStringList column(const k510::ui::ReportList *list, int column);
    [[nodiscard]] static std::vector<int> selectedRows(const k510::ui::ReportList *list);

private:
    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TfrmMain> m_window;
};

// An edit that changes the database: the TV page's first row renamed
// through "Изменить", to "Другое имя" unless another name is given.
void renameFirstTvChannelTo(EditorDriver &editor, const QString &name);
void renameFirstTvChannel(EditorDriver &editor);

using k510::testing::imageBytes;
using k510::testing::imageOf;
[[nodiscard]] QByteArray fileBytes(const QString &path);
// The window's title with no database file, or with the database from `path`.
[[nodiscard]] QString windowTitleFor(const QString &path = {});
