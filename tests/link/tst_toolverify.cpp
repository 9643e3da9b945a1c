// SPDX-License-Identifier: GPL-3.0-or-later
// k510-tool verify and history against k510-sim: verify's three exits, the
// differences printed as diff prints them, and the copies each transfer
// keeps, as history lists them.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "LinkTestSupport.h"
#include "SimProcess.h"

using namespace linktest;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString errors;
};

// k510-tool with its history in `dataHome`.
Run runTool(const QStringList &arguments, const QString &dataHome)
{
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(K510_TOOL_PATH), arguments);
    if (!tool.waitForFinished(60000)) {
        tool.kill();
        tool.waitForFinished();
        return {};
    }
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, tool.readAllStandardOutput(),
            QString::fromUtf8(tool.readAllStandardError())};
}

QJsonArray historyCopies(const QString &dataHome)
{
    return QJsonDocument::fromJson(runTool({"history", "--json"}, dataHome).out).object().value("copies").toArray();
}

} // namespace

class ToolVerifyTest : public QObject {
    Q_OBJECT

private slots:
    void verifyExits_data()
    {
        QTest::addColumn<QStringList>("simArguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("copiesKept");
        QTest::addColumn<QString>("error");
        QTest::newRow("identical") << QStringList{} << 0 << 1 << QString();
        QTest::newRow("different") << QStringList{"--fault", "alter"} << 1 << 1 << QString();
        QTest::newRow("no link") << QStringList{"--fault", "silent"} << 2 << 0
                                 << "k510-tool: Получение настроек: Нет связи с ресивером!\n";
    }
    void verifyExits()
    {
        QFETCH(QStringList, simArguments);
        QTemporaryDir dir;
        const QString dataHome = dir.filePath(QStringLiteral("data"));
        const QString expected = dir.filePath(QStringLiteral("demo.k5d"));
        QFile file(expected);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(demoImage()) == demoImage().size());
        file.close();
        SimProcess sim(simArguments);   // holds the demo database
        QVERIFY(sim.isReady());

        const Run verify = runTool({"verify", expected, "--port", sim.devicePath()}, dataHome);
        QTEST(verify.exitCode, "exitCode");
        const QJsonArray copies = historyCopies(dataHome);
        QTEST(int(copies.size()), "copiesKept");
        if (verify.exitCode == 2) {
            QTEST(verify.errors, "error");
            QVERIFY(verify.out.isEmpty());
            return;
        }
        // What was compared is the copy kept: diff prints the same.
        const QJsonObject copy = copies.first().toObject();
        QCOMPARE(copy.value("kind").toString(), QStringLiteral("received"));
        const Run diff = runTool({"diff", expected, copy.value("path").toString()}, dataHome);
        QCOMPARE(diff.exitCode, verify.exitCode);
        QCOMPARE(verify.out, verify.exitCode == 0 ? QByteArray("identical\n") : diff.out);
        if (verify.exitCode == 1)
            QVERIFY2(diff.out.contains("videoPid"), diff.out.constData());
    }

    void historyListsEveryTransfer()
    {
        // A complete receive and a send that broke off: newest first, with
        // the counts of a database.
        QTemporaryDir dir;
        const QString dataHome = dir.filePath(QStringLiteral("data"));
        const QString received = dir.filePath(QStringLiteral("received.k5d"));
        {
            SimProcess sim;
            QVERIFY(sim.isReady());
            QCOMPARE(runTool({"receive", received, "--port", sim.devicePath()}, dataHome).exitCode, 0);
        }
        SimProcess silent({"--fault", "silent"});
        QVERIFY(silent.isReady());
        QCOMPARE(runTool({"send", received, "--port", silent.devicePath()}, dataHome).exitCode, 1);

        const QJsonArray copies = historyCopies(dataHome);
        QCOMPARE(copies.size(), 2);
        const QJsonObject broken = copies.at(0).toObject(), receive = copies.at(1).toObject();
        QCOMPARE(broken.value("kind").toString(), QStringLiteral("sent-broken"));
        QCOMPARE(receive.value("kind").toString(), QStringLiteral("received"));
        const k510::ChannelDatabase demo = k510::samples::demoDatabase();
        for (const QJsonObject &copy : {broken, receive}) {
            QCOMPARE(readFile(copy.value("path").toString()), demoImage());
            QCOMPARE(copy.value("satellites").toInt(), int(demo.satellites.size()));
            QCOMPARE(copy.value("tvChannels").toInt(), int(demo.tvOrder.size()));
            QCOMPARE(copy.value("radioChannels").toInt(), int(demo.radioOrder.size()));
        }
        QVERIFY(broken.value("time").toString() >= receive.value("time").toString());
        const Run text = runTool({"history"}, dataHome);
        QCOMPARE(text.exitCode, 0);
        QCOMPARE(text.out.count("sent-broken"), 2);   // the kind and the copy's name
    }
};

QTEST_GUILESS_MAIN(ToolVerifyTest)
#include "tst_toolverify.moc"
