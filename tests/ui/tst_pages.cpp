// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

using k510::ui::ReportList;

namespace {

QStringList numbersFrom(int first, int count)
{
    QStringList numbers;
    for (int n = first; n < first + count; ++n)
        numbers.append(QString::number(n));
    return numbers;
}

} // namespace

// What each page lists for the demo database, how it numbers its rows, and
// what the status bar says about it.
class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty();
    void satellitePageAfterOpen();
    void channelPages_data();
    void channelPages();
    void transponderPageForOneSatellite();
    void favouritePages_data();
    void favouritePages();
    void satelliteListIsNotRebuilt();
    void imageWithoutSatellitesOrRadio();
    void entriesNamingNoChannelShowEmptyRows();
    void channelTypeWarnings();
    void abbreviatedTitlesSayWhatTheyMean();
};

void PagesTest::startsEmpty()
{
    EditorDriver editor;
    QCOMPARE(editor.title(), windowTitleFor());
    QCOMPARE(editor.window().findChild<QTabWidget *>("Pages")->currentIndex(), 0);
    for (const char *name : {"lvSatView", "lvTpView", "lvTvCh", "lvRadioCh", "lvTvFavCh", "lvRadioFavCh"})
        QCOMPARE(editor.list(name)->rowCount(), 0);
    QCOMPARE(editor.combo("cbTvSelectSat")->count(), 0);
    for (int panel = 0; panel < 5; ++panel)
        QCOMPARE(editor.statusPanel(panel), QString());
    QVERIFY(editor.window().width() >= 592 && editor.window().height() >= 380);
}

void PagesTest::satellitePageAfterOpen()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    ReportList *satellites = editor.list("lvSatView");
    QCOMPARE(EditorDriver::column(satellites, 0), numbersFrom(1, 6));
    const QStringList fourth = {"4", "Eutelsat 36E", "Single", "-", "1.1", "-", "12", "E", "36,0"};
    for (int c = 0; c < 9; ++c)
        QCOMPARE(satellites->text(3, c), fourth[c]);
    QCOMPARE(satellites->text(5, 2), QStringLiteral("OCS"));
    QCOMPARE(satellites->text(2, 7), QStringLiteral("W"));

    const QStringList entries = {"ВСЕ СПУТНИКИ", "Hot Bird 13E", "Astra 19.2E", "Amos 4W",
                                 "Eutelsat 36E", "ABS 75E",     "Express AM6"};
    for (const char *name : {"cbTvSelectSat", "cbRadioSelectSat"}) {
        QComboBox *selector = editor.combo(name);
        QCOMPARE(selector->count(), entries.size());
        QCOMPARE(selector->currentIndex(), 0);
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(selector->itemText(i), entries[i]);
    }
    auto *tpSelector = editor.window().findChild<QListWidget *>("cbTpSelectSat");
    QCOMPARE(tpSelector->count(), entries.size());
    QCOMPARE(tpSelector->item(6)->text(), entries[6]);
    // The counts are those of the database just opened.
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 6"));
    QCOMPARE(editor.statusPanel(4), QStringLiteral("Каналов: 58"));
}

void PagesTest::channelPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("selectorName");
    QTest::addColumn<int>("satellite");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("firstRow");

    // TV order puts the Russian channels (TV numbers 23..41) first.
    QTest::newRow("TV, all satellites") << 2 << "lvTvCh" << "cbTvSelectSat" << 0 << numbersFrom(1, 41)
                                        << QStringList{"1", "Первый канал", "-", "+", "10722", "H"};
    // With one satellite "#" is the channel index + 1, transponder by transponder.
    QTest::newRow("TV, Amos 4W") << 2 << "lvTvCh" << "cbTvSelectSat" << 3 << numbersFrom(23, 7)
                                 << QStringList{"23", "Первый канал", "-", "+", "10722", "H"};
    QTest::newRow("TV, Hot Bird 13E") << 2 << "lvTvCh" << "cbTvSelectSat" << 1 << numbersFrom(1, 13)
                                             << QStringList{"1", "Rai 1", "-", "+", "10992", "V"};
    QTest::newRow("radio, all satellites") << 3 << "lvRadioCh" << "cbRadioSelectSat" << 0 << numbersFrom(1, 17)
                                           << QStringList{"1", "Rai Radio 1", "-", "+", "10992", "V"};
    // Radio "#" counts the 41 TV channels too.
    QTest::newRow("radio, Amos 4W") << 3 << "lvRadioCh" << "cbRadioSelectSat" << 3 << numbersFrom(49, 4)
                                    << QStringList{"49", "Вести FM", "-", "+", "10722", "H"};
    QTest::newRow("radio, Astra 19.2E") << 3 << "lvRadioCh" << "cbRadioSelectSat" << 2
                                                    << numbersFrom(46, 3)
                                                    << QStringList{"46", "Bayern 3", "-", "+", "11229", "V"};
}

void PagesTest::channelPages()
{
    QFETCH(int, page);
    QFETCH(QString, listName);
    QFETCH(QString, selectorName);
    QFETCH(int, satellite);
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, firstRow);

    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(page);
    if (satellite > 0)
        editor.choose(editor.combo(selectorName.toLatin1()), satellite);
    ReportList *list = editor.list(listName.toLatin1());
    QCOMPARE(EditorDriver::column(list, 0), numbers);
    for (int c = 0; c < firstRow.size(); ++c)
        QCOMPARE(list->text(0, c), firstRow[c]);
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: %1").arg(numbers.size()));
    QCOMPARE(editor.statusPanel(2), QStringLiteral("Спутников: 6"));
    QCOMPARE(editor.statusPanel(3), QStringLiteral("Трансп.: 30"));
    QCOMPARE(editor.statusPanel(4), QStringLiteral("Каналов: 58"));

    // Back to all satellites, the whole order is listed again.
    editor.choose(editor.combo(selectorName.toLatin1()), 0);
    QCOMPARE(list->rowCount(), page == 2 ? 41 : 17);
}

void PagesTest::transponderPageForOneSatellite()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(1);
    ReportList *list = editor.list("lvTpView");
    QCOMPARE(EditorDriver::column(list, 0), numbersFrom(1, 30));
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 30"));

    editor.chooseTransponderSatellite(2);
    QCOMPARE(EditorDriver::column(list, 0), numbersFrom(1, 6));
    QCOMPARE(EditorDriver::column(list, 2), (QStringList{"11229", "11494", "11597", "11836", "12188", "12603"}));
    const QStringList first = {"1", "V", "11229", "22000", "2/3"};
    for (int c = 0; c < 5; ++c)
        QCOMPARE(list->text(0, c), first[c]);
    QCOMPARE(list->text(5, 4), QStringLiteral("5/6"));
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 6"));
    QCOMPARE(editor.window().findChild<QListWidget *>("cbTpSelectSat")->parentWidget()->findChild<QLineEdit *>()->text(),
             QStringLiteral("Astra 19.2E"));

    // The page is refilled from the database whenever it is shown.
    editor.clickTab(0);
    editor.chooseTransponderSatellite(0);
    editor.clickTab(1);
    QCOMPARE(list->rowCount(), 30);
}

void PagesTest::favouritePages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("listName");
    QTest::addColumn<QString>("selectorName");
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("groupName");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("TV group 1") << 4 << "lvTvFavCh" << "cbFavTvGrp" << 0 << "Новости"
                                << QStringList{"Россия 24", "Euronews", "France 24", "BBC World News", "n-tv",
                                               "Триколор Инфо"};
    QTest::newRow("TV group 3") << 4 << "lvTvFavCh" << "cbFavTvGrp" << 2 << "Sport"
                                << QStringList{"Sky Sport 24", "Матч ТВ", "Setanta Sports", "Eurosport 1"};
    QTest::newRow("TV group 5, empty") << 4 << "lvTvFavCh" << "cbFavTvGrp" << 4 << "Группа 5" << QStringList{};
    QTest::newRow("radio group 2") << 5 << "lvRadioFavCh" << "cbFavRadioGrp" << 1 << "Talk"
                                   << QStringList{"Радио России", "Маяк", "Вести FM", "Радио Звезда"};
}

void PagesTest::favouritePages()
{
    QFETCH(int, page);
    QFETCH(QString, listName);
    QFETCH(QString, selectorName);
    QFETCH(int, group);
    QFETCH(QString, groupName);
    QFETCH(QStringList, names);

    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(page);
    QComboBox *groups = editor.combo(selectorName.toLatin1());
    QCOMPARE(groups->count(), 12);
    QCOMPARE(groups->currentIndex(), 0);
    editor.choose(groups, group);
    QCOMPARE(groups->currentText(), groupName);

    ReportList *list = editor.list(listName.toLatin1());
    QCOMPARE(EditorDriver::column(list, 1), names);
    QCOMPARE(EditorDriver::column(list, 0), numbersFrom(1, int(names.size())));
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: %1").arg(names.size()));
    QCOMPARE(editor.statusPanel(3), QStringLiteral("Трансп.: 30"));

    // The chosen group survives a page change and is listed again.
    editor.clickTab(0);
    editor.clickTab(page);
    QCOMPARE(groups->currentIndex(), group);
    QCOMPARE(EditorDriver::column(list, 1), names);
}

void PagesTest::satelliteListIsNotRebuilt()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    ReportList *satellites = editor.list("lvSatView");
    editor.clickColumnTitle(satellites, 1);
    const QStringList sorted = EditorDriver::column(satellites, 1);
    QCOMPARE(sorted.first(), QStringLiteral("ABS 75E"));
    editor.clickTab(2);
    editor.clickTab(0);
    QCOMPARE(EditorDriver::column(satellites, 1), sorted);
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 6"));
}

void PagesTest::imageWithoutSatellitesOrRadio()
{
    k510::samples::DatabaseBuilder noRadio;
    noRadio.addSatellite({"Sat"});
    noRadio.addTransponder(1, 11000, 'H', 27500, 3);
    noRadio.addTv(1, {"Один"});
    noRadio.setRadioGroup(1, "Радио", {1});

    EditorDriver editor;
    editor.dialogs().answers = {true};   // the group naming no radio channel is repaired
    editor.open(noRadio.build());
    editor.clickTab(5);
    QCOMPARE(editor.combo("cbFavRadioGrp")->count(), 0);
    QCOMPARE(editor.list("lvRadioFavCh")->rowCount(), 0);
    editor.clickTab(4);
    QCOMPARE(editor.combo("cbFavTvGrp")->count(), 12);

    editor.dialogs().threeWayAnswers = {UserDialogs::Answer::No};   // the repair is not kept
    editor.open(k510::samples::DatabaseBuilder().build());
    QCOMPARE(editor.list("lvSatView")->rowCount(), 0);
    QCOMPARE(editor.combo("cbTvSelectSat")->count(), 1);
    QCOMPARE(editor.combo("cbTvSelectSat")->itemText(0), QStringLiteral("ВСЕ СПУТНИКИ"));
    editor.clickTab(4);
    QCOMPARE(editor.combo("cbFavTvGrp")->count(), 0);
    QCOMPARE(editor.statusPanel(2), QStringLiteral("Спутников: 0"));
}

void PagesTest::entriesNamingNoChannelShowEmptyRows()
{
    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({"Sat"});
    builder.addTransponder(1, 11000, 'H', 27500, 3);
    for (const char *name : {"A", "B", "C"})
        builder.addTv(1, {name});
    builder.addRadio(1, {"R1"});
    builder.addRadio(1, {"R2"});
    builder.setTvOrder({2, 0, 999});
    builder.setRadioOrder({60000, 1});
    builder.setTvGroup(1, "Битая", {0, 3, 4, 60000});
    builder.setRadioGroup(1, "Битая", {0, 2, 3});

    EditorDriver editor;
    editor.dialogs().answers = {false};   // the numbering repair is declined
    editor.open(builder.build());
    QVERIFY(editor.dialogs().messages.isEmpty());

    editor.clickTab(2);
    ReportList *tv = editor.list("lvTvCh");
    QCOMPARE(EditorDriver::column(tv, 0), numbersFrom(1, 3));
    QCOMPARE(EditorDriver::column(tv, 1), (QStringList{"B", "", ""}));
    editor.clickRow(tv, 0);
    QCOMPARE(editor.fieldText("leTvTpInfo"), QStringLiteral(" H/11000/27500"));
    editor.clickRow(tv, 2);
    editor.pressKey(tv, Qt::Key_Up);
    QCOMPARE(editor.fieldText("leTvTpInfo"), QStringLiteral(" H/11000/27500"));
    editor.clickColumnTitle(tv, 1);

    editor.clickTab(3);
    QCOMPARE(EditorDriver::column(editor.list("lvRadioCh"), 1), (QStringList{"", "R1"}));

    editor.clickTab(4);
    ReportList *tvFavourites = editor.list("lvTvFavCh");
    QCOMPARE(EditorDriver::column(tvFavourites, 0), numbersFrom(1, 4));
    QCOMPARE(EditorDriver::column(tvFavourites, 1), (QStringList{"", "C", "", ""}));
    editor.clickRow(tvFavourites, 3);
    editor.pressKey(tvFavourites, Qt::Key_Down);
    QCOMPARE(editor.fieldText("leTvFavSIDInfo"), QString());

    editor.clickTab(5);
    QCOMPARE(EditorDriver::column(editor.list("lvRadioFavCh"), 1), (QStringList{"", "R2", ""}));
}

void PagesTest::channelTypeWarnings()
{
    k510::ChannelDatabase db = k510::samples::demoDatabase();
    for (int i : {0, 1, 2, 3, 4})
        db.channels[size_t(i)].setServiceType(3);
    EditorDriver editor;
    editor.open(db);
    // The first few are shown one by one, the rest are summed up.
    QCOMPARE(editor.dialogs().messages.size(), 4);
    QCOMPARE(editor.dialogs().messages[0], QStringLiteral("Ошибка типа канала!"));
    QCOMPARE(editor.dialogs().messages[2], QStringLiteral("Ошибка типа канала!"));
    QVERIFY(editor.dialogs().messages[3].contains(QStringLiteral("2 каналов")));
    // Such channels are listed under no satellite but keep their place.
    editor.clickTab(2);
    editor.choose(editor.combo("cbTvSelectSat"), 1);
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 0).first(), QStringLiteral("6"));
}

void PagesTest::abbreviatedTitlesSayWhatTheyMean()
{
    EditorDriver editor;
    const std::vector<std::pair<const char *, QString>> titles = {
        {"lvSatView", QStringLiteral("0/12В")}, {"lvSatView", QStringLiteral("E/W")},
        {"lvTvCh", QStringLiteral("Блок.")},    {"lvTvCh", QStringLiteral("FTA")},
        {"lvRadioFavCh", QStringLiteral("FTA")},
    };
    for (const auto &[list, title] : titles) {
        const QAbstractItemModel *model = editor.list(list)->model();
        int column = 0;
        while (column < model->columnCount() && model->headerData(column, Qt::Horizontal).toString() != title)
            ++column;
        QVERIFY2(column < model->columnCount(), qPrintable(title));
        QVERIFY2(model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString().size() > title.size(),
                 qPrintable(title));
    }
}

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
