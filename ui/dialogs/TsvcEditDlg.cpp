// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsvcEditDlg.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RefusedField.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

TsvcEditDlg::TsvcEditDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("svcEditDlg"));
    setWindowTitle(QStringLiteral("Редактирование канала"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    layout->addLayout(fields);
    m_edits = addChannelEdits(*this, *fields);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
}

void TsvcEditDlg::load(const ChannelForm &form)
{
    m_edits.load(form);
}

ChannelForm TsvcEditDlg::form() const
{
    ChannelForm form;
    m_edits.store(form);
    return form;
}

void TsvcEditDlg::markRefused(FormField field)
{
    focusForCorrection(m_edits.edit(field));
}

void TsvcEditDlg::focusFirstField()
{
    focusForCorrection(m_edits.name);
}
