// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditHistory.h"

#include <QAction>
#include <QUndoCommand>

#include <utility>

namespace k510::ui {

using State = std::shared_ptr<const DatabaseSnapshot>;

// One command's change: the database before and after it.
class DatabaseStep : public QUndoCommand {
public:
    DatabaseStep(EditHistory &history, const QString &name, State before, State after)
        : QUndoCommand(name), m_history(history), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    void undo() override { m_history.show(m_before); }
    void redo() override
    {
        // Pushing the step runs redo once; the command has done its work then.
        if (m_done)
            m_history.show(m_after);
        m_done = true;
    }

private:
    EditHistory &m_history;
    State m_before;
    State m_after;
    bool m_done = false;
};

EditHistory::EditHistory(ChannelDatabase &database, std::function<void()> showDatabase, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_showDatabase(std::move(showDatabase))
    , m_current(std::make_shared<const DatabaseSnapshot>(database))
{
    m_stack.setUndoLimit(kStepLimit);
    connect(&m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modifiedChanged(!clean); });
}

void EditHistory::record(const StepName &name, const std::function<void()> &command)
{
    command();
    auto after = std::make_shared<const DatabaseSnapshot>(m_database, *m_current);
    if (after->sharesAllWith(*m_current))
        return;
    State before = std::exchange(m_current, std::move(after));
    m_stack.push(new DatabaseStep(*this, name(), std::move(before), m_current));
}

void EditHistory::record(const QString &name, const std::function<void()> &command)
{
    record([&name] { return name; }, command);
}

void EditHistory::restart()
{
    m_stack.clear();
    m_current = std::make_shared<const DatabaseSnapshot>(m_database);
    m_stack.setClean();
}

void EditHistory::markSaved()
{
    m_stack.setClean();
}

void EditHistory::markUnsaved()
{
    m_stack.resetClean();
}

void EditHistory::show(const State &state)
{
    m_current = state;
    state->restore(m_database);
    m_showDatabase();
}

void EditHistory::connectMenu(QAction &undo, QAction &redo)
{
    undo.setEnabled(false);
    redo.setEnabled(false);
    connect(&undo, &QAction::triggered, &m_stack, &QUndoStack::undo);
    connect(&redo, &QAction::triggered, &m_stack, &QUndoStack::redo);
    connect(&m_stack, &QUndoStack::canUndoChanged, &undo, &QAction::setEnabled);
    connect(&m_stack, &QUndoStack::canRedoChanged, &redo, &QAction::setEnabled);
    // The verb keeps its underlined letter; an "&" in the step is shown as itself.
    const auto named = [](const QString &verb, QString step) {
        step.replace(QLatin1Char('&'), QStringLiteral("&&"));
        return step.isEmpty() ? verb : QStringLiteral("%1 «%2»").arg(verb, step);
    };
    connect(&m_stack, &QUndoStack::undoTextChanged, &undo,
            [&undo, named](const QString &step) { undo.setText(named(QStringLiteral("&Отменить"), step)); });
    connect(&m_stack, &QUndoStack::redoTextChanged, &redo,
            [&redo, named](const QString &step) { redo.setText(named(QStringLiteral("Пов&торить"), step)); });
}

QString channelsStepName(const QString &action, int count)
{
    const bool singular = count % 10 == 1 && count % 100 != 11;
    return QStringLiteral("%1 %2 %3").arg(action).arg(count).arg(singular ? QStringLiteral("канала") : QStringLiteral("каналов"));
}

QString channelsDeletedName(int count)
{
    return channelsStepName(QStringLiteral("Удаление"), count);
}

} // namespace k510::ui
