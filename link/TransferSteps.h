// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "SerialPort.h"
#include "TransferCallbacks.h"
#include "TransferFailure.h"

// The building blocks SendImage and ReceiveImage share: exact writes and
// reads that end the transfer with a given failure when they fall short, and
// the frame that reports the first failure and then releases the port.

namespace k510::link::steps {

struct LinkFailure {
    Failure failure;
    std::optional<OpenProblem> openProblem = {};   // for Failure::Open: which port, and why
};

void writeExactly(SerialPort &port, const void *data, std::size_t count, Failure onShort);
void writeToken(SerialPort &port, std::string_view token, Failure onShort);
// A read falls short only when its time-out ran out (or the port went): the
// first reply of a transfer is then NoLink, any later one NoAnswer.
void readExactly(SerialPort &port, void *data, std::size_t count, Failure onShort);
// Five bytes of any content.
void readReply(SerialPort &port, Failure onShort);

// Runs `exchange`. Its first failure (a LinkFailure or a BlockFault), or an
// error escaping from a callback, goes to `failure` while the port is still
// open; then, in every case, the input and output queues are purged and the
// port is closed.
void runTransfer(Direction direction, SerialPort &port, const FailureCallback &failure,
                 const std::function<void()> &exchange);

} // namespace k510::link::steps
