// SPDX-License-Identifier: GPL-3.0-or-later
#include "RefusedField.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

void focusForCorrection(QWidget *field)
{
    if (!field)
        return;
    if (field->focusPolicy() == Qt::NoFocus) {
        const auto buttons = field->findChildren<QAbstractButton *>();
        const auto chosen = std::find_if(buttons.begin(), buttons.end(), [](auto *b) { return b->isChecked(); });
        if (chosen != buttons.end())
            field = *chosen;
        else if (!buttons.isEmpty())
            field = buttons.first();
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *box = qobject_cast<QComboBox *>(field); box && box->lineEdit())
        box->lineEdit()->selectAll();
}
