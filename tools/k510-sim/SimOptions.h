// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// How the simulated receiver behaves; set from its command line.
enum class Fault {
    None,
    Silent,       // never answers
    BadTag,       // its transfer header's third byte is 0x02
    ZeroBlocks,   // its transfer header announces 0 blocks
    ShortBlock,   // block N's data stop halfway
    Oversize,     // block N announces 4096 data bytes
    Scrambled,    // wrong CRCs, block numbers counting down, odd addresses
    Swapped,      // blocks N and N+1 come in each other's place, each sound
    Damaged,      // one byte of block N's data changes on the way
    Slow,         // every answer (from block N on, if given) comes late
    Alter,        // gives back its database with one channel changed
};

struct SimOptions {
    // What a receive from the editor gets; an image the editor sends whole
    // and sound takes its place, as in a receiver.
    QByteArray imageToSend;
    QString storePath;          // where an image sent by the editor is kept
    QString recordPath;         // every byte the editor writes in the latest transfer
    Fault fault = Fault::None;
    int faultBlock = -1;        // the block a fault hits; -1: its default
    int delayMs = 1500;         // the lateness of a slow answer
    QByteArray reply = "2ACK3"; // the five bytes of every reply
};

// Parses the arguments (without the program name). On failure returns
// nothing and sets `error`; `--help` prints the usage text on stdout and
// ends the program with exit code 0, as QCommandLineParser::process does.
[[nodiscard]] std::optional<SimOptions> parseSimOptions(const QStringList &arguments, QString *error);

