// SPDX-License-Identifier: GPL-3.0-or-later
// Work is never lost: the modified marker, the question before a database
// is replaced or the window closes, "Сохранить", and undo and redo of every
// kind of command, checked on the bytes of the image a save would write.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "ListPoints.h"
#include "dialogs/DialogTestHelpers.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/commands/DragCommands.h"
#include "ui/commands/EditHistory.h"
#include "ui/dialogs/TfavChSelectDlg.h"
#include "ui/transfer/TransferController.h"

using k510::ui::ReportList;
using Answer = UserDialogs::Answer;
using Command = std::function<void(EditorDriver &)>;

Q_DECLARE_METATYPE(Command)

namespace {

const QString kSaveQuestion = QStringLiteral("Сохранить изменения в базе каналов?");

QAction *action(EditorDriver &editor, const char *name)
{
    return editor.window().findChild<QAction *>(QLatin1String(name));
}

void fillAndAccept(EditorDriver &editor, std::function<void(QDialog &)> fill)
{
    editor.dialogs().dialogScript.push_back([fill = std::move(fill)](QDialog &dialog) {
        fill(dialog);
        return true;
    });
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedoEveryCommand_data();
    void undoAndRedoEveryCommand();
    void commandsThatChangeNothingLeaveNoStep_data();
    void commandsThatChangeNothingLeaveNoStep();
    void undoKeepsPageAndSelectors();
    void undoLimit();
    void closing_data();
    void closing();
    void openingAsksFirst_data();
    void openingAsksFirst();
    void receivingAsksFirst();
    void saveWritesTheOpenedFile();
    void saveWithoutAFileSavesAs();
    void saveWritesOnlyTheFileTheTitleNames_data();
    void saveWritesOnlyTheFileTheTitleNames();
};

void HistoryTest::undoAndRedoEveryCommand_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("undoText");

    QTest::newRow("satellite edit") << Command([](EditorDriver &editor) {
        editor.clickRow(editor.list("lvSatView"), 0);
        fillAndAccept(editor, [](QDialog &dialog) { setText(dialog, "leSatName", QStringLiteral("Astra 2")); });
        editor.window().pmChangeClick();
    }) << "Отменить «Изменение спутника»";
    QTest::newRow("transponder add") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageTp);
        editor.chooseTransponderSatellite(1);
        fillAndAccept(editor, [](QDialog &dialog) {
            dialog.findChild<QWidget *>(QStringLiteral("rgPolarization_H"))->setProperty("checked", true);
            setText(dialog, "leFrequency", QStringLiteral("11000"));
            setText(dialog, "leRate", QStringLiteral("27500"));
        });
        editor.window().pmAddClick();
    }) << "Отменить «Добавление транспондера»";
    QTest::newRow("channel add") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageTv);
        editor.choose(editor.combo("cbTvSelectSat"), 1);
        fillAndAccept(editor, [](QDialog &dialog) {
            for (const char *name : {"leName", "leSIDInfo", "lePMTInfo", "leVPid", "leAPid", "lePcrInfo"})
                setText(dialog, name, QStringLiteral("1"));
        });
        editor.window().pmAddClick();
    }) << "Отменить «Добавление канала»";
    QTest::newRow("channel edit") << Command(renameFirstTvChannel) << "Отменить «Изменение канала»";
    QTest::newRow("delete, favourites kept") << Command([](EditorDriver &editor) {
        // TV order 3, 1, 2; group 1 holds 2 and 3: rows 0 and 2 are favourites.
        editor.clickTab(TfrmMain::PageTv);
        EditorDriver::selectRows(editor.list("lvTvCh"), {0, 1, 2});
        editor.dialogs().threeWayAnswers = {UserDialogs::Answer::No};
        editor.window().pmDeleteClick();
    }) << "Отменить «Удаление 1 канала»";
    QTest::newRow("purge") << Command([](EditorDriver &editor) {
        // Astra's "Das Erste" is in no group.
        editor.clickTab(TfrmMain::PageTv);
        editor.choose(editor.combo("cbTvSelectSat"), 1);
        editor.dialogs().answers = {true};
        editor.window().pmDelAllClick();
    }) << "Отменить «Удаление 1 канала»";
    QTest::newRow("favourite drop") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageFavTv);
        editor.dialogs().dialogScript.push_back([](QDialog &dialog) {
            auto &selection = static_cast<TfavChSelectDlg &>(dialog);
            selection.favouriteChannels()->selectOnly(1);
            selection.lvSelectedChDragDrop();
            return true;
        });
        editor.window().pmAddClick();
    }) << "Отменить «Добавление в избранные»";
    QTest::newRow("favourite removal") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageFavTv);
        editor.clickRow(editor.list("lvTvFavCh"), 0);
        editor.window().pmDeleteClick();
    }) << "Отменить «Удаление из избранных»";
    QTest::newRow("rename") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageFavTv);
        fillAndAccept(editor, [](QDialog &dialog) { setText(dialog, "ebGrpName", QStringLiteral("Спорт")); });
        QTest::mouseClick(editor.window().findChild<QWidget *>(QStringLiteral("ren1")), Qt::LeftButton);
    }) << "Отменить «Переименование группы»";
    QTest::newRow("drag") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageTv);
        ReportList *list = editor.list("lvTvCh");
        editor.clickRow(list, 2);
        editor.window().findChild<k510::ui::DragCommands *>()->drop(*list, centreOfRow(*list, 0));
    }) << "Отменить «Перемещение канала»";
}

void HistoryTest::undoAndRedoEveryCommand()
{
    QFETCH(Command, command);
    EditorDriver editor;
    editor.open(editingDatabase());
    const std::vector<std::uint8_t> before = imageOf(editor.window().database());
    QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
    QVERIFY(!action(editor, "mmEditUndo")->isEnabled());

    command(editor);
    const std::vector<std::uint8_t> after = imageOf(editor.window().database());
    QVERIFY(after != before);
    QVERIFY(editor.title().endsWith(QLatin1Char('*')));
    QTEST(action(editor, "mmEditUndo")->iconText(), "undoText");

    action(editor, "mmEditUndo")->trigger();
    QVERIFY(imageOf(editor.window().database()) == before);
    QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
    QVERIFY(!action(editor, "mmEditUndo")->isEnabled());
    QVERIFY(action(editor, "mmEditRedo")->iconText().startsWith(QStringLiteral("Повторить «")));

    action(editor, "mmEditRedo")->trigger();
    QVERIFY(imageOf(editor.window().database()) == after);
    QVERIFY(editor.title().endsWith(QLatin1Char('*')));
    QVERIFY(!action(editor, "mmEditRedo")->isEnabled());
}

void HistoryTest::commandsThatChangeNothingLeaveNoStep_data()
{
    QTest::addColumn<Command>("command");
    QTest::newRow("cancelled dialog") << Command([](EditorDriver &editor) {
        editor.clickRow(editor.list("lvSatView"), 0);
        editor.window().pmChangeClick();
    });
    QTest::newRow("refused validation") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageTv);
        editor.choose(editor.combo("cbTvSelectSat"), 1);
        fillAndAccept(editor, [](QDialog &) {});
        editor.window().pmAddClick();
    });
    QTest::newRow("declined question") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageTv);
        editor.clickRow(editor.list("lvTvCh"), 0);
        editor.dialogs().answers = {false};
        editor.window().pmDeleteClick();
    });
    QTest::newRow("drop onto itself") << Command([](EditorDriver &editor) {
        editor.clickTab(TfrmMain::PageTv);
        ReportList *list = editor.list("lvTvCh");
        editor.clickRow(list, 1);
        editor.window().findChild<k510::ui::DragCommands *>()->drop(*list, centreOfRow(*list, 1));
    });
}

void HistoryTest::commandsThatChangeNothingLeaveNoStep()
{
    QFETCH(Command, command);
    EditorDriver editor;
    editor.open(editingDatabase());
    command(editor);
    QCOMPARE(editor.window().history().stack().count(), 0);
    QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
}

void HistoryTest::undoKeepsPageAndSelectors()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageRadio);
    editor.choose(editor.combo("cbRadioSelectSat"), 2);
    editor.clickTab(TfrmMain::PageFavTv);
    editor.choose(editor.combo("cbFavTvGrp"), 4);
    renameFirstTvChannel(editor);
    editor.clickRow(editor.list("lvSatView"), 0);   // the satellite page is otherwise filled once
    action(editor, "mmEditUndo")->trigger();

    QCOMPARE(editor.window().findChild<QTabWidget *>(QStringLiteral("Pages"))->currentIndex(), int(TfrmMain::PageTv));
    QCOMPARE(editor.combo("cbRadioSelectSat")->currentIndex(), 2);
    QCOMPARE(editor.combo("cbFavTvGrp")->currentIndex(), 4);
    QCOMPARE(editor.list("lvTvCh")->text(0, 1), QStringLiteral("ZDF"));
    QCOMPARE(editor.list("lvSatView")->rowCount(), 3);
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 3"));
}

void HistoryTest::undoLimit()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    auto *drags = editor.window().findChild<k510::ui::DragCommands *>();
    for (int move = 0; move < k510::ui::EditHistory::kStepLimit + 5; ++move) {
        editor.clickRow(list, 2);
        drags->drop(*list, centreOfRow(*list, 0));
    }
    QUndoStack &stack = editor.window().history().stack();
    QCOMPARE(stack.count(), k510::ui::EditHistory::kStepLimit);
    while (stack.canUndo())
        stack.undo();
    // Five moves are beyond recall; undoing all the rest is no longer the saved state.
    QVERIFY(editor.title().endsWith(QLatin1Char('*')));
}

void HistoryTest::closing_data()
{
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Да saves, then closes") << QList<Answer>{Answer::Yes} << false << true << true;
    QTest::newRow("Да with a failing save stays") << QList<Answer>{Answer::Yes} << true << false << false;
    QTest::newRow("Нет closes without saving") << QList<Answer>{Answer::No} << false << true << false;
    QTest::newRow("Отмена stays") << QList<Answer>{Answer::Cancel} << false << false << false;
}

void HistoryTest::closing()
{
    QFETCH(QList<Answer>, answers);
    QFETCH(bool, saveFails);
    EditorDriver editor;
    const QString folder = editor.path(QStringLiteral("folder"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = editor.writeImageFile(editingDatabase(), QStringLiteral("folder/db.k5d"));
    editor.openThroughMenu(path);
    const QByteArray original = fileBytes(path);
    renameFirstTvChannel(editor);
    if (saveFails)
        QVERIFY(QDir(folder).removeRecursively());   // nowhere to save to
    editor.dialogs().threeWayAnswers = answers;

    const bool closed = editor.window().close();
    QCOMPARE(editor.dialogs().questions, QStringList{kSaveQuestion});
    QTEST(closed, "closes");
    QFETCH(bool, saved);
    if (!saveFails)
        QCOMPARE(fileBytes(path) == original, !saved);
    if (saved) {
        const std::vector<std::uint8_t> image = imageOf(editor.window().database());
        QCOMPARE(fileBytes(path), QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
    }
    QCOMPARE(editor.dialogs().messages.size(), saveFails ? 1 : 0);
}

void HistoryTest::openingAsksFirst_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Да") << Answer::Yes << true;
    QTest::newRow("Нет") << Answer::No << true;
    QTest::newRow("Отмена") << Answer::Cancel << false;
}

void HistoryTest::openingAsksFirst()
{
    QFETCH(Answer, answer);
    QFETCH(bool, opens);
    EditorDriver editor;
    const QString first = editor.writeImageFile(editingDatabase(), QStringLiteral("first.k5d"));
    const QString second = editor.writeImageFile(k510::samples::demoDatabase(), QStringLiteral("second.k5d"));
    editor.openThroughMenu(first);
    renameFirstTvChannel(editor);
    const std::vector<std::uint8_t> edited = imageOf(editor.window().database());
    editor.dialogs().threeWayAnswers = {answer};

    editor.openThroughMenu(second);
    QCOMPARE(editor.dialogs().questions, QStringList{kSaveQuestion});
    QCOMPARE(editor.dialogs().openOptions.size(), std::size_t(opens ? 2 : 1));
    QCOMPARE(editor.title().contains(QStringLiteral("second.k5d")), opens);
    if (opens)
        QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
    if (answer == Answer::Yes)
        QCOMPARE(fileBytes(first), k510::testing::bytesOf(edited));
    if (!opens) {
        editor.dialogs().openNames.clear();
        editor.dialogs().threeWayAnswers = {Answer::No};   // still modified: asked again
    }

    // A database without changes is never asked about.
    editor.dialogs().questions.clear();
    editor.openThroughMenu(first);
    if (opens)
        QVERIFY(editor.dialogs().questions.isEmpty());
}

void HistoryTest::receivingAsksFirst()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    renameFirstTvChannel(editor);
    editor.dialogs().threeWayAnswers = {Answer::Cancel};
    action(editor, "N4")->trigger();
    QCOMPARE(editor.dialogs().questions, QStringList{kSaveQuestion});
    QVERIFY(!editor.window().transfers().transferRunning());
    QCOMPARE(editor.window().transfers().receiveThread(), nullptr);
}

void HistoryTest::saveWritesTheOpenedFile()
{
    EditorDriver editor;
    const QString path = editor.writeImageFile(editingDatabase());
    editor.openThroughMenu(path);
    renameFirstTvChannel(editor);
    action(editor, "mmFileSave")->trigger();

    const std::vector<std::uint8_t> image = imageOf(editor.window().database());
    QCOMPARE(fileBytes(path), QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
    QVERIFY(editor.dialogs().saveOptions.empty());
    QVERIFY(editor.dialogs().questions.isEmpty());
    QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
    QCOMPARE(action(editor, "mmFileSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(action(editor, "N5")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));

    // Undoing back to the saved state leaves it clean; undoing further does not.
    action(editor, "mmEditUndo")->trigger();
    QVERIFY(editor.title().endsWith(QLatin1Char('*')));
    action(editor, "mmEditRedo")->trigger();
    QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
}

void HistoryTest::saveWithoutAFileSavesAs()
{
    EditorDriver editor;
    const std::vector<std::uint8_t> image = imageOf(editingDatabase());
    QVERIFY(editor.window().loadReceivedImage(image));
    renameFirstTvChannel(editor);
    editor.dialogs().saveNames = {editor.path(QStringLiteral("received"))};
    action(editor, "mmFileSave")->trigger();
    QCOMPARE(editor.dialogs().saveOptions.size(), std::size_t(1));
    QVERIFY(QFile::exists(editor.path(QStringLiteral("received.k5d"))));
    QVERIFY(!editor.title().endsWith(QLatin1Char('*')));
}

void HistoryTest::saveWritesOnlyTheFileTheTitleNames_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("saved as another file") << "save as";
    QTest::newRow("received from the receiver") << "receive";
    QTest::newRow("save as that failed") << "failed save as";
}

// Whatever happened to the window's file, "Сохранить" writes the file the
// title names, and that file then holds what the window shows.
void HistoryTest::saveWritesOnlyTheFileTheTitleNames()
{
    QFETCH(QString, way);
    EditorDriver editor;
    const QString opened = editor.writeImageFile(editingDatabase());
    const QByteArray openedBytes = fileBytes(opened);
    editor.openThroughMenu(opened);
    renameFirstTvChannel(editor);

    QString windowFile = opened;
    if (way == QLatin1String("save as")) {
        windowFile = editor.path(QStringLiteral("other.k5d"));
        editor.saveThroughMenu(windowFile);
        QCOMPARE(editor.title(), windowTitleFor(windowFile));
        const QMenu *recent = editor.window().findChild<QMenu *>(QStringLiteral("mmFileRecent"));
        QCOMPARE(recent->actions().value(0)->text(), QStringLiteral("&1 ") + QDir::toNativeSeparators(windowFile));
    } else if (way == QLatin1String("receive")) {
        QVERIFY(editor.window().loadReceivedImage(imageOf(k510::samples::demoDatabase())));
        // No file holds the received database yet: unsaved, and asked about.
        QCOMPARE(editor.title(), windowTitleFor() + QLatin1Char('*'));
        editor.dialogs().threeWayAnswers = {Answer::Cancel};
        QVERIFY(!editor.window().mayDropChanges());
        QCOMPARE(editor.dialogs().questions, QStringList{kSaveQuestion});
        windowFile = editor.path(QStringLiteral("fetched.k5d"));
        editor.dialogs().saveNames = {windowFile};
    } else {
        editor.saveThroughMenu(editor.path(QStringLiteral("missing/other.k5d")));
        QCOMPARE(editor.dialogs().messages.size(), 1);
        QCOMPARE(editor.title(), windowTitleFor(opened) + QLatin1Char('*'));
    }

    renameFirstTvChannelTo(editor, QStringLiteral("Ещё имя"));
    action(editor, "mmFileSave")->trigger();
    QCOMPARE(editor.title(), windowTitleFor(windowFile));
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Сохранено: ") + QFileInfo(windowFile).fileName());
    QCOMPARE(fileBytes(windowFile), imageBytes(editor.window().database()));
    if (windowFile != opened)
        QCOMPARE(fileBytes(opened), openedBytes);
}

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
