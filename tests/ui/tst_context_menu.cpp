// The context menu of the six lists, double-clicks and the editing keys:
// which entries each page offers and which dialog each way opens.

#include <QAction>
#include <QTabWidget>
#include <QTest>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "ui/PopupMenu.h"

using k510::ui::PopupEntries;
using k510::ui::ReportList;

Q_DECLARE_METATYPE(PopupEntries)

namespace {

// Every dialog the script meets is cancelled, and its name is recorded.
QString lastDialog(EditorDriver &editor)
{
    const QStringList &shown = editor.dialogs().shownDialogs;
    return shown.isEmpty() ? QString() : shown.last();
}

void doubleClickRow(ReportList *list, int row)
{
    const QRect cell = list->visualRect(list->model()->index(row, 1));
    // A double click is a press, a release and a double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class ContextMenuTest : public QObject {
    Q_OBJECT

private slots:
    void entriesPerPage_data();
    void entriesPerPage();
    void menuFollowsThePage();
    void doubleClickEdits_data();
    void doubleClickEdits();
    void keys_data();
    void keys();
    void menuKeyOpensTheMenu();
};

void ContextMenuTest::entriesPerPage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<PopupEntries>("entries");
    const PopupEntries changeOnly{false, false, true, false, false};
    const PopupEntries transponders{true, false, true, true, false};
    const PopupEntries channelsGreyed{true, false, true, true, true};
    const PopupEntries channels{true, true, true, true, true};
    const PopupEntries favourites{true, true, false, true, false};
    QTest::newRow("satellites") << 0 << -1 << changeOnly;
    QTest::newRow("transponders, all satellites") << 1 << 0 << transponders;
    QTest::newRow("transponders, one satellite") << 1 << 2 << PopupEntries{true, true, true, true, false};
    QTest::newRow("TV, all satellites") << 2 << 0 << channelsGreyed;
    QTest::newRow("TV, no entry") << 2 << -1 << channelsGreyed;
    QTest::newRow("TV, one satellite") << 2 << 1 << channels;
    QTest::newRow("radio, one satellite") << 3 << 1 << channels;
    QTest::newRow("TV favourites") << 4 << -1 << favourites;
    QTest::newRow("radio favourites") << 5 << -1 << favourites;
}

void ContextMenuTest::entriesPerPage()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QTEST(k510::ui::popupEntriesOn(page, satelliteEntry), "entries");
}

void ContextMenuTest::menuFollowsThePage()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>(QStringLiteral("PopupMenu"));
    QVERIFY(menu);
    const auto captions = [&] {
        QStringList shown;
        for (const QAction *action : menu->actions())
            if (action->isVisible())
                shown << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (greyed)"));
        return shown;
    };

    editor.clickTab(TfrmMain::PageTp);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), (QStringList{"Добавить (greyed)", "Редактировать", "Удалить"}));
    editor.clickTab(TfrmMain::PageFavTv);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), (QStringList{"Добавить", "Удалить"}));
    editor.clickTab(TfrmMain::PageSat);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), QStringList{"Редактировать"});
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    editor.window().PopupMenuPopup();
    QCOMPARE(captions(), (QStringList{"Добавить", "Редактировать", "Удалить",
                                      "Удалить все кроме добавленного в Избранные"}));
}

void ContextMenuTest::doubleClickEdits_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("satellite") << int(TfrmMain::PageSat) << "lvSatView" << "satEditDlg";
    QTest::newRow("transponder") << int(TfrmMain::PageTp) << "lvTpView" << "tpEditDlg";
    QTest::newRow("TV channel") << int(TfrmMain::PageTv) << "lvTvCh" << "svcEditDlg";
    QTest::newRow("radio channel") << int(TfrmMain::PageRadio) << "lvRadioCh" << "svcEditDlg";
    QTest::newRow("TV favourite: nothing") << int(TfrmMain::PageFavTv) << "lvTvFavCh" << "";
    QTest::newRow("radio favourite: nothing") << int(TfrmMain::PageFavRadio) << "lvRadioFavCh" << "";
}

void ContextMenuTest::doubleClickEdits()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(page);
    doubleClickRow(editor.list(qPrintable(list)), 0);
    QTEST(lastDialog(editor), "dialog");
}

void ContextMenuTest::keys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("Enter edits a satellite") << int(TfrmMain::PageSat) << -1 << int(Qt::Key_Return) << "satEditDlg";
    QTest::newRow("Enter edits a TV channel") << int(TfrmMain::PageTv) << 0 << int(Qt::Key_Enter) << "svcEditDlg";
    QTest::newRow("Insert adds a transponder") << int(TfrmMain::PageTp) << 1 << int(Qt::Key_Insert) << "tpEditDlg";
    QTest::newRow("Insert adds a TV channel") << int(TfrmMain::PageTv) << 1 << int(Qt::Key_Insert) << "svcAddDlg";
    QTest::newRow("Insert adds a radio channel") << int(TfrmMain::PageRadio) << 2 << int(Qt::Key_Insert) << "svcAddDlg";
    QTest::newRow("no Insert with all satellites") << int(TfrmMain::PageTv) << 0 << int(Qt::Key_Insert) << "";
    QTest::newRow("no Enter on favourites") << int(TfrmMain::PageFavTv) << -1 << int(Qt::Key_Return) << "";
}

void ContextMenuTest::keys()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QFETCH(int, key);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(page);
    if (page == TfrmMain::PageTp)
        editor.chooseTransponderSatellite(satelliteEntry);
    else if (satelliteEntry >= 0)
        editor.choose(editor.combo(page == TfrmMain::PageTv ? "cbTvSelectSat" : "cbRadioSelectSat"), satelliteEntry);
    ReportList *list = qobject_cast<ReportList *>(
        editor.window().findChild<QTabWidget *>(QStringLiteral("Pages"))->currentWidget()->findChild<ReportList *>());
    QVERIFY(list);
    editor.clickRow(list, 0);
    editor.pressKey(list, Qt::Key(key));
    QTEST(lastDialog(editor), "dialog");
}

void ContextMenuTest::menuKeyOpensTheMenu()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    auto *menu = editor.window().findChild<k510::ui::PopupMenu *>(QStringLiteral("PopupMenu"));
    for (const auto &[key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        editor.pressKey(editor.list("lvSatView"), key, modifiers);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!menu->actions().at(0)->isVisible());   // no "Добавить" on the satellites page
        menu->hide();
    }
}

QTEST_MAIN(ContextMenuTest)
#include "tst_context_menu.moc"
