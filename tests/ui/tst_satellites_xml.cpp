// SPDX-License-Identifier: GPL-3.0-or-later
// "Транспондеры из списка satellites.xml..." in the window: the list's
// satellite preselected by the longitude of the one chosen (none when the
// list has none there), what each row would do, "Отмена" changes nothing,
// "OK" is one step that undo takes back to the image byte for byte.

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "tests/model/RealSatellitesList.h"
#include "model/Conversions.h"
#include "ui/TfrmMain.h"
#include "ui/commands/EditHistory.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using k510::ChannelDatabase;

namespace {

// Astra first, so that choosing Hotbird (13,0 E) in the window has to find
// it by its position. Hotbird's 11766 H is there: 11765 L moves it, 11768 H
// is farther and leaves it to 11765; 12000 V and 12100 R are new, 11900 is
// DVB-S2; one entry has no frequency and one element nobody knows.
const QByteArray kList = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<satellites>
	<sat name="Astra 1KR/1L/1M/1N (19.2E)" flags="0" position="192">
		<transponder frequency="11494000" symbol_rate="22000000" polarization="0" fec_inner="5" system="0" modulation="1"/>
	</sat>
	<sat name="Hotbird 13B/13C/13E (13.0E)" flags="0" position="130">
		<transponder frequency="11768000" symbol_rate="27500000" polarization="0" fec_inner="3" system="0" modulation="1"/>
		<transponder frequency="11765000" symbol_rate="27500000" polarization="2" fec_inner="3" system="0" modulation="1"/>
		<transponder frequency="12000000" symbol_rate="27500000" polarization="1" fec_inner="3" system="0" modulation="1"/>
		<transponder frequency="12100000" symbol_rate="22000000" polarization="3" fec_inner="9" system="0" modulation="1"/>
		<transponder frequency="11900000" symbol_rate="27500000" polarization="0" fec_inner="3" system="1" modulation="2"/>
		<transponder symbol_rate="27500000" polarization="0" fec_inner="3"/>
		<beam name="Europe"/>
	</sat>
</satellites>
)xml";

struct Shown {
    int listSatellite = -1;
    int databaseSatellite = -1;
    QStringList fates;
    QList<int> checkStates;   // -1: no check box; 0 unchecked; 2 checked
    QList<bool> enabled;
    QString notes;
    QString summary;
    QString unusable;
};

Shown shownIn(QDialog &dialog)
{
    Shown shown;
    shown.listSatellite = dialog.findChild<QComboBox *>(QStringLiteral("cbListSatellite"))->currentIndex();
    shown.databaseSatellite = dialog.findChild<QComboBox *>(QStringLiteral("cbDatabaseSatellite"))->currentIndex();
    const auto *rows = dialog.findChild<QTreeWidget *>(QStringLiteral("lvListTransponders"));
    for (int row = 0; row < rows->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = rows->topLevelItem(row);
        shown.fates << item->text(4);
        shown.checkStates << ((item->flags() & Qt::ItemIsUserCheckable) ? int(item->checkState(0)) : -1);
        shown.enabled << bool(item->flags() & Qt::ItemIsEnabled);
    }
    shown.notes = dialog.findChild<QLabel *>(QStringLiteral("lbListNotes"))->text();
    shown.summary = dialog.findChild<QLabel *>(QStringLiteral("lbListSummary"))->text();
    shown.unusable = dialog.findChild<QLabel *>(QStringLiteral("lbUnusable"))->text();
    return shown;
}

} // namespace

class SatellitesXmlTest : public QObject {
    Q_OBJECT

private slots:
    void transpondersFromList_data();
    void transpondersFromList();
    void listWithoutThePosition_data();
    void listWithoutThePosition();
    void ticksAndCounts();
};

namespace {

// A file of the test's folder holding the bytes, and the editor told to open it next.
void offerList(EditorDriver &editor, const QByteArray &xml)
{
    const QString path = editor.path(QStringLiteral("satellites.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(xml);
    file.close();
    editor.dialogs().openNames << path;
}

void triggerUpdate(EditorDriver &editor)
{
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSatellitesXml"))->trigger();
}

} // namespace

void SatellitesXmlTest::transpondersFromList_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("tickChange");
    QTest::addColumn<int>("added");
    QTest::addColumn<QString>("hotbirdFrequency");
    QTest::newRow("Отмена") << false << false << 0 << "11766";
    QTest::newRow("OK: the new ones") << true << false << 2 << "11766";
    QTest::newRow("OK with the change ticked") << true << true << 2 << "11765";
}

void SatellitesXmlTest::transpondersFromList()
{
    QFETCH(bool, accept);
    QFETCH(bool, tickChange);
    QFETCH(int, added);
    QFETCH(QString, hotbirdFrequency);

    EditorDriver editor;
    const ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(2);   // Hotbird
    offerList(editor, kList);
    Shown shown;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        shown = shownIn(dialog);
        if (tickChange)
            dialog.findChild<QTreeWidget *>(QStringLiteral("lvListTransponders"))->topLevelItem(1)->setCheckState(0, Qt::Checked);
        return accept;
    });
    triggerUpdate(editor);

    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"satellitesXmlDlg"});
    QVERIFY(editor.dialogs().errors.isEmpty());
    QCOMPARE(shown.listSatellite, 1);
    QCOMPARE(shown.databaseSatellite, 1);
    QCOMPARE(shown.fates, (QStringList{"уже есть, учтён по записи 11765", "частота изменится: 11766 → 11765", "новый", "новый",
                                       "DVB-S2: приёмник не принимает"}));
    QCOMPARE(shown.checkStates, (QList<int>{-1, 0, 2, 2, -1}));
    QCOMPARE(shown.enabled, (QList<bool>{true, true, true, true, false}));
    QVERIFY(shown.notes.isEmpty());
    QCOMPARE(shown.summary, QStringLiteral("новых транспондеров: 2, отмечено: 2\nуже есть: 1\n"
                                           "изменятся частота или символьная скорость: 1, отмечено: 0\n"
                                           "DVB-S2 (приёмник не принимает): 1"));
    QCOMPARE(shown.unusable, QStringLiteral("непригодных записей: 2\nстрока 12: транспондер без частоты\n"
                                            "строка 13: неизвестный элемент <beam>"));

    const ChannelDatabase &db = editor.window().database();
    if (!accept) {
        QVERIFY(db == original);
        QCOMPARE(editor.window().history().stack().count(), 0);
        return;
    }
    QCOMPARE(db.transponders.size(), original.transponders.size() + std::size_t(added));
    QCOMPARE(db.satellites[1].transponderIndices, (std::vector<int>{2, 3, 4}));
    QCOMPARE(QString::fromStdString(k510::bcdText(db.transponders[2].frequency)), hotbirdFrequency);
    QCOMPARE(QString::fromStdString(k510::bcdText(db.transponders[4].frequency)), QStringLiteral("12100"));
    QCOMPARE(int(db.transponders[4].polarisation), 1);
    QCOMPARE(int(db.transponders[4].fec), 0);
    // The transponder page shows Hotbird's three.
    QCOMPARE(editor.list("lvTpView")->rowCount(), 3);

    QCOMPARE(editor.window().history().stack().count(), 1);
    editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
    QCOMPARE(imageOf(editor.window().database()), imageOf(original));
}

// The real list without the position of the satellite chosen: nothing is
// chosen or ticked and the dialog says why; a satellite of the list chosen
// by hand at another position is taken only when the user agrees.
void SatellitesXmlTest::listWithoutThePosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shownPosition");
    QTest::addColumn<bool>("agree");

    QTest::newRow("13.0E, taking Astra") << 130 << "13,0° в.д." << true;
    QTest::newRow("13.0E, not taking Astra") << 130 << "13,0° в.д." << false;
    QTest::newRow("5.0W, taking Astra") << -50 << "5,0° з.д." << true;
}

void SatellitesXmlTest::listWithoutThePosition()
{
    QFETCH(int, position);
    QFETCH(QString, shownPosition);
    QFETCH(bool, agree);
    const QByteArray real = realList::bytes();
    if (real.isEmpty())
        QSKIP("the shared satellites.xml is not beside this clone");

    k510::samples::DatabaseBuilder builder;
    builder.addSatellite({.name = "Спутник", .lnbHighMhz = 10750, .switchType = k510::SwitchType::Usals,
                          .longitudeTenths = std::abs(position), .west = position < 0});
    builder.addTransponder(1, 11766, 'H', 27500, 3);
    const ChannelDatabase original = builder.build();
    EditorDriver editor;
    editor.open(original);
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(1);
    offerList(editor, realList::withoutPosition(real, position));
    editor.dialogs().answers << agree;
    Shown before, after;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        before = shownIn(dialog);
        auto *list = dialog.findChild<QComboBox *>(QStringLiteral("cbListSatellite"));
        list->setCurrentIndex(list->findText(QStringLiteral("Astra (19.2E)")));
        after = shownIn(dialog);
        return true;
    });
    triggerUpdate(editor);

    QCOMPARE(before.listSatellite, -1);
    QCOMPARE(before.notes, "В списке нет спутника на позиции " + shownPosition);
    QVERIFY(before.fates.isEmpty());
    QVERIFY(before.summary.isEmpty());
    QCOMPARE(editor.dialogs().questions.size(), 1);
    QCOMPARE(editor.dialogs().questions.front(), "Спутник списка «Astra (19.2E)» стоит на 19,2° в.д., а спутник базы "
                                                 "«Спутник» — на " + shownPosition + " Взять транспондеры с другой позиции?");
    QCOMPARE(editor.dialogs().questionDefaults.front(), UserDialogs::DefaultAnswer::No);
    const ChannelDatabase &db = editor.window().database();
    if (!agree) {
        QCOMPARE(after.listSatellite, -1);
        QVERIFY(after.fates.isEmpty());
        QVERIFY(db == original);
        QCOMPARE(editor.window().history().stack().count(), 0);
        return;
    }
    QVERIFY(after.listSatellite >= 0);
    QCOMPARE(after.notes, "Спутник списка стоит на 19,2° в.д., спутник базы — на " + shownPosition);
    const int ticked = int(after.checkStates.count(2));
    QVERIFY(ticked > 0);
    QCOMPARE(db.transponders.size(), original.transponders.size() + std::size_t(ticked));
    QCOMPARE(editor.window().history().stack().count(), 1);
}

// The real list with a byte that is no UTF-8 in Hotbird's name: the dialog
// names the line; the counts follow the ticks, "Снять все" and "Отметить
// все" tick every row that can be, Space the selected ones; the dialog opens
// tall enough for 30 rows.
void SatellitesXmlTest::ticksAndCounts()
{
    const QByteArray real = realList::bytes();
    if (real.isEmpty())
        QSKIP("the shared satellites.xml is not beside this clone");
    EditorDriver editor;
    const ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(2);   // Hotbird
    offerList(editor, realList::withBadByte(real, 130));
    const auto counted = [](QDialog &dialog) {
        return dialog.findChild<QLabel *>(QStringLiteral("lbListSummary"))->text().section('\n', 0, 0);
    };
    Shown shown;
    QStringList counts;
    int tickable = 0, rowsSeen = 0;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        shown = shownIn(dialog);
        tickable = int(shown.checkStates.size() - shown.checkStates.count(-1));
        counts << counted(dialog);
        dialog.findChild<QPushButton *>(QStringLiteral("btnUntickAll"))->click();
        counts << counted(dialog);
        auto *rows = dialog.findChild<QTreeWidget *>(QStringLiteral("lvListTransponders"));
        rows->setCurrentItem(rows->topLevelItem(0));
        for (int row = 0; row < 3; ++row)
            rows->topLevelItem(row)->setSelected(true);
        QTest::keyClick(rows, Qt::Key_Space);
        counts << counted(dialog);
        dialog.findChild<QPushButton *>(QStringLiteral("btnTickAll"))->click();
        counts << counted(dialog);
        QTest::keyClick(rows, Qt::Key_Space);   // unticks the three again
        counts << counted(dialog);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return false;
        while (rowsSeen < rows->topLevelItemCount()
               && rows->visualItemRect(rows->topLevelItem(rowsSeen)).bottom() < rows->viewport()->height())
            ++rowsSeen;
        dialog.hide();
        dialog.findChild<QPushButton *>(QStringLiteral("btnUntickAll"))->click();
        QTest::keyClick(rows, Qt::Key_Space);   // ticks the three
        return true;
    });
    triggerUpdate(editor);

    const int line = realList::satelliteLine(real, 130);
    QCOMPARE(shown.notes, QStringLiteral("строка %1: байты не в кодировке UTF-8 заменены знаком «\uFFFD»").arg(line));
    QCOMPARE(shown.listSatellite, 22);
    QVERIFY(shown.fates.size() > 30);
    const int ticked = int(shown.checkStates.count(2));
    QVERIFY(ticked > 3 && tickable >= ticked);
    // The three first rows of Hotbird's list are new ones.
    QCOMPARE(shown.fates.mid(0, 3), (QStringList{"новый", "новый", "новый"}));
    QCOMPARE(counts, (QStringList{QString("новых транспондеров: %1, отмечено: %1").arg(ticked),
                                  QString("новых транспондеров: %1, отмечено: 0").arg(ticked),
                                  QString("новых транспондеров: %1, отмечено: 3").arg(ticked),
                                  QString("новых транспондеров: %1, отмечено: %1").arg(ticked),
                                  QString("новых транспондеров: %1, отмечено: %2").arg(ticked).arg(ticked - 3)}));
    QVERIFY2(rowsSeen >= 30, qPrintable(QString::number(rowsSeen)));
    QCOMPARE(editor.window().database().transponders.size(), original.transponders.size() + 3);
}

QTEST_MAIN(SatellitesXmlTest)
#include "tst_satellites_xml.moc"
