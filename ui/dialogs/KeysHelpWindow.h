// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// "Справка" > "Клавиши" (F1): the keys that work in the editor's window, in
// a window of its own that stays open beside the editor.
class KeysHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit KeysHelpWindow(QWidget *parent);

    // Shows the parent's key window, made the first time it is asked for,
    // and brings it to the front.
    static void showFor(QWidget *parent);

    // The keys as a rich-text table, also shown by "О программе".
    [[nodiscard]] static QString keyTable();
};
