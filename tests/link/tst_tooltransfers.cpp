// SPDX-License-Identifier: GPL-3.0-or-later
// k510-tool send and receive against k510-sim: exit codes, failure texts on
// stderr, and FILE written only after a complete, readable receive.

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "ProgramRun.h"
#include "SimProcess.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace linktest;

namespace {

using ToolRun = ProgramRun;

ToolRun runTool(const QStringList &arguments)
{
    return runProgram(QStringLiteral(K510_TOOL_PATH), arguments);
}

// Runs k510-tool with its stderr on a terminal, as from a user's shell, and
// returns what it drew there. The test keeps a descriptor of the terminal
// open, so what the tool wrote stays readable after it has ended.
ToolRun runToolOnTerminal(const QStringList &arguments)
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return {};
    const QByteArray terminal = ::ptsname(master);
    const int keptOpen = ::open(terminal.constData(), O_RDWR | O_NOCTTY);
    QProcess tool;
    tool.setChildProcessModifier([terminal] {
        const int stderrTerminal = ::open(terminal.constData(), O_RDWR | O_NOCTTY);
        if (stderrTerminal >= 0)
            ::dup2(stderrTerminal, STDERR_FILENO);
    });
    tool.start(QStringLiteral(K510_TOOL_PATH), arguments);
    tool.waitForFinished(60000);
    QByteArray drawn;
    char buffer[4096];
    for (ssize_t got; (got = ::read(master, buffer, sizeof buffer)) > 0;)
        drawn.append(buffer, got);
    ::close(keptOpen);
    ::close(master);
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, QString::fromUtf8(drawn)};
}

} // namespace

class ToolTransfersTest : public QObject {
    Q_OBJECT

private slots:
    // Each transfer keeps a copy in the history folder: here, not in the user's.
    void initTestCase() { qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit()); }
    void sendFailures_data();
    void sendFailures();
    void speedsOutsideTheReceiversAreRefused_data();
    void speedsOutsideTheReceiversAreRefused();
    void forcedSendOfAnyFile();
    void portTakesEveryForm_data();
    void portTakesEveryForm();
    void progressOnATerminalEndsAtHundred();
    void completeReceiveWritesTheFile();
    void forcedReceiveKeepsUncheckedBlocks();
    void failedReceivesLeaveTheFile_data();
    void failedReceivesLeaveTheFile();

private:
    QString writeFile(const QString &name, const QByteArray &content);

    QTemporaryDir m_dir;
};

QString ToolTransfersTest::writeFile(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

void ToolTransfersTest::sendFailures_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QStringList>("toolArguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");

    QTest::newRow("silent receiver") << QStringList{"--fault", "silent"} << QStringList{"demo.k5d"} << 1
                                     << "Отправка настроек: Нет связи с ресивером!";
    QTest::newRow("not a database image") << QStringList{} << QStringList{"small.bin"} << 2 << "--force";
    QTest::newRow("no port") << QStringList{} << QStringList{"demo.k5d", "--no-port"} << 1 << "--port";
    QTest::newRow("no such port") << QStringList{} << QStringList{"demo.k5d", "--port", "/dev/k510-no-such-port"} << 1
                                  << "Отправка настроек: Невозможно открыть порт!\n"
                                     "/dev/k510-no-such-port: такого порта нет";
}

void ToolTransfersTest::sendFailures()
{
    QFETCH(QStringList, simArguments);
    QFETCH(QStringList, toolArguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    writeFile(QStringLiteral("demo.k5d"), demoImage());
    writeFile(QStringLiteral("small.bin"), everyByteImage(2));
    const QString record = m_dir.filePath(QStringLiteral("send-record.bin"));
    QFile::remove(record);
    SimProcess sim(simArguments + QStringList{"--record", record});
    QVERIFY(sim.isReady());

    QStringList arguments{QStringLiteral("send"), m_dir.filePath(toolArguments.value(0))};
    if (toolArguments.contains(QStringLiteral("--port")))
        arguments << toolArguments.mid(1);
    else if (!toolArguments.contains(QStringLiteral("--no-port")))
        arguments << QStringLiteral("--port") << sim.devicePath();
    const ToolRun run = runTool(arguments);

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
    if (exitCode == 2)
        QVERIFY(!QFile::exists(record));   // nothing went out
}

void ToolTransfersTest::speedsOutsideTheReceiversAreRefused_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("speed");
    QTest::newRow("send, letters") << "send" << "abc";
    QTest::newRow("receive, a number no receiver takes") << "receive" << "1234";
    QTest::newRow("send, 28800 is not among them") << "send" << "28800";
    QTest::newRow("receive, empty") << "receive" << "";
    QTest::newRow("send, a speed with a space") << "send" << "115200 ";
}

void ToolTransfersTest::speedsOutsideTheReceiversAreRefused()
{
    QFETCH(QString, command);
    QFETCH(QString, speed);
    const QString record = m_dir.filePath(QStringLiteral("speed-record.bin"));
    QFile::remove(record);
    SimProcess sim({"--record", record});
    QVERIFY(sim.isReady());
    const QString file = writeFile(QStringLiteral("speed.k5d"), demoImage());

    const ToolRun run = runTool({command, file, "--port", sim.devicePath(), "--speed", speed});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(QStringLiteral("'%1'").arg(speed)), qPrintable(run.errors));
    QVERIFY2(run.errors.contains(QStringLiteral("115200, 57600, 38400, 31200, 19200, 14400, 9600")),
             qPrintable(run.errors));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(record));   // the line was never opened
    QCOMPARE(readFile(file), demoImage());
}

void ToolTransfersTest::forcedSendOfAnyFile()
{
    const QString stored = m_dir.filePath(QStringLiteral("stored.bin"));
    SimProcess sim({"--store", stored});
    QVERIFY(sim.isReady());
    const QByteArray image = everyByteImage(3);
    const ToolRun run = runTool({"send", writeFile(QStringLiteral("forced.bin"), image), "--port", sim.devicePath(),
                                 "--speed", "57600", "--force"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());   // no progress bar when stderr is no terminal
    QCOMPARE(readFile(stored), image);
}

void ToolTransfersTest::portTakesEveryForm_data()
{
    // How the simulator's pseudo-terminal is named: "COM1" through K510_COM1,
    // its system name (a name under /dev), its path.
    QTest::addColumn<QString>("form");
    QTest::newRow("COM1") << "COM1";
    QTest::newRow("system name") << "name";
    QTest::newRow("device path") << "path";
}

void ToolTransfersTest::portTakesEveryForm()
{
    QFETCH(QString, form);
    const QString stored = m_dir.filePath(QStringLiteral("form-stored.bin"));
    QFile::remove(stored);
    SimProcess sim({"--store", stored});
    QVERIFY(sim.isReady());
    QVERIFY(sim.devicePath().startsWith(QStringLiteral("/dev/")));
    qputenv("K510_COM1", sim.devicePath().toLocal8Bit());
    const auto unsetCom1 = qScopeGuard([] { qunsetenv("K510_COM1"); });

    // "ports" names the device each numbered port means.
    QProcess ports;
    ports.start(QStringLiteral(K510_TOOL_PATH), {"ports"});
    QVERIFY(ports.waitForFinished(10000));
    QCOMPARE(ports.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(ports.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 4), (QStringList{"COM1\t" + sim.devicePath(), "COM2\t/dev/ttyS1", "COM3\t/dev/ttyS2",
                                           "COM4\t/dev/ttyS3"}));

    const QString port = form == QStringLiteral("COM1") ? QStringLiteral("COM1")
                         : form == QStringLiteral("name") ? sim.devicePath().mid(5)
                                                          : sim.devicePath();
    const QByteArray image = everyByteImage(2);
    const ToolRun run = runTool({"send", writeFile(QStringLiteral("form.bin"), image), "--port", port, "--force"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(stored), image);
}

void ToolTransfersTest::progressOnATerminalEndsAtHundred()
{
    SimProcess sim;
    QVERIFY(sim.isReady());
    const ToolRun run = runToolOnTerminal({"send", writeFile(QStringLiteral("bar.bin"), everyByteImage(3)), "--port",
                                           sim.devicePath(), "--force"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.contains(QStringLiteral("Передача данных [########################################] 100%")),
             qPrintable(run.errors));
    QVERIFY2(run.errors.trimmed().endsWith(QStringLiteral("100%\r\nГотово")), qPrintable(run.errors));
}

void ToolTransfersTest::completeReceiveWritesTheFile()
{
    SimProcess sim;   // sends the demo database
    QVERIFY(sim.isReady());
    const QString target = m_dir.filePath(QStringLiteral("received.k5d"));
    const ToolRun run = runTool({"receive", target, "--port", sim.devicePath()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(target), demoImage());
}

void ToolTransfersTest::forcedReceiveKeepsUncheckedBlocks()
{
    // The demo database, in order, under wrong block numbers and CRCs.
    SimProcess sim({"--fault", "scrambled"});
    QVERIFY(sim.isReady());
    const QString target = m_dir.filePath(QStringLiteral("forced.k5d"));
    const ToolRun run = runTool({"receive", target, "--port", sim.devicePath(), "--force"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.contains(QStringLiteral("not checked")), qPrintable(run.errors));
    QCOMPARE(readFile(target), demoImage());
}

void ToolTransfersTest::failedReceivesLeaveTheFile_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("bad header") << QStringList{"--fault", "bad-tag"}
                                << "Получение настроек: Неправильный заголовок пакета!";
    QTest::newRow("short block") << QStringList{"--fault", "short-block"}
                                 << "Получение настроек: Ресивер не ответил вовремя! Проверьте кабель, выбранный порт и "
                                    "скорость.";
    QTest::newRow("image of the wrong size") << QStringList{} << "Загрузка файла: Ошибка, файл имеет не тот размер!";
    QTest::newRow("block CRCs wrong")
        << QStringList{"--fault", "scrambled"}
        << "Получение настроек: Ошибка контрольной суммы в блоке 0: данные повреждены при передаче. Повторите приём.";
    QTest::newRow("two blocks swapped")
        << QStringList{"--fault", "swapped"}
        << "Получение настроек: Блок 1 пришёл вместо блока 0: данные повреждены при передаче. Повторите приём.";
}

void ToolTransfersTest::failedReceivesLeaveTheFile()
{
    QFETCH(QStringList, simArguments);
    QFETCH(QString, error);
    SimProcess sim(simArguments + QStringList{"--image", writeFile(QStringLiteral("sim.bin"), everyByteImage(3))});
    QVERIFY(sim.isReady());
    const QString target = writeFile(QStringLiteral("kept.k5d"), "the user's old file");

    const ToolRun run = runTool({"receive", target, "--port", sim.devicePath()});

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
    QCOMPARE(readFile(target), QByteArray("the user's old file"));
}

QTEST_GUILESS_MAIN(ToolTransfersTest)
#include "tst_tooltransfers.moc"
