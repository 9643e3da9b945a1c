// SPDX-License-Identifier: GPL-3.0-or-later
#include "TgrpRenameDlg.h"

#include "model/ChannelDatabase.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RefusedField.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A slot holds the name and its terminating zero byte.
constexpr int nameLength = int(k510::kGroupNameSlotSize) - 1;

} // namespace

TgrpRenameDlg::TgrpRenameDlg(QWidget *parent)
    : QDialog(parent), m_ebGrpName(new QLineEdit(this))
{
    setObjectName(QStringLiteral("grpRenameDlg"));
    const QString caption = QStringLiteral("Переименование группы");
    setWindowTitle(caption);

    m_ebGrpName->setObjectName(QStringLiteral("ebGrpName"));
    m_ebGrpName->setMaxLength(nameLength);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_ebGrpName);
    addOkCancelButtons(*this, *layout);

    // Wide enough for the caption beside the title bar's buttons, and for a
    // whole name in capitals.
    const QFontMetrics metrics = fontMetrics();
    m_ebGrpName->setMinimumWidth(std::max(metrics.horizontalAdvance(caption) + 8 * metrics.height(),
                                          metrics.horizontalAdvance(QString(nameLength, QLatin1Char('W')))));
}

void TgrpRenameDlg::load(const QString &name)
{
    m_ebGrpName->setText(name);
    m_ebGrpName->selectAll();
    m_ebGrpName->setFocus();
}

QString TgrpRenameDlg::name() const
{
    return m_ebGrpName->text();
}

void TgrpRenameDlg::markRefused()
{
    focusForCorrection(m_ebGrpName);
}
