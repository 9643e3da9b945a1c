// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogButtons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

void addOkCancelButtons(QDialog &dialog, QBoxLayout &layout)
{
    auto *okButton = new QPushButton(QStringLiteral("OK"), &dialog);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("Отмена"), &dialog);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto *row = new QHBoxLayout;
    layout.addLayout(row);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
}
