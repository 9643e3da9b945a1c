// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestHelpers.h"
#include "tests/ui/EditingDatabase.h"
#include "tests/ui/ListPoints.h"
#include "tools/samples/DatabaseBuilder.h"
#include "ui/dialogs/TfavChSelectDlg.h"
#include "ui/dialogs/TgrpRenameDlg.h"
#include "ui/lists/ReportList.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

using k510::ChannelDatabase;
using k510::FavouriteGroup;
using k510::ChannelKind;
using k510::ui::ReportList;

namespace {

const QStringList channelColumns{"#", "Название", "Блок.", "FTA", "Частота", "Поляризация"};

// TV channels 1 "Das Erste", 2 "Rai 1", 3 "ZDF" in the order 3, 1, 2; radio
// 1 "Bayern 3", 2 "Radio 1" in the order 2, 1.
const ChannelDatabase &database()
{
    static const ChannelDatabase db = editingDatabase();
    return db;
}

FavouriteGroup groupOf(const QList<int> &entries)
{
    return FavouriteGroup(entries.begin(), entries.end());
}

ChannelKind kindOf(bool tv)
{
    return tv ? ChannelKind::Tv : ChannelKind::Radio;
}

QStringList column(const ReportList &list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row)
        texts << list.text(row, column);
    return texts;
}

QStringList numbers(const ReportList &list)
{
    return column(list, 0);
}

QStringList names(const ReportList &list)
{
    return column(list, 1);
}

void select(ReportList &list, const QList<int> &rows)
{
    list.clearSelection();
    for (int row : rows)
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void clickTitle(ReportList &list, int column)
{
    QHeaderView *titles = list.horizontalHeader();
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      QPoint(titles->sectionViewportPosition(column) + 5, titles->height() / 2));
}

// Hands a drag event to the dialog as lvSelectedCh's viewport does. Events
// made here have no drag source, and QApplication routes a drag move or drop
// only to the widget that accepted the drag's entry, which such an event
// never is: so they go to the dialog's filter directly.
bool deliverToGroupList(TfavChSelectDlg &dialog, QEvent &event)
{
    return static_cast<QObject &>(dialog).eventFilter(dialog.selectedChannels()->viewport(), &event);
}

void dragMoveOver(TfavChSelectDlg &dialog, int y)
{
    QMimeData nothing;
    QDragMoveEvent move(QPoint(10, y), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
    deliverToGroupList(dialog, move);
}

} // namespace

// The favourites selection dialog and the group rename dialog, driven through
// their controls as the user and the favourite commands drive them.
class FavouriteDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void selectionControls();
    void fill_data();
    void fill();
    void sorting_data();
    void sorting();
    void sortColumnSurvivesFill();
    void groupListIsNotSorted();
    void dragOver_data();
    void dragOver();
    void drop_data();
    void drop();
    void damagedOrderListOffersOnlyChannels_data();
    void damagedOrderListOffersOnlyChannels();
    void eventsFromNoSourceAreRefused();
    void activation_data();
    void activation();
    void scrollingWhileDragging();
    void numbersAreNeverCut();
    void appendSelectedRow_data();
    void appendSelectedRow();
    void realDrag_data();
    void realDrag();

    void renameControls();
    void renameNameLimit_data();
    void renameNameLimit();
};

void FavouriteDialogsTest::selectionControls()
{
    TfavChSelectDlg dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("favChSelectDlg"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор каналов для внесения в фаворитный список"));
    auto *selected = child<ReportList>(dialog, "lvSelectedCh");
    auto *channels = child<ReportList>(dialog, "lvFavCh");
    QCOMPARE(dialog.selectedChannels(), selected);
    QCOMPARE(dialog.favouriteChannels(), channels);
    QCOMPARE(selected->rows().columnTitles(), channelColumns);
    QCOMPARE(channels->rows().columnTitles(), channelColumns);
    // Side by side, the group's entries on the left.
    dialog.fill(database(), ChannelKind::Tv, groupOf({2}));
    QVERIFY(showWithoutExec(dialog));
    QVERIFY(selected->mapTo(&dialog, QPoint()).x() < channels->mapTo(&dialog, QPoint()).x());

    auto *ok = child<QPushButton>(dialog, "OKBtn");
    auto *cancel = child<QPushButton>(dialog, "CancelBtn");
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(cancel->text(), QStringLiteral("&Отмена"));
    QVERIFY(ok->isDefault());
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    ok->click();
    dialog.show();
    cancel->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(rejected.count(), 1);
    // Closing leaves the rows as they were.
    QCOMPARE(names(*selected), QStringList{"Rai 1"});
}

void FavouriteDialogsTest::fill_data()
{
    QTest::addColumn<bool>("tv");
    QTest::addColumn<QList<int>>("group");
    QTest::addColumn<QStringList>("channelNames");  // lvFavCh, "#" 1, 2, ...
    QTest::addColumn<QStringList>("entryNames");    // lvSelectedCh, "#" 1, 2, ...

    const QStringList tvChannels{"ZDF", "Das Erste", "Rai 1"};
    const QStringList radioChannels{"Radio 1", "Bayern 3"};
    QTest::newRow("TV group") << true << QList<int>{3, 1} << tvChannels << QStringList{"ZDF", "Das Erste"};
    QTest::newRow("TV group holding a number twice")
        << true << QList<int>{2, 3, 2} << tvChannels << QStringList{"Rai 1", "ZDF", "Rai 1"};
    // 0 and 4 name no TV channel; 4 would be a radio channel's index.
    QTest::newRow("TV entries naming no channel")
        << true << QList<int>{0, 1, 4} << tvChannels << QStringList{"", "Das Erste", ""};
    QTest::newRow("empty TV group") << true << QList<int>{} << tvChannels << QStringList{};
    QTest::newRow("radio group") << false << QList<int>{2, 1, 2} << radioChannels
                                 << QStringList{"Radio 1", "Bayern 3", "Radio 1"};
    // Radio 0 would be the last TV channel's index, radio 3 names nothing.
    QTest::newRow("radio entries naming no channel")
        << false << QList<int>{0, 1, 3} << radioChannels << QStringList{"", "Bayern 3", ""};
}

void FavouriteDialogsTest::fill()
{
    QFETCH(bool, tv);
    QFETCH(QList<int>, group);
    QFETCH(QStringList, channelNames);
    QFETCH(QStringList, entryNames);

    TfavChSelectDlg dialog;
    // A filling of the other kind first: nothing of it may stay.
    dialog.fill(database(), kindOf(!tv), groupOf({1, 1, 1, 1, 1}));
    dialog.fill(database(), kindOf(tv), groupOf(group));

    QCOMPARE(dialog.kind(), kindOf(tv));
    const ReportList &channels = *dialog.favouriteChannels();
    const ReportList &entries = *dialog.selectedChannels();
    QCOMPARE(names(channels), channelNames);
    QCOMPARE(names(entries), entryNames);
    QStringList channelNumbers, entryNumbers;
    for (int n = 1; n <= channelNames.size(); ++n)
        channelNumbers << QString::number(n);
    for (int n = 1; n <= entryNames.size(); ++n)
        entryNumbers << QString::number(n);
    QCOMPARE(numbers(channels), channelNumbers);
    QCOMPARE(numbers(entries), entryNumbers);
    // An entry without a channel shows no details either.
    for (int row = 0; row < entries.rowCount(); ++row) {
        if (entryNames[row].isEmpty())
            QCOMPARE(entries.rows().cells(row), (QStringList{entryNumbers[row], "", "", "", "", ""}));
    }
}

void FavouriteDialogsTest::sorting_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("order"); // "#" from the top

    // ZDF 12603, Das Erste 11494, Rai 1 11766.
    QTest::newRow("by name") << QList<int>{1} << QStringList{"2", "3", "1"};
    QTest::newRow("by name, back by #") << QList<int>{1, 0} << QStringList{"1", "2", "3"};
    QTest::newRow("by frequency") << QList<int>{4} << QStringList{"2", "3", "1"};
    QTest::newRow("the same title twice: descending") << QList<int>{1, 1} << QStringList{"1", "3", "2"};
}

void FavouriteDialogsTest::sorting()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, order);

    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, groupOf({}));
    QVERIFY(showWithoutExec(dialog));
    ReportList &channels = *dialog.favouriteChannels();
    for (int column : clicks)
        clickTitle(channels, column);
    QCOMPARE(numbers(channels), order);
    QCOMPARE(dialog.sortColumn(), clicks.last());
}

void FavouriteDialogsTest::sortColumnSurvivesFill()
{
    TfavChSelectDlg dialog;
    const ReportList &channels = *dialog.favouriteChannels();
    dialog.fill(database(), ChannelKind::Tv, groupOf({}));
    dialog.lvFavChColumnClick(1);
    dialog.fill(database(), ChannelKind::Radio, groupOf({2, 1}));
    QCOMPARE(names(channels), (QStringList{"Bayern 3", "Radio 1"}));
    QCOMPARE(numbers(channels), (QStringList{"2", "1"}));
    // The group's entries keep the group's order.
    QCOMPARE(names(*dialog.selectedChannels()), (QStringList{"Radio 1", "Bayern 3"}));

    dialog.lvFavChColumnClick(0);
    dialog.fill(database(), ChannelKind::Tv, groupOf({}));
    QCOMPARE(numbers(channels), (QStringList{"1", "2", "3"}));
}

void FavouriteDialogsTest::groupListIsNotSorted()
{
    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, groupOf({3, 1, 2}));
    QVERIFY(showWithoutExec(dialog));
    ReportList &entries = *dialog.selectedChannels();
    clickTitle(entries, 1);
    QCOMPARE(names(entries), (QStringList{"ZDF", "Das Erste", "Rai 1"}));
    QCOMPARE(dialog.sortColumn(), 0);
}

void FavouriteDialogsTest::dragOver_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("the channel list") << "lvFavCh" << true;
    QTest::newRow("another list view") << "other list" << true;
    QTest::newRow("the group's own list") << "lvSelectedCh" << false;
    QTest::newRow("a button") << "OKBtn" << false;
    QTest::newRow("another program") << "" << false;
}

void FavouriteDialogsTest::dragOver()
{
    QFETCH(QString, source);
    QFETCH(bool, accepted);

    TfavChSelectDlg dialog;
    QTableView otherList;
    const QObject *dragged = source.isEmpty()               ? nullptr
                             : source == QLatin1String("other list") ? &otherList
                                                                   : child<QWidget>(dialog, source);
    QCOMPARE(dialog.lvSelectedChDragOver(dragged), accepted);
}

void FavouriteDialogsTest::drop_data()
{
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<QList<int>>("selectedRows");
    QTest::addColumn<QList<int>>("chosen"); // order positions announced

    // Rows in "#" order: ZDF, Das Erste, Rai 1; by name: Das Erste, Rai 1, ZDF.
    QTest::newRow("one row") << 0 << QList<int>{1} << QList<int>{1};
    QTest::newRow("several rows, in the order shown") << 0 << QList<int>{2, 0} << QList<int>{0, 2};
    QTest::newRow("nothing selected") << 0 << QList<int>{} << QList<int>{};
    QTest::newRow("sorted by name") << 1 << QList<int>{0} << QList<int>{1};
    QTest::newRow("sorted by name, several rows") << 1 << QList<int>{2, 1} << QList<int>{2, 0};
}

void FavouriteDialogsTest::drop()
{
    QFETCH(int, sortColumn);
    QFETCH(QList<int>, selectedRows);
    QFETCH(QList<int>, chosen);

    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, groupOf({1}));
    dialog.lvFavChColumnClick(sortColumn);
    select(*dialog.favouriteChannels(), selectedRows);
    QSignalSpy announced(&dialog, &TfavChSelectDlg::channelsChosen);
    dialog.lvSelectedChDragDrop();

    QList<int> positions;
    for (const QList<QVariant> &arguments : announced)
        positions << arguments.at(0).value<QList<int>>();
    QCOMPARE(positions, chosen);
    // The command adds the row, not the dialog.
    QCOMPARE(dialog.selectedChannels()->rowCount(), 1);
}

void FavouriteDialogsTest::damagedOrderListOffersOnlyChannels_data()
{
    QTest::addColumn<bool>("tv");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QStringList>("offered");   // "#" and name of each row
    QTest::addColumn<int>("lastPosition");      // announced for the last row

    QTest::newRow("TV order entry 0") << true << QList<int>{3, 0, 2} << QStringList{"1 ZDF", "3 Rai 1"} << 2;
    // 4 would be the index of the first radio channel.
    QTest::newRow("TV order entry beyond T") << true << QList<int>{3, 4, 1} << QStringList{"1 ZDF", "3 Das Erste"} << 2;
    QTest::newRow("radio order entry 0") << false << QList<int>{2, 0} << QStringList{"1 Radio 1"} << 0;
    QTest::newRow("radio order entry beyond R") << false << QList<int>{3, 1} << QStringList{"2 Bayern 3"} << 1;
}

void FavouriteDialogsTest::damagedOrderListOffersOnlyChannels()
{
    QFETCH(bool, tv);
    QFETCH(QList<int>, order);
    QFETCH(QStringList, offered);
    QFETCH(int, lastPosition);
    ChannelDatabase db = database();
    (tv ? db.tvOrder : db.radioOrder) = std::vector<std::uint16_t>(order.begin(), order.end());

    TfavChSelectDlg dialog;
    dialog.fill(db, kindOf(tv), groupOf({}));
    ReportList &channels = *dialog.favouriteChannels();
    QStringList rows;
    for (int row = 0; row < channels.rowCount(); ++row)
        rows << channels.text(row, 0) + ' ' + channels.text(row, 1);
    QCOMPARE(rows, offered);

    select(channels, {channels.rowCount() - 1});
    QSignalSpy announced(&dialog, &TfavChSelectDlg::channelsChosen);
    dialog.lvSelectedChDragDrop();
    QCOMPARE(announced.size(), 1);
    QCOMPARE(announced.at(0).at(0).value<QList<int>>(), QList<int>{lastPosition});
}

void FavouriteDialogsTest::eventsFromNoSourceAreRefused()
{
    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, groupOf({}));
    select(*dialog.favouriteChannels(), {0});
    QSignalSpy announced(&dialog, &TfavChSelectDlg::channelsChosen);

    // Text dragged in from another program.
    QMimeData text;
    text.setText(QStringLiteral("ZDF"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.selectedChannels()->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QDragMoveEvent move(QPoint(10, 12), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(deliverToGroupList(dialog, move));
    QVERIFY(!move.isAccepted());
    QDropEvent drop(QPointF(10, 12), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QVERIFY(deliverToGroupList(dialog, drop));
    QVERIFY(!drop.isAccepted());
    QCOMPARE(announced.count(), 0);
}

void FavouriteDialogsTest::activation_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<int>("row");       // -1: no current row
    QTest::addColumn<QList<int>>("chosen");

    QTest::newRow("double-click") << "double-click" << 0 << 2 << QList<int>{2};
    QTest::newRow("double-click, sorted by name") << "double-click" << 1 << 2 << QList<int>{0};
    QTest::newRow("Return") << "Return" << 0 << 1 << QList<int>{1};
    QTest::newRow("Enter on the keypad, sorted by name") << "Enter" << 1 << 0 << QList<int>{1};
    QTest::newRow("Return without a current row") << "Return" << 0 << -1 << QList<int>{};
}

void FavouriteDialogsTest::activation()
{
    QFETCH(QString, how);
    QFETCH(int, sortColumn);
    QFETCH(int, row);
    QFETCH(QList<int>, chosen);

    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, groupOf({}));
    dialog.lvFavChColumnClick(sortColumn);
    QVERIFY(showWithoutExec(dialog));
    ReportList &channels = *dialog.favouriteChannels();
    channels.setFocus();
    QSignalSpy announced(&dialog, &TfavChSelectDlg::channelsChosen);
    QSignalSpy closed(&dialog, &QDialog::finished);

    if (how == QLatin1String("double-click")) {
        // A double-click is a click followed by the second press.
        QTest::mouseClick(channels.viewport(), Qt::LeftButton, {}, centreOfRow(channels, row));
        QTest::mouseDClick(channels.viewport(), Qt::LeftButton, {}, centreOfRow(channels, row));
    } else {
        channels.setCurrentIndex(row < 0 ? QModelIndex() : channels.model()->index(row, 0));
        QTest::keyClick(&channels, how == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Return,
                        how == QLatin1String("Enter") ? Qt::KeypadModifier : Qt::NoModifier);
    }

    QList<int> positions;
    for (const QList<QVariant> &arguments : announced)
        positions << arguments.at(0).value<QList<int>>();
    QCOMPARE(positions, chosen);
    // Enter in the channel list chooses a channel; it does not close the dialog.
    QCOMPARE(closed.count(), 0);
    QVERIFY(dialog.isVisible());
}

// Near an edge the list scrolls on its own timer, a pointer held still
// included; away from the edges it stops.
void FavouriteDialogsTest::scrollingWhileDragging()
{
    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, FavouriteGroup(80, 3));
    QVERIFY(showWithoutExec(dialog));
    ReportList &entries = *dialog.selectedChannels();
    const QScrollBar &bar = *entries.verticalScrollBar();
    QVERIFY(bar.maximum() > 2);
    const int height = entries.viewport()->height();

    dragMoveOver(dialog, 2);
    QTest::qWait(100);
    QCOMPARE(bar.value(), 0);
    dragMoveOver(dialog, height - 2);
    QTRY_COMPARE(bar.value(), bar.maximum());   // held at the edge: all the way
    dragMoveOver(dialog, height / 2);
    const int stoppedAt = bar.value();
    QTest::qWait(100);
    QCOMPARE(bar.value(), stoppedAt);
    dragMoveOver(dialog, 2);
    QTRY_COMPARE(bar.value(), 0);
    QMimeData nothing;
    QDropEvent drop(QPointF(10, height - 2), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
    dragMoveOver(dialog, height - 2);
    deliverToGroupList(dialog, drop);   // the drop ends the scrolling
    const int droppedAt = bar.value();
    QTest::qWait(100);
    QCOMPARE(bar.value(), droppedAt);

    // A list that fits, or an empty one, stays put. The view takes its new
    // scroll range once events have run.
    for (const FavouriteGroup &group : {groupOf({1}), groupOf({})}) {
        dialog.fill(database(), ChannelKind::Tv, group);
        QTRY_COMPARE(bar.maximum(), 0);
        dragMoveOver(dialog, height - 2);
        QTest::qWait(100);
        QCOMPARE(bar.value(), 0);
    }
}

// Four-digit numbers in bold (the channels the group holds) and plain, with
// a large font: every "#" cell shows its number whole.
void FavouriteDialogsTest::numbersAreNeverCut()
{
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSizeF(normal.pointSizeF() * 1.6);
    QApplication::setFont(large);
    const auto restore = qScopeGuard([&] { QApplication::setFont(normal); });

    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({"Sat"});
    builder.addTransponder(1, 11000, 'H', 27500, 3);
    for (int n = 1; n <= 2800; ++n)
        builder.addTv(1, {qPrintable(QStringLiteral("TV %1").arg(n))});
    const ChannelDatabase db = builder.build();
    FavouriteGroup group;
    for (int n = 2700; n < 2780; ++n)
        group.push_back(std::uint16_t(n));

    TfavChSelectDlg dialog;
    dialog.fill(db, ChannelKind::Tv, group);
    QVERIFY(showWithoutExec(dialog));
    for (ReportList *list : {dialog.favouriteChannels(), dialog.selectedChannels()}) {
        const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        const int width = list->horizontalHeader()->sectionSize(0) - 1;   // the grid line
        for (int row = 0; row < list->rowCount(); ++row) {
            QFont font = list->font();
            font.setBold(list->rows().isMarked(row));
            const int needed = QFontMetrics(font).horizontalAdvance(list->text(row, 0)) + margin;
            QVERIFY2(needed <= width, qPrintable(QStringLiteral("%1 row %2: %3 needs %4 of %5")
                                                     .arg(list->objectName())
                                                     .arg(row)
                                                     .arg(list->text(row, 0))
                                                     .arg(needed)
                                                     .arg(width)));
        }
    }
}

void FavouriteDialogsTest::appendSelectedRow_data()
{
    QTest::addColumn<bool>("tv");
    QTest::addColumn<QList<int>>("group");
    QTest::addColumn<int>("orderPosition");
    QTest::addColumn<QStringList>("lastRow"); // "#" and name; empty: no row added

    QTest::newRow("TV, after two entries") << true << QList<int>{2, 9} << 0 << QStringList{"3", "ZDF"};
    QTest::newRow("TV, into an empty group") << true << QList<int>{} << 2 << QStringList{"1", "Rai 1"};
    QTest::newRow("radio") << false << QList<int>{1} << 0 << QStringList{"2", "Radio 1"};
    QTest::newRow("radio, second position") << false << QList<int>{1} << 1 << QStringList{"2", "Bayern 3"};
    QTest::newRow("no position") << true << QList<int>{1} << -1 << QStringList{};
}

void FavouriteDialogsTest::appendSelectedRow()
{
    QFETCH(bool, tv);
    QFETCH(QList<int>, group);
    QFETCH(int, orderPosition);
    QFETCH(QStringList, lastRow);

    TfavChSelectDlg dialog;
    dialog.fill(database(), kindOf(tv), groupOf(group));
    // Sorting the channel list changes nothing of what a position names.
    dialog.lvFavChColumnClick(1);
    dialog.appendSelectedRow(database(), orderPosition);

    const ReportList &entries = *dialog.selectedChannels();
    const int added = lastRow.isEmpty() ? 0 : 1;
    QCOMPARE(entries.rowCount(), group.size() + added);
    if (added)
        QCOMPARE(entries.rows().cells(entries.rowCount() - 1).mid(0, 2), lastRow);
}

void FavouriteDialogsTest::realDrag_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("edgeHovers");  // drag moves at the target's bottom edge
    QTest::addColumn<QList<int>>("selected");  // lvFavCh rows selected before the press
    QTest::addColumn<int>("grabbed");
    QTest::addColumn<QList<int>>("chosen");

    QTest::newRow("onto the group's list") << "lvSelectedCh" << 0 << QList<int>{} << 1 << QList<int>{1};
    QTest::newRow("hovering at the group list's bottom edge")
        << "lvSelectedCh" << 3 << QList<int>{} << 1 << QList<int>{1};
    QTest::newRow("back onto the channel list") << "lvFavCh" << 0 << QList<int>{} << 1 << QList<int>{};
    // A press on a selected row keeps the selection, and the selection is taken.
    QTest::newRow("the later of two selected rows") << "lvSelectedCh" << 0 << QList<int>{0, 2} << 2 << QList<int>{0, 2};
}

void FavouriteDialogsTest::realDrag()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("the offscreen platform ends every drag at once; run with QT_QPA_PLATFORM=minimal");
    QFETCH(QString, target);
    QFETCH(int, edgeHovers);
    QFETCH(QList<int>, selected);
    QFETCH(int, grabbed);
    QFETCH(QList<int>, chosen);

    TfavChSelectDlg dialog;
    dialog.fill(database(), ChannelKind::Tv, FavouriteGroup(80, 1));
    if (QGuiApplication::platformName() == QLatin1String("minimal"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ReportList &channels = *dialog.favouriteChannels();
    select(channels, selected);
    QWidget *dropOn = child<ReportList>(dialog, target)->viewport();
    QSignalSpy announced(&dialog, &TfavChSelectDlg::channelsChosen);

    // The drag runs its own event loop from the move that starts it, so the
    // way to the target and the release are queued beforehand.
    const QScrollBar *bar = dialog.selectedChannels()->verticalScrollBar();
    QTimer::singleShot(0, &dialog, [dropOn, edgeHovers, bar] {
        QPoint at(20, 30);
        QTest::mouseMove(dropOn, at);
        for (int hover = 0; hover < edgeHovers; ++hover) {
            at = QPoint(22 + hover, dropOn->height() - 2);
            QTest::mouseMove(dropOn, at);
        }
        // Held at the edge, the list scrolls while the drag goes on.
        if (edgeHovers > 0)
            QTRY_VERIFY(bar->value() > 0);
        QTest::mouseRelease(dropOn, Qt::LeftButton, {}, at);
    });
    const QPoint from = centreOfRow(channels, grabbed);
    QTest::mousePress(channels.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(channels.viewport(), from + QPoint(1, 0));
    QTest::mouseMove(channels.viewport(), from + QPoint(QApplication::startDragDistance() + 5, 0));

    QList<int> positions;
    for (const QList<QVariant> &arguments : announced)
        positions << arguments.at(0).value<QList<int>>();
    QCOMPARE(positions, chosen);
    QCOMPARE(bar->value() > 0, edgeHovers > 0);
}

void FavouriteDialogsTest::renameControls()
{
    TgrpRenameDlg dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("grpRenameDlg"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Переименование группы"));
    auto *ok = child<QPushButton>(dialog, "OKBtn");
    auto *cancel = child<QPushButton>(dialog, "CancelBtn");
    QCOMPARE(ok->text(), QStringLiteral("&OK"));
    QCOMPARE(cancel->text(), QStringLiteral("&Отмена"));
    QVERIFY(ok->isDefault());

    dialog.load(QStringLiteral("Новости"));
    QVERIFY(showWithoutExec(dialog));
    // The caption fits beside the title bar's buttons.
    QVERIFY(dialog.width() > dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()));
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTest::keyClick(child<QLineEdit>(dialog, "ebGrpName"), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    dialog.show();
    cancel->click();
    QCOMPARE(rejected.count(), 1);
    dialog.show();
    ok->click();
    QCOMPARE(accepted.count(), 2);
    // The buttons' mnemonics: Alt with the Latin O, Alt with the Cyrillic О.
    const auto showActive = [&dialog] {
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    };
    QVERIFY(showActive());
    // A mnemonic clicks its button the way a mouse does, a moment later.
    QTest::keyClick(dialog.focusWidget(), Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(accepted.count(), 3);
    QVERIFY(showActive());
    const QChar cyrillicO(0x041E);
    QTest::sendKeyEvent(QTest::Click, dialog.focusWidget(), Qt::Key(cyrillicO.unicode()), QString(cyrillicO), Qt::AltModifier);
    QTRY_COMPARE(rejected.count(), 2);
}

void FavouriteDialogsTest::renameNameLimit_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("typed"); // null: nothing typed
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("room");

    QTest::newRow("stored name") << "Новости" << QString() << "Новости" << "Осталось знаков: 9 из 16";
    QTest::newRow("sixteen letters") << "Спортивные новос" << QString() << "Спортивные новос"
                                     << "Осталось знаков: 0 из 16";
    QTest::newRow("typed over the stored name") << "Новости" << "Кино" << "Кино" << "Осталось знаков: 12 из 16";
    // Too long a name stays whole for the command to refuse, and says by how much.
    QTest::newRow("twenty letters typed") << "Новости" << "Музыкальные каналы 1" << "Музыкальные каналы 1"
                                          << "Лишних знаков: 4 (не больше 16)";
    QTest::newRow("twenty letters loaded") << "ABCDEFGHIJKLMNOPQRST" << QString() << "ABCDEFGHIJKLMNOPQRST"
                                           << "Лишних знаков: 4 (не больше 16)";
    QTest::newRow("emptied") << "Новости" << "" << "" << "Осталось знаков: 16 из 16";
}

void FavouriteDialogsTest::renameNameLimit()
{
    QFETCH(QString, loaded);
    QFETCH(QString, typed);
    QFETCH(QString, name);

    TgrpRenameDlg dialog;
    auto *field = child<QLineEdit>(dialog, "ebGrpName");
    auto *label = child<QLabel>(dialog, "lbGrpName");
    QCOMPARE(label->text().remove(QLatin1Char('&')), QStringLiteral("Название группы:"));
    QCOMPARE(label->buddy(), field);
    dialog.load(loaded);
    if (!typed.isNull())
        typeInto(*field, typed);
    QCOMPARE(dialog.name(), name);
    QTEST(child<QLabel>(dialog, "lbGrpNameRoom")->text(), "room");
}

QTEST_MAIN(FavouriteDialogsTest)
#include "tst_favouritedialogs.moc"
