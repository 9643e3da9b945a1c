// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserDialogs.h"

#include <QFileDialog>

// The open and save dialogs of the "Файл" menu. Qt's own dialog is used on
// every platform, so it speaks the editor's language and behaves alike.
// Opening takes a typed name as it stands when such a file exists, and adds
// the default extension only when it does not ("noext" opens "noext",
// "list" opens "list.k5d"). Saving adds it to a name without one and leaves
// the questions about replacing or creating the file to the command.
class DatabaseFileDialog : public QFileDialog {
    Q_OBJECT
public:
    DatabaseFileDialog(QWidget *parent, AcceptMode mode, const UserDialogs::FileDialogOptions &options);

    // The file chosen when the dialog was accepted.
    [[nodiscard]] QString chosenFile() const;

public slots:
    void accept() override;

private:
    QString m_defaultSuffix;
};
