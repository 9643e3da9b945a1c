// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// "Переместить на позицию": asks for the number at which the selected rows
// of a list are to stand. Checking the number is the command's business once
// the dialog has closed with OK.
class MoveToPositionDlg : public QDialog {
    Q_OBJECT
public:
    explicit MoveToPositionDlg(QWidget *parent = nullptr);

    // Offers 1..rows; the field starts with `current`, selected.
    void load(int rows, int current);
    [[nodiscard]] QString position() const;
    // The typed number was refused: the field is selected for retyping.
    void markRefused();

private:
    QLabel *m_prompt;
    QLineEdit *m_lePosition;
};
