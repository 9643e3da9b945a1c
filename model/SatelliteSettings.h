// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "Records.h"

// What the satellite dialog sets, already converted and checked, and how it
// is applied to a satellite.

namespace k510 {

struct SatelliteSettings {
    std::string name;        // Windows-1251, at most 16 bytes
    Bcd4 lnbLow{}, lnbHigh{};
    bool tone22k = false, power12v = false, lnbp = false;
    int switchType = kSwitchTypeNotChosen;   // or 0..4 (SwitchType)
    int diseqc10Port = 0;    // 0..4
    int diseqc11Port = 0;    // 0..16
    bool west = false;
    // As typed ("19,2"); nothing keeps the longitude as it is, which is how
    // a field the pages show as stored ("FF FF FF") survives an edit that did
    // not touch it.
    std::optional<std::string> longitude;
};

// Applies the settings to the satellite. Every flag is set anew, so the
// carried bits end up clear; with no switch type chosen the "DiSEqC" text is
// left empty and no switch-type bit is written. A name beyond 16 bytes keeps
// its first 16.
//
// Everything is checked before anything changes: a longitude that does not
// normalise throws ConversionError or RangeError, and a switch type or port
// outside its range throws std::invalid_argument; the satellite is then
// unchanged.
void applySatelliteSettings(Satellite &satellite, const SatelliteSettings &settings);

} // namespace k510
