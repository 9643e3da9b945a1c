// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeleteCommands.h"

#include "model/Deletion.h"
#include "model/Favourites.h"
#include "model/OrderLists.h"
#include "model/Purge.h"
#include "DeleteQuestions.h"
#include "EditHistory.h"
#include "ui/UserDialogs.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/FavouritesPage.h"
#include "ui/pages/TransponderPage.h"

#include <QComboBox>

#include <algorithm>

namespace k510::ui {

namespace {

const char *const kFavouriteQuestion = "Данный канал занесен в избранные, все равно удалить?";
const char *const kPurgeQuestion = "Будут удалены все каналы из списка, кроме добавленных в Избранные, Вы уверены?";

// A number's new value once the (sorted) deleted numbers are gone, or 0 for
// a deleted one.
int renumbered(int number, const std::vector<int> &deletedSorted)
{
    const auto below = std::lower_bound(deletedSorted.begin(), deletedSorted.end(), number);
    if (below != deletedSorted.end() && *below == number)
        return 0;
    return number - int(below - deletedSorted.begin());
}

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
    const int index = pageOf(kind).channelIndexOfRow(m.database, row);
    return m.database.numberOf(kind, index);
}

void DeleteCommands::deleteTransponder()
{
    m.history.record(QStringLiteral("Удаление транспондера"), [&] {
        ReportList &list = *m.transponders.list();
        std::vector<int> numbers;
        for (const int row : list.selectedRowNumbers()) {
            const int index = m.transponders.transponderIndexOfRow(m.database, row);
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
        m.refillTransponders();
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
    ChannelPage &page = pageOf(kind);
    ReportRows &rows = page.list()->rows();
    // Which number each row stands for, while the rows still say so.
    std::vector<int> rowNumbers(std::size_t(rows.count()));
    for (int row = 0; row < rows.count(); ++row)
        rowNumbers[std::size_t(row)] = numberOfRow(kind, row);

    // A damaged order list may lose another entry than the deleted channel's;
    // its rows are then filled again from the list as it now is.
    const bool soundOrder = isPermutation(m.database.order(kind));
    const DeletionSummary summary = kind == ChannelKind::Tv ? deleteTvChannels(m.database, numbers)
                                                            : deleteRadioChannels(m.database, numbers);
    if (!page.showsWholeOrder() || !soundOrder) {
        kind == ChannelKind::Tv ? m.refillTv() : m.refillRadio();
    } else {
        // The rows keep their places (the list may be sorted by any column);
        // each "#" becomes its channel's new place in the order list.
        std::vector<int> deleted = numbers;
        std::sort(deleted.begin(), deleted.end());
        const std::vector<std::uint16_t> &order = kind == ChannelKind::Tv ? m.database.tvOrder : m.database.radioOrder;
        std::vector<int> placeOf(order.size() + 1, 0);
        for (std::size_t position = 0; position < order.size(); ++position)
            if (order[position] >= 1 && order[position] <= order.size())
                placeOf[order[position]] = int(position) + 1;
        std::vector<QStringList> kept;
        for (int row = 0; row < rows.count(); ++row) {
            const int number = renumbered(rowNumbers[std::size_t(row)], deleted);
            if (rowNumbers[std::size_t(row)] >= 1 && number == 0)
                continue;
            QStringList cells = rows.cells(row);
            if (number >= 1 && std::size_t(number) < placeOf.size())
                cells[0] = QString::number(placeOf[std::size_t(number)]);
            kept.push_back(std::move(cells));
        }
        const ReportRows::UpdateBracket bracket(rows);
        rows.clear();
        for (QStringList &cells : kept)
            rows.insertRow({std::move(cells)});
    }
    m.reportChannelTypeErrors(summary.channelsOfBadType);
}

void DeleteCommands::removeFavourites(ChannelKind kind)
{
    m.history.record(QStringLiteral("Удаление из избранных"), [&] {
        FavouritesPage &page = kind == ChannelKind::Tv ? m.favouriteTv : m.favouriteRadio;
        ReportList &list = *page.list();
        std::vector<int> positions;
        for (const int row : list.selectedRowNumbers())
            positions.push_back(list.referenceOf(row));
        if (positions.empty())
            return;
        FavouriteGroups &groups = m.database.favourites(kind);
        removeFavouriteEntries(groups[std::size_t(page.groupIndex())], positions);
        kind == ChannelKind::Tv ? m.refillFavouriteTv() : m.refillFavouriteRadio();
    });
}

} // namespace k510::ui
