#include "TsvcAddDlg.h"

#include "ui/dialogs/DialogButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

TsvcAddDlg::TsvcAddDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("svcAddDlg"));
    setWindowTitle(QStringLiteral("Добавить канал"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    layout->addLayout(fields);

    m_cbSelTp = new QComboBox(this);
    m_cbSelTp->setObjectName(QStringLiteral("cbSelTp"));
    // Entries such as " H/11475/27500" must show whole.
    m_cbSelTp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_cbSelTp->setMinimumContentsLength(16);
    auto *tpLabel = new QLabel(QStringLiteral("Транспондер"), this);
    tpLabel->setBuddy(m_cbSelTp);
    fields->addRow(tpLabel, m_cbSelTp);
    m_edits = addChannelEdits(*this, *fields);
    m_boxFTA = new QCheckBox(QStringLiteral("FTA"), this);
    m_boxFTA->setObjectName(QStringLiteral("boxFTA"));
    fields->addRow(QString(), m_boxFTA);
    addOkCancelButtons(*this, *layout);
}

void TsvcAddDlg::setTransponders(const QStringList &entries)
{
    m_cbSelTp->clear();
    m_cbSelTp->addItems(entries);
    m_cbSelTp->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

ChannelForm TsvcAddDlg::form() const
{
    ChannelForm form;
    m_edits.store(form);
    form.freeToAir = m_boxFTA->isChecked();
    form.transponder = m_cbSelTp->currentIndex();
    return form;
}
