// SPDX-License-Identifier: GPL-3.0-or-later
// k510-sim: a simulated Tessora K-510 receiver on a pseudo-terminal, the peer
// of the editor's transfers for tests and for users without the hardware.

#include <QCoreApplication>

#include <cstdio>

#include "PseudoTerminal.h"
#include "SimOptions.h"
#include "SimulatedReceiver.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString error;
    const auto options = parseSimOptions(app.arguments().mid(1), &error);
    if (!options) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    PseudoTerminal line;
    if (!line.open(&error)) {
        std::fprintf(stderr, "k510-sim: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(line.slavePath()));
    std::fflush(stdout);
    SimulatedReceiver(line, *options).serve();
}
