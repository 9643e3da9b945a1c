#include "EditorDriver.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/commands/FileCommands.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using k510::ui::ReportList;

namespace {

const QString kTitle = QStringLiteral("Редактор Каналов Tessora K-510/560/565 v2.00");

QString titleFor(const QString &path)
{
    return kTitle + QStringLiteral(" | ") + QDir::toNativeSeparators(path);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// "Открыть", "Сохранить как..." and "Выход": all-or-nothing opening, saves
// that never damage a file, the dialogs' options and the title.
class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void openSetsTitleAfterLoading();
    void cancelledOpenChangesNothing();
    void refusedOpenChangesNothing_data();
    void refusedOpenChangesNothing();
    void receivedImageLeavesTitle();
    void saveReproducesImage();
    void defaultSuffix_data();
    void defaultSuffix();
    void saveAsksBeforeReplacingOrCreating();
    void failedSaveKeepsExistingFile();
    void exitWritesTheSettingsAndCloses();
};

void FileCommandsTest::openSetsTitleAfterLoading()
{
    EditorDriver editor;
    const QString path = editor.writeImageFile(k510::samples::demoDatabase());
    editor.openThroughMenu(path);
    QCOMPARE(editor.title(), titleFor(path));
    QCOMPARE(editor.dialogs().openOptions.size(), size_t(1));
    QCOMPARE(editor.dialogs().openOptions[0].filter, QStringLiteral("Файлы Tessora (*.k5d);;Все файлы (*)"));
    QCOMPARE(editor.dialogs().openOptions[0].defaultSuffix, QStringLiteral("k5d"));
    QCOMPARE(editor.window().database().satellites.size(), size_t(6));
    QVERIFY(editor.dialogs().messages.isEmpty() && editor.dialogs().errors.isEmpty());
}

void FileCommandsTest::cancelledOpenChangesNothing()
{
    EditorDriver editor;
    const QString path = editor.writeImageFile(k510::samples::demoDatabase());
    editor.openThroughMenu(path);
    editor.openThroughMenu(QString());
    QCOMPARE(editor.title(), titleFor(path));
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
}

void FileCommandsTest::refusedOpenChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("createFile");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("isError");

    const QString wrongSize = QStringLiteral("Загрузка файла: Ошибка, файл имеет не тот размер!");
    QTest::newRow("1000 bytes") << QByteArray(1000, '\0') << true << wrongSize << false;
    QTest::newRow("one byte short") << QByteArray(294911, '\xff') << true << wrongSize << false;
    QTest::newRow("one byte long") << QByteArray(294913, '\xff') << true << wrongSize << false;
    QByteArray zeroTransponder(294912, '\xff');
    zeroTransponder.replace(0, 8, QByteArray("\x01\x00\x01\x00\x01\x00AA", 8));
    QTest::newRow("refused content") << zeroTransponder << true << QString() << false;
    QTest::newRow("missing file") << QByteArray() << false << QStringLiteral("не удалось открыть файл") << true;
}

void FileCommandsTest::refusedOpenChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, createFile);
    QFETCH(QString, message);
    QFETCH(bool, isError);

    EditorDriver editor;
    const QString good = editor.writeImageFile(k510::samples::demoDatabase());
    editor.openThroughMenu(good);
    editor.clickTab(2);
    editor.choose(editor.combo("cbTvSelectSat"), 3);
    const QStringList tvRows = EditorDriver::column(editor.list("lvTvCh"), 1);
    const QString status = editor.statusPanel(1);

    const QString bad = editor.path(QStringLiteral("bad.k5d"));
    if (createFile)
        writeBytes(bad, content);
    editor.openThroughMenu(bad);

    const QStringList &shown = isError ? editor.dialogs().errors : editor.dialogs().messages;
    QCOMPARE(shown.size(), 1);
    if (!message.isEmpty())
        QVERIFY2(shown[0].contains(message), qPrintable(shown[0]));
    QCOMPARE(editor.title(), titleFor(good));
    QCOMPARE(editor.window().database().channels.size(), size_t(58));
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), tvRows);
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
    QCOMPARE(editor.combo("cbTvSelectSat")->currentIndex(), 3);
    QCOMPARE(editor.statusPanel(1), status);
}

void FileCommandsTest::receivedImageLeavesTitle()
{
    EditorDriver editor;
    const std::vector<std::uint8_t> image = imageOf(k510::samples::demoDatabase());
    QVERIFY(editor.window().loadImage(image));
    QCOMPARE(editor.title(), kTitle);
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
    QVERIFY(!editor.window().loadImage(std::span(image).first(100)));
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
}

void FileCommandsTest::saveReproducesImage()
{
    EditorDriver editor;
    const QString opened = editor.writeImageFile(k510::samples::demoDatabase());
    editor.openThroughMenu(opened);
    // Views are views: sorting the satellite list does not reach the file.
    editor.clickColumnTitle(editor.list("lvSatView"), 1);

    const QString copy = editor.path(QStringLiteral("copy.k5d"));
    editor.saveThroughMenu(copy);
    QCOMPARE(editor.dialogs().errors, QStringList());
    QCOMPARE(fileBytes(copy), fileBytes(opened));
    QCOMPARE(editor.title(), titleFor(opened));
    QCOMPARE(editor.dialogs().saveOptions.at(0).defaultSuffix, QStringLiteral("k5d"));
    QCOMPARE(editor.dialogs().saveOptions.at(0).filter, QStringLiteral("Файлы Tessora (*.k5d);;Все файлы (*)"));
}

void FileCommandsTest::defaultSuffix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");

    QTest::newRow("bare name") << "list" << "list.k5d";
    QTest::newRow("own extension") << "list.bin" << "list.bin";
    QTest::newRow("already k5d") << "list.k5d" << "list.k5d";
    QTest::newRow("dotted folder") << "dir.d/list" << "dir.d/list.k5d";
}

void FileCommandsTest::defaultSuffix()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);

    EditorDriver editor;
    QVERIFY(QDir(editor.path(QString())).mkpath(QStringLiteral("dir.d")));
    editor.saveThroughMenu(editor.path(typed));
    QVERIFY(QFile::exists(editor.path(saved)));
    QCOMPARE(QFile(editor.path(saved)).size(), qint64(294912));
}

void FileCommandsTest::saveAsksBeforeReplacingOrCreating()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    const QString fresh = editor.path(QStringLiteral("fresh.k5d"));

    editor.dialogs().answers = {false};
    editor.saveThroughMenu(fresh);
    QVERIFY(editor.dialogs().questions.last().contains(QStringLiteral("не существует")));
    QVERIFY(!QFile::exists(fresh));

    const QString existing = editor.path(QStringLiteral("existing.k5d"));
    writeBytes(existing, "keep me");
    editor.dialogs().answers = {false};
    editor.saveThroughMenu(existing);
    QVERIFY(editor.dialogs().questions.last().contains(QStringLiteral("уже существует")));
    QCOMPARE(fileBytes(existing), QByteArray("keep me"));

    editor.dialogs().answers = {true};
    editor.saveThroughMenu(existing);
    QCOMPARE(fileBytes(existing).size(), 294912);
}

void FileCommandsTest::failedSaveKeepsExistingFile()
{
    EditorDriver editor;
    const QString existing = editor.path(QStringLiteral("existing.k5d"));
    writeBytes(existing, "keep me");

    // The image cannot be built: a satellite number that is no number.
    k510::ChannelDatabase broken = k510::samples::demoDatabase();
    broken.satellites[0].rowTexts.number = std::string("x");
    editor.dialogs().saveNames = {existing};
    QVERIFY(k510::ui::saveDatabaseAs(broken, editor.dialogs(), nullptr).isEmpty());
    QCOMPARE(editor.dialogs().errors.size(), 1);
    QCOMPARE(editor.dialogs().errors[0], QStringLiteral("'x' is not a valid integer value"));
    QCOMPARE(fileBytes(existing), QByteArray("keep me"));

    // The file cannot be written: its folder does not exist.
    editor.saveThroughMenu(editor.path(QStringLiteral("missing/db.k5d")));
    QCOMPARE(editor.dialogs().errors.size(), 2);
    QVERIFY(editor.dialogs().errors[1].startsWith(QStringLiteral("Сохранение файла: Ошибка")));
    QVERIFY(!QFile::exists(editor.path(QStringLiteral("missing/db.k5d"))));
}

void FileCommandsTest::exitWritesTheSettingsAndCloses()
{
    EditorDriver editor;
    QSignalSpy closing(&editor.window(), &TfrmMain::closing);
    const QString settings = editor.path(QStringLiteral("k510.ini"));
    QVERIFY(!QFile::exists(settings));
    QAction *exit = editor.window().findChild<QAction *>(QStringLiteral("N6"));
    QCOMPARE(exit->text(), QStringLiteral("Выход"));
    exit->trigger();
    QVERIFY(!editor.window().isVisible());
    QCOMPARE(closing.count(), 1);
    // Without a settings file the link ran on COM1 at 115200; closing keeps that.
    QSettings file(settings, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Comm/Port")).toInt(), 0);
    QCOMPARE(file.value(QStringLiteral("Comm/Speed")).toInt(), 0);
    QVERIFY(file.contains(QStringLiteral("Comm/Port")));
}

QTEST_MAIN(FileCommandsTest)
#include "tst_file_commands.moc"
