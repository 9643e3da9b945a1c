// SPDX-License-Identifier: GPL-3.0-or-later
#include "FavouriteRows.h"

#include "ChannelRows.h"
#include "ChannelTexts.h"

namespace k510::ui {

FavouriteRows::FavouriteRows(const ChannelDatabase &db, ChannelKind kind, QObject *parent)
    : ListRows(titlesOf(channelListColumns(0)), parent), m_db(db), m_kind(kind)
{
}

void FavouriteRows::showGroup(int groupIndex)
{
    m_group = groupIndex;
    m_ownEntries.reset();
    refill();
}

void FavouriteRows::showEntries(FavouriteGroup entries)
{
    m_ownEntries = std::move(entries);
    refill();
}

void FavouriteRows::appendEntry(std::uint16_t number)
{
    if (!m_ownEntries)
        m_ownEntries = entries() ? *entries() : FavouriteGroup{};
    m_ownEntries->push_back(number);
    refresh();
}

const FavouriteGroup *FavouriteRows::entries() const
{
    if (m_ownEntries)
        return &*m_ownEntries;
    const auto &groups = m_db.favourites(m_kind);
    return m_group >= 0 && std::size_t(m_group) < groups.size() ? &groups[std::size_t(m_group)] : nullptr;
}

std::vector<ListRows::Row> FavouriteRows::readRows() const
{
    std::vector<Row> rows;
    const FavouriteGroup *group = entries();
    if (!group)
        return rows;
    rows.reserve(group->size());
    for (std::size_t j = 0; j < group->size(); ++j)
        rows.push_back({m_db.channelIndex(m_kind, (*group)[j]), int(j) + 1, int(j)});
    return rows;
}

QString FavouriteRows::cellText(const Row &row, int column) const
{
    return channelCellText(m_db, row.identity, column);
}

QString FavouriteRows::toolTipOf(const Row &row) const
{
    return channelToolTip(m_db, row.identity);
}

std::uint64_t FavouriteRows::keyOf(const Row &row) const
{
    return channelFollowKey(m_db, row.identity);
}

} // namespace k510::ui
