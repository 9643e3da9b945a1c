// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include "KeysHelpWindow.h"
#include "Version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString AboutDialog::version()
{
    return QString::fromLatin1(k510::kDisplayVersion);
}

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowTitle(QStringLiteral("О программе"));
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h3>Редактор Каналов Tessora K-510/560/565</h3>"
                                 "<p>Версия %1</p>"
                                 "<p>Клавиши:</p>%2")
                      .arg(version(), KeysHelpWindow::keyTable()));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}
