// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QRadioButton;

// Before a favourites page is printed: the group shown, or every group that
// holds channels, one after the other.
class PrintChoiceDlg : public QDialog {
    Q_OBJECT
public:
    PrintChoiceDlg(const QString &groupName, int nonEmptyGroups, QWidget *parent = nullptr);

    [[nodiscard]] bool allGroups() const;

private:
    QRadioButton *m_rbPrintGroup;
    QRadioButton *m_rbPrintAllGroups;
};
