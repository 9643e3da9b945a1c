// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace k510::link {

// The device behind a port name, the one place that resolves names for the
// workers and k510-tool alike. "COM1".."COM4" are the names kept in
// "k510.ini": on Windows they are the native names; elsewhere COMn is
// /dev/ttyS(n-1) unless the environment variable K510_COMn names another
// device. Any other name is a port's system name ("ttyUSB0", "COM7"), which
// on Linux lives under /dev, or a device path, taken as it is.
[[nodiscard]] QString deviceForPort(const QString &portName);

// Whether the name is one of "COM1".."COM4".
[[nodiscard]] bool isNumberedPort(const QString &portName);

} // namespace k510::link
