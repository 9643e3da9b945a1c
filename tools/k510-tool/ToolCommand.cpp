// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToolCommand.h"

#include <algorithm>

namespace {

// Where a command's description starts in the help text.
constexpr qsizetype kDescriptionColumn = 22;

QString descriptionIndent() { return QString(kDescriptionColumn, QLatin1Char(' ')); }

QString usageLine(const ToolCommand &command)
{
    QString usage = command.name;
    if (!command.arguments.isEmpty())
        usage += QLatin1Char(' ') + command.arguments.split(QLatin1Char('\n')).join(QLatin1Char(' '));
    return QStringLiteral("usage: k510-tool ") + usage;
}

// A short synopsis with a one-line description shares its line; any other
// goes on in lines of their own at the description's column.
QString helpEntry(const ToolCommand &command)
{
    QStringList lines = command.arguments.split(QLatin1Char('\n'));
    QString first = QStringLiteral("  ") + command.name;
    if (!lines.constFirst().isEmpty())
        first += QLatin1Char(' ') + lines.constFirst();
    lines.removeFirst();
    const QStringList description = command.description.split(QLatin1Char('\n'));
    if (lines.isEmpty() && description.size() == 1 && first.size() < kDescriptionColumn)
        return first.leftJustified(kDescriptionColumn) + description.constFirst();
    lines += description;
    return first + QLatin1Char('\n') + descriptionIndent() + lines.join(QLatin1Char('\n') + descriptionIndent());
}

QString namesInWords(const std::vector<ToolCommand> &commands)
{
    QStringList names;
    for (const ToolCommand &command : commands)
        names += command.name;
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// The parser that answers -h, --help and --help-all: the tool's description
// with every command, and the options that explain themselves.
void describeTool(QCommandLineParser &help, const ToolDescription &tool)
{
    QString text = tool.summary + QStringLiteral("\n\nCommands:");
    QList<QCommandLineOption> described;
    for (const ToolCommand &command : tool.commands) {
        text += QLatin1Char('\n') + helpEntry(command);
        for (const QCommandLineOption &option : command.options) {
            const bool listed = std::any_of(described.cbegin(), described.cend(), [&](const QCommandLineOption &other) {
                return other.names() == option.names();
            });
            if (!option.description().isEmpty() && !listed)
                described += option;
        }
    }
    help.setApplicationDescription(text + QStringLiteral("\n\n") + tool.epilogue);
    help.addOptions(described);
    help.addHelpOption();
    help.addPositionalArgument(QStringLiteral("command"), namesInWords(tool.commands));
}

bool breaksOptionRules(const ToolCommand &command, const QCommandLineParser &parser)
{
    const auto isSet = [&](const QString &option) { return parser.isSet(option); };
    const auto moreThanOne = [&](const QStringList &group) {
        return std::count_if(group.cbegin(), group.cend(), isSet) > 1;
    };
    return !std::all_of(command.requiredOptions.cbegin(), command.requiredOptions.cend(), isSet)
           || std::any_of(command.exclusiveOptions.cbegin(), command.exclusiveOptions.cend(), moreThanOne);
}

} // namespace

int runToolCommand(const ToolDescription &tool, const QStringList &arguments)
{
    const QString program = arguments.value(0);
    const QString name = arguments.value(1);
    // Its process() prints the help, or refuses an option it does not know,
    // and ends the program.
    QCommandLineParser help;
    describeTool(help, tool);
    if (name.startsWith(QLatin1Char('-'))) {
        help.process(arguments);
        return fail(QStringLiteral("the command comes first, its options after it; see --help"));
    }
    if (name.isEmpty())
        return fail(QStringLiteral("no command given; see --help"));
    const auto command = std::find_if(tool.commands.cbegin(), tool.commands.cend(),
                                      [&](const ToolCommand &entry) { return entry.name == name; });
    if (command == tool.commands.cend())
        return fail(QStringLiteral("unknown command '%1'; see --help").arg(name));

    QCommandLineParser parser;
    parser.addOptions(command->options);
    parser.addHelpOption();
    if (!parser.parse(QStringList{program} + arguments.mid(2)))
        return fail(parser.errorText(), command->usageExit);
    for (const QString &flag : {QStringLiteral("help-all"), QStringLiteral("help")}) {
        if (parser.isSet(flag))
            help.process(QStringList{program, QStringLiteral("--") + flag});
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != command->fileCount || breaksOptionRules(*command, parser))
        return fail(usageLine(*command), command->usageExit);
    return command->run(CommandLine{parser, files});
}
