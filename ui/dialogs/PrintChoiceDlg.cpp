// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintChoiceDlg.h"

#include "ui/dialogs/DialogButtons.h"

#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

PrintChoiceDlg::PrintChoiceDlg(const QString &groupName, int nonEmptyGroups, QWidget *parent)
    : QDialog(parent),
      m_rbPrintGroup(new QRadioButton(QStringLiteral("&Группу «%1»").arg(QString(groupName).replace(
                                                                        QLatin1Char('&'), QStringLiteral("&&"))),
                                      this)),
      m_rbPrintAllGroups(new QRadioButton(QStringLiteral("&Все группы с каналами (%1)").arg(nonEmptyGroups), this))
{
    setObjectName(QStringLiteral("printChoiceDlg"));
    setWindowTitle(QStringLiteral("Печать избранного"));
    m_rbPrintGroup->setObjectName(QStringLiteral("rbPrintGroup"));
    m_rbPrintAllGroups->setObjectName(QStringLiteral("rbPrintAllGroups"));
    m_rbPrintGroup->setChecked(true);
    m_rbPrintAllGroups->setEnabled(nonEmptyGroups > 0);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(QStringLiteral("Что напечатать?"), this));
    layout->addWidget(m_rbPrintGroup);
    layout->addWidget(m_rbPrintAllGroups);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
    m_rbPrintGroup->setFocus();
}

bool PrintChoiceDlg::allGroups() const
{
    return m_rbPrintAllGroups->isChecked();
}
