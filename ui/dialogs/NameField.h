// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

class QLabel;
class QLineEdit;

// A channel-name field that knows the receiver: a note beside it says how
// many of the name's 16 bytes are left, and a character the receiver
// cannot show is refused as it is typed or pasted, the note saying why. A
// name loaded that holds such characters already can still be edited, to
// take them out; only new ones are refused as typed.
class NameFieldGuard : public QValidator {
    Q_OBJECT
public:
    // The guard belongs to the field; note shows what is left.
    NameFieldGuard(QLineEdit &field, QLabel &note);

    State validate(QString &input, int &cursor) const override;
    // Puts a loaded name into the field: its odd characters stay allowed, so
    // the user can still edit it (to take them out; OK refuses them).
    void loadName(const QString &name);

private:
    void showRoom();

    QLineEdit &m_field;
    QLabel &m_note;
    int m_oddInLoaded = 0;
};

// A field for a part of names (a prefix, a replacement): every character
// must be one the receiver shows.
class ShowableTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &cursor) const override;
};

// How many characters of the text the receiver cannot show as typed.
[[nodiscard]] int unshowableCharacters(const QString &text);
