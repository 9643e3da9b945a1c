// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportSummaryDialog.h"

#include "DialogButtons.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ImportSummaryDialog::ImportSummaryDialog(QWidget *parent)
    : QDialog(parent),
      m_lines(new QLabel(this)),
      m_takeParameters(new QCheckBox(QStringLiteral("взять параметры из другой базы"), this))
{
    setObjectName(QStringLiteral("importSummaryDlg"));
    setWindowTitle(QStringLiteral("Добавить из другой базы"));
    m_lines->setObjectName(QStringLiteral("lbSummary"));
    m_lines->setTextFormat(Qt::PlainText);
    m_lines->setWordWrap(true);
    m_lines->setMinimumWidth(560);   // a summary line on one line, mostly
    m_takeParameters->setObjectName(QStringLiteral("cbTakeTransponderParameters"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lines);
    layout->addWidget(m_takeParameters);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);
    connect(m_takeParameters, &QCheckBox::toggled, this, [this] { showChosen(); });
}

void ImportSummaryDialog::load(const QStringList &keepingParameters, const QStringList &takingParameters)
{
    m_keeping = keepingParameters;
    m_taking = takingParameters;
    {
        const QSignalBlocker blocker(m_takeParameters);
        m_takeParameters->setChecked(false);
    }
    m_takeParameters->setVisible(!m_taking.isEmpty());
    showChosen();
    // A button keeps the focus it had when the dialog closed, and a focused
    // button takes Enter: after "Отмена" once, Enter would cancel again.
    auto *ok = findChild<QPushButton *>(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    ok->setFocus();
}

bool ImportSummaryDialog::takesParameters() const
{
    return !m_takeParameters->isHidden() && m_takeParameters->isChecked();
}

void ImportSummaryDialog::showChosen()
{
    m_lines->setText((takesParameters() ? m_taking : m_keeping).join(QLatin1Char('\n')));
}
