// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenameCommand.h"

#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>

#include "DatabaseFiles.h"
#include "ImageFiles.h"
#include "RefusalText.h"
#include "SelectionOptions.h"
#include "ToolExit.h"
#include "model/RenameRule.h"
#include "model/TextCodec.h"

using namespace k510;

namespace {

constexpr std::array kRuleSteps{"replace", "prefix", "remove-prefix", "suffix", "remove-suffix", "trim", "upper", "lower"};

// The rule the options give. Each text is converted as a name typed in the
// window is, so a rule never holds a byte the receiver cannot show.
std::optional<RenameRule> ruleOf(const CommandLine &line, int *exitCode)
{
    const bool anyStep = std::any_of(kRuleSteps.begin(), kRuleSteps.end(), [&](const char *step) { return line.isSet(step); });
    if (!anyStep) {
        *exitCode = fail(QStringLiteral("rename needs a rule: --replace, --prefix, --remove-prefix, --suffix, "
                                        "--remove-suffix, --trim, --upper or --lower"));
        return std::nullopt;
    }
    RenameRule rule;
    const auto text = [&](const char *option, std::string &into) {
        if (!line.isSet(option))
            return true;
        auto converted = nameOption(QStringLiteral("--") + QString::fromLatin1(option), line.value(option), exitCode);
        if (converted)
            into = std::move(*converted);
        return bool(converted);
    };
    if (line.isSet("replace")) {
        const QStringList given = line.values("replace");
        const qsizetype equals = given.constFirst().indexOf(QLatin1Char('='));
        if (given.size() > 1 || equals <= 0) {
            *exitCode = fail(QStringLiteral("--replace takes one FROM=TO, FROM not empty"));
            return std::nullopt;
        }
        const auto from = nameOption(QStringLiteral("--replace"), given.constFirst().left(equals), exitCode);
        const auto to = from ? nameOption(QStringLiteral("--replace"), given.constFirst().mid(equals + 1), exitCode)
                             : std::nullopt;
        if (!to)
            return std::nullopt;
        rule.replaceFrom = *from;
        rule.replaceTo = *to;
    }
    if (!text("prefix", rule.addPrefix) || !text("remove-prefix", rule.removePrefix) || !text("suffix", rule.addSuffix)
        || !text("remove-suffix", rule.removeSuffix))
        return std::nullopt;
    rule.ignoreCase = line.isSet("ignore-case");
    rule.trim = line.isSet("trim");
    rule.letterCase = line.isSet("upper") ? LetterCase::Upper : line.isSet("lower") ? LetterCase::Lower : LetterCase::Keep;
    return rule;
}

QString utf8Of(const std::string &windows1251) { return QString::fromStdString(windows1251ToUtf8(windows1251)); }

QString problemText(NameProblem problem)
{
    switch (problem) {
    case NameProblem::None:
        break;
    case NameProblem::Empty:
        return QStringLiteral("is empty");
    case NameProblem::TooLong:
        return QStringLiteral("is longer than %1 bytes").arg(kNameCapacity);
    case NameProblem::CannotShow:
        return QStringLiteral("has a character the receiver cannot show");
    }
    return {};
}

} // namespace

int runRename(const CommandLine &line)
{
    const QString &out = line.files.at(1);
    int code = Success;
    if (refusedAsInput(out, {line.files.at(0)}, &code))
        return code;
    const auto selected = selectedChannels(line, QStringLiteral("rename"), &code);
    if (!selected)
        return code;
    const auto rule = ruleOf(line, &code);
    if (!rule)
        return code;
    auto db = readDatabase(line.files.at(0), &code);
    if (!db)
        return code;

    QStringList renamedLines;
    for (const KindNumbers &kind : *selected) {
        const std::vector<RenamedRow> rows = previewRename(*db, kind.kind, kind.numbers, *rule);
        const Outcome<Applied> applied = applyRename(*db, kind.kind, kind.numbers, *rule);
        if (!applied) {
            for (const RenamedRow &row : rows)
                if (row.problem != NameProblem::None)
                    fail(QStringLiteral("%1 channel %2: \"%3\" %4")
                             .arg(kindName(kind.kind))
                             .arg(row.number)
                             .arg(utf8Of(row.after), problemText(row.problem)));
            return fail(refusalText(applied.refusal()) + QStringLiteral("; OUT was not written"));
        }
        for (const RenamedRow &row : rows)
            if (row.after != row.before)
                renamedLines << QStringLiteral("%1 %2: \"%3\" -> \"%4\"")
                                    .arg(kindName(kind.kind))
                                    .arg(row.number)
                                    .arg(utf8Of(row.before), utf8Of(row.after));
    }
    if (!writeDatabase(*db, out, &code))
        return code;
    QTextStream stream(stdout);
    for (const QString &renamed : renamedLines)
        stream << renamed << '\n';
    stream << QStringLiteral("renamed: %1 channels\n").arg(renamedLines.size());
    return Success;
}
