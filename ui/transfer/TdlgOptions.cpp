// SPDX-License-Identifier: GPL-3.0-or-later
#include "TdlgOptions.h"

#include "link/PortNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QComboBox *choiceList(const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    return list;
}

// The port chosen beyond COM1..COM4, or none.
QString extraPort(const QString &portName)
{
    return k510::link::isNumberedPort(portName) ? QString() : portName;
}

} // namespace

TdlgOptions::TdlgOptions(k510::storage::SettingsFile settingsFile, QWidget *parent, const QString &rememberedPort,
                         std::shared_ptr<const k510::link::PortLister> ports)
    : QDialog(parent)
    , m_settingsFile(std::move(settingsFile))
    , m_ports(ports ? std::move(ports) : std::make_shared<k510::link::SystemPorts>())
{
    setObjectName(QStringLiteral("dlgOptions"));
    setWindowTitle(QStringLiteral("Настройки связи"));

    const k510::storage::SettingsPositions stored = m_settingsFile.load(&m_loadProblem);
    m_cbPort = choiceList(QStringLiteral("cbPort"), this);
    // Room for "ttyUSB0 — FT232R USB UART": the dialog keeps its size when
    // "Обновить" brings in longer entries.
    m_cbPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbPort->setMinimumContentsLength(30);
    m_cbSpeed = choiceList(QStringLiteral("cbSpeed"), this);
    m_device = new QLabel(this);
    m_device->setObjectName(QStringLiteral("lbDevice"));
    m_device->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_cbPort, &QComboBox::currentIndexChanged, this, &TdlgOptions::showDevice);

    fillPorts(rememberedPort);
    if (rememberedPort.isEmpty())
        m_cbPort->setCurrentIndex(
            k510::link::selectedPosition(stored.port, int(k510::link::portChoices().size())));
    m_cbSpeed->addItems(k510::link::speedChoices());
    m_cbSpeed->setCurrentIndex(k510::link::selectedPosition(stored.speed, m_cbSpeed->count()));
    showDevice();

    auto *portLabel = new QLabel(QStringLiteral("Номер COM порта"), this);
    portLabel->setBuddy(m_cbPort);
    auto *speedLabel = new QLabel(QStringLiteral("Скорость порта"), this);
    speedLabel->setBuddy(m_cbSpeed);

    auto *refreshButton = new QPushButton(QStringLiteral("Обновить"), this);
    refreshButton->setObjectName(QStringLiteral("RefreshBtn"));
    refreshButton->setAutoDefault(false);
    connect(refreshButton, &QPushButton::clicked, this, &TdlgOptions::RefreshBtnClick);
    auto *okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("&Отмена"), this);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    connect(okButton, &QPushButton::clicked, this, &TdlgOptions::OKBtnClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QGridLayout;
    fields->addWidget(portLabel, 0, 0);
    fields->addWidget(m_cbPort, 0, 1);
    fields->addWidget(refreshButton, 0, 2);
    fields->addWidget(m_device, 1, 1, 1, 2);
    fields->addWidget(speedLabel, 2, 0);
    fields->addWidget(m_cbSpeed, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void TdlgOptions::fillPorts(const QString &kept)
{
    const QString selected = m_cbPort->currentData().toString();
    const QSignalBlocker quiet(m_cbPort);
    m_cbPort->clear();
    for (const k510::link::PortEntry &entry : k510::link::portEntries(m_ports->availablePorts(), kept)) {
        m_cbPort->addItem(entry.text, entry.portName);
        m_cbPort->setItemData(m_cbPort->count() - 1, entry.device, Qt::ToolTipRole);
    }
    const QString wanted = selected.isEmpty() ? kept : selected;
    m_cbPort->setCurrentIndex(wanted.isEmpty() ? -1 : m_cbPort->findData(wanted));
}

void TdlgOptions::showDevice()
{
    const QString device = m_cbPort->currentData(Qt::ToolTipRole).toString();
    m_device->setText(device.isEmpty() ? QString() : QStringLiteral("Устройство: ") + device);
}

void TdlgOptions::RefreshBtnClick()
{
    // The chosen port stays offered even when it has gone meanwhile.
    fillPorts(extraPort(m_cbPort->currentData().toString()));
    showDevice();
    setFixedSize(sizeHint());   // room for the longest port text
}

k510::link::PortSettings TdlgOptions::shownSettings() const
{
    return {m_cbPort->currentData().toString(), m_cbSpeed->currentText()};
}

void TdlgOptions::OKBtnClick()
{
    QString problem;
    const QString port = m_cbPort->currentData().toString();
    const bool stored = extraPort(port).isEmpty()
                            ? m_settingsFile.store({m_cbPort->currentIndex(), m_cbSpeed->currentIndex()}, &problem)
                            : m_settingsFile.storeSpeed(m_cbSpeed->currentIndex(), &problem);
    if (!stored)
        emit settingsNotWritten(problem);
    emit settingsStored(shownSettings());
    accept();
}
