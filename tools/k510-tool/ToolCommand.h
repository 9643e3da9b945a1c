// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "ToolExit.h"

// The command line a command runs with, once checked against its entry in
// the table: its options as parsed and its file arguments in the order given.
struct CommandLine {
    const QCommandLineParser &parser;
    QStringList files;

    [[nodiscard]] bool isSet(const char *option) const { return parser.isSet(QString::fromLatin1(option)); }
    [[nodiscard]] QString value(const char *option) const { return parser.value(QString::fromLatin1(option)); }
    [[nodiscard]] QStringList values(const char *option) const { return parser.values(QString::fromLatin1(option)); }
};

// One command of k510-tool: what the help text says of it, and what a
// command line must hold before its handler runs.
struct ToolCommand {
    QString name;
    // What follows the name, "IN OUT [--tv LIST]"; a '\n' goes on in a line
    // of its own in the help text.
    QString arguments;
    // For the help text, one line per '\n'.
    QString description;
    // Those with a description of their own are listed under "Options:".
    QList<QCommandLineOption> options;
    qsizetype fileCount = 0;
    QStringList requiredOptions;            // each must be given
    QList<QStringList> exclusiveOptions;    // of each group, at most one may be given
    // The exit code of a command line that does not fit: diff's 1 says that
    // the files differ, so there every failure gives 2.
    int usageExit = Failure;
    std::function<int(const CommandLine &)> run;
};

// An option that takes no value, and one that takes a value.
[[nodiscard]] inline QCommandLineOption switchOption(const char *name)
{
    return QCommandLineOption(QString::fromLatin1(name));
}
[[nodiscard]] inline QCommandLineOption valueOption(const char *name, const char *valueName)
{
    return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(valueName));
}

// The whole tool as --help describes it.
struct ToolDescription {
    QString summary;    // the first paragraph
    QString epilogue;   // after the commands: exit status, examples
    std::vector<ToolCommand> commands;
};

// Runs the command the program's `arguments` name, after checking them
// against its entry: -h, --help or --help-all anywhere print the tool's
// help; an unknown command or option, a missing or extra file argument or a
// broken option rule is said on stderr with the command's usage.
[[nodiscard]] int runToolCommand(const ToolDescription &tool, const QStringList &arguments);
