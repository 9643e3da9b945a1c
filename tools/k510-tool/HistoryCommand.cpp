// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryCommand.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "storage/TransferHistory.h"

using k510::storage::HistoryCopy;

namespace {

QString count(int value) { return value < 0 ? QStringLiteral("-") : QString::number(value); }

QJsonValue countJson(int value) { return value < 0 ? QJsonValue() : QJsonValue(value); }

QJsonObject copyJson(const HistoryCopy &copy)
{
    return {{"time", copy.when.toString(Qt::ISODate)},
            {"kind", k510::storage::transferKindName(copy.kind)},
            {"satellites", countJson(copy.satellites)},
            {"transponders", countJson(copy.transponders)},
            {"tvChannels", countJson(copy.tvChannels)},
            {"radioChannels", countJson(copy.radioChannels)},
            {"openFile", QDir::toNativeSeparators(copy.openFile)},
            {"path", QDir::toNativeSeparators(copy.imagePath)}};
}

} // namespace

int runHistory(const CommandLine &line)
{
    const k510::storage::TransferHistory history;
    const std::vector<HistoryCopy> copies = history.copies();
    QTextStream out(stdout);
    if (line.isSet("json")) {
        QJsonArray list;
        for (const HistoryCopy &copy : copies)
            list.append(copyJson(copy));
        out << QJsonDocument(QJsonObject{{"folder", QDir::toNativeSeparators(history.folder())}, {"copies", list}})
                   .toJson(QJsonDocument::Indented);
        return Success;
    }
    out << "history folder: " << QDir::toNativeSeparators(history.folder()) << '\n';
    if (copies.empty())
        out << "no copies yet\n";
    for (const HistoryCopy &copy : copies) {
        const QString openFile = copy.openFile.isEmpty()
                                     ? QString()
                                     : QStringLiteral(", open file ") + QDir::toNativeSeparators(copy.openFile);
        out << copy.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  "
            << k510::storage::transferKindName(copy.kind).leftJustified(11) << "  satellites " << count(copy.satellites)
            << ", transponders " << count(copy.transponders) << ", tv " << count(copy.tvChannels) << ", radio "
            << count(copy.radioChannels) << openFile << "\n  " << QDir::toNativeSeparators(copy.imagePath) << '\n';
    }
    out.flush();
    return Success;
}
