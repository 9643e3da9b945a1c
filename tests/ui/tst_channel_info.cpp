// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "ListPoints.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using k510::ui::ReportList;

namespace {

struct PageNames {
    const char *list;
    const char *selector;
    QString prefix;
};

PageNames namesOf(int page)
{
    switch (page) {
    case 2: return {"lvTvCh", "cbTvSelectSat", "Tv"};
    case 3: return {"lvRadioCh", "cbRadioSelectSat", "Radio"};
    case 4: return {"lvTvFavCh", "cbFavTvGrp", "TvFav"};
    default: return {"lvRadioFavCh", "cbFavRadioGrp", "RadioFav"};
    }
}

QStringList panelOf(const EditorDriver &editor, const QString &prefix)
{
    QStringList texts;
    for (const char *field : {"SatInfo", "TpInfo", "SIDInfo", "PMTInfo", "VPid", "APid", "PcrInfo"})
        texts.append(editor.fieldText(("le" + prefix + field).toLatin1()));
    return texts;
}

} // namespace

// The information panel beside each channel list: which channel a row's "#"
// refers to, and how clicks and keys keep the panel in step.
class ChannelInfoTest : public QObject {
    Q_OBJECT
private slots:
    void panelForClickedRow_data();
    void panelForClickedRow();
    void numbersAreFullRangeDecimal();
    void arrowKeysMoveSelectionAndPanel();
    void clicksAfterACtrlKey_data();
    void clicksAfterACtrlKey();
    void keyInEmptyListChangesNothing();
    void panelLeavesADeletedChannel_data();
    void panelLeavesADeletedChannel();
    void panelShowsTheSelectedRowOrNothing_data();
    void panelShowsTheSelectedRowOrNothing();
    void homeAndEndInEveryList_data();
    void homeAndEndInEveryList();
};

void ChannelInfoTest::panelForClickedRow_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("panel");

    // With all satellites the row stands for a position in the TV order:
    // row 0 is TV number 23.
    QTest::newRow("TV, all") << 2 << 0 << 0
                             << QStringList{"Amos 4W", " H/10722/27500", "1001", "1010", "1011", "1012", "1011"};
    // With one satellite "#" - 1 is the channel index.
    QTest::newRow("TV, Hot Bird") << 2 << 1 << 1
                                  << QStringList{"Hot Bird 13E", " V/10992/27500", "3402", "511", "512", "650", "512"};
    QTest::newRow("radio, all") << 3 << 0 << 3
                                << QStringList{"Hot Bird 13E", " V/11200/27500", "5382", "1191", "0", "1192", "1192"};
    QTest::newRow("radio, Amos 4W") << 3 << 3 << 1
                                    << QStringList{"Amos 4W", " H/10722/27500", "1102", "1120", "0", "1121", "1121"};
    QTest::newRow("TV favourites") << 4 << 0 << 0
                                   << QStringList{"Hot Bird 13E", " V/11200/27500", "5302", "1200", "1201", "1202",
                                                  "1201"};
    QTest::newRow("radio favourites") << 5 << 1 << 2
                                      << QStringList{"Amos 4W", " H/10722/27500", "1101", "1110", "0", "1111", "1111"};
}

void ChannelInfoTest::panelForClickedRow()
{
    QFETCH(int, page);
    QFETCH(int, entry);
    QFETCH(int, row);
    QFETCH(QStringList, panel);

    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(page);
    const PageNames names = namesOf(page);
    if (entry > 0)
        editor.choose(editor.combo(names.selector), entry);
    ReportList *list = editor.list(names.list);
    editor.clickRow(list, row);
    QCOMPARE(panelOf(editor, names.prefix), panel);

    // Sorting moves rows but each still refers to its channel by "#".
    const QString clickedName = list->text(row, 1);
    editor.clickColumnTitle(list, 5);
    editor.clickColumnTitle(list, 1);
    const int moved = int(EditorDriver::column(list, 1).indexOf(clickedName));
    editor.clickRow(list, list->rowCount() - 1 == moved ? 0 : list->rowCount() - 1);
    editor.clickRow(list, moved);
    QCOMPARE(panelOf(editor, names.prefix), panel);
}

void ChannelInfoTest::numbersAreFullRangeDecimal()
{
    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({"Спутник"});
    builder.addTransponder(1, 12345, 'V', 30000, 2);
    builder.addTv(1, {"Max", 65535, 8191, 65535, 0, 4096});
    EditorDriver editor;
    editor.open(builder.build());
    editor.clickTab(2);
    editor.clickRow(editor.list("lvTvCh"), 0);
    QCOMPARE(panelOf(editor, "Tv"), (QStringList{"Спутник", " V/12345/30000", "65535", "8191", "65535", "0", "4096"}));
}

void ChannelInfoTest::arrowKeysMoveSelectionAndPanel()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(4);
    ReportList *list = editor.list("lvTvFavCh");   // Россия 24, Euronews, France 24, BBC World News, n-tv, ...
    const auto shownService = [&] { return editor.fieldText("leTvFavSIDInfo"); };

    editor.clickRow(list, 0);
    editor.pressKey(list, Qt::Key_Up);   // already on the first row
    QCOMPARE(EditorDriver::selectedRows(list), std::vector<int>{0});
    QCOMPARE(shownService(), QStringLiteral("5302"));

    editor.pressKey(list, Qt::Key_Down);
    QCOMPARE(EditorDriver::selectedRows(list), std::vector<int>{1});
    QCOMPARE(list->currentIndex().row(), 1);
    QCOMPARE(shownService(), QStringLiteral("8601"));

    // Shift+Down extends the selection, the panel staying on its first row;
    // Down then moves on from the row the cursor reached.
    editor.clickRow(list, 2);
    editor.pressKey(list, Qt::Key_Down, Qt::ShiftModifier);
    editor.pressKey(list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(EditorDriver::selectedRows(list), (std::vector<int>{2, 3, 4}));
    QCOMPARE(shownService(), QStringLiteral("8602"));
    editor.pressKey(list, Qt::Key_Down);
    QCOMPARE(EditorDriver::selectedRows(list), std::vector<int>{5});
    QCOMPARE(shownService(), QStringLiteral("2001"));

    editor.clickRow(list, 5);
    editor.pressKey(list, Qt::Key_Down);   // already on the last row
    QCOMPARE(EditorDriver::selectedRows(list), std::vector<int>{5});
    QCOMPARE(shownService(), QStringLiteral("2001"));
}

namespace {

// The service ID the TV page's row shows under "ВСЕ СПУТНИКИ".
QString serviceIdOfTvRow(EditorDriver &editor, int row)
{
    const k510::ChannelDatabase &db = editor.window().database();
    const int number = editor.list("lvTvCh")->text(row, 0).toInt();
    return QString::number(db.tvChannel(db.tvOrder[std::size_t(number - 1)])->serviceId);
}

} // namespace

void ChannelInfoTest::clicksAfterACtrlKey_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Ctrl") << int(Qt::Key_Control);
    QTest::newRow("Ctrl+Down") << int(Qt::Key_Down);
    QTest::newRow("Ctrl+A") << int(Qt::Key_A);
    QTest::newRow("Ctrl+F") << int(Qt::Key_F);
}

// Whether a click extends a selection, and so leaves the panel alone, is
// told by the Ctrl of that click alone, whatever keys came before.
void ChannelInfoTest::clicksAfterACtrlKey()
{
    QFETCH(int, key);
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    const auto shown = [&] { return editor.fieldText("leTvSIDInfo"); };

    editor.clickRow(tv, 0);
    editor.pressKey(tv, Qt::Key(key), Qt::ControlModifier);
    editor.clickRow(tv, 3);
    QCOMPARE(shown(), serviceIdOfTvRow(editor, 3));
    editor.clickRow(tv, 1, Qt::ControlModifier);
    QCOMPARE(EditorDriver::selectedRows(tv), (std::vector<int>{1, 3}));
    QCOMPARE(shown(), serviceIdOfTvRow(editor, 3));
    editor.clickRow(tv, 2);
    QCOMPARE(shown(), serviceIdOfTvRow(editor, 2));

    // The other lists follow their clicks too.
    editor.clickTab(3);
    editor.clickRow(editor.list("lvRadioCh"), 1);
    QVERIFY(!editor.fieldText("leRadioSIDInfo").isEmpty());
}

void ChannelInfoTest::keyInEmptyListChangesNothing()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(4);
    editor.clickRow(editor.list("lvTvFavCh"), 0);
    editor.choose(editor.combo("cbFavTvGrp"), 6);
    const QStringList before = panelOf(editor, "TvFav");
    ReportList *empty = editor.list("lvTvFavCh");
    QCOMPARE(empty->rowCount(), 0);
    editor.pressKey(empty, Qt::Key_Down);
    QCOMPARE(panelOf(editor, "TvFav"), before);
}

void ChannelInfoTest::panelLeavesADeletedChannel_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("redo");   // deleted, undone, shown again, then deleted by redo
    QTest::newRow("TV, Del") << 2 << false;
    QTest::newRow("TV, redo") << 2 << true;
    QTest::newRow("radio, Del") << 3 << false;
    QTest::newRow("radio, redo") << 3 << true;
}

// A channel that is gone is never shown: the panel shows the row then
// selected, or nothing.
void ChannelInfoTest::panelLeavesADeletedChannel()
{
    QFETCH(int, page);
    QFETCH(bool, redo);
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(page);
    const PageNames names = namesOf(page);
    ReportList *list = editor.list(names.list);
    editor.clickRow(list, 1);
    editor.dialogs().answers = {true};   // a channel in a favourite group goes too
    editor.pressKey(list, Qt::Key_Delete);
    if (redo) {
        editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
        editor.clickRow(list, 1);
        QVERIFY(!panelOf(editor, names.prefix).front().isEmpty());
        editor.window().findChild<QAction *>(QStringLiteral("mmEditRedo"))->trigger();
    }
    QCOMPARE(list->firstSelectedRow(), -1);
    QCOMPARE(panelOf(editor, names.prefix), QStringList(7, QString()));
}

void ChannelInfoTest::panelShowsTheSelectedRowOrNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("shown");   // whether the panel shows the clicked row's channel afterwards
    QTest::newRow("order as shown clears the selection") << "order as shown" << false;
    QTest::newRow("a filter hides the selected row") << "filter" << false;
    QTest::newRow("a right click selects a row") << "right click" << true;
}

void ChannelInfoTest::panelShowsTheSelectedRowOrNothing()
{
    QFETCH(QString, how);
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    editor.clickRow(tv, 1);
    const QString clicked = editor.fieldText("leTvSIDInfo");
    editor.clickRow(tv, 0);
    if (how == QLatin1String("order as shown")) {
        editor.clickColumnTitle(tv, 1);
        editor.window().pmOrderAsShownClick();
    } else if (how == QLatin1String("filter")) {
        editor.window().findChild<QLineEdit *>(QStringLiteral("edTvFind"))->setText(QStringLiteral("zzz"));
    } else {
        QTest::mousePress(tv->viewport(), Qt::RightButton, {}, centreOfRow(*tv, 1));
        QTest::mouseRelease(tv->viewport(), Qt::RightButton, {}, centreOfRow(*tv, 1));
    }
    QFETCH(bool, shown);
    QCOMPARE(EditorDriver::selectedRows(tv).empty(), !shown);
    QCOMPARE(editor.fieldText("leTvSIDInfo"), shown ? clicked : QString());
}

void ChannelInfoTest::homeAndEndInEveryList_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("find");   // the "Поиск" text, on the channel pages
    QTest::newRow("satellites") << 0 << "lvSatView" << "";
    QTest::newRow("transponders") << 1 << "lvTpView" << "";
    QTest::newRow("TV") << 2 << "lvTvCh" << "";
    QTest::newRow("TV, filtered") << 2 << "lvTvCh" << "t";
    QTest::newRow("radio") << 3 << "lvRadioCh" << "";
    QTest::newRow("TV favourites, filtered") << 4 << "lvTvFavCh" << "e";
    QTest::newRow("radio favourites") << 5 << "lvRadioFavCh" << "";
}

// Home and End go to the first and last row shown, Shift extends the
// selection to them, and the panel shows the row the keys went to.
void ChannelInfoTest::homeAndEndInEveryList()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QString, find);
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(page);
    ReportList *rows = editor.list(qPrintable(list));
    if (!find.isEmpty())
        editor.window().findChild<QLineEdit *>(QStringLiteral("ed%1Find").arg(namesOf(page).prefix))->setText(find);
    std::vector<int> shown;
    for (int row = 0; row < rows->rowCount(); ++row)
        if (!rows->isRowHidden(row))
            shown.push_back(row);
    QVERIFY(shown.size() >= 2);

    editor.clickRow(rows, shown[shown.size() / 2]);
    editor.pressKey(rows, Qt::Key_End);
    QCOMPARE(EditorDriver::selectedRows(rows), std::vector<int>{shown.back()});
    if (page >= 2) {
        const QStringList byKey = panelOf(editor, namesOf(page).prefix);
        QVERIFY(!byKey.at(2).isEmpty());
        editor.clickRow(rows, shown.back());
        QCOMPARE(panelOf(editor, namesOf(page).prefix), byKey);
    }
    editor.pressKey(rows, Qt::Key_Home);
    QCOMPARE(EditorDriver::selectedRows(rows), std::vector<int>{shown.front()});
    editor.pressKey(rows, Qt::Key_End, Qt::ShiftModifier);
    if (rows->selectionMode() == QAbstractItemView::ExtendedSelection)
        QCOMPARE(EditorDriver::selectedRows(rows), shown);
    editor.pressKey(rows, Qt::Key_Home);
    editor.pressKey(rows, Qt::Key_Down);
    QCOMPARE(EditorDriver::selectedRows(rows), std::vector<int>{shown[1]});
}

QTEST_MAIN(ChannelInfoTest)
#include "tst_channel_info.moc"
