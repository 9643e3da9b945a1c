// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/dialogs/DialogForms.h"

class QComboBox;
class QLineEdit;
class RadioGroup;

// The transponder dialog, shared by adding and editing; each command sets
// its own caption and fills it (adding: no polarisation, empty texts and
// FEC "AUTO").
class TtpEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit TtpEditDlg(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    // Fills the dialog for editing. An FEC outside the list (-1 included)
    // keeps the previous choice; a polarisation outside 0..1 clears it.
    void load(const TransponderForm &form);
    [[nodiscard]] TransponderForm form() const;
    // Puts the focus on the first field, as the dialog opens.
    void focusFirstField();
    // Focuses a refused field (or choice) with its text selected.
    void markRefused(FormField field);

private:
    RadioGroup *m_rgPolarization = nullptr;
    QLineEdit *m_leFrequency = nullptr;
    QLineEdit *m_leRate = nullptr;
    QComboBox *m_cbFec = nullptr;
};
