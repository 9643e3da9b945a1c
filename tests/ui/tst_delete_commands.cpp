// SPDX-License-Identifier: GPL-3.0-or-later
// "Удалить" and "Удалить все кроме добавленного в Избранные" through the
// real window: the renumbering reaches the order lists, favourite groups and
// references, favourites go only after one question, and the rows show the
// database as it now is.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <optional>
#include <random>
#include <tuple>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "model/Deletion.h"
#include "model/Favourites.h"
#include "model/ImageCheck.h"
#include "model/Purge.h"
#include "tools/samples/SampleDatabases.h"

using k510::ui::ReportList;
using Numbers = std::vector<std::uint16_t>;
using Answer = UserDialogs::Answer;

Q_DECLARE_METATYPE(Numbers)

namespace {

const QString kFavouriteQuestion = QStringLiteral("Данный канал занесен в избранные, все равно удалить?");

// One satellite, one transponder, TV channels "A".."E" in the order 3, 1, 5,
// 2, 4 and a TV group 5, 2, 2; radio channels "R1".."R3" in the order 2, 3, 1.
k510::ChannelDatabase orderedDatabase()
{
    k510::samples::DatabaseBuilder b = oneTransponderBuilder({"A", "B", "C", "D", "E"}, numberedNames("R", 3));
    b.setTvOrder({3, 1, 5, 2, 4});
    b.setRadioOrder({2, 3, 1});
    b.setTvGroup(1, "Группа", {5, 2, 2});
    return b.build();
}

// Five transponders on one satellite, two TV channels each; TV group 1
// holds channels of transponders 2 and 4.
k510::ChannelDatabase fiveTransponders()
{
    k510::samples::DatabaseBuilder b;
    const int sat = b.addSatellite({.name = "Sat"});
    for (int tp = 1; tp <= 5; ++tp) {
        b.addTransponder(sat, 11000 + tp, 'H', 27500, 3);
    }
    for (int tp = 1; tp <= 5; ++tp)
        for (int n = 0; n < 2; ++n)
            b.addTv(tp, {.name = "ch"});
    b.setTvGroup(1, "Группа", {3, 4, 7});
    return b.build();
}

QStringList names(const k510::ChannelDatabase &db, const Numbers &order, bool radio)
{
    QStringList shown;
    for (const int number : order)
        shown << QString::fromStdString((radio ? db.radioChannel(number) : db.tvChannel(number))->nameText());
    return shown;
}

} // namespace

class DeleteCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void tvChannelRenumbersOrderAndGroups();
    void radioDeletionLeavesTvAlone();
    void transponderAsksBeforeFavouritesGo_data();
    void transponderAsksBeforeFavouritesGo();
    void severalChannelsAskOnce_data();
    void severalChannelsAskOnce();
    void purgeKeepsFavouritesAndOtherSatellites();
    void favouriteRemovalFromASortedList();
    void badTypesAfterADeleteAreSummed();
    void deleteOverAnUnrepairedOrder_data();
    void deleteOverAnUnrepairedOrder();
    void favouritesPageOnceEveryChannelIsGone_data();
    void favouritesPageOnceEveryChannelIsGone();
    void randomStepsActOnShownSelectedRows_data();
    void randomStepsActOnShownSelectedRows();
};

void DeleteCommandsTest::tvChannelRenumbersOrderAndGroups()
{
    EditorDriver editor;
    editor.open(orderedDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    // TV channel 2 ("B") stands fourth in the order.
    editor.clickRow(list, 3);
    QCOMPARE(list->text(3, 1), QStringLiteral("B"));
    editor.dialogs().answers = {true};
    editor.window().pmDeleteClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(editor.dialogs().questions, QStringList{kFavouriteQuestion});
    QCOMPARE(db.tvOrder, (Numbers{2, 1, 4, 3}));
    QCOMPARE(db.tvFavourites[0], Numbers{4});
    QCOMPARE(EditorDriver::column(list, 1), (QStringList{"C", "A", "E", "D"}));
    QCOMPARE(EditorDriver::column(list, 0), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(editor.statusPanel(4), QStringLiteral("Каналов: 7"));
}

void DeleteCommandsTest::radioDeletionLeavesTvAlone()
{
    EditorDriver editor;
    const k510::ChannelDatabase original = orderedDatabase();
    editor.open(original);
    editor.clickTab(TfrmMain::PageRadio);
    ReportList *list = editor.list("lvRadioCh");
    editor.clickRow(list, 2);   // radio 1, last in the order
    editor.window().pmDeleteClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QVERIFY(editor.dialogs().questions.isEmpty());
    QCOMPARE(db.radioOrder, (Numbers{1, 2}));
    QCOMPARE(names(db, db.radioOrder, true), (QStringList{"R2", "R3"}));
    QCOMPARE(db.tvOrder, original.tvOrder);
    QCOMPARE(db.tvFavourites, original.tvFavourites);
    QCOMPARE(EditorDriver::column(list, 1), (QStringList{"R2", "R3"}));
}

void DeleteCommandsTest::transponderAsksBeforeFavouritesGo_data()
{
    QTest::addColumn<std::vector<int>>("rows");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");   // empty: none asked
    QTest::addColumn<std::vector<int>>("tpNumbers");   // of the channels left
    QTest::addColumn<Numbers>("group");
    // Transponder 2 holds TV 3 and 4, transponder 4 holds TV 7 and 8; the group holds 3, 4 and 7.
    QTest::newRow("no favourite on it: no question")
        << std::vector<int>{0} << true << QString() << std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4} << Numbers{1, 2, 5};
    QTest::newRow("favourites, Нет keeps everything")
        << std::vector<int>{1} << false << "На транспондере 11002 H 2 канала, 2 из них в избранных. Удалить?"
        << std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4, 5, 5} << Numbers{3, 4, 7};
    QTest::newRow("favourites, Да takes them with it")
        << std::vector<int>{1} << true << "На транспондере 11002 H 2 канала, 2 из них в избранных. Удалить?"
        << std::vector<int>{1, 1, 2, 2, 3, 3, 4, 4} << Numbers{5};
    QTest::newRow("two transponders: the totals")
        << std::vector<int>{1, 3} << true << "На 2 транспондерах 4 канала, 3 из них в избранных. Удалить?"
        << std::vector<int>{1, 1, 2, 2, 3, 3} << Numbers{};
}

void DeleteCommandsTest::transponderAsksBeforeFavouritesGo()
{
    QFETCH(std::vector<int>, rows);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    EditorDriver editor;
    editor.open(fiveTransponders());
    editor.clickTab(TfrmMain::PageTp);
    EditorDriver::selectRows(editor.list("lvTpView"), rows);
    editor.dialogs().answers = {yes};
    editor.window().pmDeleteClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(editor.dialogs().questions, question.isEmpty() ? QStringList() : QStringList{question});
    if (!question.isEmpty()) // Enter keeps the favourites
        QCOMPARE(editor.dialogs().questionDefaults, QList{UserDialogs::DefaultAnswer::No});
    std::vector<int> tpNumbers;
    for (const k510::Channel &channel : db.channels)
        tpNumbers.push_back(channel.tpNumber);
    QTEST(tpNumbers, "tpNumbers");
    QTEST(db.tvFavourites[0], "group");
    QCOMPARE(editor.list("lvTpView")->rowCount(), int(db.transponders.size()));
    QCOMPARE(editor.statusPanel(3), QStringLiteral("Трансп.: %1").arg(db.transponders.size()));
}

void DeleteCommandsTest::severalChannelsAskOnce_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("left");       // the TV order's names
    QTest::addColumn<std::vector<int>>("selected");   // rows still selected afterwards
    QTest::addColumn<Numbers>("group");
    QTest::newRow("Да: all of them") << Answer::Yes << QStringList{"C", "D"} << std::vector<int>{} << Numbers{};
    QTest::newRow("Нет: those in no group") << Answer::No << QStringList{"C", "E", "B", "D"} << std::vector<int>{}
                                            << Numbers{4, 1, 1};
    QTest::newRow("Отмена: none") << Answer::Cancel << QStringList{"C", "A", "E", "B", "D"}
                                  << std::vector<int>{1, 2, 3} << Numbers{5, 2, 2};
}

void DeleteCommandsTest::severalChannelsAskOnce()
{
    QFETCH(Answer, answer);
    EditorDriver editor;
    editor.open(orderedDatabase());
    editor.clickTab(TfrmMain::PageTv);
    ReportList *list = editor.list("lvTvCh");
    // Rows 1 "A" (in no group), 2 "E" (TV 5, in the group), 3 "B" (TV 2, in the group).
    EditorDriver::selectRows(list, {1, 2, 3});
    editor.dialogs().threeWayAnswers = {answer};
    editor.window().pmDeleteClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(editor.dialogs().questions,
             QStringList{QStringLiteral("Из выделенных каналов 2 занесены в избранные. Удалить и их?")});
    QCOMPARE(editor.dialogs().threeWayDefaults, QList{Answer::No});
    QTEST(names(db, db.tvOrder, false), "left");
    QTEST(EditorDriver::column(list, 1), "left");
    QTEST(EditorDriver::selectedRows(list), "selected");
    QTEST(db.tvFavourites[0], "group");
}

void DeleteCommandsTest::purgeKeepsFavouritesAndOtherSatellites()
{
    EditorDriver editor;
    const k510::ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 1);   // Astra: "Das Erste" (no group), "ZDF" (group 1)
    editor.dialogs().answers = {true};
    editor.window().pmDelAllClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(editor.dialogs().questions,
             QStringList{"Будут удалены все каналы из списка, кроме добавленных в Избранные, Вы уверены?"});
    // Enter must not purge: "Нет" is the default answer.
    QCOMPARE(editor.dialogs().questionDefaults, QList{UserDialogs::DefaultAnswer::No});
    QCOMPARE(names(db, db.tvOrder, false), (QStringList{"ZDF", "Rai 1"}));
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), QStringList{"ZDF"});
    QCOMPARE(db.radioOrder, original.radioOrder);

    // Declining the question changes nothing.
    editor.choose(editor.combo("cbTvSelectSat"), 0);
    editor.dialogs().answers = {false};
    editor.window().pmDelAllClick();
    QCOMPARE(db.tvOrder.size(), std::size_t(2));
}

void DeleteCommandsTest::favouriteRemovalFromASortedList()
{
    k510::samples::DatabaseBuilder b = oneTransponderBuilder({"D", "C", "B", "A"});
    b.setTvGroup(1, "Группа", {1, 2, 3, 4});
    EditorDriver editor;
    editor.open(b.build());
    editor.clickTab(TfrmMain::PageFavTv);
    ReportList *list = editor.list("lvTvFavCh");
    editor.clickColumnTitle(list, 1);   // A, B, C, D: positions 4, 3, 2, 1
    EditorDriver::selectRows(list, {1, 2});           // "B" and "C": positions 3 and 2
    editor.window().pmDeleteClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(db.tvFavourites[0], (Numbers{1, 4}));
    QCOMPARE(db.channels.size(), std::size_t(4));
    QCOMPARE(EditorDriver::column(list, 1), (QStringList{"D", "A"}));
    QCOMPARE(EditorDriver::column(list, 0), (QStringList{"1", "2"}));
}

void DeleteCommandsTest::badTypesAfterADeleteAreSummed()
{
    // Five channels of no valid type: every rebuild meets them again.
    k510::ChannelDatabase db = oneTransponderBuilder(std::vector<std::string>(7, "ch")).build();
    for (std::size_t index = 1; index <= 5; ++index)
        db.channels[index].setServiceType(3);
    EditorDriver editor;
    editor.open(db);
    editor.dialogs().messages.clear();
    editor.clickTab(TfrmMain::PageTv);
    editor.clickRow(editor.list("lvTvCh"), 6);
    editor.window().pmDeleteClick();

    const QStringList messages = editor.dialogs().messages;
    QCOMPARE(messages.size(), 4);
    QCOMPARE(messages.mid(0, 3), QStringList(3, QStringLiteral("Ошибка типа канала!")));
    QVERIFY2(messages.last().contains(QStringLiteral("ещё у 2 каналов")), qPrintable(messages.last()));
}

void DeleteCommandsTest::deleteOverAnUnrepairedOrder_data()
{
    QTest::addColumn<Numbers>("tvOrder");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<int>("row");
    QTest::addColumn<Numbers>("expectedOrder");
    QTest::addColumn<QStringList>("rowsLeft");   // "#" and name
    // "E" (TV 5) is missing from the order: an entry 0 or a repeat stands
    // in its place.
    QTest::newRow("the channel an entry 0 hides") << Numbers{3, 1, 0, 2, 4} << 1 << 4 << Numbers{3, 1, 2, 4}
                                                  << QStringList{"1 A", "2 B", "3 C", "4 D"};
    QTest::newRow("the channel a repeat hides") << Numbers{3, 1, 1, 2, 4} << 1 << 4 << Numbers{3, 1, 2, 4}
                                                << QStringList{"1 A", "2 B", "3 C", "4 D"};
    QTest::newRow("a channel beside an entry 0") << Numbers{3, 1, 0, 2, 4} << 0 << 0 << Numbers{1, 0, 2, 3}
                                                 << QStringList{"1 A", "2 ", "3 B", "4 D"};
}

void DeleteCommandsTest::deleteOverAnUnrepairedOrder()
{
    QFETCH(Numbers, tvOrder);
    QFETCH(int, satelliteEntry);
    QFETCH(int, row);
    k510::ChannelDatabase damaged = orderedDatabase();
    damaged.tvOrder = tvOrder;
    EditorDriver editor;
    editor.dialogs().answers = {false, true};   // no repair; delete a favourite
    editor.open(damaged);
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), satelliteEntry);
    ReportList *list = editor.list("lvTvCh");
    editor.clickRow(list, row);
    editor.window().pmDeleteClick();

    const k510::ChannelDatabase &db = editor.window().database();
    QTEST(db.tvOrder, "expectedOrder");
    QCOMPARE(db.tvCount(), 4);
    QStringList rows;
    for (int shown = 0; shown < list->rowCount(); ++shown)
        rows << list->text(shown, 0) + ' ' + list->text(shown, 1);
    QTEST(rows, "rowsLeft");
    // The radio channels are where they were, and no break was added.
    QCOMPARE(names(db, db.radioOrder, true), (QStringList{"R2", "R3", "R1"}));
    for (const std::string &problem : k510::checkImage(imageOf(db)).problems)
        QVERIFY2(problem.find("порядок ТВ") != std::string::npos, problem.c_str());
}

namespace {

// Every row of every list, unfiltered: satellites, all transponders, the TV
// and radio order, and each of the twelve groups of both kinds.
QStringList everyList(EditorDriver &editor)
{
    QStringList rows;
    const auto take = [&](const char *name) {
        const ReportList *list = editor.list(name);
        for (int row = 0; row < list->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->model()->columnCount(); ++column)
                cells << list->text(row, column);
            rows << QString::fromLatin1(name) + QLatin1Char(':') + cells.join(QLatin1Char('|'));
        }
    };
    for (const char *find : {"edTvFind", "edRadioFind", "edTvFavFind", "edRadioFavFind"})
        editor.window().findChild<QLineEdit *>(QLatin1String(find))->clear();
    editor.clickTab(TfrmMain::PageSat);
    take("lvSatView");
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(0);
    take("lvTpView");
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 0);
    take("lvTvCh");
    editor.clickTab(TfrmMain::PageRadio);
    editor.choose(editor.combo("cbRadioSelectSat"), 0);
    take("lvRadioCh");
    for (const auto &[page, selector, list] : {std::tuple{TfrmMain::PageFavTv, "cbFavTvGrp", "lvTvFavCh"},
                                               std::tuple{TfrmMain::PageFavRadio, "cbFavRadioGrp", "lvRadioFavCh"}}) {
        editor.clickTab(page);
        for (int group = 0; group < editor.combo(selector)->count(); ++group) {
            editor.choose(editor.combo(selector), group);
            take(list);
        }
    }
    return rows;
}

} // namespace

void DeleteCommandsTest::favouritesPageOnceEveryChannelIsGone_data()
{
    QTest::addColumn<bool>("radio");
    QTest::newRow("TV") << false;
    QTest::newRow("radio") << true;
}

// The groups are empty then, and so is the page that shows them.
void DeleteCommandsTest::favouritesPageOnceEveryChannelIsGone()
{
    QFETCH(bool, radio);
    k510::ChannelDatabase db = orderedDatabase();
    db.radioFavourites[0] = {3, 1};
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(radio ? TfrmMain::PageFavRadio : TfrmMain::PageFavTv);   // shown once with its entries
    QVERIFY(editor.list(radio ? "lvRadioFavCh" : "lvTvFavCh")->rowCount() > 0);
    editor.clickTab(radio ? TfrmMain::PageRadio : TfrmMain::PageTv);
    editor.dialogs().answers = {true};
    editor.window().pmDelAllClick();   // favourites stay ...
    ReportList *list = editor.list(radio ? "lvRadioCh" : "lvTvCh");
    EditorDriver::selectRows(list, {});
    for (int row = 0; row < list->rowCount(); ++row)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    editor.dialogs().threeWayAnswers = {Answer::Yes};
    editor.window().pmDeleteClick();   // ... until they are deleted too
    QVERIFY(radio ? editor.window().database().radioOrder.empty() : editor.window().database().tvOrder.empty());

    editor.clickTab(radio ? TfrmMain::PageFavRadio : TfrmMain::PageFavTv);
    QCOMPARE(editor.list(radio ? "lvRadioFavCh" : "lvTvFavCh")->rowCount(), 0);
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 0"));
}

void DeleteCommandsTest::randomStepsActOnShownSelectedRows_data()
{
    QTest::addColumn<unsigned>("seed");
    for (const unsigned seed : {1u, 2u, 3u})
        QTest::addRow("seed %u", seed) << seed;
}

// A user's session in random steps: rows chosen by clicks, Ctrl+clicks,
// Shift+click ranges and Ctrl+A, with and without a filter, then Del, the
// purge, undo and redo. After every step the database is what the model
// makes of the rows that were shown and selected, and every list shows what
// a fresh open of the saved image shows.
void DeleteCommandsTest::randomStepsActOnShownSelectedRows()
{
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    const auto below = [&](int n) { return n <= 1 ? 0 : int(random() % unsigned(n)); };

    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    k510::ChannelDatabase expected = editor.window().database();
    std::vector<k510::ChannelDatabase> undoable, redoable;
    const auto done = [&](const k510::ChannelDatabase &before) {
        if (imageBytes(before) == imageBytes(expected))
            return;
        undoable.push_back(before);
        redoable.clear();
    };

    struct Page {
        TfrmMain::Page page;
        const char *list, *selector, *find;
    };
    const std::array<Page, 4> pages{{{TfrmMain::PageTv, "lvTvCh", "cbTvSelectSat", "edTvFind"},
                                     {TfrmMain::PageRadio, "lvRadioCh", "cbRadioSelectSat", "edRadioFind"},
                                     {TfrmMain::PageFavTv, "lvTvFavCh", "cbFavTvGrp", "edTvFavFind"},
                                     {TfrmMain::PageFavRadio, "lvRadioFavCh", "cbFavRadioGrp", "edRadioFavFind"}}};

    for (int step = 0; step < 25; ++step) {
        const int kind = below(10);
        const k510::ChannelDatabase before = expected;
        if (kind == 0 && !undoable.empty()) {
            editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
            redoable.push_back(expected);
            expected = undoable.back();
            undoable.pop_back();
        } else if (kind == 1 && !redoable.empty()) {
            editor.window().findChild<QAction *>(QStringLiteral("mmEditRedo"))->trigger();
            undoable.push_back(expected);
            expected = redoable.back();
            redoable.pop_back();
        } else {
            const Page &page = pages[std::size_t(below(4))];
            const bool tv = page.page == TfrmMain::PageTv || page.page == TfrmMain::PageFavTv;
            const bool favourites = page.page == TfrmMain::PageFavTv || page.page == TfrmMain::PageFavRadio;
            editor.clickTab(page.page);
            QComboBox *selector = editor.combo(page.selector);
            editor.choose(selector, below(selector->count()));
            ReportList *list = editor.list(page.list);
            auto *find = editor.window().findChild<QLineEdit *>(QLatin1String(page.find));
            find->clear();
            if (list->rowCount() > 0 && below(2) == 0)
                find->setText(list->text(below(list->rowCount()), 1).left(1 + below(2)));
            std::vector<int> shown;
            for (int row = 0; row < list->rowCount(); ++row)
                if (!list->isRowHidden(row))
                    shown.push_back(row);
            const bool purge = kind == 2 && !favourites && find->text().isEmpty();
            if (purge) {
                editor.dialogs().answers = {true};
                editor.window().pmDelAllClick();
                const int entry = selector->currentIndex();
                const std::optional<int> satellite = entry > 0 ? std::optional(entry - 1) : std::nullopt;
                const std::vector<int> numbers = tv ? k510::unfavouredTvNumbers(expected, satellite)
                                                    : k510::unfavouredRadioNumbers(expected, satellite);
                tv ? k510::deleteTvChannels(expected, numbers) : k510::deleteRadioChannels(expected, numbers);
            } else if (!shown.empty()) {
                // The user's choice of rows, by the means every list offers.
                const int way = below(3);
                editor.clickRow(list, shown[std::size_t(below(int(shown.size())))]);
                if (way == 0) {
                    for (int more = below(4); more > 0; --more)
                        editor.clickRow(list, shown[std::size_t(below(int(shown.size())))], Qt::ControlModifier);
                } else if (way == 1) {
                    editor.clickRow(list, shown[std::size_t(below(int(shown.size())))], Qt::ShiftModifier);
                } else {
                    editor.pressKey(list, Qt::Key_A, Qt::ControlModifier);
                }
                std::vector<int> references;
                for (int row = 0; row < list->rowCount(); ++row) {
                    if (!list->selectionModel()->isRowSelected(row, {}))
                        continue;
                    QVERIFY2(!list->isRowHidden(row), "a hidden row is selected");
                    references.push_back(list->text(row, 0).toInt());
                }
                // Favourites among them go too, asked about one or several.
                editor.dialogs().answers = {true};
                editor.dialogs().threeWayAnswers = {Answer::Yes};
                editor.pressKey(list, Qt::Key_Delete);

                const int entry = selector->currentIndex();
                if (favourites) {
                    auto &groups = tv ? expected.tvFavourites : expected.radioFavourites;
                    k510::removeFavouriteEntries(groups[std::size_t(entry)], references);
                } else {
                    // "#" is the place in the order under "ВСЕ СПУТНИКИ", else the channel index + 1.
                    const int tvCount = int(expected.tvOrder.size());
                    const auto &order = tv ? expected.tvOrder : expected.radioOrder;
                    std::vector<int> numbers;
                    for (const int reference : references)
                        numbers.push_back(entry <= 0 ? order[std::size_t(reference - 1)]
                                                     : (tv ? reference : reference - tvCount));
                    tv ? k510::deleteTvChannels(expected, numbers) : k510::deleteRadioChannels(expected, numbers);
                }
            }
            done(before);
        }
        QVERIFY2(imageBytes(editor.window().database()) == imageBytes(expected),
                 qPrintable(QStringLiteral("step %1: the database is not what the shown, selected rows give").arg(step)));
        QVERIFY(k510::numberingProblems(editor.window().database()).empty());

        EditorDriver fresh;
        fresh.open(editor.window().database());
        QCOMPARE(everyList(editor), everyList(fresh));
    }
}

QTEST_MAIN(DeleteCommandsTest)
#include "tst_delete_commands.moc"
