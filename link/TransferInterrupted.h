// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace k510::link {

// Thrown from a worker's progress callback when the editor is going away, so
// the transfer ends at the next block like a failure and releases the port.
class TransferInterrupted : public std::runtime_error {
public:
    TransferInterrupted() : std::runtime_error("transfer interrupted") {}
};

} // namespace k510::link
