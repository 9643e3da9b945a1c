// SPDX-License-Identifier: GPL-3.0-or-later
// "Добавить из другой базы..." in the window: the channels chosen in the
// dialog, the summary before anything changes, "Отмена", one undo step, and
// the refusal of a selection that does not fit.
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
#include <QTest>
#include <QUndoStack>

#include "tools/samples/SampleDatabases.h"

using k510::ChannelDatabase;

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
    void refusedWhenItDoesNotFit();
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
        return true;
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

void ImportCommandsTest::refusedWhenItDoesNotFit()
{
    EditorDriver editor;
    const ChannelDatabase full = k510::samples::fullCapacityDatabase();
    editor.open(full);
    editor.dialogs().openNames << editor.writeImageFile(friendsDatabase(), QStringLiteral("friend.k5d"));
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        // Astra and Hotbird are not in the full database: their channels go
        // to its first satellite.
        for (const char *target : {"cbImportTarget1", "cbImportTarget2"})
            dialog.findChild<QComboBox *>(QString::fromLatin1(target))->setCurrentIndex(0);
        dialog.findChild<k510::ui::ReportList *>(QStringLiteral("lvImportCh"))->selectAll();
        return true;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditImport"))->trigger();
    // Refused before any summary: nothing that could be confirmed.
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"importDlg"});
    QCOMPARE(editor.dialogs().errors.size(), 1);
    const QString refusal = QStringLiteral(
        "Не помещается в базу (список ТВ-каналов — не более 6000, область записей образа): из 8 каналов поместится 0.");
    QVERIFY2(editor.dialogs().errors.front().contains(refusal), qPrintable(editor.dialogs().errors.front()));
    QVERIFY(editor.window().database() == full);
    QCOMPARE(editor.window().history().stack().count(), 0);
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
        return true;
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
    friends.satellites[1].rowTexts.name = "Hot Bird 13.0E";
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
            return true;
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
