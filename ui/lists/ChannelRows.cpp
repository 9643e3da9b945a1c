// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelRows.h"

#include "ChannelTexts.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace k510::ui {

ChannelRows::ChannelRows(const ChannelDatabase &db, ChannelKind kind, QObject *parent)
    : ListRows(titlesOf(channelListColumns(0)), parent), m_db(db), m_kind(kind)
{
    setOptionalColumn(satelliteColumn().title);
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

QString ChannelRows::toolTipOf(const Row &row) const
{
    return channelToolTip(m_db, row.identity);
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
    // Packed into a few words first: every row's key is taken each time the
    // rows are read.
    std::uint64_t ids = std::uint64_t(channel->serviceId) << 48 | std::uint64_t(channel->pmtPid) << 32
                        | std::uint64_t(channel->videoPid) << 16 | channel->audioPid;
    std::uint64_t rest = std::uint64_t(channel->pcrPid) << 48 | std::uint64_t(channel->chFlags) << 40;
    if (const Transponder *transponder = db.transponderOf(*channel)) {
        std::uint32_t frequency = 0;
        std::memcpy(&frequency, transponder->frequency.data(), sizeof frequency);
        rest |= std::uint64_t(transponder->satNumber) << 32 | std::uint64_t(transponder->polarisation != 0) << 31
                | (frequency & 0x7FFFFFFFU);
    }
    std::array<std::uint64_t, 2> name{};
    std::memcpy(name.data(), channel->name.data(), std::min(sizeof name, channel->name.size()));
    return mixedKey(mixedKey(mixedKey(mixedKey(0xCBF29CE484222325ULL, ids), rest), name[0]), name[1]);
}

} // namespace k510::ui
