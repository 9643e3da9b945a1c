// SPDX-License-Identifier: GPL-3.0-or-later
#include "RepairCommand.h"

#include <QTextStream>

#include <optional>
#include <string>
#include <vector>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "ToolExit.h"
#include "model/Repair.h"

int runRepair(const CommandLine &line)
{
    const QString &in = line.files.at(0);
    const QString &out = line.files.at(1);
    int code = Success;
    if (refusedAsInput(out, {in}, &code))
        return code;
    std::optional<k510::ChannelDatabase> db = readDatabase(in, &code);
    if (!db)
        return code;
    const std::vector<std::string> changes = k510::repairNumbering(*db);
    if (!changes.empty()) {
        if (!writeDatabase(*db, out, &code))
            return code;
        QTextStream stdoutStream(stdout);
        for (const std::string &change : changes)
            stdoutStream << QString::fromStdString(change) << '\n';
        return Success;
    }
    // Nothing to repair: the image itself, not the layout a save would give it.
    QString error;
    const std::optional<QByteArray> bytes = loadFile(in, &error);
    if (!bytes || !saveFileAtomically(out, bytesOf(*bytes), &error))
        return fail(error);
    QTextStream(stdout) << QStringLiteral("the numbering is sound; nothing to repair") << Qt::endl;
    return Success;
}
