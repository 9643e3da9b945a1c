// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserDialogs.h"

// The editor run from a script (--export-pdf): what would be a message box
// goes to the standard error, every question takes its default answer and
// no dialog is shown. Nothing waits for a user.
class ConsoleDialogs : public UserDialogs {
public:
    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    void showTransferFailure(const QString &text, std::function<void()> closed) override;
    using UserDialogs::askYesNo;
    bool askYesNo(const QString &text, DefaultAnswer defaultAnswer) override;
    using UserDialogs::askYesNoCancel;
    Answer askYesNoCancel(const QString &text, Answer defaultAnswer) override;
    bool runDialog(QDialog &dialog) override;
    QString openFileName(QWidget *parent, const FileDialogOptions &options) override;
    FileChoice saveFileChoice(QWidget *parent, const FileDialogOptions &options) override;
};
