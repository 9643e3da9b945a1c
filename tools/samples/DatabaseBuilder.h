// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "model/ChannelDatabase.h"

namespace k510::samples {

struct SatelliteParams {
    std::string_view name;          // UTF-8
    int lnbLowMhz = 0;              // 0 for a single-oscillator LNB
    int lnbHighMhz = 0;
    SwitchType switchType = SwitchType::None;
    int diseqc10Port = 0;           // 0..4
    int diseqc11Port = 0;           // 0..16
    int longitudeTenths = 0;        // 0..1800
    bool west = false;
    bool tone22k = true;
    bool power12v = false;
    bool lnbp = true;
};

struct ChannelParams {
    std::string_view name;          // UTF-8
    int serviceId = 0;
    int pmtPid = 0;
    int videoPid = 0;
    int audioPid = 0;
    int pcrPid = 0;
    bool scrambled = false;
    bool locked = false;
};

// Assembles consistent databases for the demo file, tests and benchmarks:
// TV channels first, then radio, order lists, and satellites as a read of
// their records would make them.
class DatabaseBuilder {
public:
    int addSatellite(const SatelliteParams &params);   // returns the satellite number
    int addTransponder(int satNumber, int frequencyMhz, char polarisation, int symbolRate, int fec);
    int addTv(int tpNumber, const ChannelParams &params);      // returns the TV channel number
    int addRadio(int tpNumber, const ChannelParams &params);   // returns the radio number
    void setTvGroup(int group, std::string_view name, std::vector<std::uint16_t> entries);
    void setRadioGroup(int group, std::string_view name, std::vector<std::uint16_t> entries);
    // Replaces the identity order lists (permutations of 1..T and 1..R).
    void setTvOrder(std::vector<std::uint16_t> order) { m_db.tvOrder = std::move(order); }
    void setRadioOrder(std::vector<std::uint16_t> order) { m_db.radioOrder = std::move(order); }

    [[nodiscard]] ChannelDatabase build() const;

private:
    ChannelDatabase m_db;
    std::vector<Channel> m_tv;
    std::vector<Channel> m_radio;
};

// Decimal digits as packed BCD ("10600" -> 01 06 00 00).
[[nodiscard]] Bcd4 bcdOf(int value);

} // namespace k510::samples
