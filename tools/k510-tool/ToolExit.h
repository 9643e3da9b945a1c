// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextStream>

// How k510-tool ends: exit codes and error lines on stderr.

enum ExitCode { Success = 0, Failure = 1, NotAnImage = 2 };

inline constexpr const char *kLinePrefix = "k510-tool: ";

inline int fail(const QString &message, int code = Failure)
{
    QTextStream(stderr) << kLinePrefix << message << Qt::endl;
    return code;
}

// The tool's own words, then on a line of its own what the system or the
// window says about `path`: the two may be in different languages.
inline QString withReason(const QString &message, const QString &path, const QString &reason)
{
    return message + QLatin1Char('\n') + QLatin1String(kLinePrefix) + path + QStringLiteral(": ") + reason;
}
