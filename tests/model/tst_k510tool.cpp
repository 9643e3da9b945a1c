#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "TestImages.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QString err;
};

Run tool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(K510_TOOL_PATH), arguments);
    if (!process.waitForFinished(30000))
        qFatal("k510-tool did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

void writeFile(const QString &path, const Image &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(const Image &image) { return QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())); }

} // namespace

class TestK510Tool : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const Run demo = tool({"demo", path("demo.k5d")});
        QCOMPARE(demo.exitCode, 0);
    }

    void infoCounts()
    {
        const Run run = tool({"info", path("demo.k5d")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("satellites:        6\n"));
        QVERIFY(run.out.contains("tv channels:       41\n"));
        QVERIFY(run.out.contains("radio channels:    17\n"));
        QVERIFY(run.out.contains("tv favourites:     22\n"));
    }

    void dumpIsJsonWithUtf8Names()
    {
        const Run run = tool({"dump", path("demo.k5d")});
        QCOMPARE(run.exitCode, 0);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject sat = root["satellites"].toArray().at(3).toObject();
        QCOMPARE(sat["name"].toString(), QString("Eutelsat 36E"));
        QCOMPARE(sat["lnbType"].toString(), QString("Single"));
        QCOMPARE(sat["lnbHigh"].toString(), QString("10750"));
        QCOMPARE(sat["switchType"].toString(), QString("1.1"));
        QCOMPARE(sat["diseqc11"].toString(), QString("12"));
        QCOMPARE(sat["longitude"].toString(), QString("36,0"));
        const QJsonObject tp = root["transponders"].toArray().at(0).toObject();
        QCOMPARE(tp["frequency"].toString(), QString("10992"));
        QCOMPARE(tp["fec"].toString(), QString("2/3"));
        const QJsonArray channels = root["channels"].toArray();
        QCOMPARE(channels.size(), 58);
        QCOMPARE(channels.at(22).toObject()["name"].toString(), QString("Первый канал"));
        QCOMPARE(root["tvOrder"].toArray().at(0).toInt(), 23);
        QCOMPARE(root["tvFavourites"].toArray().size(), 12);
        QCOMPARE(root["tvGroupNames"].toArray().at(0).toString(), QString("Новости"));
        QCOMPARE(root["radioGroupNames"].toArray().size(), 12);
    }

    void checkExitCodes_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("clean") << 0 << 0;
        QTest::newRow("favourite names no channel") << 1 << 1;
        QTest::newRow("wrong size") << 2 << 2;
    }
    void checkExitCodes()
    {
        QFETCH(int, damage);
        Image image = imageOf(samples::demoDatabase());
        if (damage == 1)
            poke16(image, ImageOffsets(image).tvFavourites, 500);
        if (damage == 2)
            image.resize(1000);
        writeFile(path("check.k5d"), image);
        const Run run = tool({"check", path("check.k5d")});
        QTEST(run.exitCode, "exitCode");
        if (damage == 1)
            QCOMPARE(QString::fromUtf8(run.out), QString("избранные ТВ 1, позиция 1: канал 500 не существует\n"));
    }

    void normalizeWritesTheCanonicalImage()
    {
        Image image = imageOf(samples::demoDatabase());
        const Image canonical = image;
        std::fill(image.begin() + 0x44000, image.end(), 0);
        writeFile(path("foreign.k5d"), image);
        const Run run = tool({"normalize", path("foreign.k5d"), path("normal.k5d")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readFile(path("normal.k5d")), bytesOf(canonical));
    }

    void refusedInputLeavesTheOutputAlone()
    {
        writeFile(path("short.k5d"), Image(1000, 0));
        writeFile(path("existing.k5d"), Image{1, 2, 3});
        const Run run = tool({"normalize", path("short.k5d"), path("existing.k5d")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("Загрузка файла: Ошибка, файл имеет не тот размер!"));
        QCOMPARE(readFile(path("existing.k5d")), QByteArray("\x01\x02\x03", 3));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("existing").size(), 1);
    }

    void errorsGoToStderr_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("missing file") << QStringList{"info", "/nonexistent/x.k5d"};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("missing argument") << QStringList{"normalize", "in.k5d"};
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unwritable output") << QStringList{"normalize", "DEMO", "/nonexistent/dir/out.k5d"};
    }
    void errorsGoToStderr()
    {
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings("DEMO", path("demo.k5d"));
        const Run run = tool(arguments);
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("k510-tool: "));
    }
};

QTEST_GUILESS_MAIN(TestK510Tool)
#include "tst_k510tool.moc"
