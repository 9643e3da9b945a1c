// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Records.h"

// The texts by which the pages show codes and satellites of the model.

namespace k510 {

[[nodiscard]] std::string fecText(int code);            // "" for unknown codes
[[nodiscard]] std::string polarisationText(int code);   // "H" / "V"
[[nodiscard]] std::string switchTypeText(int code);     // "" for 5..7
[[nodiscard]] std::string diseqc10Text(int port);       // "" for 5..7
[[nodiscard]] std::string diseqc11Text(int port);
[[nodiscard]] std::string lnbTypeText(const Bcd4 &lnbLow);

// The nine texts of a satellite's row on the satellites page, one per column.
struct SatelliteRowTexts {
    std::string number;       // "№"
    std::string name;         // "Название" (Windows-1251)
    std::string lnbType;      // "Тип LNB"
    std::string power12v;     // "0/12В"
    std::string switchType;   // "DiSEqC"
    std::string diseqc10;     // "1.0"
    std::string diseqc11;     // "1.1"
    std::string hemisphere;   // "E/W"
    std::string longitude;    // "USALS"

    bool operator==(const SatelliteRowTexts &) const = default;
};

// A stored USALS longitude that the display rule cannot express (nibbles
// that are no decimal digits, or 360.0 degrees and more: the mirrored text
// would be negative) is shown as it is stored: "FF FF FF", or its digits
// ("400,0"). The writer recognises this text and writes the stored bytes back
// unchanged. Nothing for a longitude the rule expresses.
[[nodiscard]] std::optional<std::string> storedLongitudeText(const Longitude &longitude);
// The "USALS" text of a longitude: degrees without leading zeros, a comma,
// tenths ("36,0"), or the stored form above.
[[nodiscard]] std::string longitudeText(const Longitude &longitude);

// The row of a satellite on the satellites page.
[[nodiscard]] SatelliteRowTexts rowTextsOf(const Satellite &satellite);

} // namespace k510
