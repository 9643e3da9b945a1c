// SPDX-License-Identifier: GPL-3.0-or-later
// The filter row above the channel lists and the commands on a selection:
// the rows shown against the model's matcher, the window's changes against
// k510-tool's, refusals that change nothing, and the channel-name field.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QUndoStack>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "model/BulkChanges.h"
#include "model/ChannelFilter.h"
#include "model/TextCodec.h"
#include "tests/model/RandomDatabases.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/commands/EditHistory.h"

#include <random>

using k510::ChannelConditions;
using k510::ChannelKind;
using k510::ui::ReportList;

namespace {

struct PageNames {
    const char *list;
    QString prefix;         // of the filter row and its controls
    const char *selector;   // the satellite selector, or a favourites page's group selector
    ChannelKind kind;
    bool favourites;
};

PageNames namesOf(int page)
{
    switch (page) {
    case TfrmMain::PageTv: return {"lvTvCh", "Tv", "cbTvSelectSat", ChannelKind::Tv, false};
    case TfrmMain::PageRadio: return {"lvRadioCh", "Radio", "cbRadioSelectSat", ChannelKind::Radio, false};
    case TfrmMain::PageFavTv: return {"lvTvFavCh", "TvFav", "cbFavTvGrp", ChannelKind::Tv, true};
    default: return {"lvRadioFavCh", "RadioFav", "cbFavRadioGrp", ChannelKind::Radio, true};
    }
}

template <class Widget>
Widget *control(QObject &parent, const QString &name)
{
    if (auto *widget = parent.findChild<Widget *>(name))
        return widget;
    qFatal("no control %s", qPrintable(name));
}

QAction *action(EditorDriver &editor, const QString &name) { return control<QAction>(editor.window(), name); }

// What the rows stand for: those shown, or all behind the list, filtered or not.
std::vector<int> identities(const ReportList &list, bool shownOnly)
{
    std::vector<int> identities;
    for (int row = 0; row < (shownOnly ? list.rowCount() : list.rows().count()); ++row)
        identities.push_back(shownOnly ? list.identityOf(row) : list.rows().identityOf(row));
    return identities;
}

qsizetype firstDifference(const QByteArray &a, const QByteArray &b)
{
    const auto at = std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first;
    return at == a.end() && a.size() == b.size() ? -1 : at - a.begin();
}

struct ToolRun {
    int exitCode = -1;   // -1 when it crashed or ran for a minute
    QString out, errors;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(K510_TOOL_PATH), arguments);
    const bool ended = tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit;
    return {ended ? tool.exitCode() : -1, QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}

// Sets controls written "name=value", a combo's entry as the user chooses
// it or a field's text, or "name", a check box on.
void fill(QObject &parent, const QStringList &settings)
{
    for (const QString &setting : settings) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        const QString name = setting.left(equals), value = setting.mid(equals + 1);
        if (equals < 0) {
            control<QCheckBox>(parent, setting)->setChecked(true);
        } else if (auto *box = parent.findChild<QComboBox *>(name)) {
            box->setCurrentIndex(value.toInt());
            emit box->activated(value.toInt());
        } else {
            control<QLineEdit>(parent, name)->setText(value);
        }
    }
}

struct FilteredRun {
    ReportList *list;
    int shown, selected;   // rows before the command
    QString problems;      // what lbRenameProblems said
};

// The page's selector and filter row set up, Ctrl+A and the command: the
// menu item, then the rename dialog's fields, filled and answered OK (even
// while the dialog greys OK, as a refusal must hold without it).
FilteredRun runOnFiltered(EditorDriver &editor, int page, const QString &setup, const QStringList &command)
{
    editor.clickTab(page);
    fill(editor.window(), setup.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    ReportList *list = editor.list(namesOf(page).list);
    list->setFocus();
    editor.pressKey(list, Qt::Key_A, Qt::ControlModifier);
    auto problems = std::make_shared<QString>();
    editor.dialogs().dialogScript.push_back([fields = command.mid(1), problems](QDialog &dialog) {
        fill(dialog, fields);
        *problems = control<QLabel>(dialog, QStringLiteral("lbRenameProblems"))->text();
        return true;
    });
    FilteredRun run{list, list->rowCount(), int(EditorDriver::selectedRows(list).size()), {}};
    action(editor, command.first())->trigger();
    editor.dialogs().dialogScript.clear();
    run.problems = *problems;
    return run;
}

// The numbers in a text, in ascending order.
std::vector<int> numbersIn(const QString &text)
{
    std::vector<int> numbers;
    for (const QRegularExpressionMatch &match : QRegularExpression(QStringLiteral("\\d+")).globalMatch(text))
        numbers.push_back(match.captured().toInt());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

class SelectionCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void filterAgreesWithModel();
    void windowMatchesTool_data();
    void windowMatchesTool();
    void refusalsChangeNothing_data();
    void refusalsChangeNothing();
    void nameFieldRefusesAsTyped_data();
    void nameFieldRefusesAsTyped();
};

// Random conditions on every channel page of random databases: the rows
// shown are those the model's matcher lets through, in their order, and
// stay so when a command changes the channels under the filter.
void SelectionCommandsTest::filterAgreesWithModel()
{
    using k510::testing::chance;
    using k510::testing::uniform;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        k510::ChannelDatabase start = k510::testing::randomDatabase(random, 60);
        // Some copies (same transponder and service ID), some channels locked, some scrambled.
        for (std::size_t i = 1; i < start.channels.size(); ++i) {
            const k510::Channel &earlier = start.channels[std::size_t(uniform(random, 0, int(i) - 1))];
            if (earlier.tpNumber == start.channels[i].tpNumber && chance(random, 50))
                start.channels[i].serviceId = earlier.serviceId;
        }
        for (const ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio})
            for (int number = 1; number <= int(start.order(kind).size()); ++number) {
                QVERIFY(k510::setLocked(start, kind, {number}, chance(random, 30)));
                QVERIFY(k510::setScrambled(start, kind, {number}, chance(random, 20)));
            }
        EditorDriver editor;
        editor.open(start);
        const k510::ChannelDatabase &db = editor.window().database();
        auto *shownCount = control<QLabel>(editor.window(), QStringLiteral("sbStatusShown"));
        for (const int page : {TfrmMain::PageTv, TfrmMain::PageRadio, TfrmMain::PageFavTv, TfrmMain::PageFavRadio}) {
            const PageNames names = namesOf(page);
            editor.clickTab(page);
            ReportList &list = *editor.list(names.list);
            for (int round = 0; round < 3; ++round) {
                // A favourites page without channels offers no groups.
                const int entries = editor.combo(names.selector)->count();
                const int entry = uniform(random, 0, std::max(0, entries - 1));
                QStringList setup;
                if (entries > 0)
                    setup << QStringLiteral("%1=%2").arg(QLatin1String(names.selector)).arg(entry);
                const auto pick = [&](const char *name, int count) {
                    const int chosen = count > 1 && chance(random, 30) ? uniform(random, 1, count - 1) : 0;
                    setup << QStringLiteral("%1Filter%2=%3").arg(names.prefix, QLatin1String(name)).arg(chosen);
                    return chosen;
                };
                ChannelConditions set;
                if (!names.favourites && entry > 0) {
                    const std::vector<int> &offered = db.satellites[std::size_t(entry - 1)].transponderIndices;
                    if (const int chosen = pick("Transponder", int(offered.size()) + 1))
                        set.transponder = offered[std::size_t(chosen - 1)] + 1;
                }
                if (const int chosen = pick("Scrambled", 3))
                    set.scrambled = chosen == 1;
                if (const int chosen = pick("Locked", 3))
                    set.locked = chosen == 1;
                const int inGroups = pick("Favourites", 15);
                using enum k510::FavouriteCondition;
                set.favourites = inGroups == 0    ? Any
                                 : inGroups == 1  ? InAnyGroup
                                 : inGroups == 14 ? InNoGroup
                                                  : InGroup;
                set.group = inGroups - 2;
                if ((set.duplicates = chance(random, 20)))
                    setup << names.prefix + QStringLiteral("FilterDuplicates");
                // No ordering or import ran: "Новые" lets none through.
                if (chance(random, 5)) {
                    setup << names.prefix + QStringLiteral("FilterNew");
                    set.among = std::vector<int>{};
                }
                fill(editor.window(), setup);

                const auto check = [&](const char *when) {
                    const QByteArray context = QStringLiteral("seed %1, page %2: %3, %4")
                                                   .arg(seed).arg(page).arg(setup.join(' '), when).toUtf8();
                    const k510::ChannelMatcher matcher(db, names.kind, set);
                    std::vector<int> expected = identities(list, false);
                    std::erase_if(expected, [&](int identity) { return !matcher.matches(identity); });
                    QVERIFY2(identities(list, true) == expected, context.constData());
                    QVERIFY2(shownCount->isHidden() != set.filters(), context.constData());
                    if (set.filters())
                        QCOMPARE(shownCount->text(),
                                 QStringLiteral("Показано: %1 из %2").arg(expected.size()).arg(list.rows().count()));
                };
                check("as set");
                if (list.rowCount() > 0 && !QTest::currentTestFailed()) {
                    EditorDriver::selectRows(&list, {uniform(random, 0, list.rowCount() - 1)});
                    const char *commands[] = {"pmLock", "pmUnlock", "pmMarkScrambled", "pmMarkFree"};
                    action(editor, QLatin1String(commands[uniform(random, 0, 3)]))->trigger();
                    check("after a change");
                }
                if (QTest::currentTestFailed())
                    return;

                list.setFocus();
                QTest::keyClick(&list, Qt::Key_Escape);
                auto *row = control<QWidget>(editor.window(), names.prefix + "Filter");
                for (const QComboBox *box : row->findChildren<QComboBox *>())
                    QCOMPARE(box->currentIndex(), 0);
                for (const QCheckBox *box : row->findChildren<QCheckBox *>())
                    QVERIFY(!box->isChecked());
                QCOMPARE(identities(list, true), identities(list, false));
                QVERIFY(shownCount->isHidden());
                QCOMPARE(std::max(0, editor.combo(names.selector)->currentIndex()), entry);
            }
        }
    }
}

void SelectionCommandsTest::windowMatchesTool_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("locked");     // TV channels locked in the database opened
    QTest::addColumn<QString>("setup");         // the selector and the filter row, see fill()
    QTest::addColumn<QStringList>("command");   // the menu item, then the rename dialog's fields
    QTest::addColumn<QString>("find");          // k510-tool find's conditions
    QTest::addColumn<QStringList>("tool");      // k510-tool's command: IN and OUT follow its first word
    QTest::addColumn<QString>("undo");

    const int tv = TfrmMain::PageTv;
    // The demo database: 41 TV channels, 8 scrambled; satellite 1 "Hot Bird
    // 13E", its first transponder carrying 1-3; group 3 "Sport" holds 11, 28, 37, 12.
    QTest::newRow("lock the scrambled") << tv << QList<int>{} << "TvFilterScrambled=1" << QStringList{"pmLock"}
                                        << "--scrambled" << QStringList{"lock", "--tv", "LIST"}
                                        << "Отменить «Блокировка 8 каналов»";
    QTest::newRow("unlock the locked of a group")
        << tv << QList<int>{11, 12, 13, 28, 40} << "TvFilterLocked=1 TvFilterFavourites=4" << QStringList{"pmUnlock"}
        << "--locked --in-group 3" << QStringList{"unlock", "--tv", "LIST"} << "Отменить «Разблокировка 3 каналов»";
    QTest::newRow("mark the free of a transponder scrambled")
        << tv << QList<int>{} << "cbTvSelectSat=1 TvFilterTransponder=1 TvFilterScrambled=2"
        << QStringList{"pmMarkScrambled"} << "--satellite 1 --transponder 1 --free"
        << QStringList{"mark", "--tv", "LIST", "--scrambled"} << "Отменить «Отметка кодированными 3 каналов»";
    QTest::newRow("add the unlocked in no group to group 3")
        << tv << QList<int>{} << "TvFilterLocked=2 TvFilterFavourites=14" << QStringList{"pmAddToGroup3"}
        << "--unlocked --in-no-group" << QStringList{"favourites", "--tv-group", "3", "--add", "LIST"}
        << "Отменить «Добавление 19 каналов в группу «Sport»»";
    QTest::newRow("add a suffix") << tv << QList<int>{} << "cbTvSelectSat=1 TvFilterScrambled=1"
                                  << QStringList{"pmRename", "leRenameAddSuffix= HD"} << "--satellite 1 --scrambled"
                                  << QStringList{"rename", "--tv", "LIST", "--suffix", " HD"}
                                  << "Отменить «Переименование 3 каналов»";
    QTest::newRow("replace Cyrillic ignoring case")
        << tv << QList<int>{} << "TvFilterFavourites=1"
        << QStringList{"pmRename", "leRenameFrom=тв", "leRenameTo=TV", "chkRenameIgnoreCase"} << "--in-any-group"
        << QStringList{"rename", "--tv", "LIST", "--replace", "тв=TV", "--ignore-case"}
        << "Отменить «Переименование 22 каналов»";
    QTest::newRow("lock the radio of a group")
        << int(TfrmMain::PageRadio) << QList<int>{} << "RadioFilterFavourites=2" << QStringList{"pmLock"}
        << "--radio --in-group 1" << QStringList{"lock", "--radio", "LIST"} << "Отменить «Блокировка 6 каналов»";
    QTest::newRow("take the locked out of a group")
        << int(TfrmMain::PageFavTv) << QList<int>{28, 37, 40} << "cbFavTvGrp=2 TvFavFilterLocked=1"
        << QStringList{"pmRemoveFromGroup"} << "--in-group 3 --locked"
        << QStringList{"favourites", "--tv-group", "3", "--remove", "LIST"} << "Отменить «Удаление из избранных»";
}

// The same conditions and command in the window and through k510-tool find
// and the tool's command give the same image; one undo gives back the image opened.
void SelectionCommandsTest::windowMatchesTool()
{
    QFETCH(int, page);
    QFETCH(QList<int>, locked);
    QFETCH(QString, setup);
    QFETCH(QStringList, command);
    k510::ChannelDatabase db = k510::samples::demoDatabase();
    QVERIFY(k510::setLocked(db, ChannelKind::Tv, std::vector<int>(locked.begin(), locked.end()), true));
    EditorDriver editor;
    const QString in = editor.writeImageFile(db, QStringLiteral("in.k5d"));
    editor.openThroughMenu(in);
    const FilteredRun run = runOnFiltered(editor, page, setup, command);
    QVERIFY(run.shown > 0);
    QCOMPARE(run.selected, run.shown);
    QVERIFY2(editor.dialogs().messages.isEmpty(), qPrintable(editor.dialogs().messages.join('|')));
    const QString saved = editor.path(QStringLiteral("window.k5d"));
    editor.saveThroughMenu(saved);

    QFETCH(QString, find);
    const ToolRun found = runTool(QStringList{QStringLiteral("find"), in} + find.split(QLatin1Char(' ')));
    QVERIFY2(found.exitCode == 0, qPrintable(found.errors));
    const QString out = editor.path(QStringLiteral("tool.k5d"));
    QFETCH(QStringList, tool);
    // A group takes the channels in the order the list shows them (here the
    // user's order), the tool in the order given.
    QString list = found.out.trimmed();
    if (tool.contains(QStringLiteral("--add"))) {
        std::vector<int> numbers;
        for (const QString &range : list.split(QLatin1Char(','))) {
            const QStringList ends = range.split(QLatin1Char('-'));
            for (int number = ends.first().toInt(); number <= ends.last().toInt(); ++number)
                numbers.push_back(number);
        }
        std::stable_sort(numbers.begin(), numbers.end(), [&db](int a, int b) {
            return db.placeOf(ChannelKind::Tv, a) < db.placeOf(ChannelKind::Tv, b);
        });
        QStringList shownOrder;
        for (const int number : numbers)
            shownOrder << QString::number(number);
        list = shownOrder.join(QLatin1Char(','));
    }
    tool.replaceInStrings(QRegularExpression(QStringLiteral("^LIST$")), list);
    tool.insert(1, in);
    tool.insert(2, out);
    const ToolRun changed = runTool(tool);
    QVERIFY2(changed.exitCode == 0, qPrintable(changed.errors));
    QCOMPARE(firstDifference(fileBytes(saved), fileBytes(out)), qsizetype(-1));

    QAction *undo = action(editor, QStringLiteral("mmEditUndo"));
    QTEST(undo->iconText(), "undo");
    undo->trigger();
    QCOMPARE(firstDifference(imageBytes(editor.window().database()), fileBytes(in)), qsizetype(-1));
    QVERIFY(!undo->isEnabled());
}

void SelectionCommandsTest::refusalsChangeNothing_data()
{
    QTest::addColumn<QString>("setup");         // on the TV page
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QStringList>("refused");   // the names the rename dialog marks
    QTest::addColumn<QString>("message");       // for a group: the whole message

    // Group 3 "Sport" holds 78 entries; 18 free channels are in no group.
    QTest::newRow("a group that would overflow")
        << "TvFilterScrambled=2 TvFilterFavourites=14" << QStringList{"pmAddToGroup3"} << QStringList{}
        << "В группе «Sport» есть место ещё для 2 каналов, выбрано 18: ничего не добавлено.";
    // Satellite 6 "Express AM6": "Мир", "ОТР", "Башкортостан 24", "Татарстан 24".
    QTest::newRow("an empty name") << "cbTvSelectSat=6" << QStringList{"pmRename", "leRenameFrom=ОТР", "leRenameTo="}
                                   << QStringList{"ОТР"} << "";
    // With every satellite shown a row's "#" is its place in the order, not its channel number.
    QTest::newRow("names past 16 bytes in the whole list")
        << "TvFilterScrambled=2 TvFilterFavourites=14" << QStringList{"pmRename", "leRenameAddSuffix= HD"}
        << QStringList{"TV5Monde Europe", "Башкортостан 24"} << "";
}

// A refused command leaves the database as opened, byte for byte, and no
// undo step; the rename dialog and the refusal name the rows as the list does.
void SelectionCommandsTest::refusalsChangeNothing()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, command);
    QFETCH(QStringList, refused);
    k510::ChannelDatabase db = k510::samples::demoDatabase();
    db.tvFavourites[2].resize(78, 11);
    EditorDriver editor;
    const QString in = editor.writeImageFile(db, QStringLiteral("in.k5d"));
    editor.openThroughMenu(in);
    const auto [list, shown, selected, problems] = runOnFiltered(editor, TfrmMain::PageTv, setup, command);
    QCOMPARE(selected, shown);

    QCOMPARE(editor.dialogs().messages.size(), 1);
    const QString message = editor.dialogs().messages.first();
    if (refused.isEmpty()) {
        QTEST(message, "message");
    } else {
        QStringList rows;
        for (const QString &name : refused) {
            const int row = int(EditorDriver::column(list, 1).indexOf(name));
            QVERIFY(row >= 0);
            rows << list->text(row, 0);
        }
        const QString listed = QStringLiteral(" | the list shows them as ") + rows.join(QStringLiteral(", "));
        QVERIFY2(numbersIn(problems) == numbersIn(rows.join(' ')), qPrintable(problems + listed));
        QVERIFY2(numbersIn(message) == numbersIn(rows.join(' ')), qPrintable(message + listed));
    }
    QVERIFY(!action(editor, QStringLiteral("mmEditUndo"))->isEnabled());
    QCOMPARE(editor.window().history().stack().count(), 0);
    const QString saved = editor.path(QStringLiteral("saved.k5d"));
    editor.saveThroughMenu(saved);
    QCOMPARE(firstDifference(fileBytes(saved), fileBytes(in)), qsizetype(-1));
}

void SelectionCommandsTest::nameFieldRefusesAsTyped_data()
{
    QTest::addColumn<int>("row");        // 0 "Rai 1", 1 "Ёлка"
    QTest::addColumn<QString>("typed");  // key by key at the end of the name
    QTest::addColumn<QString>("name");   // in the field afterwards, and stored on OK
    QTest::addColumn<QString>("note");   // leNameRoom afterwards
    const QString cannotShow = QStringLiteral("Этот символ приёмник не покажет: можно латиницу, цифры, знаки и русские "
                                              "буквы (кроме Ё)");
    QTest::newRow("Ё") << 0 << "Ё" << "Rai 1" << cannotShow;
    QTest::newRow("«") << 0 << "«" << "Rai 1" << cannotShow;
    QTest::newRow("Latin, digits and Cyrillic") << 0 << " Ня2-x" << "Rai 1 Ня2-x" << "Осталось байт: 5 из 16";
    QTest::newRow("sixteen at most") << 0 << "abcdefghijkl" << "Rai 1abcdefghijk" << "Осталось байт: 0 из 16";
    // A loaded "Ё" can be edited (to take it out); OK still refuses it.
    QTest::newRow("a loaded Ё stays") << 1 << "x" << "Ёлкаx" << "Осталось байт: 11 из 16";
    QTest::newRow("no new Ё joins it") << 1 << "xЁ" << "Ёлкаx" << cannotShow;
    QTest::newRow("not even as the first key") << 1 << "Ё" << "Ёлка" << cannotShow;
}

// In the TV channel edit dialog, as the user types; then OK.
void SelectionCommandsTest::nameFieldRefusesAsTyped()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    EditorDriver editor;
    editor.open(oneTransponderBuilder({"Rai 1", "Ёлка"}).build());
    editor.clickTab(TfrmMain::PageTv);
    editor.clickRow(editor.list("lvTvCh"), row);
    QString name, note;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *field = control<QLineEdit>(dialog, QStringLiteral("leName"));
        auto *room = control<QLabel>(dialog, QStringLiteral("leNameRoom"));
        field->setFocus();
        field->end(false);
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        name = field->text();
        note = room->text();
        return row == 0;
    });
    editor.window().pmChangeClick();
    QTEST(name, "name");
    QTEST(note, "note");
    if (row != 0)
        return;
    // What the field let through is stored.
    QVERIFY2(editor.dialogs().messages.isEmpty(), qPrintable(editor.dialogs().messages.join('|')));
    QCOMPARE(editor.dialogs().shownDialogs.size(), 1);
    const std::string stored = editor.window().database().channels[std::size_t(row)].nameText();
    QTEST(QString::fromStdString(k510::windows1251ToUtf8(stored)), "name");
}

QTEST_MAIN(SelectionCommandsTest)
#include "tst_selection_commands.moc"
