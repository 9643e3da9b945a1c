// SPDX-License-Identifier: GPL-3.0-or-later
#include "TgrpRenameDlg.h"

#include "model/ChannelDatabase.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RefusedField.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int nameLength = int(k510::kGroupNameLength);

} // namespace

TgrpRenameDlg::TgrpRenameDlg(QWidget *parent)
    : QDialog(parent), m_ebGrpName(new QLineEdit(this)), m_lbRoom(new QLabel(this))
{
    setObjectName(QStringLiteral("grpRenameDlg"));
    const QString caption = QStringLiteral("Переименование группы");
    setWindowTitle(caption);

    // No length limit here: a pasted name that is too long stays whole, so
    // the command can refuse it rather than the field cutting it unseen.
    m_ebGrpName->setObjectName(QStringLiteral("ebGrpName"));
    auto *label = new QLabel(QStringLiteral("&Название группы:"), this);
    label->setObjectName(QStringLiteral("lbGrpName"));
    label->setBuddy(m_ebGrpName);
    m_lbRoom->setObjectName(QStringLiteral("lbGrpNameRoom"));
    m_lbRoom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_ebGrpName, &QLineEdit::textChanged, this, &TgrpRenameDlg::showRoomLeft);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    layout->addWidget(m_ebGrpName);
    layout->addWidget(m_lbRoom);
    addOkCancelButtons(*this, *layout);

    // Wide enough for the caption beside the title bar's buttons, and for a
    // whole name in capitals.
    const QFontMetrics metrics = fontMetrics();
    m_ebGrpName->setMinimumWidth(std::max(metrics.horizontalAdvance(caption) + 8 * metrics.height(),
                                          metrics.horizontalAdvance(QString(nameLength, QLatin1Char('W')))));
    showRoomLeft();
}

void TgrpRenameDlg::showRoomLeft()
{
    const int left = nameLength - int(m_ebGrpName->text().size());
    m_lbRoom->setText(left >= 0 ? QStringLiteral("Осталось знаков: %1 из %2").arg(left).arg(nameLength)
                                : QStringLiteral("Лишних знаков: %1 (не больше %2)").arg(-left).arg(nameLength));
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
