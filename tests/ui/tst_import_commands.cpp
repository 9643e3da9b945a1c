// SPDX-License-Identifier: GPL-3.0-or-later
// "Добавить из другой базы..." in the window: the channels chosen in the
// dialog, the summary before anything changes, "Отмена", one undo step, the
// refusal of a selection that does not fit, the dialog kept through refusals
// and a cancelled summary, the rows marked that the database has, and the
// added channels shown selected.
#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "ui/TfrmMain.h"
#include "ui/commands/EditHistory.h"
#include "ui/lists/ReportList.h"
#include "model/Conversions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include <functional>

#include "tools/samples/SampleDatabases.h"

using k510::ChannelDatabase;
using Damage = std::function<void(ChannelDatabase &)>;
Q_DECLARE_METATYPE(Damage)

namespace {

// A friend's copy of the editing database: Astra's first transponder 1 MHz
// higher, and three channels more. Its dialog lists TV ZDF, Das Erste, Rai 1,
// Arte (Astra 11495 H), Neu (Astra 12000 V, a transponder the database
// lacks), then radio Radio 1, Bayern 3, Klassik (Hotbird 11766 H).
ChannelDatabase friendsDatabase()
{
    ChannelDatabase db = editingDatabase();
    db.transponders[0].frequency = k510::samples::bcdOf(11495);
    k510::Transponder vertical = db.transponders[1];
    vertical.frequency = k510::samples::bcdOf(12000);
    const int added = db.appendTransponder(0, vertical) + 1;
    k510::Channel channel = db.channels[0];
    channel.setName("Arte");
    channel.serviceId = 28724;
    db.appendTvChannel(channel);
    channel.setName("Neu");
    channel.serviceId = 1;
    channel.tpNumber = std::uint16_t(added);
    db.appendTvChannel(channel);
    channel = db.channels[std::size_t(db.tvCount()) + 1];   // Radio 1
    channel.setName("Klassik");
    channel.serviceId = 3411;
    db.appendRadioChannel(channel);
    return db;
}

// A click on the dialog's button: whether the dialog closed accepted (the
// import dialog stays open when its "Добавить" is refused).
bool press(QDialog &dialog, const char *button)
{
    dialog.setResult(QDialog::Rejected);
    dialog.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    return dialog.result() == QDialog::Accepted;
}

void addToSelection(k510::ui::ReportList *list, int row)
{
    list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// The summary as the user answers it on the screen: "Отмена" clicked, or
// Enter, which the default button takes.
bool answerOnScreen(QDialog &summary, bool enter)
{
    summary.setResult(QDialog::Rejected);
    summary.show();
    summary.activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &summary; }))
        return false;
    if (enter)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else
        QTest::mouseClick(summary.findChild<QPushButton *>(QStringLiteral("CancelBtn")), Qt::LeftButton);
    summary.hide();
    return summary.result() == QDialog::Accepted;
}

// The editing database with more channels of one kind on its first
// transponder, so that only so many more fit its order list.
ChannelDatabase withRoomFor(int more, bool radio)
{
    ChannelDatabase db = editingDatabase();
    k510::Channel channel = db.channels[0];
    for (int n = 1; int((radio ? db.radioOrder : db.tvOrder).size()) < k510::kOrderCapacity - more; ++n) {
        channel.setName("Pad " + std::to_string(n));
        channel.serviceId = std::uint16_t(n);
        radio ? db.appendRadioChannel(channel) : db.appendTvChannel(channel);
    }
    return db;
}

QStringList orderNames(const ChannelDatabase &db, bool radio)
{
    QStringList names;
    const auto &order = radio ? db.radioOrder : db.tvOrder;
    for (std::size_t position = 0; position < order.size(); ++position) {
        const int index = radio ? db.channelIndexOfRadioOrder(int(position)) : db.channelIndexOfTvOrder(int(position));
        names << QString::fromStdString(db.channels[std::size_t(index)].nameText());
    }
    return names;
}

} // namespace

class ImportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void importThroughTheWindow_data();
    void importThroughTheWindow();
    void refusedWhenItDoesNotFit_data();
    void refusedWhenItDoesNotFit();
    void dialogKeepsTheChoices_data();
    void dialogKeepsTheChoices();
    void rowsSayWhatIsThere();
    void addedChannelsShownSelected_data();
    void addedChannelsShownSelected();
    void damagedSourceSaysWhatIsWrong_data();
    void damagedSourceSaysWhatIsWrong();
    void transponderParameters_data();
    void transponderParameters();
    void satelliteChoiceRemembered();
};

void ImportCommandsTest::importThroughTheWindow_data()
{
    QTest::addColumn<QList<int>>("rows");        // of the dialog's list; empty: Ctrl+A
    QTest::addColumn<bool>("afterSelected");     // ZDF, the TV list's first row, selected and the box ticked
    QTest::addColumn<bool>("accept");            // the summary's answer
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("tvOrder");
    QTest::addColumn<QStringList>("radioOrder");

    const QStringList tv{"ZDF", "Das Erste", "Rai 1"};
    const QStringList radio{"Radio 1", "Bayern 3"};
    QTest::newRow("everything")
        << QList<int>{} << false << true
        << "Будет добавлено: транспондеров — 1, ТВ-каналов — 2, радиоканалов — 1.\nУже есть в базе: 5."
        << (tv + QStringList{"Arte", "Neu"}) << (radio + QStringList{"Klassik"});
    QTest::newRow("everything, Отмена")
        << QList<int>{} << false << false
        << "Будет добавлено: транспондеров — 1, ТВ-каналов — 2, радиоканалов — 1.\nУже есть в базе: 5." << tv << radio;
    QTest::newRow("after the selected row")
        << QList<int>{4, 3, 1} << true << true
        << "Будет добавлено: транспондеров — 1, ТВ-каналов — 2, радиоканалов — 0.\nУже есть в базе: 1."
        << QStringList{"ZDF", "Arte", "Neu", "Das Erste", "Rai 1"} << radio;
    QTest::newRow("on the transponder within 2 MHz only")
        << QList<int>{3} << false << true
        << "Будет добавлено: транспондеров — 0, ТВ-каналов — 1, радиоканалов — 0.\nУже есть в базе: 0."
        << (tv + QStringList{"Arte"}) << radio;
}

void ImportCommandsTest::importThroughTheWindow()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, afterSelected);
    QFETCH(bool, accept);
    EditorDriver editor;
    const ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(TfrmMain::PageTv);
    if (afterSelected)
        editor.clickRow(editor.list("lvTvCh"), 0);
    editor.dialogs().openNames << editor.writeImageFile(friendsDatabase(), QStringLiteral("friend.k5d"));
    int hotbirdRows = -1;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *list = dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"));
        auto *satellite = dialog.findChild<QComboBox *>(QStringLiteral("cbImportSat"));
        satellite->setCurrentIndex(2);   // Hotbird
        hotbirdRows = list->rowCount();
        satellite->setCurrentIndex(0);
        if (rows.isEmpty())
            list->selectAll();
        else
            for (const int row : rows)
                list->selectionModel()->select(list->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        auto *after = dialog.findChild<QCheckBox *>(QStringLiteral("cbInsertAfterSelected"));
        if (after->isHidden() == afterSelected)
            return false;
        after->setChecked(afterSelected);
        return press(dialog, "OKBtn");
    });
    QString shownSummary;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        shownSummary = dialog.findChild<QLabel *>(QStringLiteral("lbSummary"))->text();
        return accept;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
    QCOMPARE(editor.dialogs().shownDialogs, (QStringList{"importDlg", "importSummaryDlg"}));
    QCOMPARE(hotbirdRows, 3);
    QTEST(shownSummary, "summary");
    QVERIFY(editor.dialogs().errors.isEmpty());

    const ChannelDatabase &db = editor.window().database();
    QTEST(orderNames(db, false), "tvOrder");
    QTEST(orderNames(db, true), "radioOrder");
    if (!accept) {
        QVERIFY(db == original);
        QCOMPARE(editor.window().history().stack().count(), 0);
        return;
    }
    QTEST(EditorDriver::column(editor.list("lvTvCh"), 1), "tvOrder");
    // One step, and undoing it gives the image back byte for byte.
    QCOMPARE(editor.window().history().stack().count(), 1);
    editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
    QCOMPARE(imageOf(editor.window().database()), imageOf(original));
}

void ImportCommandsTest::refusedWhenItDoesNotFit_data()
{
    QTest::addColumn<ChannelDatabase>("target");
    QTest::addColumn<QString>("refusal");

    const auto nothing = [](const char *limits) {
        return QStringLiteral("Ничего не добавлено: выбранные каналы не помещаются в базу (%1).\n")
            .arg(QString::fromUtf8(limits));
    };
    const QString fewer = QStringLiteral("\nВыберите меньше каналов.");
    // Astra and Hotbird are not in the full database: their channels go to
    // its first satellite, onto new transponders, and no record fits.
    QTest::newRow("a full image") << k510::samples::fullCapacityDatabase()
                                  << nothing("список ТВ-каналов — не более 6000, область записей образа")
                                         + "Поместится ТВ-каналов: 0 из 5.\nПоместится радиоканалов: 0 из 3." + fewer;
    // Radio fits whatever the TV list holds: only the TV channels are named.
    QTest::newRow("room for one TV channel")
        << withRoomFor(1, false) << nothing("список ТВ-каналов — не более 6000") + "Поместится ТВ-каналов: 1 из 2." + fewer;
    QTest::newRow("no room for radio")
        << withRoomFor(0, true)
        << nothing("список радиоканалов — не более 6000") + "Поместится радиоканалов: 0 из 1 вместе с выбранными ТВ-каналами." + fewer;
}

void ImportCommandsTest::refusedWhenItDoesNotFit()
{
    QFETCH(ChannelDatabase, target);
    QFETCH(QString, refusal);
    EditorDriver editor;
    editor.open(target);
    editor.dialogs().openNames << editor.writeImageFile(friendsDatabase(), QStringLiteral("friend.k5d"));
    bool closed = true;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        if (target.satellites.size() != 3)
            for (const char *name : {"cbImportTarget1", "cbImportTarget2"})
                dialog.findChild<QComboBox *>(QString::fromLatin1(name))->setCurrentIndex(0);
        dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"))->selectAll();
        closed = press(dialog, "OKBtn");
        if (!closed)
            press(dialog, "CancelBtn");
        return closed;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
    // Refused before any summary, nothing that could be confirmed; the dialog
    // stayed open for another choice.
    QVERIFY(!closed);
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"importDlg"});
    QCOMPARE(editor.dialogs().messages, QStringList{refusal});
    QVERIFY(editor.window().database() == target);
    QCOMPARE(editor.window().history().stack().count(), 0);
}

void ImportCommandsTest::dialogKeepsTheChoices_data()
{
    // Of Astra's rows "e" shows (Das Erste, Arte, Neu, Bayern 3), before the first "Добавить".
    QTest::addColumn<QList<int>>("firstRows");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("shownDialogs");

    QTest::newRow("nothing selected")
        << QList<int>{} << QStringList{"Выделите каналы, которые нужно добавить."}
        << QStringList{"importDlg", "importSummaryDlg"};
    // The first summary is cancelled with a click; Enter on the second one
    // still means "OK".
    QTest::newRow("Отмена on the summary")
        << QList<int>{2} << QStringList{} << QStringList{"importDlg", "importSummaryDlg", "importSummaryDlg"};
}

void ImportCommandsTest::dialogKeepsTheChoices()
{
    QFETCH(QList<int>, firstRows);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.dialogs().openNames << editor.writeImageFile(friendsDatabase(), QStringLiteral("friend.k5d"));
    QString keptAfterRefusal;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *list = dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"));
        auto *satellite = dialog.findChild<QComboBox *>(QStringLiteral("cbImportSat"));
        auto *find = dialog.findChild<QLineEdit *>(QStringLiteral("edImportFind"));
        auto *target = dialog.findChild<QComboBox *>(QStringLiteral("cbImportTarget2"));
        const auto state = [&] {
            QStringList selected;
            for (const int row : list->selectedRowNumbers())
                selected << list->text(row, 1);
            return QStringList{dialog.findChild<QLabel *>(QStringLiteral("lbImportSource"))->text(),
                               satellite->currentText(), find->text(), target->currentText(), selected.join(',')};
        };
        satellite->setCurrentIndex(1);   // Astra
        find->setText(QStringLiteral("e"));
        target->setCurrentIndex(2);      // Hotbird's channels to "Пусто"
        for (const int row : firstRows)
            addToSelection(list, row);
        const QStringList before = state();
        if (press(dialog, "OKBtn"))
            return true;
        if (state() != before)
            return false;
        keptAfterRefusal = before.join('|');
        list->clearSelection();
        addToSelection(list, 1);   // Arte
        return press(dialog, "OKBtn");
    });
    if (!firstRows.isEmpty())
        editor.dialogs().dialogScript.push_back([](QDialog &summary) { return answerOnScreen(summary, false); });
    editor.dialogs().dialogScript.push_back([](QDialog &summary) { return answerOnScreen(summary, true); });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();

    QVERIFY(keptAfterRefusal.contains(QStringLiteral("friend.k5d")));
    QVERIFY2(keptAfterRefusal.endsWith(QStringLiteral("|Astra|e|Пусто|") + (firstRows.isEmpty() ? "" : "Neu")),
             qPrintable(keptAfterRefusal));
    QTEST(editor.dialogs().messages, "messages");
    QTEST(editor.dialogs().shownDialogs, "shownDialogs");
    QCOMPARE(orderNames(editor.window().database(), false), (QStringList{"ZDF", "Das Erste", "Rai 1", "Arte"}));
}

// Each source row says whether the database has its channel, by the rule the
// summary counts by and for the satellites chosen; "Только новые" hides those
// rows, "#" stays each channel's own, and the transponder selector lists a
// satellite's transponders by frequency with their channels.
void ImportCommandsTest::rowsSayWhatIsThere()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.dialogs().openNames << editor.writeImageFile(friendsDatabase(), QStringLiteral("friend.k5d"));
    QStringList there, onlyNew, hotbirdNumbers, astraTransponders, astraLeftOut;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *list = dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"));
        auto *satellite = dialog.findChild<QComboBox *>(QStringLiteral("cbImportSat"));
        auto *onlyNewBox = dialog.findChild<QCheckBox *>(QStringLiteral("cbImportOnlyNew"));
        const auto shown = [&](int column) {
            QStringList cells;
            for (int row = 0; row < list->rowCount(); ++row)
                cells << list->text(row, 1) + '=' + list->text(row, column);
            return cells;
        };
        there = shown(6);
        onlyNewBox->setChecked(true);
        onlyNew = shown(0);
        onlyNewBox->setChecked(false);
        satellite->setCurrentIndex(2);   // Hotbird
        hotbirdNumbers = shown(0);
        satellite->setCurrentIndex(1);   // Astra
        auto *transponder = dialog.findChild<QComboBox *>(QStringLiteral("cbImportTp"));
        for (int entry = 1; entry < transponder->count(); ++entry)
            astraTransponders << transponder->itemText(entry);
        dialog.findChild<QComboBox *>(QStringLiteral("cbImportTarget1"))->setCurrentIndex(3);   // "не добавлять"
        astraLeftOut = shown(6);
        return false;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();

    QCOMPARE(there, (QStringList{"ZDF=есть", "Das Erste=есть", "Rai 1=есть", "Arte=", "Neu=", "Radio 1=есть",
                                 "Bayern 3=есть", "Klassik="}));
    QCOMPARE(onlyNew, (QStringList{"Arte=4", "Neu=5", "Klassik=8"}));
    QCOMPARE(hotbirdNumbers, (QStringList{"Rai 1=3", "Radio 1=6", "Klassik=8"}));
    QCOMPARE(astraTransponders, (QStringList{"11495 H 22000 (3)", "12000 V 22000 (1)", "12603 V 22000 (1)"}));
    QCOMPARE(astraLeftOut, (QStringList{"ZDF=", "Das Erste=", "Arte=", "Neu=", "Bayern 3="}));
}

void ImportCommandsTest::addedChannelsShownSelected_data()
{
    QTest::addColumn<int>("page");         // shown when the import starts
    QTest::addColumn<int>("sortColumn");   // clicked twice on that page's list: descending; -1 none
    QTest::addColumn<QList<int>>("rows");  // of the dialog's list
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("selected");

    QTest::newRow("TV, by name descending")
        << int(TfrmMain::PageTv) << 1 << QList<int>{3, 4} << "lvTvCh"
        << QStringList{"ZDF", "Rai 1", "Neu", "Das Erste", "Arte"} << QStringList{"Neu", "Arte"};
    QTest::newRow("radio from the satellites page")
        << int(TfrmMain::PageSat) << -1 << QList<int>{7} << "lvRadioCh"
        << QStringList{"Radio 1", "Bayern 3", "Klassik"} << QStringList{"Klassik"};
}

void ImportCommandsTest::addedChannelsShownSelected()
{
    QFETCH(int, page);
    QFETCH(int, sortColumn);
    QFETCH(QList<int>, rows);
    QFETCH(QString, list);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(page);
    if (sortColumn >= 0) {
        editor.clickColumnTitle(editor.list("lvTvCh"), sortColumn);
        editor.clickColumnTitle(editor.list("lvTvCh"), sortColumn);
    }
    editor.dialogs().openNames << editor.writeImageFile(friendsDatabase(), QStringLiteral("friend.k5d"));
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *channels = dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"));
        for (const int row : rows)
            addToSelection(channels, row);
        return press(dialog, "OKBtn");
    });
    editor.dialogs().dialogScript.push_back([](QDialog &) { return true; });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();

    k510::ui::ReportList *shown = editor.list(qPrintable(list));
    QVERIFY(shown->isVisible());
    QTEST(EditorDriver::column(shown, 1), "names");
    QStringList selected;
    for (const int row : EditorDriver::selectedRows(shown))
        selected << shown->text(row, 1);
    QTEST(selected, "selected");
    QCOMPARE(shown->sortedColumn(), sortColumn);
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Добавлено каналов: %1").arg(rows.size()));
}

void ImportCommandsTest::damagedSourceSaysWhatIsWrong_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QString>("heading");   // empty: no problems shown
    QTest::addColumn<QString>("problem");
    QTest::newRow("sound") << Damage([](ChannelDatabase &) {}) << QString() << QString();
    QTest::newRow("numbering only") << Damage([](ChannelDatabase &db) { db.tvOrder[0] = 0; })
                                    << QStringLiteral("Нумерация этой базы нарушена:")
                                    << QStringLiteral("порядок ТВ: запись 1 = 0");
    QTest::newRow("a channel of no known type")
        << Damage([](ChannelDatabase &db) { db.channels[0].chFlags |= k510::ChannelFlag::ServiceTypeMask; })
        << QStringLiteral("Ошибки в базе:") << QStringLiteral("канал 1: неверный тип канала 3");
}

// The source's problems are named above its channels under what they are.
void ImportCommandsTest::damagedSourceSaysWhatIsWrong()
{
    QFETCH(Damage, damage);
    QFETCH(QString, heading);
    QFETCH(QString, problem);
    EditorDriver editor;
    editor.open(editingDatabase());
    ChannelDatabase source = friendsDatabase();
    damage(source);
    editor.dialogs().openNames << editor.writeImageFile(source, QStringLiteral("friend.k5d"));
    QString shown;
    bool visible = false;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        const auto *problems = dialog.findChild<QLabel *>(QStringLiteral("lbImportProblems"));
        shown = problems->text();
        visible = !problems->isHidden();
        return false;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"importDlg"});
    QCOMPARE(visible, !heading.isEmpty());
    if (heading.isEmpty())
        return;
    QVERIFY2(shown.startsWith(heading + QLatin1Char('\n')) && shown.contains(problem), qPrintable(shown));
}

void ImportCommandsTest::transponderParameters_data()
{
    QTest::addColumn<int>("symbolRate");   // of the friend's Hotbird 11766 H (ours: 27500 3/4)
    QTest::addColumn<int>("fec");
    QTest::addColumn<bool>("take");        // "взять параметры из другой базы"
    QTest::addColumn<QString>("listed");
    QTest::addColumn<int>("transponders");   // after the import
    QTest::addColumn<int>("symbolRateAfter");
    QTest::addColumn<int>("fecAfter");
    const QString rate = QStringLiteral("Hotbird — 11766 H: 27500 3/4 → 29700 3/4");
    const QString fec = QStringLiteral("Hotbird — 11766 H: 27500 3/4 → 27500 7/8");
    QTest::newRow("symbol rate, kept") << 29700 << 3 << false << rate << 5 << 27500 << 3;
    QTest::newRow("symbol rate, taken") << 29700 << 3 << true << rate << 4 << 29700 << 3;
    QTest::newRow("FEC only, taken") << 27500 << 5 << true << fec << 4 << 27500 << 5;
}

// Klassik, new on the friend's Hotbird transponder, with Rai 1 and Radio 1
// already there on ours.
void ImportCommandsTest::transponderParameters()
{
    QFETCH(int, symbolRate);
    QFETCH(int, fec);
    QFETCH(bool, take);
    QFETCH(QString, listed);
    EditorDriver editor;
    const ChannelDatabase original = editingDatabase();
    editor.open(original);
    ChannelDatabase friends = friendsDatabase();
    friends.transponders[2].symbolRate = k510::samples::bcdOf(symbolRate);
    friends.transponders[2].fec = std::uint8_t(fec);
    editor.dialogs().openNames << editor.writeImageFile(friends, QStringLiteral("friend.k5d"));
    editor.dialogs().dialogScript.push_back([](QDialog &dialog) {
        dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"))->selectAll();
        return press(dialog, "OKBtn");
    });
    QString kept, taken;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *choice = dialog.findChild<QCheckBox *>(QStringLiteral("cbTakeTransponderParameters"));
        auto *summary = dialog.findChild<QLabel *>(QStringLiteral("lbSummary"));
        if (choice->isHidden())
            return false;
        kept = summary->text();
        choice->setChecked(true);
        taken = summary->text();
        choice->setChecked(take);
        return true;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
    QCOMPARE(editor.dialogs().shownDialogs, (QStringList{"importDlg", "importSummaryDlg"}));
    QVERIFY2(kept.contains(listed) && taken.contains(listed), qPrintable(kept));
    QVERIFY(kept.contains(QStringLiteral("Их параметры не меняются")));
    QVERIFY(taken.contains(QStringLiteral("Их параметры будут взяты из другой базы.")));

    const ChannelDatabase &db = editor.window().database();
    QTEST(int(db.transponders.size()), "transponders");
    QTEST(int(k510::bcdDigitsValue(k510::bcdValue(db.transponders[2].symbolRate))), "symbolRateAfter");
    QTEST(int(db.transponders[2].fec), "fecAfter");
    QCOMPARE(orderNames(db, true), (QStringList{"Radio 1", "Bayern 3", "Klassik"}));
    QCOMPARE(editor.window().history().stack().count(), 1);
    editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
    QCOMPARE(imageOf(editor.window().database()), imageOf(original));
}

// The friend's "Hot Bird 13.0E" goes to our Hotbird by its position; the
// friend's Astra sent to "Пусто" by hand is sent there again the next run.
void ImportCommandsTest::satelliteChoiceRemembered()
{
    ChannelDatabase friends = friendsDatabase();
    friends.satellites[1].name = "Hot Bird 13.0E";
    QString config;
    QStringList targetsShown;
    {
        EditorDriver editor;
        editor.open(editingDatabase());
        editor.dialogs().openNames << editor.writeImageFile(friends, QStringLiteral("friend.k5d"));
        editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
            auto *astra = dialog.findChild<QComboBox *>(QStringLiteral("cbImportTarget1"));
            auto *hotbird = dialog.findChild<QComboBox *>(QStringLiteral("cbImportTarget2"));
            for (int k = 0; k < hotbird->count(); ++k)
                targetsShown << hotbird->itemText(k);
            if (astra->currentIndex() != 0 || hotbird->currentIndex() != 1)
                return false;
            astra->setCurrentIndex(2);
            dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"))->selectAll();
            return press(dialog, "OKBtn");
        });
        editor.dialogs().dialogScript.push_back([](QDialog &) { return false; });
        editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
        QCOMPARE(editor.dialogs().shownDialogs, (QStringList{"importDlg", "importSummaryDlg"}));
        QFile file(editor.path(QStringLiteral("k510-editor.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        config = QString::fromUtf8(file.readAll());
    }
    QCOMPARE(targetsShown, (QStringList{"Astra", "Hotbird (13,0° в.д.)", "Пусто", "не добавлять"}));

    EditorDriver editor([&](const QString &folder) {
        QFile file(folder + QStringLiteral("/k510-editor.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(config.toUtf8());
    });
    editor.open(editingDatabase());
    editor.dialogs().openNames << editor.writeImageFile(friends, QStringLiteral("friend.k5d"));
    int astraTarget = -1;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        astraTarget = dialog.findChild<QComboBox *>(QStringLiteral("cbImportTarget1"))->currentIndex();
        return false;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
    QCOMPARE(astraTarget, 2);
}

QTEST_MAIN(ImportCommandsTest)
#include "tst_import_commands.moc"
