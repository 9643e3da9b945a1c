// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/dialogs/ChannelEdits.h"
#include "ui/dialogs/DialogForms.h"

// The dialog that edits a channel's name and identifiers, "Редактирование
// канала". FTA and transponder are not editable here: form() leaves them at
// their defaults and the command ignores them.
class TsvcEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit TsvcEditDlg(QWidget *parent = nullptr);

    void load(const ChannelForm &form);
    [[nodiscard]] ChannelForm form() const;
    // Puts the focus on the first field, as the dialog opens.
    void focusFirstField();
    // Focuses a refused field with its text selected.
    void markRefused(FormField field);

private:
    ChannelEdits m_edits;
};
