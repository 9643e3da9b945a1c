// "k510.ini" on its raw bytes: storing the port and speed changes those two
// values and nothing else of the file, whatever else it holds.

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "link/IniText.h"
#include "link/SettingsFile.h"

#include <unistd.h>

using k510::link::SettingsFile;
using k510::link::SettingsPositions;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class SettingsFileTest : public QObject {
    Q_OBJECT

private slots:
    void storeChangesOnlyTheTwoValues_data();
    void storeChangesOnlyTheTwoValues();
    void load_data();
    void load();
    void withoutFileStoreCreatesIt();
    void unchangedValuesLeaveTheFileAlone();
    void unwritableFolderIsReported();
};

void SettingsFileTest::storeChangesOnlyTheTwoValues_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("speed");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("CRLF and comments")
        << QByteArray("; K-510 editor\r\n[Comm]\r\nPort=0\r\n; speed below\r\nSpeed=0\r\n\r\n[Other]\r\nx=1\r\n")
        << 2 << 6
        << QByteArray("; K-510 editor\r\n[Comm]\r\nPort=2\r\n; speed below\r\nSpeed=6\r\n\r\n[Other]\r\nx=1\r\n");
    QTest::newRow("Windows-1251 text in other keys")
        << QByteArray("[Comm]\nPort=1\nSpeed=1\n[\xcf\xee\xeb\xfc\xe7\xee\xe2\xe0\xf2\xe5\xeb\xfc]\nName=\xc8\xe2\xe0\xed\n")
        << 3 << 0
        << QByteArray("[Comm]\nPort=3\nSpeed=0\n[\xcf\xee\xeb\xfc\xe7\xee\xe2\xe0\xf2\xe5\xeb\xfc]\nName=\xc8\xe2\xe0\xed\n");
    QTest::newRow("backslashes and lists")
        << QByteArray("[Files]\nLast=C:\\Tessora\\db.k5d\nRecent=a,b\n[Comm]\nPort=0\nSpeed=0\n")
        << 1 << 2
        << QByteArray("[Files]\nLast=C:\\Tessora\\db.k5d\nRecent=a,b\n[Comm]\nPort=1\nSpeed=2\n");
    QTest::newRow("names in another case, blanks around the values")
        << QByteArray("[comm]\nport = 3 \nSPEED\t=\t1\n") << 0 << 4
        << QByteArray("[comm]\nport = 0 \nSPEED\t=\t4\n");
    QTest::newRow("missing key goes after the section's last line")
        << QByteArray("[Comm]\r\nPort=1\r\n\r\n[Window]\r\nLeft=10\r\n") << 1 << 5
        << QByteArray("[Comm]\r\nPort=1\r\nSpeed=5\r\n\r\n[Window]\r\nLeft=10\r\n");
    QTest::newRow("missing section is appended")
        << QByteArray("[Window]\nLeft=10") << 0 << 0
        << QByteArray("[Window]\nLeft=10\n[Comm]\nPort=0\nSpeed=0\n");
    QTest::newRow("only the first Comm section and first key count")
        << QByteArray("[Comm]\nPort=1\nPort=2\n[Comm]\nSpeed=3\n") << 3 << 6
        << QByteArray("[Comm]\nPort=3\nPort=2\nSpeed=6\n[Comm]\nSpeed=3\n");
    QTest::newRow("keys of the same name elsewhere are not touched")
        << QByteArray("Port=9\n[Modem]\nPort=7\n[Comm]\n;Port=5\nPort=1\nSpeed=1\n") << -1 << 2
        << QByteArray("Port=9\n[Modem]\nPort=7\n[Comm]\n;Port=5\nPort=-1\nSpeed=2\n");
}

void SettingsFileTest::storeChangesOnlyTheTwoValues()
{
    QFETCH(QByteArray, before);
    QFETCH(int, port);
    QFETCH(int, speed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("k510.ini"));
    QVERIFY(writeBytes(path, before));

    QVERIFY(SettingsFile(path).store({port, speed}));
    QTEST(readBytes(path), "after");
}

void SettingsFileTest::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("speed");

    QTest::newRow("plain") << QByteArray("[Comm]\nPort=3\nSpeed=2\n") << 3 << 2;
    QTest::newRow("any case, CRLF") << QByteArray("[comm]\r\nport=3\r\nsPeEd=1\r\n") << 3 << 1;
    QTest::newRow("blanks") << QByteArray("  [ Comm ]  \n  Port =  2\t\n") << 2 << 0;
    QTest::newRow("negative") << QByteArray("[Comm]\nPort=-1\n") << -1 << 0;
    QTest::newRow("not a number") << QByteArray("[Comm]\nPort=two\nSpeed=\n") << 0 << 0;
    QTest::newRow("other section") << QByteArray("[Commx]\nPort=3\n") << 0 << 0;
    QTest::newRow("comment") << QByteArray("[Comm]\n;Port=3\n#Speed=2\n") << 0 << 0;
    QTest::newRow("empty") << QByteArray() << 0 << 0;
}

void SettingsFileTest::load()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("k510.ini"));
    QVERIFY(writeBytes(path, content));
    const SettingsPositions positions = SettingsFile(path).load();
    QTEST(positions.port, "port");
    QTEST(positions.speed, "speed");
}

void SettingsFileTest::withoutFileStoreCreatesIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/k510.ini"));
    QVERIFY(SettingsFile(path).store({0, 0}));
    QCOMPARE(readBytes(path), QByteArray("[Comm]\nPort=0\nSpeed=0\n"));
}

void SettingsFileTest::unchangedValuesLeaveTheFileAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("k510.ini"));
    QVERIFY(writeBytes(path, "[Comm]\nPort=1\nSpeed=1\n"));
    QFile::setPermissions(path, QFile::ReadOwner);   // a rewrite would fail
    QVERIFY(SettingsFile(path).store({1, 1}));
}

void SettingsFileTest::unwritableFolderIsReported()
{
    if (geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(!SettingsFile(dir.filePath(QStringLiteral("k510.ini"))).store({1, 1}));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
