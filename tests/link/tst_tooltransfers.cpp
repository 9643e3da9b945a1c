// k510-tool send and receive against k510-sim: exit codes, failure texts on
// stderr, and FILE written only after a complete, readable receive.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "SimProcess.h"

using namespace linktest;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(K510_TOOL_PATH), arguments);
    tool.waitForFinished(60000);
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromUtf8(tool.readAllStandardError())};
}

} // namespace

class ToolTransfersTest : public QObject {
    Q_OBJECT

private slots:
    void sendFailures_data();
    void sendFailures();
    void forcedSendOfAnyFile();
    void completeReceiveWritesTheFile();
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
    if (!toolArguments.contains(QStringLiteral("--no-port")))
        arguments << QStringLiteral("--port") << sim.devicePath();
    const ToolRun run = runTool(arguments);

    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
    if (exitCode == 2)
        QVERIFY(!QFile::exists(record));   // nothing went out
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

void ToolTransfersTest::completeReceiveWritesTheFile()
{
    SimProcess sim;   // sends the demo database
    QVERIFY(sim.isReady());
    const QString target = m_dir.filePath(QStringLiteral("received.k5d"));
    const ToolRun run = runTool({"receive", target, "--port", sim.devicePath()});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(target), demoImage());
}

void ToolTransfersTest::failedReceivesLeaveTheFile_data()
{
    QTest::addColumn<QStringList>("simArguments");
    QTest::addColumn<QString>("error");
    QTest::newRow("bad header") << QStringList{"--fault", "bad-tag"}
                                << "Получение настроек: Неправильный заголовок пакета!";
    QTest::newRow("short block") << QStringList{"--fault", "short-block"}
                                 << "Получение настроек: Размер данных при приеме/передаче не совпадает с требуемым!";
    QTest::newRow("image of the wrong size") << QStringList{} << "Загрузка файла: Ошибка, файл имеет не тот размер!";
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
