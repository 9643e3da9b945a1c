// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeleteCommands.h"

#include "model/Deletion.h"
#include "model/Favourites.h"
#include "model/Purge.h"
#include "DeleteQuestions.h"
#include "EditHistory.h"
#include "ui/UserDialogs.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/FavouritesPage.h"
#include "ui/pages/TransponderPage.h"

#include <QComboBox>


namespace k510::ui {

namespace {

const char *const kFavouriteQuestion = "Данный канал занесен в избранные, все равно удалить?";
const char *const kPurgeQuestion = "Будут удалены все каналы из списка, кроме добавленных в Избранные, Вы уверены?";

// "Удаление 3 каналов": the step's name says how many channels went.
EditHistory::StepName channelsDeleted(const ChannelDatabase &database)
{
    return [&database, before = database.channels.size()] {
        return channelsDeletedName(int(before - database.channels.size()));
    };
}

} // namespace

DeleteCommands::DeleteCommands(DeleteTargets targets) : m(std::move(targets)) {}

ChannelPage &DeleteCommands::pageOf(ChannelKind kind) const
{
    return kind == ChannelKind::Tv ? m.tv : m.radio;
}

int DeleteCommands::numberOfRow(ChannelKind kind, int row) const
{
    const int index = pageOf(kind).channelIndexOfRow(row);
    return m.database.numberOf(kind, index);
}

void DeleteCommands::deleteTransponder()
{
    m.history.record(QStringLiteral("Удаление транспондера"), [&] {
        ReportList &list = *m.transponders.list();
        std::vector<int> numbers;
        for (const int row : list.selectedRowNumbers()) {
            const int index = m.transponders.transponderIndexOfRow(row);
            if (index >= 0)
                numbers.push_back(index + 1);
        }
        if (numbers.empty())
            return;
        // Favourite entries go with their channels: only after a "Да".
        const TransponderChannels channels = channelsOnTransponders(m.database, numbers);
        if (channels.favourites > 0) {
            const Transponder *only =
                numbers.size() == 1 ? &m.database.transponders[std::size_t(numbers.front() - 1)] : nullptr;
            if (!m.dialogs.askYesNo(transponderDeleteQuestion(only, int(numbers.size()), channels),
                                    UserDialogs::DefaultAnswer::No))
                return;
        }
        const DeletionSummary summary = deleteTransponders(m.database, numbers);
        m.transponders.showChanges();
        m.reportChannelTypeErrors(summary.channelsOfBadType);
    });
}

void DeleteCommands::deleteChannels(ChannelKind kind)
{
    m.history.record(channelsDeleted(m.database), [&] {
        ReportList &list = *pageOf(kind).list();
        if (m.database.channels.empty())
            return;
        struct Chosen {
            int row;
            int number;
            bool favourite;
        };
        std::vector<Chosen> chosen;
        int favourites = 0;
        for (const int row : list.selectedRowNumbers()) {
            const int number = numberOfRow(kind, row);
            if (number < 1)
                continue;
            const bool favourite = m.database.isInFavourites(kind, number);
            chosen.push_back({row, number, favourite});
            favourites += favourite ? 1 : 0;
        }
        // One channel keeps its own question; a selection of several is asked
        // about once, naming how many of them stand in groups.
        bool deleteFavourites = true;
        if (chosen.size() == 1 && favourites == 1) {
            deleteFavourites = m.dialogs.askYesNo(QString::fromUtf8(kFavouriteQuestion));
        } else if (favourites > 0) {
            const UserDialogs::Answer answer =
                m.dialogs.askYesNoCancel(selectedFavouritesQuestion(favourites), UserDialogs::Answer::No);
            if (answer == UserDialogs::Answer::Cancel)
                return;
            deleteFavourites = answer == UserDialogs::Answer::Yes;
        }
        std::vector<int> marked;
        for (const Chosen &channel : chosen) {
            if (channel.favourite && !deleteFavourites) {
                // A kept row is deselected, so the rows still selected are those that go.
                list.selectionModel()->select(list.model()->index(channel.row, 0),
                                              QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
                continue;
            }
            marked.push_back(channel.number);
        }
        if (!marked.empty())
            deleteAndShow(kind, marked);
    });
}

void DeleteCommands::purge(ChannelKind kind)
{
    // Never a purge of rows a filter hides.
    if (pageOf(kind).list()->filtering())
        return;
    m.history.record(channelsDeleted(m.database), [&] {
        if (m.database.channels.empty() || !m.dialogs.askYesNo(QString::fromUtf8(kPurgeQuestion), UserDialogs::DefaultAnswer::No))
            return;
        const int entry = pageOf(kind).selector()->currentIndex();
        const std::optional<int> satellite = entry > 0 ? std::optional(entry - 1) : std::nullopt;
        const std::vector<int> numbers = kind == ChannelKind::Tv ? unfavouredTvNumbers(m.database, satellite)
                                                                 : unfavouredRadioNumbers(m.database, satellite);
        if (!numbers.empty())
            deleteAndShow(kind, numbers);
    });
}

void DeleteCommands::deleteAndShow(ChannelKind kind, const std::vector<int> &numbers)
{
    const DeletionSummary summary = kind == ChannelKind::Tv ? deleteTvChannels(m.database, numbers)
                                                            : deleteRadioChannels(m.database, numbers);
    // The rows that are left keep their sort and places; "#" is read anew.
    pageOf(kind).showChanges();
    m.reportChannelTypeErrors(summary.channelsOfBadType);
}

void DeleteCommands::removeFavourites(ChannelKind kind)
{
    m.history.record(QStringLiteral("Удаление из избранных"), [&] {
        FavouritesPage &page = kind == ChannelKind::Tv ? m.favouriteTv : m.favouriteRadio;
        ReportList &list = *page.list();
        std::vector<int> positions;
        for (const int row : list.selectedRowNumbers())
            positions.push_back(list.placeOf(row) + 1);
        if (positions.empty())
            return;
        FavouriteGroups &groups = m.database.favourites(kind);
        removeFavouriteEntries(groups[std::size_t(page.groupIndex())], positions);
        page.refill();
    });
}

} // namespace k510::ui
