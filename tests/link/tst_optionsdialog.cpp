// SPDX-License-Identifier: GPL-3.0-or-later
// The port settings dialog and "k510.ini": loading at start-up, "OK",
// "Отмена", writing back when the window closes. XDG_CONFIG_HOME points
// at a scratch folder, so the file is the real one the editor would use.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "FakeTransferHost.h"
#include "ui/transfer/TdlgOptions.h"

using k510::link::PortInfo;
using k510::link::PortSettings;

namespace {

// The ports a machine reports, as the test sets them; "plugging in" an
// adapter is appending to `ports`.
class FakePorts : public k510::link::PortLister {
public:
    explicit FakePorts(QList<PortInfo> initial = {}) : ports(std::move(initial)) {}
    QList<PortInfo> availablePorts() const override { return ports; }
    QList<PortInfo> ports;
};

// "ttyUSB0|/dev/ttyUSB0|FT232R USB UART" as a port the system reports.
QList<PortInfo> portInfos(const QStringList &encoded)
{
    QList<PortInfo> infos;
    for (const QString &port : encoded)
        infos.append({port.section(QLatin1Char('|'), 0, 0), port.section(QLatin1Char('|'), 1, 1),
                      port.section(QLatin1Char('|'), 2)});
    return infos;
}

QStringList itemTexts(const QComboBox &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    return texts;
}

} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void dialogShowsTheOfferedChoices();
    void withoutFileDefaultsAndClosingCreatesIt();
    void storedPositions_data();
    void storedPositions();
    void cancelKeepsTheActiveSettingsButNotTheLists();
    void enterConfirmsAndEscapeCancels();
    void otherKeysAndSectionsAreKept();
    void portListShowsTheMachinesPorts_data();
    void portListShowsTheMachinesPorts();
    void anExtraPortIsRememberedOutsideK510Ini();

private:
    [[nodiscard]] QString iniPath() const;
    void writeIni(const QString &content) const;
    [[nodiscard]] QVariant stored(const char *key) const;

    std::unique_ptr<QTemporaryDir> m_config;
};

void OptionsDialogTest::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
    qunsetenv("K510_COM1");
}

QString OptionsDialogTest::iniPath() const
{
    return m_config->filePath(QStringLiteral("k510.ini"));
}

void OptionsDialogTest::writeIni(const QString &content) const
{
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content.toUtf8());
}

QVariant OptionsDialogTest::stored(const char *key) const
{
    // Read on the file's own text, "Comm/Port" as a "Port=" line; not through
    // QSettings, whose cache may not notice a rewrite within the same second.
    QFile file(iniPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString name = QString::fromLatin1(key).section(QLatin1Char('/'), 1);
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(name), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(QString::fromUtf8(file.readAll()));
    return match.hasMatch() ? QVariant(match.captured(1).trimmed()) : QVariant();
}

void OptionsDialogTest::dialogShowsTheOfferedChoices()
{
    TdlgOptions dialog({}, nullptr, {}, std::make_shared<FakePorts>());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Настройки связи"));
    auto *port = dialog.findChild<QComboBox *>(QStringLiteral("cbPort"));
    auto *speed = dialog.findChild<QComboBox *>(QStringLiteral("cbSpeed"));
    QVERIFY(port && speed);
    QVERIFY(!port->isEditable() && !speed->isEditable());
    QStringList ports, speeds;
    for (int i = 0; i < port->count(); ++i)
        ports << port->itemText(i);
    for (int i = 0; i < speed->count(); ++i)
        speeds << speed->itemText(i);
    QCOMPARE(ports, (QStringList{"COM1", "COM2", "COM3", "COM4"}));
    QCOMPARE(speeds, (QStringList{"115200", "57600", "38400", "31200", "19200", "14400", "9600"}));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        if (label->buddy())
            labels << label->text();
    QCOMPARE(labels, (QStringList{"Номер COM порта", "Скорость порта"}));
    // The device COM1 means on this system.
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("lbDevice"))->text(), QStringLiteral("Устройство: /dev/ttyS0"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("CancelBtn"));
    QVERIFY(ok && cancel);
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(cancel->text(), QStringLiteral("&Отмена"));
}

void OptionsDialogTest::withoutFileDefaultsAndClosingCreatesIt()
{
    FakeTransferHost host;
    TransferController controller(host);
    QCOMPARE(controller.portSettings().portName, QStringLiteral("COM1"));
    QCOMPARE(controller.portSettings().speedText, QStringLiteral("115200"));
    QVERIFY(!QFile::exists(iniPath()));
    controller.writeSettingsOnClose();
    QCOMPARE(stored("Comm/Port").toInt(), 0);
    QCOMPARE(stored("Comm/Speed").toInt(), 0);
}

void OptionsDialogTest::storedPositions_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("portWrittenOnClose");
    QTest::addColumn<int>("speedWrittenOnClose");

    QTest::newRow("COM4 at 31200") << "[Comm]\nPort=3\nSpeed=3\n" << "COM4" << "31200" << 3 << 3;
    QTest::newRow("speed beyond the list") << "[Comm]\nPort=1\nSpeed=9\n" << "COM2" << "115200" << 1 << 0;
    QTest::newRow("port at the end of the list") << "[Comm]\nPort=4\nSpeed=6\n" << "COM1" << "9600" << 0 << 6;
    QTest::newRow("negative port selects nothing") << "[Comm]\nPort=-1\nSpeed=2\n" << "" << "38400" << -1 << 2;
    QTest::newRow("missing key") << "[Comm]\nSpeed=5\n" << "COM1" << "14400" << 0 << 5;
    QTest::newRow("not a number") << "[Comm]\nPort=two\nSpeed=1\n" << "COM1" << "57600" << 0 << 1;
}

void OptionsDialogTest::storedPositions()
{
    QFETCH(QString, ini);
    QFETCH(QString, port);
    QFETCH(QString, speed);
    QFETCH(int, portWrittenOnClose);
    QFETCH(int, speedWrittenOnClose);
    writeIni(ini);

    FakeTransferHost host;
    TransferController controller(host);
    QCOMPARE(controller.portSettings().portName, port);
    QCOMPARE(controller.portSettings().speedText, speed);
    QCOMPARE(controller.optionsDialog().shownSettings().portName, port);

    controller.writeSettingsOnClose();
    QCOMPARE(stored("Comm/Port").toInt(), portWrittenOnClose);
    QCOMPARE(stored("Comm/Speed").toInt(), speedWrittenOnClose);
}

void OptionsDialogTest::cancelKeepsTheActiveSettingsButNotTheLists()
{
    writeIni(QStringLiteral("[Comm]\nPort=0\nSpeed=0\n"));
    FakeTransferHost host;
    TransferController controller(host);
    TdlgOptions &dialog = controller.optionsDialog();

    controller.N7Click();
    QVERIFY(dialog.isVisible());
    dialog.findChild<QComboBox *>(QStringLiteral("cbPort"))->setCurrentIndex(1);
    dialog.findChild<QComboBox *>(QStringLiteral("cbSpeed"))->setCurrentIndex(6);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("CancelBtn")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(controller.portSettings().portName, QStringLiteral("COM1"));
    QCOMPARE(controller.portSettings().speedText, QStringLiteral("115200"));
    QCOMPARE(stored("Comm/Port").toInt(), 0);

    // The next showing presents the cancelled choice; "OK" makes it active.
    controller.N7Click();
    QCOMPARE(dialog.shownSettings().portName, QStringLiteral("COM2"));
    QCOMPARE(dialog.shownSettings().speedText, QStringLiteral("9600"));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("OKBtn")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(controller.portSettings().portName, QStringLiteral("COM2"));
    QCOMPARE(controller.portSettings().speedText, QStringLiteral("9600"));
    QCOMPARE(stored("Comm/Port").toInt(), 1);
    QCOMPARE(stored("Comm/Speed").toInt(), 6);
}

void OptionsDialogTest::enterConfirmsAndEscapeCancels()
{
    FakeTransferHost host;
    TransferController controller(host);
    TdlgOptions &dialog = controller.optionsDialog();

    controller.N7Click();
    dialog.findChild<QComboBox *>(QStringLiteral("cbSpeed"))->setCurrentIndex(3);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(controller.portSettings().speedText, QStringLiteral("115200"));

    controller.N7Click();
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(controller.portSettings().speedText, QStringLiteral("31200"));
    QCOMPARE(stored("Comm/Speed").toInt(), 3);
}

void OptionsDialogTest::otherKeysAndSectionsAreKept()
{
    // "OK" and closing rewrite the two values in place; every other byte stays.
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("; COM settings\r\n[comm]\r\nport=2\r\nSpeed=1\r\nParity=N\r\n\r\n[Window]\r\nPath=C:\\db.k5d\r\n");
    file.close();
    FakeTransferHost host;
    TransferController controller(host);
    controller.N7Click();
    controller.optionsDialog().findChild<QComboBox *>(QStringLiteral("cbSpeed"))->setCurrentIndex(4);
    QTest::mouseClick(controller.optionsDialog().findChild<QPushButton *>(QStringLiteral("OKBtn")), Qt::LeftButton);
    controller.writeSettingsOnClose();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("; COM settings\r\n[comm]\r\nport=2\r\nSpeed=4\r\nParity=N\r\n\r\n[Window]\r\nPath=C:\\db.k5d\r\n"));
}

void OptionsDialogTest::portListShowsTheMachinesPorts_data()
{
    QTest::addColumn<QStringList>("available");   // "name|location|description"
    QTest::addColumn<QString>("remembered");      // in the editor's own settings
    QTest::addColumn<QStringList>("offered");     // after COM1..COM4
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("device");

    QTest::newRow("USB and ACM adapters, COM1 from k510.ini")
        << QStringList{"ttyUSB0|/dev/ttyUSB0|FT232R USB UART", "ttyACM0|/dev/ttyACM0|"} << ""
        << QStringList{"ttyUSB0 — FT232R USB UART", "ttyACM0"} << "COM1" << "/dev/ttyS0";
    QTest::newRow("numbered ports are not offered twice")
        << QStringList{"ttyS0|/dev/ttyS0|", "COM2|\\\\.\\COM2|Communications Port",
                       "COM7|\\\\.\\COM7|Prolific USB-to-Serial"}
        << "" << QStringList{"COM7 — Prolific USB-to-Serial"} << "COM1" << "/dev/ttyS0";
    QTest::newRow("remembered port plugged in")
        << QStringList{"ttyACM0|/dev/ttyACM0|", "ttyUSB0|/dev/ttyUSB0|FT232R USB UART"} << "ttyUSB0"
        << QStringList{"ttyACM0", "ttyUSB0 — FT232R USB UART"} << "ttyUSB0" << "/dev/ttyUSB0";
    QTest::newRow("remembered port unplugged")
        << QStringList{"ttyUSB0|/dev/ttyUSB0|FT232R USB UART"} << "ttyUSB1"
        << QStringList{"ttyUSB0 — FT232R USB UART", "ttyUSB1 (не подключён)"} << "ttyUSB1" << "/dev/ttyUSB1";
    QTest::newRow("remembered device there but not listed")
        << QStringList{} << "null" << QStringList{"null"} << "null" << "/dev/null";
    QTest::newRow("remembered COM7 unplugged, nothing else")
        << QStringList{} << "COM7" << QStringList{"COM7 (не подключён)"} << "COM7" << "/dev/COM7";
}

void OptionsDialogTest::portListShowsTheMachinesPorts()
{
    QFETCH(QStringList, available);
    QFETCH(QString, remembered);
    QFETCH(QStringList, offered);
    QFETCH(QString, selected);
    QFETCH(QString, device);
    writeIni(QStringLiteral("[Comm]\nPort=0\nSpeed=0\n"));
    FakeTransferHost host;
    host.remembered = remembered;
    TransferController controller(host, nullptr, {}, std::make_shared<FakePorts>(portInfos(available)));

    const auto *port = controller.optionsDialog().findChild<QComboBox *>(QStringLiteral("cbPort"));
    QCOMPARE(itemTexts(*port), QStringList({"COM1", "COM2", "COM3", "COM4"}) + offered);
    QCOMPARE(controller.portSettings().portName, selected);
    QCOMPARE(controller.optionsDialog().findChild<QLabel *>(QStringLiteral("lbDevice"))->text(),
             QStringLiteral("Устройство: ") + device);
}

void OptionsDialogTest::anExtraPortIsRememberedOutsideK510Ini()
{
    const QByteArray ini = "; mine\r\n[Comm]\r\nPort=2\r\nSpeed=1\r\n";
    writeIni(QString::fromUtf8(ini));
    const auto ports = std::make_shared<FakePorts>();
    FakeTransferHost host;
    TransferController controller(host, nullptr, {}, ports);
    TdlgOptions &dialog = controller.optionsDialog();
    auto *port = dialog.findChild<QComboBox *>(QStringLiteral("cbPort"));
    QCOMPARE(port->count(), 4);

    // The adapter is plugged in while the dialog is open.
    controller.N7Click();
    ports->ports = portInfos({"ttyUSB0|/dev/ttyUSB0|FT232R USB UART"});
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("RefreshBtn")), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(port->currentText(), QStringLiteral("COM3"));   // the choice survives the refresh
    port->setCurrentIndex(4);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("OKBtn")), Qt::LeftButton);

    QCOMPARE(controller.portSettings().portName, QStringLiteral("ttyUSB0"));
    QCOMPARE(host.remembered, QStringLiteral("ttyUSB0"));
    controller.writeSettingsOnClose();
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ini);   // "Port" keeps its number, byte for byte
    file.close();

    // Unplugged, the remembered port stays chosen; refreshing keeps it too.
    ports->ports.clear();
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("RefreshBtn")), Qt::LeftButton);
    QCOMPARE(port->currentText(), QStringLiteral("ttyUSB0 (не подключён)"));

    // Back to a numbered port: "k510.ini" names it and nothing is remembered.
    controller.N7Click();
    port->setCurrentIndex(1);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("OKBtn")), Qt::LeftButton);
    QCOMPARE(controller.portSettings().portName, QStringLiteral("COM2"));
    QCOMPARE(host.remembered, QString());
    QCOMPARE(stored("Comm/Port").toInt(), 1);
}

QTEST_MAIN(OptionsDialogTest)
#include "tst_optionsdialog.moc"
