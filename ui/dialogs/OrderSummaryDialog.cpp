// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderSummaryDialog.h"

#include "DialogButtons.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

OrderSummaryDialog::OrderSummaryDialog(QWidget *parent)
    : QDialog(parent)
    , m_source(new QLabel(this))
    , m_lines(new QLabel(this))
    , m_replaceGroups(new QCheckBox(QStringLiteral("&Заменить избранные группы"), this))
    , m_show(new QPushButton(QStringLiteral("&Показать"), this))
    , m_lists(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("orderSummaryDlg"));
    setWindowTitle(QStringLiteral("Упорядочить по образцу"));
    m_source->setObjectName(QStringLiteral("lbReference"));
    m_source->setTextFormat(Qt::PlainText);
    m_lines->setObjectName(QStringLiteral("lbSummary"));
    m_lines->setTextFormat(Qt::PlainText);
    m_replaceGroups->setObjectName(QStringLiteral("cbReplaceGroups"));
    m_show->setObjectName(QStringLiteral("btShowUnmatched"));
    m_show->setAutoDefault(false);
    m_show->setToolTip(QStringLiteral("Каналы образца без пары и новые каналы"));
    m_lists->setObjectName(QStringLiteral("edUnmatched"));
    m_lists->setReadOnly(true);
    m_lists->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lists->setMinimumSize(fontMetrics().averageCharWidth() * 60, fontMetrics().height() * 12);
    m_lists->hide();
    connect(m_replaceGroups, &QCheckBox::toggled, this, &OrderSummaryDialog::showSummary);
    connect(m_show, &QPushButton::clicked, this, &OrderSummaryDialog::showLists);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_source);
    layout->addWidget(m_lines);
    layout->addWidget(m_replaceGroups);
    auto *showRow = new QHBoxLayout;
    showRow->addWidget(m_show);
    showRow->addStretch();
    layout->addLayout(showRow);
    layout->addWidget(m_lists, 1);
    addOkCancelButtons(*this, *layout);
    m_ok = findChild<QPushButton *>(QStringLiteral("OKBtn"));
    keepCaptionWhole(*this);
}

void OrderSummaryDialog::load(const Summary &summary)
{
    m_summary = summary;
    m_source->setText(QStringLiteral("Образец: %1").arg(QFileInfo(summary.reference).fileName()));
    m_source->setToolTip(summary.reference);
    m_replaceGroups->setEnabled(summary.groupsAvailable);
    m_replaceGroups->setChecked(summary.groupsAvailable);
    m_ok->setEnabled(summary.applicable);
    m_lists->hide();
    m_show->setEnabled(!summary.unmatched.isEmpty() || !summary.newChannels.isEmpty());
    showSummary();
    adjustSize();
}

bool OrderSummaryDialog::replaceGroups() const
{
    return m_replaceGroups->isEnabled() && m_replaceGroups->isChecked();
}

void OrderSummaryDialog::showSummary()
{
    const QStringList &lines = replaceGroups() ? m_summary.linesReplacingGroups : m_summary.linesKeepingGroups;
    m_lines->setText(lines.join(QLatin1Char('\n')));
}

void OrderSummaryDialog::showLists()
{
    QStringList text;
    if (!m_summary.unmatched.isEmpty())
        text << QStringLiteral("Каналы образца без пары (%1):").arg(m_summary.unmatched.size()) << m_summary.unmatched
             << QString();
    if (!m_summary.newChannels.isEmpty())
        text << QStringLiteral("Новые каналы, в конце списка (%1):").arg(m_summary.newChannels.size())
             << m_summary.newChannels;
    m_lists->setPlainText(text.join(QLatin1Char('\n')));
    m_lists->show();
    adjustSize();
}
