// SPDX-License-Identifier: GPL-3.0-or-later
// "k510.ini" on its raw bytes: storing the port and speed changes those two
// values and nothing else of the file, whatever else it holds. And what every
// file the editor and k510-tool write does on a full disk, and what the two
// settings files do when they are no plain files.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "FullDisk.h"
#include "storage/FileAccess.h"
#include "storage/IniText.h"
#include "storage/SettingsFile.h"
#include "tools/samples/SampleDatabases.h"
#include "model/ImageWriter.h"
#include "ui/EditorSettings.h"
#include "ui/commands/DatabaseFiles.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using k510::storage::SettingsFile;
using k510::storage::SettingsPositions;

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

// Writes a file; returns the failure it reported, empty when none.
using Writer = std::function<QString(const QString &path)>;
Q_DECLARE_METATYPE(Writer)

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
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void settingsFilesThatAreNoPlainFiles_data();
    void settingsFilesThatAreNoPlainFiles();

private:
    QTemporaryDir m_scratch;
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

void SettingsFileTest::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<Writer>("write");
    QTest::addColumn<qint64>("room");
    QTest::newRow("database image") << Writer([](const QString &path) {
        return k510::files::writeFileSafely(path, QByteArray(294912, '\x5a')).reason;
    }) << qint64(0);
    // Room for a third of the image: the write stores part of it and comes
    // back short without an error of its own.
    constexpr qint64 aThird = 100 * 1024;
    QTest::newRow("database image, room for a third") << Writer([](const QString &path) {
        return k510::files::writeFileSafely(path, QByteArray(294912, '\x5a')).reason;
    }) << aThird;
    QTest::newRow("the window's save, room for a third") << Writer([](const QString &path) {
        const k510::WriteResult image = k510::writeImage(k510::samples::demoDatabase());
        return k510::ui::writeDatabaseFile(path, image.image);
    }) << aThird;
    // Small enough to stay in the write buffer until the final flush.
    QTest::newRow("small file") << Writer([](const QString &path) {
        return k510::files::writeFileSafely(path, "Name;Freq\r\n").reason;
    }) << qint64(0);
    QTest::newRow("k510.ini") << Writer([](const QString &path) {
        QString problem;
        return SettingsFile(path).store({3, 6}, &problem) ? QString() : problem;
    }) << qint64(0);
    QTest::newRow("k510-editor.ini") << Writer([](const QString &path) {
        QString problem;
        EditorSettings settings(path);
        settings.setProblemHandler([&](const QString &text) { problem = text; });
        settings.addRecentFile(QStringLiteral("/home/user/новая.k5d"));
        return problem;
    }) << qint64(0);
    const QString demo = m_scratch.filePath(QStringLiteral("demo.k5d"));
    const k510::WriteResult image = k510::writeImage(k510::samples::demoDatabase());
    QVERIFY(writeBytes(demo, QByteArray(reinterpret_cast<const char *>(image.image.data()), qsizetype(image.image.size()))));
    const auto tool = [](const QStringList &arguments) {
        QProcess tool;
        tool.start(QStringLiteral(K510_TOOL_PATH), arguments);
        if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
            return QStringLiteral("k510-tool did not end normally");
        return tool.exitCode() == 0 ? QString() : QString::fromUtf8(tool.readAllStandardError());
    };
    QTest::newRow("k510-tool csv --output") << Writer([demo, tool](const QString &path) {
        return tool({QStringLiteral("csv"), demo, QStringLiteral("--output"), path});
    }) << qint64(0);
    QTest::newRow("k510-tool normalize, room for a third") << Writer([demo, tool](const QString &path) {
        return tool({QStringLiteral("normalize"), demo, path});
    }) << aThird;
}

// The old content stays, no temporary file is left, and the failure names
// the system's reason.
void SettingsFileTest::fullDiskKeepsTheOldFile()
{
    QFETCH(Writer, write);
    QFETCH(qint64, room);
    FullDisk disk(room);
    const QByteArray old("[Comm]\nPort=1\nSpeed=1\n[Files]\nrecent1=/old.k5d\n");
    disk.place(QStringLiteral("target"), old);
    QString failure;
    disk.run([&] { failure = write(disk.path(QStringLiteral("target"))); });
    QVERIFY2(!failure.isEmpty(), "the write was reported as done");
    QVERIFY2(failure.contains(disk.failureReason()), qPrintable(failure));
    QCOMPARE(readBytes(disk.path(QStringLiteral("target"))), old);
    QCOMPARE(disk.files(), QStringList{QStringLiteral("target")});
}

void SettingsFileTest::settingsFilesThatAreNoPlainFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("usable");
    QTest::newRow("FIFO") << "fifo" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("link to a device") << "device link" << false;
    QTest::newRow("far too large") << "huge" << false;
    QTest::newRow("link to a plain file") << "file link" << true;
}

// Neither settings file blocks, swallows memory, or replaces what is not a
// plain file; a link to a plain file is written through and stays a link.
void SettingsFileTest::settingsFilesThatAreNoPlainFiles()
{
    QFETCH(QString, kind);
    QFETCH(bool, usable);
    QTemporaryDir dir;
    for (const QString &name : {QStringLiteral("k510.ini"), QStringLiteral("k510-editor.ini")}) {
        const QString path = dir.filePath(name);
        const QString target = dir.filePath(name + QStringLiteral(".target"));
        const QByteArray encoded = QFile::encodeName(path);
        if (kind == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(encoded.constData(), 0600) == 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("device link")) {
            // A copy of the null device, made here: never the system's own.
            if (::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                QSKIP("this machine does not let the test make a device node");
            QVERIFY(QFile::link(target, path));
        } else if (kind == QLatin1String("huge")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(10) << 30));
        } else {
            QVERIFY(writeBytes(target, "[Comm]\nPort=1\nSpeed=1\n"));
            QVERIFY(QFile::link(target, path));
        }
        const QFileInfo before(path);

        QString loadProblem, storeProblem, editorProblems;
        if (name == QLatin1String("k510.ini")) {
            const SettingsPositions loaded = SettingsFile(path).load(&loadProblem);
            QCOMPARE(loaded.port, usable ? 1 : 0);
            QCOMPARE(SettingsFile(path).store({2, 3}, &storeProblem), usable);
        } else {
            EditorSettings settings(path);
            settings.setProblemHandler([&](const QString &text) { editorProblems += text; });
            settings.addRecentFile(QStringLiteral("/x/db.k5d"));
            QCOMPARE(settings.recentFiles(), QStringList{QStringLiteral("/x/db.k5d")});   // for this run at least
        }
        QCOMPARE(loadProblem.isEmpty() && storeProblem.isEmpty() && editorProblems.isEmpty(), usable);
        const QString problem = loadProblem + storeProblem + editorProblems;
        QVERIFY2(usable || problem.contains(QDir::toNativeSeparators(path)), qPrintable(problem));

        const QFileInfo after(path);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isFile(), before.isFile());
        QCOMPARE(after.size(), before.size());
        if (usable)
            QVERIFY(readBytes(target).contains(name == QLatin1String("k510.ini") ? "Port=2" : "recent1=/x/db.k5d"));
    }
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
