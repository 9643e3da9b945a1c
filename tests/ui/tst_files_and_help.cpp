// SPDX-License-Identifier: GPL-3.0-or-later
// What users of a desktop editor expect around their files: recent files,
// dialogs starting where they were, files dropped onto the window, the CSV
// export, the window coming back as it was, and the help box.

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <system_error>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "tests/storage/FullDisk.h"
#include "ui/transfer/TdlgOptions.h"
#include "ui/transfer/TransferController.h"
#include "model/CsvExport.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/commands/CsvExportFile.h"
#include "ui/dialogs/KeysHelpWindow.h"

using Answer = UserDialogs::Answer;

namespace {

QStringList recentMenu(EditorDriver &editor)
{
    auto *menu = editor.window().findChild<QMenu *>(QStringLiteral("mmFileRecent"));
    emit menu->aboutToShow();
    QStringList items;
    for (const QAction *item : menu->actions())
        items << item->text().section(QLatin1Char(' '), 1);
    return items;
}

void dropFile(QWidget &window, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
}

// The letters Qt underlines in a menu text: each "&" before a character
// other than "&" ("&&" shows one "&").
QList<QChar> underlinedLetters(const QString &text)
{
    QList<QChar> letters;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            letters.append(text[i + 1].toLower());
        ++i;
    }
    return letters;
}

// The file under another name: its own, or a symbolic or a hard link to it
// beside it; empty when the system makes no link of that kind here.
QString anotherNameOf(const QString &file, const QString &link)
{
    if (link.isEmpty())
        return file;
    const QString name = QFileInfo(file).absolutePath() + QStringLiteral("/other-name.") + QFileInfo(file).suffix();
    std::error_code error;
    if (link == QLatin1String("symbolic"))
        std::filesystem::create_symlink(QFileInfo(file).filesystemFilePath(), QFileInfo(name).filesystemFilePath(), error);
    else
        std::filesystem::create_hard_link(QFileInfo(file).filesystemFilePath(), QFileInfo(name).filesystemFilePath(),
                                          error);
    return error ? QString() : name;
}

const QString kCsvSemicolon = QStringLiteral("CSV, разделитель «;» (*.csv)");
const QString kCsvComma = QStringLiteral("CSV, разделитель «,» (*.csv)");

} // namespace

class FilesAndHelpTest : public QObject {
    Q_OBJECT

private slots:
    void recentFilesNewestFirstAtMostEight();
    void missingRecentFileIsReportedAndRemoved();
    void dialogsStartInTheLastFolder();
    void droppedFileOpens_data();
    void droppedFileOpens();
    void csvExport_data();
    void csvExport();
    void csvSeparatorFollowsTheLocale_data();
    void csvSeparatorFollowsTheLocale();
    void windowComesBackAsItWas();
    void csvExportOnAFullDisk();
    void unusableSettingsFileIsSaidOnce_data();
    void unusableSettingsFileIsSaidOnce();
    void statusBarNotesTheFileShown();
    void aboutBox();
    void windowKeys_data();
    void windowKeys();
    void everyMenuItemHasItsOwnUnderlinedLetter();
    void keysHelpClosesWithEscAndEnter_data();
    void keysHelpClosesWithEscAndEnter();
    void keysHelpOpensBesideTheWindow_data();
    void keysHelpOpensBesideTheWindow();
    void quitKeyAsksAboutUnsavedChanges();
    void commandLineUsageAndVersion_data();
    void commandLineUsageAndVersion();
    void transponderPageExportsItsTransponders_data();
    void transponderPageExportsItsTransponders();
    void csvSeparatorIsRemembered();
    void panelZeroShowsWholeNames_data();
    void panelZeroShowsWholeNames();
    void exportOntoTheOpenDatabaseIsRefused_data();
    void exportOntoTheOpenDatabaseIsRefused();
};

void FilesAndHelpTest::recentFilesNewestFirstAtMostEight()
{
    EditorDriver editor;
    QStringList paths;
    for (int i = 1; i <= 10; ++i)
        paths << editor.writeImageFile(editingDatabase(), QStringLiteral("db%1.k5d").arg(i));
    for (const QString &path : paths)
        editor.openThroughMenu(path);
    editor.openThroughMenu(paths[3]);   // again: moves to the top, not twice
    editor.saveThroughMenu(editor.path(QStringLiteral("saved")));

    QStringList expected{editor.path(QStringLiteral("saved.k5d")), paths[3]};
    for (int i = 9; expected.size() < 8; --i)
        if (i != 3)
            expected << paths[i];
    QCOMPARE(recentMenu(editor), expected);

    // Opening one from the menu opens it as "Открыть" would.
    editor.window().findChild<QMenu *>(QStringLiteral("mmFileRecent"))->actions().at(1)->trigger();
    QVERIFY(editor.title().endsWith(QStringLiteral("db4.k5d")));

    // A long path keeps its start and its file name with the middle elided;
    // the tooltip holds it whole, and the item still opens it.
    const QString folders = QStringLiteral("Спутниковые базы каналов за много лет/").repeated(4);
    QVERIFY(QDir().mkpath(editor.path(folders)));
    const QString longPath = editor.writeImageFile(editingDatabase(), folders + QStringLiteral("длинная.k5d"));
    editor.openThroughMenu(longPath);
    editor.openThroughMenu(paths[0]);
    auto *menu = editor.window().findChild<QMenu *>(QStringLiteral("mmFileRecent"));
    emit menu->aboutToShow();
    const QAction *item = menu->actions().at(1);
    const QString shown = item->text().section(QLatin1Char(' '), 1);
    QCOMPARE(item->toolTip(), QDir::toNativeSeparators(longPath));
    QVERIFY2(shown.size() < longPath.size() && shown.contains(QChar(0x2026)), qPrintable(shown));
    QVERIFY(shown.startsWith(longPath.left(5)));
    QVERIFY(shown.endsWith(QStringLiteral("длинная.k5d")));
    QVERIFY(menu->toolTipsVisible());
    menu->actions().at(1)->trigger();
    QVERIFY(editor.title().endsWith(QStringLiteral("длинная.k5d")));
}

void FilesAndHelpTest::missingRecentFileIsReportedAndRemoved()
{
    EditorDriver editor;
    const QString path = editor.writeImageFile(editingDatabase(), QStringLiteral("gone.k5d"));
    editor.openThroughMenu(path);
    QVERIFY(QFile::remove(path));
    editor.window().openRecentFile(path);
    QCOMPARE(editor.dialogs().messages.size(), 1);
    QVERIFY(editor.dialogs().messages.constFirst().contains(QStringLiteral("gone.k5d")));
    QCOMPARE(recentMenu(editor), QStringList());
}

void FilesAndHelpTest::dialogsStartInTheLastFolder()
{
    EditorDriver editor;
    QVERIFY(QDir().mkpath(editor.path(QStringLiteral("inner"))));
    const QString path = editor.writeImageFile(editingDatabase(), QStringLiteral("inner/db.k5d"));
    editor.openThroughMenu(path);
    editor.saveThroughMenu(QString());   // cancelled
    editor.openThroughMenu(QString());   // cancelled
    QCOMPARE(editor.dialogs().saveOptions.back().directory, editor.path(QStringLiteral("inner")));
    QCOMPARE(editor.dialogs().openOptions.back().directory, editor.path(QStringLiteral("inner")));
}

void FilesAndHelpTest::droppedFileOpens_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opens");
    QTest::newRow("no changes: no question") << false << Answer::Cancel << true;
    QTest::newRow("changes, Нет") << true << Answer::No << true;
    QTest::newRow("changes, Отмена") << true << Answer::Cancel << false;
}

void FilesAndHelpTest::droppedFileOpens()
{
    QFETCH(bool, edited);
    QFETCH(Answer, answer);
    EditorDriver editor;
    editor.open(editingDatabase());
    if (edited)
        renameFirstTvChannel(editor);
    const QString dropped = editor.writeImageFile(k510::samples::demoDatabase(), QStringLiteral("dropped.k5d"));
    editor.dialogs().threeWayAnswers = {answer};
    dropFile(editor.window(), dropped);
    QCOMPARE(editor.dialogs().questions.size(), edited ? 1 : 0);
    QTEST(editor.title().contains(QStringLiteral("dropped.k5d")), "opens");
}

void FilesAndHelpTest::csvExport_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("radio");
    QTest::newRow("TV page") << int(TfrmMain::PageTv) << false;
    QTest::newRow("radio favourites page") << int(TfrmMain::PageFavRadio) << true;
}

void FilesAndHelpTest::csvExport()
{
    QFETCH(int, page);
    QFETCH(bool, radio);
    k510::samples::DatabaseBuilder b;
    const int sat = b.addSatellite({.name = "Astra, 19.2\"E"});
    const int tp = b.addTransponder(sat, 11494, 'H', 22000, 5);
    b.addTv(tp, {.name = "Say \"Hi\", all", .serviceId = 7, .scrambled = true});
    b.addRadio(tp, {.name = "Радио, FM", .serviceId = 9, .locked = true});
    const k510::ChannelDatabase db = b.build();
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(page);
    editor.dialogs().saveNames = {editor.path(QStringLiteral("list"))};
    editor.window().findChild<QAction *>(QStringLiteral("mmFileExportCsv"))->trigger();

    QCOMPARE(editor.statusPanel(0), QStringLiteral("Экспортировано: list.csv"));
    const QByteArray written = fileBytes(editor.path(QStringLiteral("list.csv")));
    // ctest runs this test with a Russian LC_NUMERIC: ";" then.
    const char separator = k510::ui::spreadsheetSeparator(QLocale::system());
    const std::string expected = k510::channelListCsv(db, k510::kindOf(radio), separator);
    QCOMPARE(written, QByteArray(expected.data(), qsizetype(expected.size())));
    QVERIFY(written.startsWith("\xEF\xBB\xBF"));
    const QList<QByteArray> lines = written.mid(3).split('\n');
    QCOMPARE(lines.size(), 3);   // header, one row, and nothing after the last CRLF
    const QByteArray row = separator == ';'
        ? (radio ? QByteArray("1;Радио, FM;\"Astra, 19.2\"\"E\";11494;H;22000;7/8;9;")
                 : QByteArray("1;\"Say \"\"Hi\"\", all\";\"Astra, 19.2\"\"E\";11494;H;22000;7/8;7;"))
        : (radio ? QByteArray("1,\"Радио, FM\",\"Astra, 19.2\"\"E\",11494,H,22000,7/8,9,")
                 : QByteArray("1,\"Say \"\"Hi\"\", all\",\"Astra, 19.2\"\"E\",11494,H,22000,7/8,7,"));
    QVERIFY2(lines[1].startsWith(row), lines[1].constData());
    QVERIFY(lines[1].endsWith(QByteArray(radio ? "нет" : "да") + separator + (radio ? "да\r" : "нет\r")));
}

// Spreadsheets split on ";" where a comma is the decimal point.
void FilesAndHelpTest::csvSeparatorFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<char>("separator");
    QTest::newRow("Russian") << "ru_RU" << ';';
    QTest::newRow("Ukrainian") << "uk_UA" << ';';
    QTest::newRow("German") << "de_DE" << ';';
    QTest::newRow("English, US") << "en_US" << ',';
    QTest::newRow("English, UK") << "en_GB" << ',';
    QTest::newRow("C") << "C" << ',';
}

void FilesAndHelpTest::csvSeparatorFollowsTheLocale()
{
    QFETCH(QString, locale);
    QTEST(k510::ui::spreadsheetSeparator(QLocale(locale)), "separator");
}

void FilesAndHelpTest::windowComesBackAsItWas()
{
    QRect geometry;
    {
        EditorDriver editor;
        editor.open(editingDatabase());
        editor.window().setGeometry(120, 90, 700, 450);
        editor.clickTab(TfrmMain::PageFavRadio);
        geometry = editor.window().geometry();
        QVERIFY(editor.window().close());
        // The next start: a new window reading the same settings.
        TfrmMain again(editor.dialogs());
        again.showLastPage();
        QCOMPARE(again.geometry().size(), geometry.size());
        QCOMPARE(again.findChild<QTabWidget *>(QStringLiteral("Pages"))->currentIndex(), int(TfrmMain::PageFavRadio));
    }
}

// The export says why it failed and leaves the CSV file that was there.
void FilesAndHelpTest::csvExportOnAFullDisk()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    FullDisk disk;
    disk.place(QStringLiteral("list.csv"), "old list\r\n");
    editor.dialogs().saveNames = {disk.path(QStringLiteral("list.csv"))};
    editor.dialogs().answers = {true};   // replace it
    disk.run([&] { editor.window().findChild<QAction *>(QStringLiteral("mmFileExportCsv"))->trigger(); });
    QCOMPARE(editor.dialogs().errors, QStringList());
    QCOMPARE(editor.dialogs().messages.size(), 1);
    QVERIFY2(editor.dialogs().messages[0].contains(disk.failureReason())
                 && editor.dialogs().messages[0].endsWith(QStringLiteral("Прежний файл не изменён.")),
             qPrintable(editor.dialogs().messages[0]));
    QCOMPARE(fileBytes(disk.path(QStringLiteral("list.csv"))), QByteArray("old list\r\n"));
    QCOMPARE(disk.files(), QStringList{QStringLiteral("list.csv")});
}

void FilesAndHelpTest::unusableSettingsFileIsSaidOnce_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("k510.ini") << QStringLiteral("k510.ini");
    QTest::newRow("k510-editor.ini") << QStringLiteral("k510-editor.ini");
}

// A settings file that is a folder is neither read nor replaced; the status
// bar says so once, not at every later write.
void FilesAndHelpTest::unusableSettingsFileIsSaidOnce()
{
    QFETCH(QString, file);
    QString blocked;
    EditorDriver editor([&](const QString &config) {
        blocked = config + QLatin1Char('/') + file;
        QDir().mkpath(blocked);
    });
    QStatusBar *bar = editor.window().statusBar();
    QVERIFY2(bar->currentMessage().contains(QDir::toNativeSeparators(blocked)), qPrintable(bar->currentMessage()));
    bar->clearMessage();
    editor.open(editingDatabase());                            // remembers the file
    editor.window().transfers().optionsDialog().OKBtnClick();  // stores the port
    QCOMPARE(bar->currentMessage(), QString());
    QVERIFY(QFileInfo(blocked).isDir());
}

// Panel 0 names the file last written, as long as that database is shown;
// panels 1 to 4 keep their counts whatever a command says.
void FilesAndHelpTest::statusBarNotesTheFileShown()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    auto *panel0 = editor.window().findChild<QLabel *>(QStringLiteral("sbStatusPanel0"));
    editor.saveThroughMenu(editor.path(QStringLiteral("before")));
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Сохранено: before.k5d"));
    // Changed again, the database is no longer what the file holds.
    editor.clickTab(TfrmMain::PageTv);
    auto *tv = editor.list("lvTvCh");
    editor.clickRow(tv, 0);
    editor.pressKey(tv, Qt::Key_Down, Qt::ControlModifier);
    QVERIFY(editor.title().endsWith(QLatin1Char('*')));
    QCOMPARE(editor.statusPanel(0), QString());

    // "Выделено: N" beside the counts while more than one row is selected.
    auto *selected = editor.window().findChild<QLabel *>(QStringLiteral("sbStatusSelected"));
    QVERIFY(selected->isHidden());
    EditorDriver::selectRows(tv, {0, 2});
    QVERIFY(!selected->isHidden());
    QCOMPARE(selected->text(), QStringLiteral("Выделено: 2"));
    editor.clickRow(tv, 1);
    QVERIFY(selected->isHidden());
    EditorDriver::selectRows(tv, {0, 1, 2});
    QCOMPARE(selected->text(), QStringLiteral("Выделено: 3"));
    editor.clickTab(TfrmMain::PageSat);
    QVERIFY(selected->isHidden());
    editor.clickTab(TfrmMain::PageTv);   // refilled: nothing selected
    QVERIFY(selected->isHidden());

    editor.dialogs().threeWayAnswers = {UserDialogs::Answer::No};   // the moved channel is not kept
    editor.openThroughMenu(editor.writeImageFile(editingDatabase(), QStringLiteral("other.k5d")));
    QCOMPARE(editor.statusPanel(0), QString());

    const QString longName = QStringLiteral("Спутниковая база каналов ").repeated(4) + QStringLiteral("конец.k5d");
    editor.saveThroughMenu(editor.path(longName));
    const QString shown = editor.statusPanel(0);
    QVERIFY2(shown.startsWith(QStringLiteral("Сохранено: Сп")) && shown.endsWith(QStringLiteral(".k5d"))
                 && shown.contains(QChar(0x2026)),
             qPrintable(shown));
    QVERIFY2(panel0->fontMetrics().horizontalAdvance(shown) <= panel0->contentsRect().width(), qPrintable(shown));
    QCOMPARE(panel0->toolTip(), QDir::toNativeSeparators(editor.path(longName)));
    QVERIFY(editor.window().loadReceivedImage(imageOf(editingDatabase())));
    QCOMPARE(editor.statusPanel(0), QString());
    QCOMPARE(panel0->toolTip(), QString());

    k510::ChannelDatabase db = editingDatabase();
    db.appendTvChannel(db.channels[1]);
    editor.dialogs().threeWayAnswers = {UserDialogs::Answer::No};   // the received database is not kept
    editor.open(db);
    editor.clickTab(TfrmMain::PageTv);
    const QStringList counts{editor.statusPanel(1), editor.statusPanel(2), editor.statusPanel(3),
                             editor.statusPanel(4)};
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSelectDuplicates"))->trigger();
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Выделено дубликатов: 1"));
    QCOMPARE(editor.window().statusBar()->currentMessage(), QString());
    for (int panel = 1; panel <= 4; ++panel) {
        QVERIFY(editor.window().findChild<QLabel *>(QStringLiteral("sbStatusPanel%1").arg(panel))->isVisible());
        QCOMPARE(editor.statusPanel(panel), counts[panel - 1]);
    }
}

void FilesAndHelpTest::aboutBox()
{
    EditorDriver editor;
    QString text;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        text = dialog.findChild<QLabel *>(QStringLiteral("aboutText"))->text();
        return true;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmHelpAbout"))->trigger();
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"aboutDlg"});
    for (const char *expected : {"Tessora K-510/560/565", "2.00", "Ctrl+Z", "Ctrl+F", "Shift+F10", "Ctrl+Home"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

// Alt with a menu's underlined letter or F10 opens the menu; F1 the key list
// in a window of its own.
void FilesAndHelpTest::windowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opened");
    QTest::newRow("Alt+Ф") << int(0x0424) << int(Qt::AltModifier) << "mmFile";
    QTest::newRow("Alt+П") << int(0x041F) << int(Qt::AltModifier) << "mmEdit";
    QTest::newRow("Alt+В") << int(0x0412) << int(Qt::AltModifier) << "N1";
    QTest::newRow("Alt+А") << int(0x0410) << int(Qt::AltModifier) << "mmHelp";
    QTest::newRow("F10") << int(Qt::Key_F10) << int(Qt::NoModifier) << "mmFile";
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << "keysHelp";
}

void FilesAndHelpTest::windowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opened);
    EditorDriver editor;
    editor.open(editingDatabase());
    QVERIFY(QTest::qWaitForWindowActive(&editor.window()));
    k510::ui::ReportList *satellites = editor.list("lvSatView");
    satellites->setFocus();
    // Cyrillic keys carry their letter; QTest knows only Latin ones.
    const QString text = key > 0xFF && key < 0xFFFF ? QString(QChar(key)) : QString();
    QTest::sendKeyEvent(QTest::Click, satellites, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
    auto *shown = editor.window().findChild<QWidget *>(opened);
    QVERIFY(shown);
    QTRY_VERIFY(shown->isVisible());
    if (opened == QLatin1String("keysHelp")) {
        QVERIFY(shown->isWindow());
        const QString text = shown->findChild<QLabel *>(QStringLiteral("keysText"))->text();
        for (const char *expected : {"Ctrl+Z", "Ctrl+Q", "F2", "Shift+F10"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(editor.dialogs().shownDialogs.isEmpty());   // no modal box
    }
    shown->close();
}

// Alt with a letter reaches every item of an open menu, whatever its text
// says at the moment: the undo and redo items name their step, and the
// recent files are paths that may hold an "&".
void FilesAndHelpTest::everyMenuItemHasItsOwnUnderlinedLetter()
{
    EditorDriver editor;
    QVERIFY(QDir().mkpath(editor.path(QStringLiteral("Tom & Jerry"))));
    editor.openThroughMenu(editor.writeImageFile(editingDatabase(), QStringLiteral("Tom & Jerry/db.k5d")));
    editor.open(editingDatabase());
    renameFirstTvChannel(editor);
    editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();

    QList<QMenu *> menus;
    for (const QAction *title : editor.window().menuBar()->actions())
        menus.append(title->menu());
    for (int m = 0; m < menus.size(); ++m) {
        QMenu *menu = menus[m];
        emit menu->aboutToShow();
        QList<QChar> used;
        for (const QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            if (item->menu())
                menus.append(item->menu());
            const QList<QChar> letters = underlinedLetters(item->text());
            const QString where = menu->title() + QStringLiteral(" > ") + item->text();
            QVERIFY2(letters.size() == 1 && !letters[0].isSpace(), qPrintable(where));
            QVERIFY2(!used.contains(letters[0]), qPrintable(where));
            used.append(letters[0]);
        }
        QVERIFY2(!used.isEmpty(), qPrintable(menu->title()));
    }
    // The path is shown as it is.
    const QMenu *recent = editor.window().findChild<QMenu *>(QStringLiteral("mmFileRecent"));
    QCOMPARE(recent->actions().at(1)->iconText().section(QLatin1Char(' '), 1),
             QDir::toNativeSeparators(editor.path(QStringLiteral("Tom & Jerry/db.k5d"))));
}

void FilesAndHelpTest::keysHelpClosesWithEscAndEnter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void FilesAndHelpTest::keysHelpClosesWithEscAndEnter()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    EditorDriver editor;
    QVERIFY(QTest::qWaitForWindowExposed(&editor.window()));
    // The key goes where the keyboard is: the window itself, or the button
    // the user tabbed to. The second time it is the same window again.
    for (const bool onButton : {false, true}) {
        editor.window().findChild<QAction *>(QStringLiteral("mmHelpKeys"))->trigger();
        auto *keys = editor.window().findChild<QWidget *>(QStringLiteral("keysHelp"));
        QVERIFY(QTest::qWaitForWindowExposed(keys));
        QWidget *target = onButton ? keys->findChild<QPushButton *>() : keys;
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(!keys->isVisible());
    }
    QCOMPARE(editor.window().findChildren<QWidget *>(QStringLiteral("keysHelp")).size(), 1);
}

void FilesAndHelpTest::keysHelpOpensBesideTheWindow_data()
{
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1280, 800);
    const QSize size(300, 400);
    QTest::newRow("room on the right") << QRect(100, 50, 700, 500) << size << screen << QPoint(808, 50);
    QTest::newRow("room on the left only") << QRect(500, 50, 700, 500) << size << screen << QPoint(192, 50);
    QTest::newRow("no room beside") << QRect(100, 50, 1100, 500) << size << screen << QPoint(980, 50);
    QTest::newRow("main window low on the screen") << QRect(100, 600, 700, 500) << size << screen << QPoint(808, 400);
    QTest::newRow("main window above the screen") << QRect(100, -80, 700, 500) << size << screen << QPoint(808, 0);
    QTest::newRow("main window off the right edge") << QRect(1000, 50, 700, 500) << size << screen << QPoint(692, 50);
    QTest::newRow("second screen on the left") << QRect(-1200, 100, 700, 500) << size << QRect(-1280, 0, 1280, 1024)
                                               << QPoint(-492, 100);
    QTest::newRow("window taller than the screen") << QRect(100, 50, 700, 500) << QSize(300, 900) << screen
                                                   << QPoint(808, 0);
}

void FilesAndHelpTest::keysHelpOpensBesideTheWindow()
{
    QFETCH(QRect, mainFrame);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QTEST(KeysHelpWindow::placeBeside(mainFrame, size, screen), "expected");

    // The real window, wherever the main window stands, opens on the screen.
    EditorDriver editor;
    const QRect available = editor.window().screen()->availableGeometry();
    editor.window().move(available.topLeft() + mainFrame.topLeft() - screen.topLeft());
    editor.window().findChild<QAction *>(QStringLiteral("mmHelpKeys"))->trigger();
    auto *keys = editor.window().findChild<QWidget *>(QStringLiteral("keysHelp"));
    QVERIFY(QTest::qWaitForWindowExposed(keys));
    QVERIFY2(available.contains(keys->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                       .arg(keys->frameGeometry().x())
                                                                       .arg(keys->frameGeometry().y())
                                                                       .arg(keys->frameGeometry().width())
                                                                       .arg(keys->frameGeometry().height())));
    keys->close();
}

void FilesAndHelpTest::quitKeyAsksAboutUnsavedChanges()
{
    EditorDriver editor;
    QVERIFY(editor.window().loadReceivedImage(imageOf(editingDatabase())));   // unsaved
    QVERIFY(QTest::qWaitForWindowActive(&editor.window()));
    QCOMPARE(editor.window().findChild<QAction *>(QStringLiteral("N6"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Q));
    editor.dialogs().threeWayAnswers = {Answer::Cancel, Answer::No};
    QTest::keyClick(editor.list("lvSatView"), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(editor.dialogs().questions, QStringList{"Сохранить изменения в базе каналов?"});
    QVERIFY(editor.window().isVisible());
    QTest::keyClick(editor.list("lvSatView"), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(editor.dialogs().questions.size(), 2);
    QVERIFY(!editor.window().isVisible());
}

void FilesAndHelpTest::commandLineUsageAndVersion_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("printed");
    QTest::newRow("--help") << "--help" << "Usage: ";
    QTest::newRow("-h") << "-h" << " [FILE]\n";
    QTest::newRow("--version") << "--version" << "k510-editor 2.00\n";
}

// The editor binary answers without a display, and opens no file named so.
void FilesAndHelpTest::commandLineUsageAndVersion()
{
    QFETCH(QString, argument);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(K510_EDITOR_PATH), {argument});
    const bool ended = program.waitForFinished(10000);
    if (!ended)
        program.kill();
    QVERIFY(ended);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QString output = QString::fromUtf8(program.readAllStandardOutput());
    QFETCH(QString, printed);
    QVERIFY2(output.contains(printed), qPrintable(output));
}

void FilesAndHelpTest::transponderPageExportsItsTransponders_data()
{
    QTest::addColumn<int>("entry");   // of the page's selector; 0 is "ВСЕ СПУТНИКИ"
    QTest::newRow("all satellites") << 0;
    QTest::newRow("the second satellite") << 2;
}

// "Экспорт в CSV..." on the transponder page writes what the page lists.
void FilesAndHelpTest::transponderPageExportsItsTransponders()
{
    QFETCH(int, entry);
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(entry);
    const int shownRows = editor.list("lvTpView")->rowCount();
    editor.dialogs().saveNames = {editor.path(QStringLiteral("transponders"))};
    editor.window().findChild<QAction *>(QStringLiteral("mmFileExportCsv"))->trigger();

    QCOMPARE(editor.statusPanel(0), QStringLiteral("Экспортировано: transponders.csv"));
    const char separator = k510::ui::spreadsheetSeparator(QLocale::system());
    const std::string expected = k510::transponderListCsv(
        editor.window().database(), entry > 0 ? std::optional<std::size_t>(entry - 1) : std::nullopt, separator);
    const QByteArray written = fileBytes(editor.path(QStringLiteral("transponders.csv")));
    QCOMPARE(written, QByteArray::fromStdString(expected));
    QCOMPARE(written.count('\n'), shownRows + 1);
    QVERIFY(shownRows > 1 && written.startsWith(QByteArray("\xEF\xBB\xBFСпутник") + separator));
}

// The separator chosen in the save dialog is the one offered next time,
// also by the next window, and "Все файлы" then writes it.
void FilesAndHelpTest::csvSeparatorIsRemembered()
{
    EditorDriver editor;
    const k510::ChannelDatabase db = editingDatabase();
    editor.open(db);
    editor.clickTab(TfrmMain::PageTv);
    const bool regionalIsSemicolon = k510::ui::spreadsheetSeparator(QLocale::system()) == ';';
    const QString other = regionalIsSemicolon ? kCsvComma : kCsvSemicolon;
    const char otherSeparator = regionalIsSemicolon ? ',' : ';';
    editor.dialogs().saveNames = {editor.path(QStringLiteral("first"))};
    editor.dialogs().saveFilters = {other};
    editor.window().findChild<QAction *>(QStringLiteral("mmFileExportCsv"))->trigger();
    QCOMPARE(editor.dialogs().saveOptions.back().selectedFilter, regionalIsSemicolon ? kCsvSemicolon : kCsvComma);

    TfrmMain again(editor.dialogs());
    QVERIFY(again.loadImage(imageOf(db)));
    editor.dialogs().saveNames = {editor.path(QStringLiteral("second"))};
    editor.dialogs().saveFilters = {QStringLiteral("Все файлы (*)")};
    again.findChild<QAction *>(QStringLiteral("mmFileExportCsv"))->trigger();
    QCOMPARE(editor.dialogs().saveOptions.back().selectedFilter, other);
    const std::string expected = k510::channelListCsv(again.database(), k510::ChannelKind::Tv, otherSeparator);
    QCOMPARE(fileBytes(editor.path(QStringLiteral("second.csv"))), QByteArray::fromStdString(expected));
}

void FilesAndHelpTest::panelZeroShowsWholeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("a dated list") << QStringLiteral("tv_2026-12-10");
    QTest::newRow("40 characters") << QStringLiteral("channels_of_the_living_room_2026-12-10");
    QTest::newRow("40 characters, Cyrillic") << QStringLiteral("Каналы для гостиной, декабрь 2026 г. (1)");
}

// A note on a file written names the file whole up to 40 characters.
void FilesAndHelpTest::panelZeroShowsWholeNames()
{
    QFETCH(QString, name);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTv);
    editor.dialogs().saveNames = {editor.path(name + QStringLiteral(".csv"))};
    editor.window().findChild<QAction *>(QStringLiteral("mmFileExportCsv"))->trigger();
    const QString note = QStringLiteral("Экспортировано: ") + name + QStringLiteral(".csv");
    QCOMPARE(editor.statusPanel(0), note);
    const auto *panel0 = editor.window().findChild<QLabel *>(QStringLiteral("sbStatusPanel0"));
    QVERIFY(panel0->fontMetrics().horizontalAdvance(note) <= panel0->contentsRect().width());
}

void FilesAndHelpTest::exportOntoTheOpenDatabaseIsRefused_data()
{
    QTest::addColumn<QString>("how");    // a menu item, or "--export-pdf" on the command line
    QTest::addColumn<QString>("link");   // "", "symbolic" or "hard"
    for (const char *how : {"mmFileExportCsv", "mmFileExportPdf", "--export-pdf"})
        for (const char *link : {"", "symbolic", "hard"})
            QTest::addRow("%s, %s", how, *link ? link : "by name") << QString::fromLatin1(how) << QString::fromLatin1(link);
}

// An export onto the open database's file, under its name or another, is
// refused and leaves the database file as it was.
void FilesAndHelpTest::exportOntoTheOpenDatabaseIsRefused()
{
    QFETCH(QString, how);
    QFETCH(QString, link);
    EditorDriver editor;
    const QString database = editor.writeImageFile(editingDatabase());
    const QByteArray before = fileBytes(database);
    const QString out = anotherNameOf(database, link);
    if (out.isEmpty())
        QSKIP("no such link here");

    if (how == QLatin1String("--export-pdf")) {
        QProcess program;
        program.start(QStringLiteral(K510_EDITOR_PATH), {database, how, out});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(errors.contains(QStringLiteral("name another OUT")), qPrintable(errors));
    } else {
        editor.openThroughMenu(database);
        editor.dialogs().saveNames = {out};
        editor.window().findChild<QAction *>(how)->trigger();
        QCOMPARE(editor.dialogs().errors, QStringList());
        QCOMPARE(editor.dialogs().messages.size(), 1);
        QVERIFY2(editor.dialogs().messages[0].contains(QStringLiteral("файл открытой базы каналов")),
                 qPrintable(editor.dialogs().messages[0]));
        QCOMPARE(editor.statusPanel(0), QString());
    }
    QCOMPARE(fileBytes(database), before);
}

QTEST_MAIN(FilesAndHelpTest)
#include "tst_files_and_help.moc"
