// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionOptions.h"

#include <algorithm>

#include "NumberList.h"
#include "ToolExit.h"
#include "model/EditConversions.h"

using namespace k510;

namespace {

// Channel numbers are 16 bits in an image: a larger one names nothing, and
// a range past it is not spelled out number by number.
constexpr int kLargestChannelNumber = 0xFFFF;

} // namespace

std::optional<std::vector<int>> channelNumbers(const CommandLine &line, const char *option, int *exitCode)
{
    QString error;
    const auto ranges = parseNumberLists(line.values(option), &error);
    if (!ranges) {
        *exitCode = fail(error);
        return std::nullopt;
    }
    const auto past = std::find_if(ranges->begin(), ranges->end(),
                                   [](const NumberRange &range) { return range.last > kLargestChannelNumber; });
    if (past != ranges->end()) {
        *exitCode = fail(QStringLiteral("--%1: %2 is past any channel number (%3 at most)")
                             .arg(QString::fromLatin1(option))
                             .arg(past->last)
                             .arg(kLargestChannelNumber));
        return std::nullopt;
    }
    return expand(*ranges);
}

std::optional<std::vector<KindNumbers>> selectedChannels(const CommandLine &line, const QString &command,
                                                         int *exitCode)
{
    if (!line.isSet("tv") && !line.isSet("radio")) {
        *exitCode = fail(QStringLiteral("%1 needs at least one of --tv and --radio").arg(command));
        return std::nullopt;
    }
    std::vector<KindNumbers> selected;
    for (const ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const char *option = isRadio(kind) ? "radio" : "tv";
        if (!line.isSet(option))
            continue;
        auto numbers = channelNumbers(line, option, exitCode);
        if (!numbers)
            return std::nullopt;
        selected.push_back({kind, std::move(*numbers)});
    }
    return selected;
}

std::optional<int> numberOption(const CommandLine &line, const char *option, int *exitCode)
{
    QString error;
    const auto ranges = parseNumberLists({line.value(option)}, &error);
    if (!ranges || ranges->size() != 1 || ranges->front().first != ranges->front().last) {
        *exitCode = fail(ranges ? QStringLiteral("--%1 takes one number").arg(QString::fromLatin1(option)) : error);
        return std::nullopt;
    }
    return ranges->front().first;
}

std::optional<std::string> nameOption(const QString &option, const QString &typed, int *exitCode)
{
    std::string missing;
    auto converted = utf8ToWindows1251Exactly(typed.toStdString(), &missing);
    if (!converted)
        *exitCode = fail(QStringLiteral("%1: the receiver cannot show the character \"%2\" in a name")
                             .arg(option, QString::fromStdString(missing)));
    return converted;
}

QString kindName(ChannelKind kind) { return isRadio(kind) ? QStringLiteral("radio") : QStringLiteral("tv"); }
