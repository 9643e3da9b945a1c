// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferSteps.h"

#include "WireFormat.h"

#include <array>
#include <exception>
#include <new>
#include <optional>

namespace k510::link::steps {

namespace {

// A short write or read on a port that has gone says so rather than blaming
// the receiver.
[[noreturn]] void fallShort(const SerialPort &port, Failure onShort)
{
    throw LinkFailure{port.isLost() ? Failure::Disconnected : onShort};
}

} // namespace

void writeExactly(SerialPort &port, const void *data, std::size_t count, Failure onShort)
{
    if (port.Write(data, qint64(count)) != qint64(count))
        fallShort(port, onShort);
}

void writeToken(SerialPort &port, std::string_view token, Failure onShort)
{
    writeExactly(port, token.data(), token.size(), onShort);
}

void readExactly(SerialPort &port, void *data, std::size_t count, Failure onShort)
{
    if (port.Read(data, qint64(count)) != qint64(count))
        fallShort(port, onShort);
}

void readReply(SerialPort &port, Failure onShort)
{
    std::array<std::uint8_t, wire::kReplySize> reply{};
    readExactly(port, reply.data(), reply.size(), onShort);
}

void runTransfer(Direction direction, SerialPort &port, const FailureCallback &failure,
                 const std::function<void()> &exchange)
{
    std::optional<QString> failureMessage;
    try {
        exchange();
    } catch (const LinkFailure &linkFailure) {
        failureMessage = linkFailure.openProblem ? failureText(direction, *linkFailure.openProblem)
                                                 : failureText(direction, linkFailure.failure);
    } catch (const BlockFault &blockFault) {
        failureMessage = failureText(direction, blockFault);
    } catch (const std::bad_alloc &) {
        failureMessage = failureText(direction, Failure::Allocation);
    } catch (const std::exception &error) {
        failureMessage = QString::fromUtf8(error.what());
    }
    if (failureMessage && failure) {
        try {
            failure(*failureMessage);
        } catch (...) {
            // Nothing may escape the transfer; the port is released below.
        }
    }
    if (port.isOpen()) {
        port.Purge(SerialPort::Queue::Input);
        port.Purge(SerialPort::Queue::Output);
        port.Close();
    }
}

} // namespace k510::link::steps
