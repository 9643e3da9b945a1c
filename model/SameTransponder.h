// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "ChannelDatabase.h"

namespace k510 {

// Whether a satellite has a transponder already: one at the same
// polarisation, its frequency within kFrequencyToleranceMhz and the same
// symbol rate, is the same transponder, so adding another would only give a
// second row for the same signal. The index (in `transponders`) of the
// nearest such transponder of the satellite at satelliteIndex, the earlier
// one on a tie; nullopt when it has none.
[[nodiscard]] std::optional<int> sameTransponderOf(const ChannelDatabase &db, int satelliteIndex,
                                                   const Transponder &candidate);

} // namespace k510
