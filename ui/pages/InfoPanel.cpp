// SPDX-License-Identifier: GPL-3.0-or-later
#include "InfoPanel.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace k510::ui {

namespace {

QLineEdit *infoField(const QString &objectName, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setReadOnly(true);
    return field;
}

QLineEdit *numberField(const QString &objectName, QWidget *parent)
{
    QLineEdit *field = infoField(objectName, parent);
    // Wide enough for 65535 and a little margin, no wider.
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    return field;
}

} // namespace

InfoPanel::InfoPanel(const QString &namePrefix, QWidget *parent)
    : QGroupBox(QStringLiteral(" Информация "), parent),
      m_satellite(infoField("le" + namePrefix + "SatInfo", this)),
      m_transponder(infoField("le" + namePrefix + "TpInfo", this)),
      m_serviceId(numberField("le" + namePrefix + "SIDInfo", this)),
      m_pmtPid(numberField("le" + namePrefix + "PMTInfo", this)),
      m_videoPid(numberField("le" + namePrefix + "VPid", this)),
      m_audioPid(numberField("le" + namePrefix + "APid", this)),
      m_pcrPid(numberField("le" + namePrefix + "PcrInfo", this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Спутник"), this));
    layout->addWidget(m_satellite);
    layout->addWidget(new QLabel(QStringLiteral("Транспондер"), this));
    layout->addWidget(m_transponder);

    auto *numbers = new QFormLayout;
    numbers->setContentsMargins(0, 4, 0, 0);
    numbers->setVerticalSpacing(3);
    numbers->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    numbers->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    numbers->addRow(QStringLiteral("Service ID"), m_serviceId);
    numbers->addRow(QStringLiteral("PMT PID"), m_pmtPid);
    numbers->addRow(QStringLiteral("Video PID"), m_videoPid);
    numbers->addRow(QStringLiteral("Audio PID"), m_audioPid);
    numbers->addRow(QStringLiteral("PCR PID"), m_pcrPid);
    layout->addLayout(numbers);
    layout->addStretch(1);
}

void InfoPanel::showInfo(const ChannelInfo &info)
{
    m_satellite->setText(info.satellite);
    m_transponder->setText(info.transponder);
    m_serviceId->setText(info.serviceId);
    m_pmtPid->setText(info.pmtPid);
    m_videoPid->setText(info.videoPid);
    m_audioPid->setText(info.audioPid);
    m_pcrPid->setText(info.pcrPid);
    // Long texts show their start, not their end.
    for (QLineEdit *field : {m_satellite, m_transponder})
        field->setCursorPosition(0);
}

ChannelInfo InfoPanel::shown() const
{
    return {m_satellite->text(), m_transponder->text(), m_serviceId->text(), m_pmtPid->text(),
            m_videoPid->text(),  m_audioPid->text(),    m_pcrPid->text()};
}

} // namespace k510::ui
