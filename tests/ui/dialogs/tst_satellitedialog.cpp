// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestHelpers.h"
#include "ui/dialogs/TsatEditDlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(SatelliteForm)

namespace {

enum LnbType { Single, Ocs, Universal };
enum SwitchType { NoSwitch = -1, None, Diseqc10, Diseqc11, Motor, Usals };

const QStringList singleHighPresets{"5150", "9750", "10000", "10050", "10600", "10750", "11200", "11475"};

QStringList lowPresets(int lnbType)
{
    return lnbType == Ocs ? QStringList{"5150"} : lnbType == Universal ? QStringList{"9750"} : QStringList{};
}

QStringList highPresets(int lnbType)
{
    return lnbType == Ocs ? QStringList{"5700", "5750"}
        : lnbType == Universal ? QStringList{"10600", "10750"} : singleHighPresets;
}

// A satellite on a motor with most options set, used to make stale state
// from a previous opening show up.
SatelliteForm busyForm()
{
    return {.name = "Busy", .lnbLow = "9750", .lnbHigh = "10600", .lnbType = Universal, .tone22k = true,
            .power12v = true, .lnbp = true, .switchType = Diseqc11, .diseqc10 = 4, .diseqc11 = 16,
            .west = true, .longitude = "45,5"};
}

SatelliteForm switchingForm(int switchType, int diseqc10 = 3, int diseqc11 = 5)
{
    return {.name = "Sat", .lnbLow = "9750", .lnbHigh = "10600", .lnbType = Universal,
            .switchType = switchType, .diseqc10 = diseqc10, .diseqc11 = diseqc11, .longitude = "19,2"};
}

SatelliteForm lnbForm(int lnbType, const QString &lnbLow, const QString &lnbHigh)
{
    SatelliteForm form;
    form.lnbType = lnbType;
    form.lnbLow = lnbLow;
    form.lnbHigh = lnbHigh;
    return form;
}

SatelliteForm usalsForm(const QString &longitude)
{
    SatelliteForm form;
    form.switchType = Usals;
    form.longitude = longitude;
    return form;
}

} // namespace

// The satellite dialog: opening from a form, the LNB type and switch type
// rules, the masked longitude, and handing the form back.
class SatelliteDialogTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void switchPorts_data();
    void switchPorts();
    void lnbType_data();
    void lnbType();
    void longitudeShown_data();
    void longitudeShown();
    void longitudeTyped_data();
    void longitudeTyped();
    void nameTakesSixteenCharacters();
};

void SatelliteDialogTest::roundTrip_data()
{
    QTest::addColumn<SatelliteForm>("form");

    QTest::newRow("single, no switching")
        << SatelliteForm{.name = "Hot Bird", .lnbLow = "0", .lnbHigh = "10600", .lnbType = Single,
                         .tone22k = true, .lnbp = true, .switchType = None, .longitude = ","};
    QTest::newRow("universal, USALS west")
        << SatelliteForm{.name = "Astra 19.2E", .lnbLow = "9750", .lnbHigh = "10600", .lnbType = Universal,
                         .tone22k = true, .power12v = true, .switchType = Usals, .diseqc10 = 1,
                         .west = true, .longitude = "19,2"};
    QTest::newRow("OCS, DiSEqC 1.1 port 16")
        << SatelliteForm{.name = "Амос", .lnbLow = "5150", .lnbHigh = "5750", .lnbType = Ocs,
                         .switchType = Diseqc11, .diseqc10 = 4, .diseqc11 = 16, .longitude = "180,0"};
    QTest::newRow("Нет keeps the stored ports")
        << SatelliteForm{.name = "Sat", .lnbLow = "9750", .lnbHigh = "10750", .lnbType = Universal,
                         .switchType = None, .diseqc10 = 3, .diseqc11 = 12, .longitude = "5,"};
    QTest::newRow("no switch type")
        << SatelliteForm{.name = "", .lnbLow = "9750", .lnbHigh = "10600", .lnbType = Universal,
                         .switchType = NoSwitch, .diseqc10 = 2, .diseqc11 = 7, .longitude = "0,5"};
    QTest::newRow("frequencies the presets do not offer")
        << SatelliteForm{.name = "ABCDEFGHIJKLMNOP", .lnbLow = "9000", .lnbHigh = "12345", .lnbType = Universal,
                         .switchType = Motor, .diseqc10 = 2, .longitude = "7,"};
}

void SatelliteDialogTest::roundTrip()
{
    QFETCH(SatelliteForm, form);
    TsatEditDlg dialog;
    dialog.load(form);
    QCOMPARE(dialog.form(), form);

    // The dialog is reused: a previous satellite must leave nothing behind.
    TsatEditDlg reused;
    reused.load(busyForm());
    reused.load(form);
    QCOMPARE(reused.form(), form);
}

void SatelliteDialogTest::switchPorts_data()
{
    QTest::addColumn<int>("switchType");
    QTest::addColumn<bool>("userPicks"); // else the dialog is opened with it
    QTest::addColumn<bool>("diseqc10");
    QTest::addColumn<bool>("diseqc11");
    QTest::addColumn<bool>("usals");
    QTest::addColumn<int>("port10");
    QTest::addColumn<int>("port11");

    for (const bool userPicks : {false, true}) {
        const char *how = userPicks ? "picked" : "opened";
        if (!userPicks)
            QTest::addRow("%s: none chosen", how) << int(NoSwitch) << userPicks << false << false << false << 3 << 5;
        // Only the user's "Нет" resets the ports; opening shows the stored ones.
        QTest::addRow("%s: Нет", how) << int(None) << userPicks << false << false << false << (userPicks ? 0 : 3)
                                      << (userPicks ? 0 : 5);
        QTest::addRow("%s: DiSEqC 1.0 keeps the 1.1 port", how)
            << int(Diseqc10) << userPicks << true << false << false << 3 << 5;
        QTest::addRow("%s: DiSEqC 1.1", how) << int(Diseqc11) << userPicks << true << true << false << 3 << 5;
        QTest::addRow("%s: Motor", how) << int(Motor) << userPicks << true << false << false << 3 << 5;
        QTest::addRow("%s: USALS", how) << int(Usals) << userPicks << true << false << true << 3 << 5;
    }
}

void SatelliteDialogTest::switchPorts()
{
    QFETCH(int, switchType);
    QFETCH(bool, userPicks);
    QFETCH(bool, diseqc10);
    QFETCH(bool, diseqc11);
    QFETCH(bool, usals);
    QFETCH(int, port10);
    QFETCH(int, port11);

    // After each earlier switch type, so every box has been enabled before.
    for (const int earlier : {int(Diseqc11), int(Usals)}) {
        TsatEditDlg dialog;
        dialog.load(switchingForm(earlier, 3, 5));
        if (userPicks)
            pick(*child<QComboBox>(dialog, "cbSwitchType"), switchType);
        else
            dialog.load(switchingForm(switchType, 3, 5));

        QCOMPARE(child<QComboBox>(dialog, "cbDS10")->isEnabled(), diseqc10);
        QCOMPARE(child<QComboBox>(dialog, "cbDS11")->isEnabled(), diseqc11);
        QCOMPARE(child<QLineEdit>(dialog, "leUSALS")->isEnabled(), usals);
        QCOMPARE(child<QGroupBox>(dialog, "rgEW")->isEnabled(), usals);
        const SatelliteForm form = dialog.form();
        QCOMPARE(form.switchType, switchType);
        QCOMPARE(form.diseqc10, port10);
        QCOMPARE(form.diseqc11, port11);
    }
}

void SatelliteDialogTest::lnbType_data()
{
    QTest::addColumn<int>("shownBefore"); // -1: a dialog never opened
    QTest::addColumn<int>("opened");
    QTest::addColumn<QString>("lnbLow");
    QTest::addColumn<int>("clicked"); // -1: the user clicks nothing
    QTest::addColumn<QString>("expectedLow");
    QTest::addColumn<bool>("lowEnabled");

    QTest::newRow("first opening as Single") << -1 << int(Single) << "123" << -1 << "0" << false;
    QTest::newRow("Single again keeps the text") << int(Single) << int(Single) << "123" << -1 << "123" << false;
    QTest::newRow("Universal to Single") << int(Universal) << int(Single) << "123" << -1 << "0" << false;
    QTest::newRow("Single to OCS") << int(Single) << int(Ocs) << "5150" << -1 << "5150" << true;
    QTest::newRow("OCS to Universal") << int(Ocs) << int(Universal) << "9750" << -1 << "9750" << true;
    QTest::newRow("clicking Single") << -1 << int(Universal) << "9750" << int(Single) << "0" << false;
    QTest::newRow("clicking Universal") << -1 << int(Single) << "0" << int(Universal) << "0" << true;
    QTest::newRow("clicking OCS again") << -1 << int(Ocs) << "5150" << int(Ocs) << "5150" << true;
}

void SatelliteDialogTest::lnbType()
{
    QFETCH(int, shownBefore);
    QFETCH(int, opened);
    QFETCH(QString, lnbLow);
    QFETCH(int, clicked);
    QFETCH(QString, expectedLow);
    QFETCH(bool, lowEnabled);

    TsatEditDlg dialog;
    if (shownBefore >= 0)
        dialog.load(lnbForm(shownBefore, "1", "2"));
    dialog.load(lnbForm(opened, lnbLow, "11111"));
    const QString clickable[] = {"Single", "OCS", "Universal"};
    if (clicked >= 0)
        child<QRadioButton>(dialog, "rgLnbType_" + clickable[clicked])->click();

    const int shownType = clicked >= 0 ? clicked : opened;
    auto *low = child<QComboBox>(dialog, "leLnbLow");
    auto *high = child<QComboBox>(dialog, "leLnbHigh");
    QCOMPARE(low->currentText(), expectedLow);
    QCOMPARE(low->isEnabled(), lowEnabled);
    QCOMPARE(high->currentText(), QStringLiteral("11111"));
    QCOMPARE(items(*low), lowPresets(shownType));
    QCOMPARE(items(*high), highPresets(shownType));
    QCOMPARE(dialog.form().lnbType, shownType);
}

void SatelliteDialogTest::longitudeShown_data()
{
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("shown");

    QTest::newRow("two degree digits") << "19,2" << " 19,2";
    QTest::newRow("three degree digits") << "180,0" << "180,0";
    QTest::newRow("empty") << "" << "   , ";
    QTest::newRow("comma only") << "," << "   , ";
    QTest::newRow("no tenths") << "5," << "  5, ";
    QTest::newRow("no comma") << "19" << " 19, ";
    QTest::newRow("leading blanks kept aligned") << "  7,1" << "  7,1";
    QTest::newRow("zero degrees") << "0,5" << "  0,5";
}

void SatelliteDialogTest::longitudeShown()
{
    QFETCH(QString, longitude);
    QFETCH(QString, shown);
    TsatEditDlg dialog;
    dialog.load(switchingForm(Usals));
    dialog.load(usalsForm(longitude));
    QCOMPARE(child<QLineEdit>(dialog, "leUSALS")->displayText(), shown);
}

void SatelliteDialogTest::longitudeTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("longitude");

    QTest::newRow("degrees, comma, tenths") << "19,2" << "19,2";
    QTest::newRow("three degree digits") << "180,0" << "180,0";
    QTest::newRow("one digit only") << "5" << "5,";
    QTest::newRow("nothing") << "" << ",";
    QTest::newRow("fourth digit goes to tenths") << "1234" << "123,4";
    QTest::newRow("letters refused") << "a1b" << "1,";
}

void SatelliteDialogTest::longitudeTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, longitude);
    TsatEditDlg dialog;
    dialog.load(usalsForm(","));
    typeInto(*child<QLineEdit>(dialog, "leUSALS"), typed);
    QCOMPARE(dialog.form().longitude, longitude);
}

void SatelliteDialogTest::nameTakesSixteenCharacters()
{
    TsatEditDlg dialog;
    auto *name = child<QLineEdit>(dialog, "leSatName");
    typeInto(*name, QStringLiteral("Спутник Ямал-402 W"));
    QCOMPARE(name->text(), QStringLiteral("Спутник Ямал-402"));
    SatelliteForm longName = busyForm();
    longName.name = QStringLiteral("Seventeen chars!!");
    dialog.load(longName);
    QCOMPARE(dialog.form().name, QStringLiteral("Seventeen chars!"));
}

QTEST_MAIN(SatelliteDialogTest)
#include "tst_satellitedialog.moc"
