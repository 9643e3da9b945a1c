// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDialogs.h"

// The real modal dialogs: message boxes and the platform's file dialogs,
// shown over the active window.
class QtUserDialogs : public UserDialogs {
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
