// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

// Finds a dialog's control by its object name; a missing control ends the
// run at once with its name, rather than a crash on a null pointer later.
template <typename Widget>
Widget *child(const QObject &dialog, const QString &name)
{
    auto *widget = dialog.findChild<Widget *>(name);
    if (!widget)
        qFatal("no control %s of the requested kind", qPrintable(name));
    return widget;
}

inline void setText(QDialog &dialog, const char *name, const QString &text)
{
    child<QLineEdit>(dialog, QLatin1String(name))->setText(text);
}

// Chooses an entry the way the user does, which reports it as activated.
inline void pick(QComboBox &list, int index)
{
    list.setCurrentIndex(index);
    emit list.activated(index);
}

// Replaces an edit's text by typing, so length limits and masks apply.
inline void typeInto(QLineEdit &edit, const QString &text)
{
    edit.clear();
    edit.setCursorPosition(0);
    // keyClicks() takes ASCII only; names are typed in Cyrillic too.
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline QStringList items(const QComboBox &list)
{
    QStringList texts;
    for (int index = 0; index < list.count(); ++index)
        texts << list.itemText(index);
    return texts;
}

// Shows a dialog without exec(): Return reaches the default button only on a
// visible dialog. The offscreen platform warns once about the fixed size.
[[nodiscard]] inline bool showWithoutExec(QDialog &dialog)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    dialog.show();
    return QTest::qWaitForWindowExposed(&dialog);
}
