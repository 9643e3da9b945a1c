// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenameRule.h"

#include <algorithm>
#include <unordered_set>

#include "BulkChanges.h"
#include "EditConversions.h"
#include "NameCase.h"

namespace k510 {

namespace {

// Blanks as a pasted name may bring them: space, tab, line ends and the
// no-break space (0xA0).
bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || static_cast<unsigned char>(c) == 0xA0;
}

bool sameText(std::string_view a, std::string_view b, bool ignoreCase)
{
    return ignoreCase ? equalIgnoringCase(a, b) : a == b;
}

std::string replacedEverywhere(std::string_view name, std::string_view from, std::string_view to, bool ignoreCase)
{
    if (from.empty())
        return std::string(name);
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t found = ignoreCase ? findIgnoringCase(name, from, at) : name.find(from, at);
        if (found == std::string_view::npos)
            break;
        out.append(name.substr(at, found - at)).append(to);
        at = found + from.size();
    }
    return out.append(name.substr(at));
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string renamed(std::string_view name, const RenameRule &rule)
{
    std::string text = replacedEverywhere(name, rule.replaceFrom, rule.replaceTo, rule.ignoreCase);
    const std::string_view prefix = rule.removePrefix;
    if (!prefix.empty() && text.size() >= prefix.size()
        && sameText(std::string_view(text).substr(0, prefix.size()), prefix, rule.ignoreCase))
        text.erase(0, prefix.size());
    const std::string_view suffix = rule.removeSuffix;
    if (!suffix.empty() && text.size() >= suffix.size()
        && sameText(std::string_view(text).substr(text.size() - suffix.size()), suffix, rule.ignoreCase))
        text.erase(text.size() - suffix.size());
    text = rule.addPrefix + text + rule.addSuffix;
    if (rule.trim)
        text = std::string(trimmed(text));
    switch (rule.letterCase) {
    case LetterCase::Keep:
        break;
    case LetterCase::Upper:
        text = upperCased(text);
        break;
    case LetterCase::Lower:
        text = lowerCased(text);
        break;
    }
    return text;
}

NameProblem nameProblem(std::string_view windows1251)
{
    if (windows1251.empty())
        return NameProblem::Empty;
    if (windows1251.size() > kNameCapacity)
        return NameProblem::TooLong;
    if (!std::all_of(windows1251.begin(), windows1251.end(), receiverShowsAsTyped))
        return NameProblem::CannotShow;
    return NameProblem::None;
}

std::vector<RenamedRow> previewRename(const ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers,
                                      const RenameRule &rule)
{
    std::vector<RenamedRow> rows;
    rows.reserve(numbers.size());
    std::unordered_set<int> seen;
    for (const int number : numbers) {
        const Channel *channel = db.channel(kind, number);
        if (!channel || !seen.insert(number).second)
            continue;
        RenamedRow row{number, channel->nameText(), {}, NameProblem::None};
        row.after = renamed(row.before, rule);
        if (row.after != row.before)
            row.problem = nameProblem(row.after);
        rows.push_back(std::move(row));
    }
    return rows;
}

Outcome<Applied> applyRename(ChannelDatabase &db, ChannelKind kind, const std::vector<int> &numbers,
                             const RenameRule &rule)
{
    if (std::vector<int> missing = numbersNamingNothing(db, kind, numbers); !missing.empty())
        return noSuchChannel(kind, std::move(missing));
    const std::vector<RenamedRow> rows = previewRename(db, kind, numbers, rule);
    std::vector<int> unfit;
    for (const RenamedRow &row : rows)
        if (row.problem != NameProblem::None)
            unfit.push_back(row.number);
    if (!unfit.empty()) {
        std::sort(unfit.begin(), unfit.end());
        Refusal refusal;
        refusal.reason = RefusalReason::NamesUnfit;
        refusal.kind = kind;
        refusal.numbers = std::move(unfit);
        return refusal;
    }
    for (const RenamedRow &row : rows)
        if (row.after != row.before)
            db.channels[std::size_t(db.channelIndex(kind, row.number))].setName(row.after);
    return Applied{};
}

} // namespace k510
