#include "TdlgOptions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QComboBox *choiceList(const QString &name, const QStringList &choices, int storedPosition, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->addItems(choices);
    list->setCurrentIndex(k510::link::selectedPosition(storedPosition, list->count()));
    return list;
}

} // namespace

TdlgOptions::TdlgOptions(k510::link::SettingsFile settingsFile, QWidget *parent)
    : QDialog(parent)
    , m_settingsFile(std::move(settingsFile))
{
    setObjectName(QStringLiteral("dlgOptions"));
    setWindowTitle(QStringLiteral("Настройки связи"));

    const k510::link::SettingsPositions stored = m_settingsFile.load(&m_loadProblem);
    m_cbPort = choiceList(QStringLiteral("cbPort"), k510::link::portChoices(), stored.port, this);
    m_cbSpeed = choiceList(QStringLiteral("cbSpeed"), k510::link::speedChoices(), stored.speed, this);

    auto *portLabel = new QLabel(QStringLiteral("Номер COM порта"), this);
    portLabel->setBuddy(m_cbPort);
    auto *speedLabel = new QLabel(QStringLiteral("Скорость порта"), this);
    speedLabel->setBuddy(m_cbSpeed);

    auto *okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("Отмена"), this);
    cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    connect(okButton, &QPushButton::clicked, this, &TdlgOptions::OKBtnClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QGridLayout;
    fields->addWidget(portLabel, 0, 0);
    fields->addWidget(m_cbPort, 0, 1);
    fields->addWidget(speedLabel, 1, 0);
    fields->addWidget(m_cbSpeed, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

k510::link::PortSettings TdlgOptions::shownSettings() const
{
    return {m_cbPort->currentText(), m_cbSpeed->currentText()};
}

void TdlgOptions::OKBtnClick()
{
    QString problem;
    if (!m_settingsFile.store({m_cbPort->currentIndex(), m_cbSpeed->currentIndex()}, &problem))
        emit settingsNotWritten(problem);
    emit settingsStored(shownSettings());
    accept();
}

