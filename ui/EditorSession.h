// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>
#include <QString>

namespace k510::ui {

class EditHistory;

// What the editor works on: the channel database, its undo history, the
// file it lives in and whether it holds changes not yet saved. The pages,
// the status bar, the title and the menus subscribe to what it announces;
// the commands change the database and say what they did.
class EditorSession : public QObject {
    Q_OBJECT
public:
    explicit EditorSession(QObject *parent);

    [[nodiscard]] ChannelDatabase &database() { return m_database; }
    [[nodiscard]] const ChannelDatabase &database() const { return m_database; }
    [[nodiscard]] EditHistory &history() const { return *m_history; }
    // Empty while the database lives in no file (a new or received one).
    [[nodiscard]] const QString &filePath() const { return m_filePath; }
    [[nodiscard]] bool isModified() const;

    void setFilePath(const QString &path);
    // A database was loaded in place of the one before.
    void announceNewDatabase();
    // The database changed as a whole (undo, redo, a command that touched
    // many parts): everything that shows it shows it again.
    void announceChanges();

signals:
    void databaseReplaced();
    void databaseChanged();
    void filePathChanged(const QString &path);
    void modifiedChanged(bool modified);

private:
    ChannelDatabase m_database;
    EditHistory *m_history;
    QString m_filePath;
};

} // namespace k510::ui
