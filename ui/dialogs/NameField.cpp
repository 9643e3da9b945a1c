// SPDX-License-Identifier: GPL-3.0-or-later
#include "NameField.h"

#include "model/EditConversions.h"
#include "model/Records.h"

#include <QLabel>
#include <QLineEdit>

int unshowableCharacters(const QString &text)
{
    int odd = 0;
    for (const QChar character : text)
        if (!k510::utf8ToWindows1251Exactly(QString(character).toStdString()))
            ++odd;
    return odd;
}

QValidator::State ShowableTextValidator::validate(QString &input, int &) const
{
    return unshowableCharacters(input) > 0 ? Invalid : Acceptable;
}

NameFieldGuard::NameFieldGuard(QLineEdit &field, QLabel &note) : QValidator(&field), m_field(field), m_note(note)
{
    m_field.setMaxLength(int(k510::kNameCapacity));
    m_field.setValidator(this);
    m_note.setObjectName(m_field.objectName() + QStringLiteral("Room"));
    connect(&m_field, &QLineEdit::textChanged, this, &NameFieldGuard::showRoom);
    connect(&m_field, &QLineEdit::inputRejected, this, [this] {
        if (m_field.text().size() < m_field.maxLength())
            m_note.setText(QStringLiteral("Этот символ приёмник не покажет: можно латиницу, цифры, знаки и русские буквы "
                                          "(кроме Ё)"));
    });
    showRoom();
}

QValidator::State NameFieldGuard::validate(QString &input, int &) const
{
    return unshowableCharacters(input) > m_oddInLoaded ? Invalid : Acceptable;
}

void NameFieldGuard::loadName(const QString &name)
{
    // Counted first, so the field takes the loaded text as valid and goes on
    // judging every key typed after it.
    m_oddInLoaded = unshowableCharacters(name);
    m_field.setText(name);
    showRoom();
}

void NameFieldGuard::showRoom()
{
    // Every character the field takes is one byte in the receiver's set.
    const int left = int(k510::kNameCapacity) - int(m_field.text().size());
    m_note.setText(QStringLiteral("Осталось байт: %1 из %2").arg(std::max(left, 0)).arg(k510::kNameCapacity));
}
