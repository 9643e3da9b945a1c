// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRows.h"

#include "ChannelTexts.h"

namespace k510::ui {

ChannelRows::ChannelRows(const ChannelDatabase &db, ChannelKind kind, QObject *parent)
    : ListRows(titlesOf(channelListColumns(0)), parent), m_db(db), m_kind(kind)
{
}

void ChannelRows::showWholeOrder(bool onlyNamed)
{
    m_satellite = -1;
    m_onlyNamed = onlyNamed;
    refill();
}

void ChannelRows::showSatellite(int satelliteIndex)
{
    m_satellite = satelliteIndex;
    refill();
}

std::vector<ListRows::Row> ChannelRows::readRows() const
{
    std::vector<Row> rows;
    if (showsWholeOrder()) {
        const int count = int(m_db.order(m_kind).size());
        rows.reserve(std::size_t(count));
        for (int place = 0; place < count; ++place) {
            const int index = m_db.channelIndexAtPlace(m_kind, place);
            if (index >= 0 || !m_onlyNamed)
                rows.push_back({index, place + 1, place});
        }
        return rows;
    }
    if (std::size_t(m_satellite) >= m_db.satellites.size())
        return rows;
    for (const int tpIndex : m_db.satellites[std::size_t(m_satellite)].transponderIndices) {
        if (tpIndex < 0 || std::size_t(tpIndex) >= m_db.transponders.size())
            continue;
        const Transponder &transponder = m_db.transponders[std::size_t(tpIndex)];
        for (const int index : isRadio(m_kind) ? transponder.radioChannelIndices : transponder.tvChannelIndices)
            rows.push_back({m_db.channelAt(index) ? index : -1, index + 1, -1});
    }
    return rows;
}

QString ChannelRows::cellText(const Row &row, int column) const
{
    return channelCellText(m_db, row.identity, column);
}

std::uint64_t ChannelRows::keyOf(const Row &row) const
{
    return channelFollowKey(m_db, row.identity);
}

std::uint64_t channelFollowKey(const ChannelDatabase &db, int channelIndex)
{
    const Channel *channel = db.channelAt(channelIndex);
    if (!channel)
        return 0;
    std::uint64_t key = 0xCBF29CE484222325ULL;
    for (const std::uint64_t value : {std::uint64_t(channel->serviceId), std::uint64_t(channel->pmtPid),
                                      std::uint64_t(channel->videoPid), std::uint64_t(channel->audioPid),
                                      std::uint64_t(channel->pcrPid), std::uint64_t(channel->chFlags)})
        key = mixedKey(key, value);
    for (const std::uint8_t byte : channel->name)
        key = mixedKey(key, byte);
    if (const Transponder *transponder = db.transponderOf(*channel)) {
        key = mixedKey(key, transponder->satNumber);
        key = mixedKey(key, transponder->polarisation);
        for (const std::uint8_t byte : transponder->frequency)
            key = mixedKey(key, byte);
    }
    return key;
}

} // namespace k510::ui
