// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// "Переименование группы": the name of one favourite group under its label
// "Название группы:", with how many of the slot's characters are left (or
// how many are too many). The field takes a longer text whole; checking and
// storing it is the command's business once the dialog has closed with OK.
class TgrpRenameDlg : public QDialog {
    Q_OBJECT
public:
    explicit TgrpRenameDlg(QWidget *parent = nullptr);

    // Shows the name, selected, so typing replaces it.
    void load(const QString &name);
    [[nodiscard]] QString name() const;
    // Focuses the name with its text selected, after the command refused it.
    void markRefused();

private:
    void showRoomLeft();

    QLineEdit *m_ebGrpName;
    QLabel *m_lbRoom;
};
