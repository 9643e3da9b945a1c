// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindCommand.h"

#include <QTextStream>

#include "DatabaseFiles.h"
#include "NumberList.h"
#include "SelectionOptions.h"
#include "ToolExit.h"
#include "model/ChannelFilter.h"

using namespace k510;

namespace {

// The conditions the options give; a satellite, transponder or group that
// IN lacks is refused rather than found empty, for it is most often a typo.
std::optional<ChannelConditions> conditionsOf(const CommandLine &line, const ChannelDatabase &db, int *exitCode)
{
    ChannelConditions conditions;
    const auto numberWithin = [&](const char *option, const QString &what, int count) -> std::optional<int> {
        const std::optional<int> number = numberOption(line, option, exitCode);
        if (number && *number > count) {
            *exitCode = fail(QStringLiteral("%1 %2 does not exist in FILE (%3)")
                                 .arg(what)
                                 .arg(*number)
                                 .arg(count ? QStringLiteral("1..%1").arg(count) : QStringLiteral("none")));
            return std::nullopt;
        }
        return number;
    };
    if (line.isSet("satellite")) {
        const auto number = numberWithin("satellite", QStringLiteral("satellite"), int(db.satellites.size()));
        if (!number)
            return std::nullopt;
        conditions.satellite = *number - 1;
    }
    if (line.isSet("transponder")) {
        conditions.transponder = numberWithin("transponder", QStringLiteral("transponder"), int(db.transponders.size()));
        if (!conditions.transponder)
            return std::nullopt;
    }
    if (line.isSet("scrambled") || line.isSet("free"))
        conditions.scrambled = line.isSet("scrambled");
    if (line.isSet("locked") || line.isSet("unlocked"))
        conditions.locked = line.isSet("locked");
    if (line.isSet("in-group")) {
        const auto group = numberWithin("in-group", QStringLiteral("favourite group"), kFavouriteGroupCount);
        if (!group)
            return std::nullopt;
        conditions.favourites = FavouriteCondition::InGroup;
        conditions.group = *group - 1;
    } else if (line.isSet("in-any-group")) {
        conditions.favourites = FavouriteCondition::InAnyGroup;
    } else if (line.isSet("in-no-group")) {
        conditions.favourites = FavouriteCondition::InNoGroup;
    }
    conditions.duplicates = line.isSet("duplicates");
    if (line.isSet("name")) {
        auto name = nameOption(QStringLiteral("--name"), line.value("name"), exitCode);
        if (!name)
            return std::nullopt;
        conditions.nameContains = std::move(*name);
    }
    return conditions;
}

} // namespace

// Exit code 1 says that no channel was found, so every failure gives 2.
int runFind(const CommandLine &line)
{
    int code = Success;
    const auto db = readDatabase(line.files.front(), &code, NotAnImage);
    if (!db)
        return NotAnImage;
    const auto conditions = conditionsOf(line, *db, &code);
    if (!conditions)
        return NotAnImage;
    const std::vector<int> found = findChannels(*db, kindOf(line.isSet("radio")), *conditions);
    if (found.empty())
        return Failure;
    QTextStream(stdout) << formatNumberList(found) << '\n';
    return Success;
}
