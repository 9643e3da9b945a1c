// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleDialogs.h"

#include <QTextStream>

namespace {

void toStandardError(const QString &text)
{
    QTextStream(stderr) << text << Qt::endl;
}

} // namespace

void ConsoleDialogs::showMessage(const QString &text)
{
    toStandardError(text);
}

void ConsoleDialogs::showError(const QString &text)
{
    toStandardError(text);
}

void ConsoleDialogs::showTransferFailure(const QString &text, std::function<void()> closed)
{
    toStandardError(text);
    closed();
}

bool ConsoleDialogs::askYesNo(const QString &, DefaultAnswer defaultAnswer)
{
    return defaultAnswer == DefaultAnswer::Yes;
}

// Nothing a script runs may go on with a three-way question open: whatever
// the box would preset, the command is cancelled.
UserDialogs::Answer ConsoleDialogs::askYesNoCancel(const QString &, Answer)
{
    return Answer::Cancel;
}

bool ConsoleDialogs::runDialog(QDialog &)
{
    return false;
}

QString ConsoleDialogs::openFileName(QWidget *, const FileDialogOptions &)
{
    return {};
}

UserDialogs::FileChoice ConsoleDialogs::saveFileChoice(QWidget *, const FileDialogOptions &)
{
    return {};
}
