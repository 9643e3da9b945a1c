// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextStream>

// How k510-tool ends: exit codes and error lines on stderr.

enum ExitCode { Success = 0, Failure = 1, NotAnImage = 2 };

inline int fail(const QString &message, int code = Failure)
{
    QTextStream(stderr) << "k510-tool: " << message << Qt::endl;
    return code;
}
