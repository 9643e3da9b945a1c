// SPDX-License-Identifier: GPL-3.0-or-later
// k510-tool: the channel database core from the command line.

#include <QCoreApplication>

#include "CommandTable.h"
#include "WindowsOutput.h"

int main(int argc, char *argv[])
{
    const WindowsOutput output;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("k510-tool"));
    return runToolCommand(k510Tool(), QCoreApplication::arguments());
}
