#pragma once

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

// The nine row texts of a satellite, created from its record.
[[nodiscard]] SatelliteRowTexts makeRowTexts(const Satellite &satellite);

} // namespace k510
