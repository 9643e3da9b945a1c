// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
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

    // Where a window of `size` opens beside `mainFrame`: to its right, else
    // to its left, else over its right edge; always wholly within `screen`
    // (as far as it fits at all).
    [[nodiscard]] static QPoint placeBeside(const QRect &mainFrame, const QSize &size, const QRect &screen);

protected:
    // Esc and Enter close it, as they close a dialog.
    void keyPressEvent(QKeyEvent *event) override;
};
