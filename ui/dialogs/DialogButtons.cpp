// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogButtons.h"

#include <QDialog>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>

void addOkCancelButtons(QDialog &dialog, QBoxLayout &layout)
{
    auto *okButton = new QPushButton(QStringLiteral("&OK"), &dialog);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("&Отмена"), &dialog);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto *row = new QHBoxLayout;
    layout.addLayout(row);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
}

void keepCaptionWhole(QDialog &dialog)
{
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    // The close and help buttons, the icon and the margins of a title bar.
    const int buttons = 6 * title.height();
    const int needed = title.horizontalAdvance(dialog.windowTitle()) + buttons;
    // A dialog of fixed size takes its width from its layout: a strut there.
    if (auto *box = qobject_cast<QBoxLayout *>(dialog.layout()); box && box->direction() == QBoxLayout::TopToBottom) {
        const QMargins margins = box->contentsMargins();
        box->addStrut(needed - margins.left() - margins.right());
        return;
    }
    dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(), needed));
}
