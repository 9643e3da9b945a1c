// SPDX-License-Identifier: GPL-3.0-or-later
#include "FavouriteCommands.h"

#include "model/EditConversions.h"
#include "model/Favourites.h"
#include "EditHistory.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/TfavChSelectDlg.h"
#include "ui/dialogs/TgrpRenameDlg.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/FavouritesPage.h"

#include <QPushButton>
#include <QComboBox>

namespace k510::ui {

namespace {

const char *const kGroupFull = "Максимальное количество каналов в списке - 80!";
const char *const kNameless = "Группа не может не иметь названия!";

// Why a typed group name cannot be stored, or nothing. Blanks alone are no
// name: the selector would show an empty entry.
QString refusalOf(const QString &typed)
{
    if (typed.trimmed().isEmpty())
        return QString::fromUtf8(kNameless);
    // Cutting it would store a name the user never typed.
    if (typed.size() > qsizetype(kGroupNameLength))
        return QStringLiteral("Название группы длиннее %1 знаков: сократите его на %2.")
            .arg(kGroupNameLength)
            .arg(typed.size() - qsizetype(kGroupNameLength));
    try {
        (void)nameToWindows1251(typed.toStdString());
    } catch (const NameError &refused) {
        return QString::fromUtf8(refused.what());
    }
    return {};
}

} // namespace

FavouriteCommands::FavouriteCommands(FavouriteTargets targets, QWidget *dialogParent)
    : QObject(dialogParent)
    , m(std::move(targets))
    , m_selection(new TfavChSelectDlg(dialogParent))
    , m_rename(new TgrpRenameDlg(dialogParent))
{
    connect(m_selection, &TfavChSelectDlg::channelsChosen, this, &FavouriteCommands::addChosenChannels);
    connect(m_selection, &TfavChSelectDlg::entriesRemoved, this, &FavouriteCommands::removeChosenEntries);
    for (const ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio})
        connect(pageOf(kind).renameButton(), &QPushButton::clicked, this, [this, kind] { renameGroup(kind); });
}

FavouritesPage &FavouriteCommands::pageOf(ChannelKind kind) const
{
    return kind == ChannelKind::Tv ? m.tv : m.radio;
}

FavouriteGroup &FavouriteCommands::groupOf(ChannelKind kind, int group) const
{
    return m.database.favourites(kind)[std::size_t(group)];
}

void FavouriteCommands::chooseChannels(ChannelKind kind)
{
    m.history.record(QStringLiteral("Добавление в избранные"), [&] {
        FavouritesPage &page = pageOf(kind);
        page.list()->clearSelection();
        const auto &order = kind == ChannelKind::Tv ? m.database.tvOrder : m.database.radioOrder;
        if (order.empty())
            return;
        m_kind = kind;
        m_group = page.groupIndex();
        const FavouriteGroup opened = groupOf(kind, m_group);
        m_selection->fill(m.database, kind, opened, pageOf(kind).newChannels());
        m_selection->showGroup(m_group + 1, page.selector()->itemText(m_group));
        if (!m.dialogs.runDialog(*m_selection)) {
            groupOf(kind, m_group) = opened;
            page.showChanges();
        }
        m.updateStatusBar();
    });
}

void FavouriteCommands::addChosenChannels(const QList<int> &orderPositions)
{
    const bool tv = m_kind == ChannelKind::Tv;
    const auto &order = tv ? m.database.tvOrder : m.database.radioOrder;
    // Every channel is checked before the group changes.
    std::vector<std::pair<int, int>> chosen;   // order position, channel number
    for (const int position : orderPositions) {
        if (position < 0 || std::size_t(position) >= order.size())
            continue;
        const int number = order[std::size_t(position)];
        if (tv ? namesTvChannel(m.database, number) : namesRadioChannel(m.database, number))
            chosen.emplace_back(position, number);
    }
    if (chosen.empty())
        return;
    FavouriteGroup &group = groupOf(m_kind, m_group);
    // Channels the group holds already are skipped, and the dialog says how many.
    std::vector<int> numbers;
    for (const auto &[position, number] : chosen)
        numbers.push_back(number);
    const FavouriteChoice choice = newFavourites(group, numbers);
    m_selection->showAlreadyInGroup(choice.alreadyInGroup);
    std::vector<std::pair<int, int>> joining;
    for (const std::size_t index : choice.joining)
        joining.push_back(chosen[index]);
    chosen = std::move(joining);
    if (chosen.empty())
        return;
    const int room = kFavouriteGroupCapacity - int(group.size());
    if (int(chosen.size()) > room) {
        const QString full = QString::fromUtf8(kGroupFull);
        m.dialogs.showMessage(chosen.size() == 1 || room <= 0
                                  ? full
                                  : full + QStringLiteral(" Выбрано каналов: %1, в группу поместится ещё %2.")
                                               .arg(chosen.size())
                                               .arg(room));
        return;
    }
    for (const auto &[position, number] : chosen) {
        if (!addFavourite(group, number))
            break;
        m_selection->appendSelectedRow(m.database, position);
    }
    pageOf(m_kind).showChanges();
}

void FavouriteCommands::removeChosenEntries(const QList<int> &groupPositions)
{
    const std::vector<int> positions(groupPositions.begin(), groupPositions.end());
    FavouriteGroup &group = groupOf(m_kind, m_group);
    if (removeFavouriteEntries(group, positions) == 0)
        return;
    pageOf(m_kind).showChanges();
    m_selection->showAlreadyInGroup(0);
    m_selection->showEntries(m.database, group);
}

void FavouriteCommands::renameGroup(ChannelKind kind)
{
    m.history.record(QStringLiteral("Переименование группы"), [&] {
        QComboBox *groups = pageOf(kind).selector();
        if (m.database.channels.empty() || groups->count() == 0)
            return;
        const int group = pageOf(kind).groupIndex();
        m_rename->load(fromWindows1251(m.database.groupName(kind, group + 1)));
        // A refused name keeps the dialog open on it.
        for (;;) {
            if (!m.dialogs.runDialog(*m_rename))
                return;
            const QString refusal = refusalOf(m_rename->name());
            if (refusal.isEmpty())
                break;
            m.dialogs.showMessage(refusal);
            m_rename->markRefused();
        }
        const std::string name = nameToWindows1251(m_rename->name().toStdString());
        m.database.setGroupName(kind, group + 1, name);
        // The selector shows what is stored.
        groups->setItemText(group, fromWindows1251(m.database.groupName(kind, group + 1)));
        groups->setCurrentIndex(group);
    });
}

} // namespace k510::ui
