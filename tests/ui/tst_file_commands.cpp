// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/commands/CsvExportFile.h"
#include "ui/commands/SaveFlow.h"
#include "model/CsvExport.h"
#include "model/ImageCheck.h"
#include "ui/commands/EditHistory.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <QUndoStack>

using k510::ui::ReportList;

namespace {

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
    void receivedImageNamesNoFile();
    void saveReproducesImage();
    void defaultSuffix_data();
    void defaultSuffix();
    void saveAsksOnlyBeforeReplacing();
    void failedSaveKeepsExistingFile();
    void exitWritesTheSettingsAndCloses();
    void damagedNumberingIsOfferedForRepair_data();
    void damagedNumberingIsOfferedForRepair();
    void csvSeparatorChosenInTheDialog_data();
    void csvSeparatorChosenInTheDialog();
    void otherCommandsShowRefusedFilesAsOpenDoes_data();
    void otherCommandsShowRefusedFilesAsOpenDoes();
};

void FileCommandsTest::openSetsTitleAfterLoading()
{
    EditorDriver editor;
    const QString path = editor.writeImageFile(k510::samples::demoDatabase());
    editor.openThroughMenu(path);
    QCOMPARE(editor.title(), windowTitleFor(path));
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
    QCOMPARE(editor.title(), windowTitleFor(path));
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
}

void FileCommandsTest::refusedOpenChangesNothing_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("createFile");
    QTest::addColumn<QString>("message");

    const QString wrongSize = QStringLiteral("Загрузка файла: Ошибка, файл имеет не тот размер!");
    QTest::newRow("1000 bytes") << QByteArray(1000, '\0') << true << wrongSize;
    QTest::newRow("one byte short") << QByteArray(294911, '\xff') << true << wrongSize;
    QTest::newRow("one byte long") << QByteArray(294913, '\xff') << true << wrongSize;
    QByteArray zeroTransponder(294912, '\xff');
    zeroTransponder.replace(0, 8, QByteArray("\x01\x00\x01\x00\x01\x00AA", 8));
    QTest::newRow("refused content") << zeroTransponder << true << QString();
    QTest::newRow("missing file") << QByteArray() << false << QStringLiteral("не удалось открыть файл");
    // Neither may block the window: a FIFO waits in open(2) for a writer.
    const QString noFile = QStringLiteral("не файл, а папка, канал или устройство");
    QTest::newRow("FIFO") << QByteArray("fifo") << false << noFile;
    QTest::newRow("folder") << QByteArray("folder") << false << noFile;
}

void FileCommandsTest::refusedOpenChangesNothing()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, createFile);
    QFETCH(QString, message);

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
    else if (content == "fifo")
        QVERIFY(::mkfifo(QFile::encodeName(bad).constData(), 0600) == 0);
    else if (content == "folder")
        QVERIFY(QDir().mkpath(bad));
    // Through the open dialog, then as named on the command line.
    editor.openThroughMenu(bad);
    QVERIFY(!editor.window().openFile(bad));

    // A file of the user's, not a failure of the editor's: no "Ошибка в приложении".
    QCOMPARE(editor.dialogs().errors, QStringList());
    const QStringList &shown = editor.dialogs().messages;
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[1], shown[0]);
    if (!message.isEmpty())
        QVERIFY2(shown[0].contains(message), qPrintable(shown[0]));
    QCOMPARE(editor.title(), windowTitleFor(good));
    QCOMPARE(editor.window().database().channels.size(), size_t(58));
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), tvRows);
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
    QCOMPARE(editor.combo("cbTvSelectSat")->currentIndex(), 3);
    QCOMPARE(editor.statusPanel(1), status);
}

void FileCommandsTest::receivedImageNamesNoFile()
{
    EditorDriver editor;
    const QString opened = editor.writeImageFile(k510::samples::demoDatabase());
    editor.openThroughMenu(opened);
    const std::vector<std::uint8_t> image = imageOf(k510::samples::demoDatabase());
    QVERIFY(editor.window().loadReceivedImage(image));
    QCOMPARE(editor.title(), windowTitleFor() + QLatin1Char('*'));
    QCOMPARE(editor.list("lvSatView")->rowCount(), 6);
    // A refused image changes nothing, the title included.
    editor.dialogs().threeWayAnswers = {UserDialogs::Answer::No};   // the received database is not kept
    editor.openThroughMenu(opened);
    QVERIFY(!editor.window().loadReceivedImage(std::span(image).first(100)));
    QCOMPARE(editor.title(), windowTitleFor(opened));
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
    QCOMPARE(editor.title(), windowTitleFor(copy));
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

void FileCommandsTest::saveAsksOnlyBeforeReplacing()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    const QString fresh = editor.path(QStringLiteral("fresh.k5d"));

    // A new name is simply written: no desktop program asks before creating.
    editor.dialogs().answers = {false};
    editor.saveThroughMenu(fresh);
    QCOMPARE(editor.dialogs().questions, QStringList());
    QCOMPARE(fileBytes(fresh).size(), 294912);
    editor.dialogs().answers.clear();

    const QString existing = editor.path(QStringLiteral("existing.k5d"));
    writeBytes(existing, "keep me");
    editor.dialogs().answers = {false};
    editor.saveThroughMenu(existing);
    QVERIFY(editor.dialogs().questions.last().contains(QStringLiteral("уже существует")));
    // Replacing cannot be undone, so Enter keeps the file.
    QCOMPARE(editor.dialogs().questionDefaults.last(), UserDialogs::DefaultAnswer::No);
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

    // The image cannot be built: an order list longer than the image holds.
    k510::ChannelDatabase broken = k510::samples::demoDatabase();
    broken.tvOrder.resize(6001, 1);
    editor.dialogs().saveNames = {existing};
    editor.dialogs().answers = {true};   // replace it
    QVERIFY(k510::ui::saveDatabaseAs(broken, editor.dialogs(), nullptr).isEmpty());
    QCOMPARE(editor.dialogs().errors.size(), 1);
    QCOMPARE(editor.dialogs().errors[0],
             QStringLiteral("Ошибка записи образа: в списке порядка каналов больше 6000 записей!"));
    QCOMPARE(fileBytes(existing), QByteArray("keep me"));

    // The file cannot be written: its folder does not exist, nor any old file there.
    editor.saveThroughMenu(editor.path(QStringLiteral("missing/db.k5d")));
    QCOMPARE(editor.dialogs().errors.size(), 1);
    QCOMPARE(editor.dialogs().messages.size(), 1);
    const QString &failure = editor.dialogs().messages[0];
    QVERIFY2(failure.startsWith(QStringLiteral("Сохранение файла: Ошибка")) && !failure.contains(QStringLiteral("Прежний")),
             qPrintable(failure));
    QVERIFY(!QFile::exists(editor.path(QStringLiteral("missing/db.k5d"))));
}

void FileCommandsTest::exitWritesTheSettingsAndCloses()
{
    EditorDriver editor;
    QSignalSpy closing(&editor.window(), &TfrmMain::closing);
    const QString settings = editor.path(QStringLiteral("k510.ini"));
    QVERIFY(!QFile::exists(settings));
    QAction *exit = editor.window().findChild<QAction *>(QStringLiteral("N6"));
    QCOMPARE(exit->text(), QStringLiteral("В&ыход"));
    exit->trigger();
    QVERIFY(!editor.window().isVisible());
    QCOMPARE(closing.count(), 1);
    // Without a settings file the link ran on COM1 at 115200; closing keeps that.
    QSettings file(settings, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Comm/Port")).toInt(), 0);
    QCOMPARE(file.value(QStringLiteral("Comm/Speed")).toInt(), 0);
    QVERIFY(file.contains(QStringLiteral("Comm/Port")));
}

void FileCommandsTest::damagedNumberingIsOfferedForRepair_data()
{
    QTest::addColumn<int>("zeroEntries");   // TV order entries set to 0
    QTest::addColumn<bool>("received");
    QTest::addColumn<bool>("yes");
    QTest::newRow("sound, opened") << 0 << false << true;
    QTest::newRow("entry 0, opened, Да") << 1 << false << true;
    QTest::newRow("entry 0, opened, Нет") << 1 << false << false;
    QTest::newRow("twelve entries 0, received, Да") << 12 << true << true;
}

void FileCommandsTest::damagedNumberingIsOfferedForRepair()
{
    QFETCH(int, zeroEntries);
    QFETCH(bool, received);
    QFETCH(bool, yes);
    const k510::ChannelDatabase demo = k510::samples::demoDatabase();
    k510::ChannelDatabase damaged = demo;
    std::fill_n(damaged.tvOrder.begin(), zeroEntries, 0);
    const std::vector<std::uint8_t> image = imageOf(damaged);
    EditorDriver editor;
    editor.dialogs().answers = {yes};
    if (received) {
        QVERIFY(editor.window().loadReceivedImage(image));
        QTRY_COMPARE(editor.dialogs().questions.size(), 1);   // asked once the transfer has ended
    } else {
        editor.openThroughMenu(editor.writeImageFile(damaged));
    }

    const k510::ChannelDatabase &db = editor.window().database();
    if (zeroEntries == 0) {
        QVERIFY(editor.dialogs().questions.isEmpty());
        QCOMPARE(editor.window().history().stack().count(), 0);
        return;
    }
    // One line for each entry out of range.
    const std::vector<std::string> problems = k510::checkImage(image).problems;
    QCOMPARE(int(problems.size()), zeroEntries);
    QStringList question{QStringLiteral("Нумерация каналов в базе нарушена:")};
    for (std::size_t k = 0; k < std::min<std::size_t>(problems.size(), 10); ++k)
        question << QString::fromStdString(problems[k]);
    if (problems.size() > 10)
        question << QStringLiteral("... и ещё %1").arg(problems.size() - 10);
    question << QString() << QStringLiteral("Исправить нумерацию?");
    QCOMPARE(editor.dialogs().questions, QStringList{question.join('\n')});
    if (!yes) {
        QCOMPARE(db.tvOrder, damaged.tvOrder);
        QCOMPARE(editor.window().history().stack().count(), 0);
        return;
    }
    QVERIFY(k510::numberingProblems(db).empty());
    editor.clickTab(TfrmMain::PageTv);
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1).size(), int(db.tvOrder.size()));
    QVERIFY(!EditorDriver::column(editor.list("lvTvCh"), 1).contains(QString()));
    QVERIFY(editor.title().endsWith(QLatin1Char('*')));
    QUndoStack &steps = editor.window().history().stack();
    QCOMPARE(steps.count(), 1);
    QCOMPARE(steps.undoText(), QStringLiteral("Исправление нумерации"));
    steps.undo();
    QCOMPARE(db.tvOrder, damaged.tvOrder);
}

// "Экспорт в CSV..." offers both separators; the entry of the regional
// settings' separator comes selected, and the entry chosen decides.
void FileCommandsTest::csvSeparatorChosenInTheDialog_data()
{
    const QString semicolon = QStringLiteral("CSV, разделитель «;» (*.csv)");
    const QString comma = QStringLiteral("CSV, разделитель «,» (*.csv)");
    const QString allFiles = QStringLiteral("Все файлы (*)");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("offered");   // selected when the dialog opens
    QTest::addColumn<QString>("chosen");    // empty: the entry offered
    QTest::addColumn<char>("separator");
    QTest::newRow("Russian, as offered") << "ru_RU" << semicolon << QString() << ';';
    QTest::newRow("Russian, comma chosen") << "ru_RU" << semicolon << comma << ',';
    QTest::newRow("Russian, all files") << "ru_RU" << semicolon << allFiles << ';';
    QTest::newRow("English, as offered") << "en_US" << comma << QString() << ',';
    QTest::newRow("English, semicolon chosen") << "en_US" << comma << semicolon << ';';
    QTest::newRow("English, all files") << "en_US" << comma << allFiles << ',';
}

void FileCommandsTest::csvSeparatorChosenInTheDialog()
{
    QFETCH(QString, locale);
    QFETCH(QString, offered);
    QFETCH(QString, chosen);
    QFETCH(char, separator);
    const k510::ChannelDatabase db = k510::samples::demoDatabase();
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    dialogs.saveNames = {dir.filePath(QStringLiteral("list"))};
    if (!chosen.isEmpty())
        dialogs.saveFilters = {chosen};

    const QString written = k510::ui::exportCsvFile(
                                [&](char chosen) { return k510::channelListCsv(db, k510::ChannelKind::Tv, chosen); }, dialogs, nullptr,
                                {}, std::nullopt, QLocale(locale))
                                .path;
    QCOMPARE(written, dir.filePath(QStringLiteral("list.csv")));
    QCOMPARE(dialogs.saveOptions.size(), size_t(1));
    QCOMPARE(dialogs.saveOptions[0].filter, QStringLiteral("CSV, разделитель «;» (*.csv);;"
                                                           "CSV, разделитель «,» (*.csv);;Все файлы (*)"));
    QCOMPARE(dialogs.saveOptions[0].selectedFilter, offered);
    const std::string expected = k510::channelListCsv(db, k510::ChannelKind::Tv, separator);
    QCOMPARE(fileBytes(written), QByteArray(expected.data(), qsizetype(expected.size())));
    QVERIFY(fileBytes(written).contains(QByteArray("1") + separator));
}

// The import, satellites.xml and order-by-example commands show a file they
// cannot use in the box "Открыть" shows one in, never as a failure of the
// editor's; a size limit names the limit.
void FileCommandsTest::otherCommandsShowRefusedFilesAsOpenDoes_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("content");   // "missing", "folder", "huge" (16 MiB and a byte) or the bytes
    QTest::addColumn<QString>("message");      // a part of it; the path comes first
    const QString cannotOpen = QStringLiteral("не удалось открыть файл");
    QTest::newRow("import, missing") << "mmEditImport" << QByteArray("missing") << cannotOpen;
    QTest::newRow("import, wrong size") << "mmEditImport" << QByteArray(1000, '\0')
                                        << QStringLiteral("файл имеет не тот размер!");
    QTest::newRow("satellites.xml, huge") << "mmEditSatellitesXml" << QByteArray("huge")
                                          << QStringLiteral("» — не список satellites.xml: файл больше 16 МБ.");
    QTest::newRow("satellites.xml, folder") << "mmEditSatellitesXml" << QByteArray("folder")
                                            << QStringLiteral("не файл, а папка, канал или устройство");
    QTest::newRow("satellites.xml, no XML") << "mmEditSatellitesXml" << QByteArray("no list at all") << QStringLiteral("»: ");
    QTest::newRow("order, huge") << "mmEditOrderByExample" << QByteArray("huge")
                                 << QStringLiteral("» — не база каналов и не список каналов CSV: файл больше 16 МБ.");
    QTest::newRow("order, missing") << "mmEditOrderByExample" << QByteArray("missing") << cannotOpen;
}

void FileCommandsTest::otherCommandsShowRefusedFilesAsOpenDoes()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, content);
    EditorDriver editor;
    const k510::ChannelDatabase demo = k510::samples::demoDatabase();
    editor.open(demo);
    const QString refused = editor.path(QStringLiteral("refused.file"));
    if (content == "folder") {
        QVERIFY(QDir().mkpath(refused));
    } else if (content == "huge") {
        QFile file(refused);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(16 * 1024 * 1024 + 1));
    } else if (content != "missing") {
        writeBytes(refused, content);
    }
    editor.dialogs().openNames << refused;
    editor.window().findChild<QAction *>(action)->trigger();

    QCOMPARE(editor.dialogs().errors, QStringList());
    QCOMPARE(editor.dialogs().messages.size(), 1);
    const QString &shown = editor.dialogs().messages[0];
    QFETCH(QString, message);
    QVERIFY2(shown.contains(QDir::toNativeSeparators(refused)) && shown.contains(message), qPrintable(shown));
    QCOMPARE(editor.dialogs().shownDialogs, QStringList());
    QVERIFY(editor.window().database() == demo);
}

QTEST_MAIN(FileCommandsTest)
#include "tst_file_commands.moc"
