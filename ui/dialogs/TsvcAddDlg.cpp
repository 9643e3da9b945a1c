// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsvcAddDlg.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RefusedField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TsvcAddDlg::TsvcAddDlg(k510::ChannelKind kind, QWidget *parent)
    : QDialog(parent)
{
    const bool tv = kind == k510::ChannelKind::Tv;
    setObjectName(QStringLiteral("svcAddDlg"));
    setWindowTitle(tv ? QStringLiteral("Добавить канал") : QStringLiteral("Добавить радиоканал"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    layout->addLayout(fields);

    m_cbSelTp = new QComboBox(this);
    m_cbSelTp->setObjectName(QStringLiteral("cbSelTp"));
    // Entries such as " H/11475/27500" must show whole.
    m_cbSelTp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cbSelTp->setMinimumContentsLength(16);
    auto *tpLabel = new QLabel(QStringLiteral("Транспондер"), this);
    tpLabel->setBuddy(m_cbSelTp);
    fields->addRow(tpLabel, m_cbSelTp);
    m_edits = addChannelEdits(*this, *fields, tv ? VideoPidEdit::Shown : VideoPidEdit::LeftOut);
    m_boxFTA = new QCheckBox(QStringLiteral("FTA"), this);
    m_boxFTA->setObjectName(QStringLiteral("boxFTA"));
    fields->addRow(QString(), m_boxFTA);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
}

void TsvcAddDlg::setTransponders(const QStringList &entries)
{
    m_cbSelTp->clear();
    m_cbSelTp->addItems(entries);
    m_cbSelTp->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

void TsvcAddDlg::clearFields()
{
    m_edits.load(ChannelForm{});
    m_boxFTA->setChecked(false);
}

ChannelForm TsvcAddDlg::form() const
{
    ChannelForm form;
    m_edits.store(form);
    form.freeToAir = m_boxFTA->isChecked();
    form.transponder = m_cbSelTp->currentIndex();
    return form;
}

void TsvcAddDlg::markRefused(FormField field)
{
    if (field == FormField::Transponder)
        focusForCorrection(m_cbSelTp);
    else
        focusForCorrection(m_edits.edit(field));
}

void TsvcAddDlg::focusFirstField()
{
    focusForCorrection(m_cbSelTp);
}
