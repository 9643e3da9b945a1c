// SPDX-License-Identifier: GPL-3.0-or-later
// "Транспондеры из списка satellites.xml..." in the window: the list's
// satellite preselected by the longitude of the one chosen, what each row
// would do, "Отмена" changes nothing, "OK" is one step that undo takes back
// to the image byte for byte.

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "model/Conversions.h"
#include "ui/TfrmMain.h"
#include "ui/commands/EditHistory.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using k510::ChannelDatabase;

namespace {

// Astra first, so that choosing Hotbird (13,0 E) in the window has to find
// it by its position. Hotbird's 11766 H is there, 11765 L moves it, 12000 V
// and 12100 R are new, 11900 is DVB-S2; one entry has no frequency and one
// element nobody knows.
const QByteArray kList = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<satellites>
	<sat name="Astra 1KR/1L/1M/1N (19.2E)" flags="0" position="192">
		<transponder frequency="11494000" symbol_rate="22000000" polarization="0" fec_inner="5" system="0" modulation="1"/>
	</sat>
	<sat name="Hotbird 13B/13C/13E (13.0E)" flags="0" position="130">
		<transponder frequency="11766000" symbol_rate="27500000" polarization="0" fec_inner="3" system="0" modulation="1"/>
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
};

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
    const QString path = editor.path(QStringLiteral("satellites.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kList);
    file.close();
    editor.dialogs().openNames << path;
    Shown shown;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        shown = shownIn(dialog);
        if (tickChange)
            dialog.findChild<QTreeWidget *>(QStringLiteral("lvListTransponders"))->topLevelItem(1)->setCheckState(0, Qt::Checked);
        return accept;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSatellitesXml"))->trigger();

    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"satellitesXmlDlg"});
    QVERIFY(editor.dialogs().errors.isEmpty());
    QCOMPARE(shown.listSatellite, 1);
    QCOMPARE(shown.databaseSatellite, 1);
    QCOMPARE(shown.fates, (QStringList{"уже есть", "частота изменится: 11766 → 11765", "новый", "новый",
                                       "DVB-S2: приёмник не принимает"}));
    QCOMPARE(shown.checkStates, (QList<int>{-1, 0, 2, 2, -1}));
    QCOMPARE(shown.enabled, (QList<bool>{true, true, true, true, false}));
    QCOMPARE(shown.summary, QStringLiteral("новых транспондеров: 2\nуже есть: 1\n"
                                           "изменятся частота или символьная скорость: 1\n"
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

QTEST_MAIN(SatellitesXmlTest)
#include "tst_satellites_xml.moc"
