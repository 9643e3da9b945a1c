// SPDX-License-Identifier: GPL-3.0-or-later
#include "TtpEditDlg.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RadioGroup.h"
#include "ui/dialogs/RefusedField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TtpEditDlg::TtpEditDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("tpEditDlg"));
    setCaption(QStringLiteral("Параметры транспондера"));

    m_rgPolarization = new RadioGroup(QStringLiteral("rgPolarization"), QStringLiteral(" Поляризация "),
                                      {QStringLiteral("H"), QStringLiteral("V")}, 2, this);
    m_leFrequency = new QLineEdit(this);
    m_leFrequency->setObjectName(QStringLiteral("leFrequency"));
    m_leRate = new QLineEdit(this);
    m_leRate->setObjectName(QStringLiteral("leRate"));
    m_cbFec = new QComboBox(this);
    m_cbFec->setObjectName(QStringLiteral("cbFec"));
    m_cbFec->addItems({QStringLiteral("AUTO"), QStringLiteral("1/2"), QStringLiteral("2/3"), QStringLiteral("3/4"),
                       QStringLiteral("5/6"), QStringLiteral("7/8")});

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_rgPolarization);
    auto *fields = new QFormLayout;
    layout->addLayout(fields);
    const auto addField = [&](const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        fields->addRow(label, field);
    };
    addField(QStringLiteral("Частота"), m_leFrequency);
    addField(QStringLiteral("Скорость"), m_leRate);
    addField(QStringLiteral("FEC"), m_cbFec);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
}

void TtpEditDlg::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    keepCaptionWhole(*this);
}

void TtpEditDlg::load(const TransponderForm &form)
{
    m_rgPolarization->setCheckedIndex(form.polarisation);
    m_leFrequency->setText(form.frequency);
    m_leRate->setText(form.rate);
    if (form.fec >= 0 && form.fec < m_cbFec->count())
        m_cbFec->setCurrentIndex(form.fec);
}

TransponderForm TtpEditDlg::form() const
{
    return {m_rgPolarization->checkedIndex(), m_leFrequency->text(), m_leRate->text(), m_cbFec->currentIndex()};
}

void TtpEditDlg::markRefused(FormField field)
{
    switch (field) {
    case FormField::Polarisation: return focusForCorrection(m_rgPolarization);
    case FormField::Frequency: return focusForCorrection(m_leFrequency);
    case FormField::Rate: return focusForCorrection(m_leRate);
    case FormField::Fec: return focusForCorrection(m_cbFec);
    default: return;
    }
}

void TtpEditDlg::focusFirstField()
{
    focusForCorrection(m_rgPolarization);
}
