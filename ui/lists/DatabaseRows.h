// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ListRows.h"
#include "model/ChannelDatabase.h"

// The rows of the satellites and the transponders lists.

namespace k510::ui {

// One row per satellite, in the database's order; a row stands for its
// satellite index.
class SatelliteRows : public ListRows {
    Q_OBJECT
public:
    SatelliteRows(const ChannelDatabase &db, QStringList columnTitles, QObject *parent);

protected:
    [[nodiscard]] std::vector<Row> readRows() const override;
    [[nodiscard]] QString cellText(const Row &row, int column) const override;

private:
    const ChannelDatabase &m_db;
};

// Where the optional "Спутник" column stands in the transponder list.
inline constexpr int kTransponderSatelliteColumn = 5;

// Every transponder, "#" being its number, or those of one satellite, "#"
// counting them from 1; a row stands for its transponder index.
class TransponderRows : public ListRows {
    Q_OBJECT
public:
    TransponderRows(const ChannelDatabase &db, QStringList columnTitles, QObject *parent);

    // A satellite index, or -1 for every transponder.
    void showSatellite(int satelliteIndex);

protected:
    [[nodiscard]] std::uint64_t keyOf(const Row &row) const override;
    [[nodiscard]] std::vector<Row> readRows() const override;
    [[nodiscard]] QString cellText(const Row &row, int column) const override;

private:
    const ChannelDatabase &m_db;
    int m_satellite = -1;
};

} // namespace k510::ui
