// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/DatabaseSnapshot.h"

#include <QObject>

class QAction;
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace k510::ui {

// Undo and redo of every command that changes the database. A step holds
// snapshots of the database before and after the command; consecutive steps
// share the snapshot between them, and each snapshot shares with the one
// before it every part the command left alone, so a hundred steps cost
// little more than what they changed. The database is clean after it was
// opened, received or saved, and modified while the stack is away from that
// point.
class EditHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepLimit = 100;

    // showDatabase brings every page up to date after undo or redo.
    EditHistory(ChannelDatabase &database, std::function<void()> showDatabase, QObject *parent = nullptr);

    // Runs a command; when it changed the database, that is one step, named
    // by `name` once the command has run (for example "Удаление 3 каналов").
    // A cancelled or refused command leaves no step.
    using StepName = std::function<QString()>;
    void record(const StepName &name, const std::function<void()> &command);
    void record(const QString &name, const std::function<void()> &command);

    // A new database (opened or received): no steps, clean.
    void restart();
    void markSaved();
    // A database that lives in no file (received): modified until saved,
    // whatever is undone.
    void markUnsaved();
    [[nodiscard]] bool isModified() const { return !m_stack.isClean(); }
    [[nodiscard]] QUndoStack &stack() { return m_stack; }
    // "Отменить" and "Повторить" undo and redo, are greyed when there is
    // nothing to, and name the step they would take: "Отменить «Удаление 3
    // каналов»".
    void connectMenu(QAction &undo, QAction &redo);

signals:
    void modifiedChanged(bool modified);

private:
    friend class DatabaseStep;
    void show(const std::shared_ptr<const DatabaseSnapshot> &state);

    ChannelDatabase &m_database;
    std::function<void()> m_showDatabase;
    QUndoStack m_stack;
    // The database as the latest step left it, shared with that step.
    std::shared_ptr<const DatabaseSnapshot> m_current;
};

// "Удаление 1 канала", "Удаление 3 каналов", "Удаление 21 канала".
[[nodiscard]] QString channelsDeletedName(int count);
// The same for another action: "Перемещение 3 каналов".
[[nodiscard]] QString channelsStepName(const QString &action, int count);

} // namespace k510::ui
