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

using k510::link::PortSettings;

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
    TdlgOptions dialog;
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
        labels << label->text();
    QCOMPARE(labels, (QStringList{"Номер COM порта", "Скорость порта"}));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"));
    auto *cancel = dialog.findChild<QPushButton *>(QStringLiteral("CancelBtn"));
    QVERIFY(ok && cancel);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    QCOMPARE(cancel->text(), QStringLiteral("Отмена"));
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

QTEST_MAIN(OptionsDialogTest)
#include "tst_optionsdialog.moc"
