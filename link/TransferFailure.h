// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace k510::link {

enum class Direction { Send, Receive };

// The ways a transfer can end early. Each has one text per direction.
enum class Failure {
    Allocation,   // a buffer of the procedure could not be had
    Open,         // the port does not exist or is held elsewhere
    NoLink,       // the first token or its reply did not pass in full
    BadHeader,    // a received transfer header does not begin 55 55 01
    Size,         // a short write, or a count or length the transfer cannot take
    NoAnswer,     // a read's time-out ran out with fewer bytes than asked
    Disconnected, // the port went away during the transfer (adapter unplugged)
};

[[nodiscard]] QString failureText(Direction direction, Failure failure);

struct OpenProblem;
// The open failure's text with a second line naming the port and why it did
// not open: "COM1 (/dev/ttyS0): занят другой программой".
[[nodiscard]] QString failureText(Direction direction, const OpenProblem &problem);

// A received block that is not what its header claims, or not the block that
// was due. Blocks are named by their zero-based number on the wire.
struct BlockFault {
    enum class Kind {
        Damaged,      // the header's or the data's CRC does not match
        OutOfOrder,   // a sound block arrived where another one was due
    };
    Kind kind;
    std::uint16_t block;      // Damaged: the block at fault; OutOfOrder: the one that arrived
    std::uint16_t expected;   // OutOfOrder: the block that was due
};

[[nodiscard]] QString failureText(Direction direction, const BlockFault &fault);

} // namespace k510::link
