// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefusedField.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

void focusForCorrection(QWidget *field)
{
    if (!field)
        return;
    if (field->focusPolicy() == Qt::NoFocus) {
        if (auto *button = field->findChild<QAbstractButton *>())
            field = button;
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *box = qobject_cast<QComboBox *>(field); box && box->lineEdit())
        box->lineEdit()->selectAll();
}
