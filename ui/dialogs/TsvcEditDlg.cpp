#include "TsvcEditDlg.h"

#include "ui/dialogs/DialogButtons.h"

#include <QFormLayout>
#include <QVBoxLayout>

TsvcEditDlg::TsvcEditDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("svcEditDlg"));
    setWindowTitle(QStringLiteral("Редактирование канала"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    layout->addLayout(fields);
    m_edits = addChannelEdits(*this, *fields);
    addOkCancelButtons(*this, *layout);
}

void TsvcEditDlg::load(const ChannelForm &form)
{
    m_edits.load(form);
}

ChannelForm TsvcEditDlg::form() const
{
    ChannelForm form;
    m_edits.store(form);
    return form;
}
