// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// "Справка" > "О программе": the program's name and version and the keys
// that work in its window.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

    // "2.00" for version 2.0, as the box and `k510-editor --version` show it.
    [[nodiscard]] static QString version();
};
