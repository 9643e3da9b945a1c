// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QList>

#include "ToolCommand.h"

// "send", "receive" and "verify": transfers with the receiver from the command line,
// with their options --port NAME (COM1..COM4, a port's system name such as
// ttyUSB0 or COM7, or a device path), --speed N (one of the receiver's
// speeds) and --force; "ports" lists the ports as the editor offers them.

// --port, --speed and --force, which the transfers share. Each complete
// receive and each send keeps a copy in the transfer history, as the editor
// does.
[[nodiscard]] QList<QCommandLineOption> transferOptions();

// send FILE: FILE must be an image the editor would open, unless --force.
[[nodiscard]] int runSend(const CommandLine &line);
// receive FILE: FILE is written only after a complete transfer whose blocks
// passed their checks (all of them skipped with --force) and whose image
// reads as a database; otherwise it is left as it was.
[[nodiscard]] int runReceive(const CommandLine &line);
// verify FILE: receives the receiver's database (keeping a copy in the
// transfer history, as receive does) and compares FILE with it: "identical"
// and exit 0, the differences as diff prints them and exit 1, exit 2 when
// the transfer failed or either side is no database.
[[nodiscard]] int runVerify(const CommandLine &line);
// ports: one line per port, its name or description, a tab, its device.
[[nodiscard]] int runPorts(const CommandLine &line);
