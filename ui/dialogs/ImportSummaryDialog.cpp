// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportSummaryDialog.h"

#include "DialogButtons.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ImportSummaryDialog::ImportSummaryDialog(QWidget *parent) : QDialog(parent), m_lines(new QLabel(this))
{
    setObjectName(QStringLiteral("importSummaryDlg"));
    setWindowTitle(QStringLiteral("Добавить из другой базы"));
    m_lines->setObjectName(QStringLiteral("lbSummary"));
    m_lines->setTextFormat(Qt::PlainText);
    m_lines->setWordWrap(true);
    m_lines->setMinimumWidth(560);   // a summary line on one line, mostly
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lines);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
}

void ImportSummaryDialog::load(const QStringList &lines)
{
    m_lines->setText(lines.join(QLatin1Char('\n')));
    // A button keeps the focus it had when the dialog closed, and a focused
    // button takes Enter: after "Отмена" once, Enter would cancel again.
    auto *ok = findChild<QPushButton *>(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    ok->setFocus();
}
