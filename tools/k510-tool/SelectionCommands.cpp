// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionCommands.h"

#include <QStringList>
#include <QTextStream>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "RefusalText.h"
#include "SelectionOptions.h"
#include "ToolExit.h"
#include "model/BulkChanges.h"
#include "model/TextCodec.h"

using namespace k510;

namespace {

using FlagChange = Outcome<FlagsChanged> (*)(ChannelDatabase &, ChannelKind, const std::vector<int> &, bool);

int refused(const Refusal &refusal) { return fail(refusalText(refusal) + QStringLiteral("; OUT was not written")); }

// Sets one flag of every channel the lists name, all kinds or none.
int changeFlags(const CommandLine &line, const QString &command, FlagChange change, bool on, const QString &done)
{
    const QString &out = line.files.at(1);
    int code = Success;
    if (refusedAsInput(out, {line.files.at(0)}, &code))
        return code;
    const auto selected = selectedChannels(line, command, &code);
    if (!selected)
        return code;
    auto db = readDatabase(line.files.at(0), &code);
    if (!db)
        return code;
    QStringList lines;
    for (const KindNumbers &kind : *selected) {
        const Outcome<FlagsChanged> changed = change(*db, kind.kind, kind.numbers, on);
        if (!changed)
            return refused(changed.refusal());
        lines << QStringLiteral("%1 channels: %2 %3 (%4 changed)")
                     .arg(kindName(kind.kind))
                     .arg(changed->channels)
                     .arg(done)
                     .arg(changed->changed);
    }
    if (!writeDatabase(*db, out, &code))
        return code;
    QTextStream(stdout) << lines.join(QLatin1Char('\n')) << '\n';
    return Success;
}

} // namespace

int runLock(const CommandLine &line)
{
    return changeFlags(line, QStringLiteral("lock"), setLocked, true, QStringLiteral("locked"));
}

int runUnlock(const CommandLine &line)
{
    return changeFlags(line, QStringLiteral("unlock"), setLocked, false, QStringLiteral("unlocked"));
}

int runMark(const CommandLine &line)
{
    if (line.isSet("scrambled") == line.isSet("free"))
        return fail(QStringLiteral("mark needs one of --scrambled and --free"));
    const bool scrambled = line.isSet("scrambled");
    return changeFlags(line, QStringLiteral("mark"), setScrambled, scrambled,
                       scrambled ? QStringLiteral("marked scrambled") : QStringLiteral("marked free"));
}

int runFavourites(const CommandLine &line)
{
    const QString &out = line.files.at(1);
    int code = Success;
    if (refusedAsInput(out, {line.files.at(0)}, &code))
        return code;
    if (line.isSet("tv-group") == line.isSet("radio-group"))
        return fail(QStringLiteral("favourites needs one of --tv-group and --radio-group"));
    if (line.isSet("add") == line.isSet("remove"))
        return fail(QStringLiteral("favourites needs one of --add and --remove"));
    const ChannelKind kind = kindOf(line.isSet("radio-group"));
    const auto group = numberOption(line, isRadio(kind) ? "radio-group" : "tv-group", &code);
    if (!group)
        return code;
    const bool adding = line.isSet("add");
    const auto numbers = channelNumbers(line, adding ? "add" : "remove", &code);
    if (!numbers)
        return code;
    auto db = readDatabase(line.files.at(0), &code);
    if (!db)
        return code;

    const QString name = QString::fromStdString(windows1251ToUtf8(db->groupName(kind, *group)));
    QString summary;
    if (adding) {
        const Outcome<FavouritesAdded> added = addToFavouriteGroup(*db, kind, *group - 1, *numbers);
        if (!added)
            return refused(added.refusal());
        summary = QStringLiteral("added to %1 group %2 \"%3\": %4 (%5 already in it)")
                      .arg(kindName(kind)).arg(*group).arg(name).arg(added->added).arg(added->alreadyInGroup);
    } else {
        const Outcome<FavouritesRemoved> removed = removeFromFavouriteGroup(*db, kind, *group - 1, *numbers);
        if (!removed)
            return refused(removed.refusal());
        summary = QStringLiteral("removed from %1 group %2 \"%3\": %4 entries (%5 not in it)")
                      .arg(kindName(kind)).arg(*group).arg(name).arg(removed->removed).arg(removed->notInGroup);
    }
    if (!writeDatabase(*db, out, &code))
        return code;
    QTextStream(stdout) << summary << '\n';
    return Success;
}
