// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionCommands.h"

#include "EditHistory.h"
#include "RefusalMessages.h"
#include "model/BulkChanges.h"
#include "model/RenameRule.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/RenameDialog.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelListPage.h"
#include "ui/pages/PageTabs.h"


namespace k510::ui {

SelectionCommands::SelectionCommands(SelectionTargets targets, QWidget *dialogParent)
    : QObject(dialogParent), m(std::move(targets)), m_rename(new RenameDialog(dialogParent))
{
}

std::optional<SelectionCommands::Chosen> SelectionCommands::chosen() const
{
    const auto kind = kindOfPage(m.pages.currentPage());
    const ChannelListPage *page = kind ? m.pages.channelPageOf(m.pages.listOf(m.pages.currentIndex())) : nullptr;
    if (!page)
        return std::nullopt;
    Chosen chosen{*kind, {}};
    // A group may hold a channel twice; a command takes it once.
    std::vector<bool> taken(m.database.channels.size() + 1);
    for (const int row : page->list()->selectedRowNumbers()) {
        const int index = page->channelIndexOfRow(row);
        const int number = m.database.numberOf(*kind, index);
        if (number > 0 && !taken[std::size_t(index)]) {
            taken[std::size_t(index)] = true;
            chosen.numbers.push_back(number);
            chosen.shownNumbers.emplace(number, page->list()->numberOf(row));
        }
    }
    if (chosen.numbers.empty())
        return std::nullopt;
    return chosen;
}

template <class Change>
void SelectionCommands::changeChosen(const QString &name, const Chosen &chosen, Change change)
{
    std::optional<Refusal> refused;
    m.history.record(name, [&] {
        if (const auto outcome = change(m.database, chosen); !outcome)
            refused = outcome.refusal();
    });
    if (refused) {
        // Rows are named as the list numbers them.
        if (refused->reason == RefusalReason::NamesUnfit)
            for (int &number : refused->numbers)
                number = chosen.shownNumbers.contains(number) ? chosen.shownNumbers.at(number) : number;
        m.dialogs.showMessage(refusalMessage(*refused));
        return;
    }
    m.showChanges();
}

void SelectionCommands::setLocked(bool locked)
{
    const auto chosen = this->chosen();
    if (!chosen)
        return;
    const QString action = locked ? QStringLiteral("Блокировка") : QStringLiteral("Разблокировка");
    changeChosen(channelsStepName(action, int(chosen->numbers.size())), *chosen,
                 [locked](ChannelDatabase &db, const Chosen &c) { return k510::setLocked(db, c.kind, c.numbers, locked); });
}

void SelectionCommands::setScrambled(bool scrambled)
{
    const auto chosen = this->chosen();
    if (!chosen)
        return;
    const QString action = scrambled ? QStringLiteral("Отметка кодированными") : QStringLiteral("Отметка открытыми");
    changeChosen(channelsStepName(action, int(chosen->numbers.size())), *chosen,
                 [scrambled](ChannelDatabase &db, const Chosen &c) {
                     return k510::setScrambled(db, c.kind, c.numbers, scrambled);
                 });
}

void SelectionCommands::addToGroup(int group)
{
    const auto chosen = this->chosen();
    if (!chosen)
        return;
    const QString name = channelsStepName(QStringLiteral("Добавление"), int(chosen->numbers.size()))
                         + QStringLiteral(" в группу «%1»")
                               .arg(fromWindows1251(m.database.groupName(chosen->kind, group + 1)));
    changeChosen(name, *chosen, [group](ChannelDatabase &db, const Chosen &c) {
        return addToFavouriteGroup(db, c.kind, group, c.numbers);
    });
}

void SelectionCommands::rename()
{
    const auto chosen = this->chosen();
    if (!chosen)
        return;
    m_rename->prepare(m.database, chosen->kind, chosen->numbers, chosen->shownNumbers);
    if (!m.dialogs.runDialog(*m_rename))
        return;
    const RenameRule rule = m_rename->rule();
    changeChosen(channelsStepName(QStringLiteral("Переименование"), int(chosen->numbers.size())), *chosen,
                 [&rule](ChannelDatabase &db, const Chosen &c) { return applyRename(db, c.kind, c.numbers, rule); });
}

} // namespace k510::ui
