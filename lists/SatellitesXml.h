// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include "model/SatellitesList.h"

namespace k510 {

// Reads a satellites.xml list. A file that is not well-formed XML (cut off,
// or followed by more after </satellites>, such as a second document), or
// whose root is not <satellites>, is refused whole: the refusal names the
// reader's line and column. Bytes that are no UTF-8 in a UTF-8 list are
// replaced and their lines named. Unknown attributes are ignored, as every
// reader of the format does; unknown elements, satellites without a usable
// position and transponders without a usable frequency, symbol rate,
// polarisation or system are listed as unusable entries with their line.
[[nodiscard]] SatellitesList readSatellitesXml(const QByteArray &data);

} // namespace k510
