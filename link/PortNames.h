#pragma once

#include <QString>

namespace k510::link {

// The device behind a port name. "COM1".."COM4" are the names the user
// picks: on Windows they are the native names; elsewhere COMn is
// /dev/ttyS(n-1) unless the environment variable K510_COMn names another
// device (a USB adapter, a pseudo-terminal). Any other name, such as a device
// path given to the command-line tool, is taken as it is.
[[nodiscard]] QString deviceForPort(const QString &portName);

} // namespace k510::link
