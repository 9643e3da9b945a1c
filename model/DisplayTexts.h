// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "Records.h"

// The texts by which the pages show codes of the model.

namespace k510 {

[[nodiscard]] std::string fecText(int code);            // "" for unknown codes
[[nodiscard]] std::string polarisationText(int code);   // "H" / "V"
[[nodiscard]] std::string switchTypeText(int code);     // "" for 5..7
[[nodiscard]] std::string diseqc10Text(int port);       // "" for 5..7
[[nodiscard]] std::string diseqc11Text(int port);
[[nodiscard]] std::string lnbTypeText(const Bcd4 &lnbLow);

// A stored USALS longitude that the display rule cannot express (nibbles
// that are no decimal digits, or 360.0 degrees and more: the mirrored text
// would be negative) is shown as it is stored: "FF FF FF", or its digits
// ("400,0"). The writer recognises this text and writes the stored bytes back
// unchanged. Nothing for a longitude the rule expresses.
[[nodiscard]] std::optional<std::string> storedLongitudeText(const std::array<std::uint8_t, 3> &longitude);

// The nine row texts of a satellite, created from its record.
[[nodiscard]] SatelliteRowTexts makeRowTexts(const Satellite &satellite);

} // namespace k510
