// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoveToPositionDlg.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RefusedField.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

MoveToPositionDlg::MoveToPositionDlg(QWidget *parent)
    : QDialog(parent), m_prompt(new QLabel(this)), m_lePosition(new QLineEdit(this))
{
    setObjectName(QStringLiteral("moveToPositionDlg"));
    setWindowTitle(QStringLiteral("Переместить на позицию"));
    m_lePosition->setObjectName(QStringLiteral("lePosition"));
    // Room for the largest order list's numbers, and a little more.
    m_lePosition->setMaxLength(6);
    m_prompt->setBuddy(m_lePosition);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_prompt);
    layout->addWidget(m_lePosition);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
}

void MoveToPositionDlg::load(int rows, int current)
{
    m_prompt->setText(QStringLiteral("&Номер позиции (1–%1):").arg(rows));
    m_lePosition->setText(QString::number(current));
    focusForCorrection(m_lePosition);
}

QString MoveToPositionDlg::position() const
{
    return m_lePosition->text();
}

void MoveToPositionDlg::markRefused()
{
    focusForCorrection(m_lePosition);
}
