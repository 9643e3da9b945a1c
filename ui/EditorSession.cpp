// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorSession.h"

#include "commands/EditHistory.h"

namespace k510::ui {

EditorSession::EditorSession(QObject *parent)
    : QObject(parent), m_history(new EditHistory(m_database, [this] { announceChanges(); }, this))
{
    connect(m_history, &EditHistory::modifiedChanged, this, &EditorSession::modifiedChanged);
}

bool EditorSession::isModified() const
{
    return m_history->isModified();
}

void EditorSession::setFilePath(const QString &path)
{
    m_filePath = path;
    emit filePathChanged(path);
}

void EditorSession::announceNewDatabase()
{
    emit databaseReplaced();
}

void EditorSession::announceChanges()
{
    emit databaseChanged();
}

} // namespace k510::ui
