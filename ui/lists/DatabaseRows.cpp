// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseRows.h"

#include "ChannelTexts.h"
#include "ModelStrings.h"
#include "model/DisplayTexts.h"

namespace k510::ui {

SatelliteRows::SatelliteRows(const ChannelDatabase &db, QStringList columnTitles, QObject *parent)
    : ListRows(std::move(columnTitles), parent), m_db(db)
{
}

std::vector<ListRows::Row> SatelliteRows::readRows() const
{
    std::vector<Row> rows;
    rows.reserve(m_db.satellites.size());
    for (std::size_t i = 0; i < m_db.satellites.size(); ++i)
        rows.push_back({int(i), m_db.satellites[i].number, int(i)});
    return rows;
}

QString SatelliteRows::cellText(const Row &row, int column) const
{
    if (row.identity < 0 || std::size_t(row.identity) >= m_db.satellites.size())
        return {};
    const SatelliteRowTexts texts = rowTextsOf(m_db.satellites[std::size_t(row.identity)]);
    const std::string *cells[] = {&texts.number, &texts.name, &texts.lnbType, &texts.power12v, &texts.switchType,
                                  &texts.diseqc10, &texts.diseqc11, &texts.hemisphere, &texts.longitude};
    return column >= 0 && column < int(std::size(cells)) ? fromWindows1251(*cells[column]) : QString();
}

TransponderRows::TransponderRows(const ChannelDatabase &db, QStringList columnTitles, QObject *parent)
    : ListRows(std::move(columnTitles), parent), m_db(db)
{
    setOptionalColumn(satelliteColumn().title);
}

void TransponderRows::showSatellite(int satelliteIndex)
{
    m_satellite = satelliteIndex;
    refill();
}

std::vector<ListRows::Row> TransponderRows::readRows() const
{
    std::vector<Row> rows;
    if (m_satellite < 0) {
        rows.reserve(m_db.transponders.size());
        for (std::size_t i = 0; i < m_db.transponders.size(); ++i)
            rows.push_back({int(i), int(i) + 1});
        return rows;
    }
    if (std::size_t(m_satellite) >= m_db.satellites.size())
        return rows;
    for (const int index : m_db.satellites[std::size_t(m_satellite)].transponderIndices) {
        if (index >= 0 && std::size_t(index) < m_db.transponders.size())
            rows.push_back({index, int(rows.size()) + 1});
    }
    return rows;
}

QString TransponderRows::cellText(const Row &row, int column) const
{
    if (row.identity < 0 || std::size_t(row.identity) >= m_db.transponders.size())
        return {};
    const Transponder &transponder = m_db.transponders[std::size_t(row.identity)];
    switch (column) {
    case 1: return QString::fromStdString(polarisationText(transponder.polarisation));
    case 2: return frequencyText(transponder);
    case 3: return symbolRateText(transponder);
    case 4: return QString::fromStdString(fecText(transponder.fec));
    case kTransponderSatelliteColumn: {
        const Satellite *satellite = m_db.satelliteOf(transponder);
        return satellite ? fromWindows1251(satellite->name) : QString();
    }
    default: return {};
    }
}

std::uint64_t TransponderRows::keyOf(const Row &row) const
{
    const int index = row.identity;
    if (index < 0 || std::size_t(index) >= m_db.transponders.size())
        return 0;
    const Transponder &transponder = m_db.transponders[std::size_t(index)];
    std::uint64_t key = 0xCBF29CE484222325ULL;
    for (const std::uint64_t value : {std::uint64_t(transponder.satNumber), std::uint64_t(transponder.polarisation),
                                      std::uint64_t(transponder.fec)})
        key = mixedKey(key, value);
    for (const std::uint8_t byte : transponder.frequency)
        key = mixedKey(key, byte);
    for (const std::uint8_t byte : transponder.symbolRate)
        key = mixedKey(key, byte);
    return key;
}

} // namespace k510::ui
