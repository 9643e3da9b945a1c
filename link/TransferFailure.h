#pragma once

#include <QString>

namespace k510::link {

enum class Direction { Send, Receive };

// The ways a transfer can end early. Each has one text per direction.
enum class Failure {
    Allocation,   // a buffer of the procedure could not be had
    Open,         // the port does not exist or is held elsewhere
    NoLink,       // the first token or its reply did not pass in full
    BadHeader,    // a received transfer header does not begin 55 55 01
    Size,         // any later short write or read, a zero or oversized count
};

[[nodiscard]] QString failureText(Direction direction, Failure failure);

} // namespace k510::link
