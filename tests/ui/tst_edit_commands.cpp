// SPDX-License-Identifier: GPL-3.0-or-later
// "Редактировать" and "Добавить" for satellites, transponders and channels
// through the real window: each dialog is filled through its controls by
// object name, and what the command did is read back from the rows, the
// selectors and the bytes of the image a save would write. Refused texts
// must leave all of these exactly as they were.

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "model/DisplayTexts.h"
#include "model/ImageLayout.h"
#include "tests/ui/dialogs/DialogTestHelpers.h"

using k510::ui::ReportList;

namespace {

using Fill = std::function<void(QDialog &)>;

void answer(EditorDriver &editor, Fill fill, bool ok = true)
{
    editor.dialogs().dialogScript.push_back([fill = std::move(fill), ok](QDialog &dialog) {
        fill(dialog);
        return ok;
    });
}

// The satellite dialog's frequency boxes are editable lists.
void setBoxText(QDialog &dialog, const char *name, const QString &text)
{
    child<QComboBox>(dialog, QLatin1String(name))->setEditText(text);
}

void triggerChange(EditorDriver &editor) { editor.window().pmChangeClick(); }
void triggerAdd(EditorDriver &editor) { editor.window().pmAddClick(); }

QByteArray bytes(const std::vector<std::uint8_t> &image, std::size_t at, std::size_t count)
{
    return QByteArray(reinterpret_cast<const char *>(image.data() + at), qsizetype(count));
}

std::size_t satelliteAt(int index) { return k510::layout::kSatellitesOffset + 32 * std::size_t(index); }
std::size_t transponderAt(const k510::ChannelDatabase &db, int index)
{
    return k510::layout::transpondersOffset(db.satellites.size()) + 12 * std::size_t(index);
}

// Everything a refused command must leave alone.
struct Snapshot {
    std::vector<std::uint8_t> image;
    QList<QStringList> rows;
    QStringList selectors;

    explicit Snapshot(EditorDriver &editor) : image(imageOf(editor.window().database()))
    {
        for (const char *name : {"lvSatView", "lvTpView", "lvTvCh", "lvRadioCh"})
            for (int column = 0; column < 6; ++column)
                rows.append(EditorDriver::column(editor.list(name), column));
        for (const char *name : {"cbTvSelectSat", "cbRadioSelectSat"})
            selectors.append(items(*editor.combo(name)));
        auto *tpSelector = editor.window().findChild<QListWidget *>(QStringLiteral("cbTpSelectSat"));
        for (int entry = 0; entry < tpSelector->count(); ++entry)
            selectors.append(tpSelector->item(entry)->text());
    }
    bool operator==(const Snapshot &) const = default;
};

int rowShowing(const ReportList *list, int column, const QString &text)
{
    return int(EditorDriver::column(list, column).indexOf(text));
}

// Sets a control as the user would: "leName=Text" types into an edit or an
// editable list, chooses a list entry by its text; "rgPolarization_V"
// clicks a radio button.
void setField(QDialog &dialog, const QString &assignment)
{
    const QString name = assignment.section(QLatin1Char('='), 0, 0);
    const QString text = assignment.section(QLatin1Char('='), 1);
    if (auto *button = dialog.findChild<QRadioButton *>(name))
        return button->click();
    if (auto *edit = dialog.findChild<QLineEdit *>(name))
        return edit->setText(text);
    auto *list = child<QComboBox>(dialog, name);
    if (list->isEditable())
        list->setEditText(text);
    else
        pick(*list, list->findText(text));
}

// Every text and choice the dialog shows.
QStringList shownFields(const QDialog &dialog)
{
    QStringList fields;
    for (const QLineEdit *edit : dialog.findChildren<QLineEdit *>())
        fields << edit->objectName() + QLatin1Char('=') + edit->text();
    for (const QComboBox *list : dialog.findChildren<QComboBox *>())
        fields << list->objectName() + QLatin1Char('=') + list->currentText();
    for (const QRadioButton *button : dialog.findChildren<QRadioButton *>())
        fields << button->objectName() + QLatin1Char('=') + (button->isChecked() ? "on" : "off");
    for (const QCheckBox *box : dialog.findChildren<QCheckBox *>())
        fields << box->objectName() + QLatin1Char('=') + (box->isChecked() ? "on" : "off");
    return fields;
}

// Many transponders, TV and radio channels on one satellite: more rows than
// a list shows at once.
k510::ChannelDatabase longListsDatabase()
{
    k510::samples::DatabaseBuilder b;
    const int sat = b.addSatellite({.name = "Sat"});
    int tp = 0;
    for (int n = 0; n < 60; ++n)
        tp = b.addTransponder(sat, 10700 + n, 'H', 27500, 3);
    for (int n = 1; n <= 60; ++n) {
        b.addTv(tp, {.name = QStringLiteral("TV %1").arg(n).toStdString()});
        b.addRadio(tp, {.name = QStringLiteral("Radio %1").arg(n).toStdString()});
    }
    return b.build();
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void satelliteDialogOpensFromTheSatellite();
    void satelliteEditIsWrittenToTheImage();
    void usalsLongitude_data();
    void usalsLongitude();
    void noSwitchTypeResetsBothPorts();
    void satelliteRenameFollowsIntoTheSelectors();
    void refusedSatelliteTextsChangeNothing_data();
    void refusedSatelliteTextsChangeNothing();
    void cancelChangesNothing();
    void refusedFieldStaysForCorrection_data();
    void refusedFieldStaysForCorrection();
    void dialogsOpenOnTheirFirstField_data();
    void dialogsOpenOnTheirFirstField();

    void transponderAddMessagesInOrder_data();
    void transponderAddMessagesInOrder();
    void transponderAdd();
    void sameTransponderIsRefused_data();
    void sameTransponderIsRefused();
    void transponderEditFindsItsTransponder_data();
    void transponderEditFindsItsTransponder();

    void channelAddValidation_data();
    void channelAddValidation();
    void tvAddKeepsRadioNumbers();
    void radioAdd();
    void addedRowIsSelectedAndShown_data();
    void addedRowIsSelectedAndShown();
    void channelEditFindsItsChannel_data();
    void channelEditFindsItsChannel();
    void refusedChannelEditChangesNothing_data();
    void refusedChannelEditChangesNothing();
};

void EditCommandsTest::satelliteDialogOpensFromTheSatellite()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickRow(editor.list("lvSatView"), 0);
    answer(editor, [](QDialog &dialog) {
        QCOMPARE(child<QLineEdit>(dialog, "leSatName")->text(), QStringLiteral("Astra"));
        QVERIFY(child<QRadioButton>(dialog, "rgLnbType_Universal")->isChecked());
        QCOMPARE(child<QComboBox>(dialog, "leLnbLow")->currentText(), QStringLiteral("9750"));
        QCOMPARE(child<QComboBox>(dialog, "leLnbHigh")->currentText(), QStringLiteral("10600"));
        QCOMPARE(child<QComboBox>(dialog, "cbSwitchType")->currentIndex(), 2);
        QCOMPARE(child<QComboBox>(dialog, "cbDS10")->currentText(), QStringLiteral("C"));
        QCOMPARE(child<QComboBox>(dialog, "cbDS11")->currentText(), QStringLiteral("12"));
        QVERIFY(child<QComboBox>(dialog, "cbDS11")->isEnabled());
        QVERIFY(!child<QLineEdit>(dialog, "leUSALS")->isEnabled());
        QVERIFY(child<QCheckBox>(dialog, "cb22KHZ")->isChecked());
        QVERIFY(!child<QCheckBox>(dialog, "cb12V")->isChecked());
        QVERIFY(child<QCheckBox>(dialog, "cbLNBP")->isChecked());
    }, false);
    triggerChange(editor);
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"satEditDlg"});
}

void EditCommandsTest::satelliteEditIsWrittenToTheImage()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickRow(editor.list("lvSatView"), 0);
    answer(editor, [](QDialog &dialog) {
        // DiSEqC 1.0 disables the 1.1 port, which keeps its 12 all the same.
        pick(*child<QComboBox>(dialog, "cbSwitchType"), 1);
        pick(*child<QComboBox>(dialog, "cbDS10"), 2);
        setBoxText(dialog, "leLnbHigh", QStringLiteral("10750"));
        child<QCheckBox>(dialog, "cb12V")->setChecked(true);
    });
    triggerChange(editor);

    const std::vector<std::uint8_t> image = imageOf(editor.window().database());
    const std::size_t at = satelliteAt(0);
    QCOMPARE(bytes(image, at + 18, 4), QByteArray("\x01\x07\x50\x00", 4));   // lnbHigh 10750
    QCOMPARE(bytes(image, at + 22, 4), QByteArray("\x00\x97\x50\x00", 4));   // lnbLow 9750
    QCOMPARE(int(image[at + 27]), 0x01 | 0x02 | 0x04 | 0x08);               // LNBP, 12 V, 22 kHz, 1.0
    QCOMPARE(int(image[at + 28]), 2 | (12 << 3));
    ReportList *satellites = editor.list("lvSatView");
    QCOMPARE(satellites->rows().cells(0), (QStringList{"1", "Astra", "Universal", "+", "1.0", "B", "12", "E", "0,0"}));
}

void EditCommandsTest::usalsLongitude_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("typed");   // null: the field is left alone
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("typed 19,2") << QByteArray("\x00\x01\x30", 3) << "19,2" << QByteArray("\x00\x01\x92", 3);
    QTest::newRow("typed 5 without tenths") << QByteArray("\x00\x01\x30", 3) << "5" << QByteArray("\x00\x00\x50", 3);
    QTest::newRow("erased, untouched") << QByteArray("\xFF\xFF\xFF", 3) << QString() << QByteArray("\xFF\xFF\xFF", 3);
    QTest::newRow("400,0, untouched") << QByteArray("\x00\x40\x00", 3) << QString() << QByteArray("\x00\x40\x00", 3);
    QTest::newRow("erased, typed") << QByteArray("\xFF\xFF\xFF", 3) << "36,0" << QByteArray("\x00\x03\x60", 3);
}

void EditCommandsTest::usalsLongitude()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    k510::ChannelDatabase db = editingDatabase();
    k510::Satellite &hotbird = db.satellites[1];
    std::copy_n(stored.constData(), 3, hotbird.usalsLongitude.begin());
    EditorDriver editor;
    editor.open(db);
    editor.clickRow(editor.list("lvSatView"), 1);
    answer(editor, [&](QDialog &dialog) {
        setText(dialog, "leSatName", QStringLiteral("Hot Bird 13E"));
        if (!typed.isNull())
            typeInto(*child<QLineEdit>(dialog, "leUSALS"), typed);
        child<QRadioButton>(dialog, "rgEW_W")->click();
    });
    triggerChange(editor);

    QVERIFY(editor.dialogs().messages.isEmpty());
    const std::vector<std::uint8_t> image = imageOf(editor.window().database());
    QTEST(bytes(image, satelliteAt(1) + 29, 3), "written");
    QVERIFY(image[satelliteAt(1) + 27] & k510::LnbFlag::West);
}

void EditCommandsTest::noSwitchTypeResetsBothPorts()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickRow(editor.list("lvSatView"), 0);
    answer(editor, [](QDialog &dialog) { pick(*child<QComboBox>(dialog, "cbSwitchType"), 0); });
    triggerChange(editor);
    const QStringList row = editor.list("lvSatView")->rows().cells(0);
    QCOMPARE(row.mid(4, 3), (QStringList{"-", "-", "-"}));
    QCOMPARE(int(imageOf(editor.window().database())[satelliteAt(0) + 28]), 0);
}

void EditCommandsTest::satelliteRenameFollowsIntoTheSelectors()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    ReportList *satellites = editor.list("lvSatView");
    editor.clickColumnTitle(satellites, 1);
    const int row = rowShowing(satellites, 1, QStringLiteral("Hotbird"));
    editor.clickRow(satellites, row);
    answer(editor, [](QDialog &dialog) { setText(dialog, "leSatName", QStringLiteral("Eutelsat Хот")); });
    triggerChange(editor);

    QCOMPARE(satellites->text(row, 1), QStringLiteral("Eutelsat Хот"));
    QCOMPARE(editor.combo("cbTvSelectSat")->itemText(2), QStringLiteral("Eutelsat Хот"));
    QCOMPARE(editor.combo("cbRadioSelectSat")->itemText(2), QStringLiteral("Eutelsat Хот"));
    QCOMPARE(editor.window().findChild<QListWidget *>(QStringLiteral("cbTpSelectSat"))->item(2)->text(),
             QStringLiteral("Eutelsat Хот"));
    QCOMPARE(editor.window().database().satellites[1].name, std::string("Eutelsat \xd5\xee\xf2"));
}

void EditCommandsTest::refusedSatelliteTextsChangeNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("hexadecimal low oscillator") << "leLnbLow" << "9A50" << "Начальная частота LNB: «9A50» — не число.";
    QTest::newRow("seven digits") << "leLnbHigh" << "1234567"
                                  << "Конечная частота LNB: «1234567» — вне допустимого диапазона 0..999999.";
    QTest::newRow("empty oscillator") << "leLnbHigh" << "" << "Конечная частота LNB: нужно число.";
    QTest::newRow("letter the receiver lacks") << "leSatName" << "Ёлки-ёлки" << "Символ «Ё» не поддерживается ресивером";
    QTest::newRow("guillemets") << "leSatName" << "«Astra»" << "Символ ««» не поддерживается ресивером";
    QTest::newRow("Ukrainian letter") << "leSatName" << "Київ" << "Символ «ї» не поддерживается ресивером";
}

void EditCommandsTest::refusedSatelliteTextsChangeNothing()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTv);   // fills every satellite selector
    editor.clickTab(TfrmMain::PageSat);
    editor.clickRow(editor.list("lvSatView"), 0);
    const Snapshot before(editor);
    answer(editor, [&](QDialog &dialog) {
        setText(dialog, "leSatName", QStringLiteral("Renamed"));
        if (control == QLatin1String("leSatName"))
            setText(dialog, "leSatName", text);
        else
            setBoxText(dialog, qPrintable(control), text);
    });
    triggerChange(editor);
    QTEST(editor.dialogs().messages.join(QLatin1Char('|')), "message");
    QVERIFY(Snapshot(editor) == before);
}

void EditCommandsTest::cancelChangesNothing()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickRow(editor.list("lvSatView"), 1);
    const Snapshot before(editor);
    answer(editor, [](QDialog &dialog) { setText(dialog, "leSatName", QStringLiteral("Changed")); }, false);
    triggerChange(editor);
    QVERIFY(Snapshot(editor) == before);
    QVERIFY(editor.dialogs().messages.isEmpty());
}

void EditCommandsTest::refusedFieldStaysForCorrection_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<bool>("adding");        // else the first row is edited
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("mended");     // typed into the refused field, or clicked; empty: cancel
    QTest::addColumn<QString>("message");
    const int sat = TfrmMain::PageSat, tp = TfrmMain::PageTp, tv = TfrmMain::PageTv, radio = TfrmMain::PageRadio;
    // Every number field, and every name, of the satellite, transponder and
    // channel dialogs: a refused number names its field as the dialog labels
    // it and quotes the text as typed.
    QTest::newRow("satellite: low oscillator")
        << sat << 0 << false << QStringList{"leSatName=Astra 1KR", "cbDS10=A", "leLnbLow=9A50"} << "leLnbLow" << "leLnbLow=9750"
        << "Начальная частота LNB: «9A50» — не число.";
    QTest::newRow("satellite: name")
        << sat << 0 << false << QStringList{"leLnbHigh=10750", "leSatName=Ёлка"} << "leSatName" << "leSatName=Елка"
        << "Символ «Ё» не поддерживается ресивером";
    QTest::newRow("satellite: blank name")
        << sat << 0 << false << QStringList{"leSatName=   "} << "leSatName" << "leSatName=Astra 2"
        << "Не задано название спутника!";
    QTest::newRow("satellite: high oscillator, cancelled after the refusal")
        << sat << 0 << false << QStringList{"leSatName=Astra 1KR", "leLnbHigh=1O600"} << "leLnbHigh" << ""
        << "Конечная частота LNB: «1O600» — не число.";
    QTest::newRow("satellite: high oscillator, seven digits")
        << sat << 0 << false << QStringList{"leLnbHigh=1060000"} << "leLnbHigh" << "leLnbHigh=10700"
        << "Конечная частота LNB: «1060000» — вне допустимого диапазона 0..999999.";
    QTest::newRow("satellite: longitude")
        << sat << 0 << false << QStringList{"cbSwitchType=USALS", "leUSALS=360,0"} << "leUSALS" << "leUSALS=192,0"
        << "Долгота USALS: «360,0» — вне допустимого диапазона 0,0..359,9.";
    QTest::newRow("transponder add: no polarisation")
        << tp << 1 << true << QStringList{"leFrequency=11475", "leRate=27500"} << "rgPolarization" << "rgPolarization_V"
        << "Не указан тип поляризации!";
    QTest::newRow("transponder add: frequency")
        << tp << 1 << true << QStringList{"rgPolarization_H", "leRate=27500", "leFrequency=10a7 23"}
        << "leFrequency" << "leFrequency=10723" << "Частота: «10a7 23» — не число.";
    QTest::newRow("transponder add: rate")
        << tp << 1 << true << QStringList{"rgPolarization_H", "leFrequency=10723", "leRate=0x6B6C"}
        << "leRate" << "leRate=27500" << "Скорость: «0x6B6C» — не число.";
    QTest::newRow("transponder edit: frequency")
        << tp << 0 << false << QStringList{"leFrequency=12,5"} << "leFrequency" << "leFrequency=12500"
        << "Частота: «12,5» — не число.";
    QTest::newRow("transponder edit: rate")
        << tp << 0 << false << QStringList{"leFrequency=12000", "leRate=27 500"} << "leRate" << "leRate=27500"
        << "Скорость: «27 500» — не число.";
    const QStringList channel{"leName=Новый", "leSIDInfo=100", "lePMTInfo=101", "leVPid=102", "leAPid=103",
                              "lePcrInfo=104"};
    QTest::newRow("TV add: empty field") << tv << 1 << true << channel + QStringList{"leAPid="} << "leAPid" << "leAPid=103"
                                         << "Необходимо заполнить все поля!";
    QTest::newRow("TV add: blank name") << tv << 1 << true << channel + QStringList{"leName=  "} << "leName"
                                        << "leName=Новый" << "Необходимо заполнить все поля!";
    QTest::newRow("TV add: service ID") << tv << 1 << true << channel + QStringList{"leSIDInfo=1OO"} << "leSIDInfo"
                                        << "leSIDInfo=100" << "Service ID: «1OO» — не число.";
    QTest::newRow("TV add: PMT PID") << tv << 1 << true << channel + QStringList{"lePMTInfo=-5"} << "lePMTInfo"
                                     << "lePMTInfo=101" << "PMT PID: «-5» — вне допустимого диапазона 0..65535.";
    QTest::newRow("TV add: video PID") << tv << 1 << true << channel + QStringList{"leVPid=0x1G"} << "leVPid"
                                       << "leVPid=102" << "Video PID: «0x1G» — не число.";
    QTest::newRow("TV add: audio PID") << tv << 1 << true << channel + QStringList{"leAPid=1O3"}
                                       << "leAPid" << "leAPid=103" << "Audio PID: «1O3» — не число.";
    QTest::newRow("radio add: service ID too large")
        << radio << 2 << true << QStringList{"leName=Радио", "lePMTInfo=1", "leAPid=2", "lePcrInfo=3", "leSIDInfo=70000"}
        << "leSIDInfo" << "leSIDInfo=7000" << "Service ID: «70000» — вне допустимого диапазона 0..65535.";
    QTest::newRow("channel edit: PCR PID") << tv << 0 << false << QStringList{"lePcrInfo=1 04"} << "lePcrInfo"
                                           << "lePcrInfo=104" << "PCR PID: «1 04» — не число.";
    QTest::newRow("channel edit: name") << tv << 0 << false << QStringList{"leSIDInfo=1", "leName=«Рен»"}
                                        << "leName" << "leName=Рен" << "Символ ««» не поддерживается ресивером";
    QTest::newRow("radio edit: blank name") << radio << 0 << false << QStringList{"leName= "}
                                            << "leName" << "leName=Радио" << "Необходимо заполнить все поля!";
}

void EditCommandsTest::refusedFieldStaysForCorrection()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QFETCH(bool, adding);
    QFETCH(QStringList, typed);
    QFETCH(QString, refused);
    QFETCH(QString, mended);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(page);
    if (page == TfrmMain::PageTp)
        editor.chooseTransponderSatellite(satelliteEntry);
    else if (page != TfrmMain::PageSat)
        editor.choose(editor.combo(page == TfrmMain::PageTv ? "cbTvSelectSat" : "cbRadioSelectSat"), satelliteEntry);
    if (!adding) {
        const char *lists[] = {"lvSatView", "lvTpView", "lvTvCh", "lvRadioCh"};
        editor.clickRow(editor.list(lists[page]), 0);
    }
    const Snapshot before(editor);

    QStringList shownWhenRefused;
    answer(editor, [&](QDialog &dialog) {
        for (const QString &field : typed)
            setField(dialog, field);
        shownWhenRefused = shownFields(dialog);
    });
    answer(editor, [&](QDialog &dialog) {
        // Nothing has changed yet, and the dialog is as the user left it.
        QVERIFY(Snapshot(editor) == before);
        QCOMPARE(shownFields(dialog), shownWhenRefused);
        auto *field = child<QWidget>(dialog, refused);
        QVERIFY(dialog.focusWidget() == field || field->isAncestorOf(dialog.focusWidget()));
        auto *edit = qobject_cast<QLineEdit *>(field);
        if (auto *list = qobject_cast<QComboBox *>(field))
            edit = list->lineEdit();
        if (edit)
            QCOMPARE(edit->selectedText(), edit->text());
        if (!mended.isEmpty())
            setField(dialog, mended);
    }, !mended.isEmpty());
    adding ? triggerAdd(editor) : triggerChange(editor);

    QCOMPARE(editor.dialogs().shownDialogs.size(), 2);
    QTEST(editor.dialogs().messages.join(QLatin1Char('|')), "message");
    if (mended.isEmpty())
        QVERIFY(Snapshot(editor) == before);
    else
        QVERIFY(imageOf(editor.window().database()) != before.image);
}

void EditCommandsTest::dialogsOpenOnTheirFirstField_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("adding");        // else the first row is edited
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("later");      // where the user left the dialog the time before
    const int sat = TfrmMain::PageSat, tp = TfrmMain::PageTp, tv = TfrmMain::PageTv, radio = TfrmMain::PageRadio;
    QTest::newRow("satellite") << sat << false << "leSatName" << "leLnbHigh";
    QTest::newRow("transponder add") << tp << true << "rgPolarization" << "leRate";
    QTest::newRow("transponder edit") << tp << false << "rgPolarization" << "leFrequency";
    QTest::newRow("TV add") << tv << true << "cbSelTp" << "lePcrInfo";
    QTest::newRow("radio add") << radio << true << "cbSelTp" << "leAPid";
    QTest::newRow("TV edit") << tv << false << "leName" << "leVPid";
    QTest::newRow("radio edit") << radio << false << "leName" << "lePcrInfo";
    QTest::newRow("group rename") << int(TfrmMain::PageFavTv) << false << "ebGrpName" << "";
}

void EditCommandsTest::dialogsOpenOnTheirFirstField()
{
    QFETCH(int, page);
    QFETCH(bool, adding);
    QFETCH(QString, first);
    QFETCH(QString, later);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(page);
    if (page == TfrmMain::PageTp)
        editor.chooseTransponderSatellite(1);
    else if (page == TfrmMain::PageTv || page == TfrmMain::PageRadio)
        editor.choose(editor.combo(page == TfrmMain::PageTv ? "cbTvSelectSat" : "cbRadioSelectSat"), 1);
    if (!adding && page != TfrmMain::PageFavTv) {
        const char *lists[] = {"lvSatView", "lvTpView", "lvTvCh", "lvRadioCh"};
        editor.clickRow(editor.list(lists[page]), 0);
    }
    const auto openDialog = [&] {
        if (page == TfrmMain::PageFavTv)
            QTest::mouseClick(editor.window().findChild<QPushButton *>(QStringLiteral("ren1")), Qt::LeftButton);
        else
            adding ? triggerAdd(editor) : triggerChange(editor);
    };

    answer(editor, [&](QDialog &dialog) {
        if (!later.isEmpty())
            child<QWidget>(dialog, later)->setFocus();
    }, false);
    openDialog();
    answer(editor, [&](QDialog &dialog) {
        auto *field = child<QWidget>(dialog, first);
        QVERIFY(dialog.focusWidget() == field || field->isAncestorOf(dialog.focusWidget()));
        // A radio group is entered on its chosen button.
        if (auto *button = qobject_cast<QRadioButton *>(dialog.focusWidget())) {
            const auto buttons = field->findChildren<QRadioButton *>();
            QVERIFY(button->isChecked()
                    || std::none_of(buttons.begin(), buttons.end(), [](auto *b) { return b->isChecked(); }));
        }
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            QCOMPARE(edit->selectedText(), edit->text());
    }, false);
    openDialog();
    QCOMPARE(editor.dialogs().shownDialogs.size(), 2);
}

void EditCommandsTest::transponderAddMessagesInOrder_data()
{
    QTest::addColumn<int>("polarisation");
    QTest::addColumn<int>("fec");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing chosen") << -1 << 0 << "" << "" << "Не указан тип поляризации!";
    QTest::newRow("no FEC") << 0 << -1 << "" << "" << "Не указан тип FEC!";
    QTest::newRow("both empty") << 1 << 3 << "" << "" << "Не задана частота!";
    QTest::newRow("no rate") << 1 << 3 << "11475" << "" << "Не задана скорость потока!";
    QTest::newRow("hexadecimal frequency") << 0 << 3 << "11A75" << "27500" << "Частота: «11A75» — не число.";
    QTest::newRow("rate with a blank") << 0 << 3 << "11475" << "27 500" << "Скорость: «27 500» — не число.";
}

void EditCommandsTest::transponderAddMessagesInOrder()
{
    QFETCH(int, polarisation);
    QFETCH(int, fec);
    QFETCH(QString, frequency);
    QFETCH(QString, rate);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(1);
    const Snapshot before(editor);
    answer(editor, [&](QDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление транспондера"));
        if (polarisation >= 0)
            child<QRadioButton>(dialog, polarisation == 0 ? "rgPolarization_H" : "rgPolarization_V")->click();
        child<QComboBox>(dialog, "cbFec")->setCurrentIndex(fec);
        setText(dialog, "leFrequency", frequency);
        setText(dialog, "leRate", rate);
    });
    triggerAdd(editor);
    QTEST(editor.dialogs().messages.join(QLatin1Char('|')), "message");
    QVERIFY(Snapshot(editor) == before);
}

void EditCommandsTest::transponderAdd()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(2);   // Hotbird, one transponder
    answer(editor, [](QDialog &dialog) {
        child<QRadioButton>(dialog, "rgPolarization_V")->click();
        pick(*child<QComboBox>(dialog, "cbFec"), 2);
        setText(dialog, "leFrequency", QStringLiteral("11475"));
        setText(dialog, "leRate", QStringLiteral("27500"));
    });
    triggerAdd(editor);

    QVERIFY(editor.dialogs().messages.isEmpty());
    ReportList *list = editor.list("lvTpView");
    QCOMPARE(list->rows().cells(1), (QStringList{"2", "V", "11475", "27500", "2/3"}));
    QCOMPARE(list->firstSelectedRow(), 1);
    QCOMPARE(editor.statusPanel(3), QStringLiteral("Трансп.: 4"));
    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(db.transponders.size(), std::size_t(4));
    const std::vector<std::uint8_t> image = imageOf(db);
    QCOMPARE(bytes(image, transponderAt(db, 3), 12),
             QByteArray("\x02\x01\x01\x14\x75\x00\x02\x75\x00\x00\x02\x00", 12));

}

void EditCommandsTest::sameTransponderIsRefused_data()
{
    QTest::addColumn<QString>("typed");      // polarisation, frequency, symbol rate
    QTest::addColumn<QString>("message");    // empty: added
    // Hotbird has 11766 H 27500.
    const QString present = QStringLiteral("Такой транспондер уже есть: 11766 H 27500");
    QTest::newRow("the same") << "H 11766 27500" << present;
    QTest::newRow("2 MHz lower") << "H 11764 27500" << present;
    QTest::newRow("2 MHz higher") << "H 11768 27500" << present;
    QTest::newRow("3 MHz higher") << "H 11769 27500" << "";
    QTest::newRow("the other polarisation") << "V 11766 27500" << "";
    QTest::newRow("another symbol rate") << "H 11766 22000" << "";
}

// The add dialog opens empty, whatever it showed last; a transponder the
// satellite has already is refused and the dialog stays open on it.
void EditCommandsTest::sameTransponderIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(2);   // Hotbird
    editor.clickRow(editor.list("lvTpView"), 0);
    answer(editor, [](QDialog &) {}, false);
    triggerChange(editor);   // the dialog shows 11766 H 27500 3/4
    const Snapshot before(editor);

    const QStringList values = typed.split(QLatin1Char(' '));
    QStringList opened;
    answer(editor, [&](QDialog &dialog) {
        for (const char *name : {"leFrequency", "leRate"})
            opened << child<QLineEdit>(dialog, name)->text();
        opened << child<QComboBox>(dialog, "cbFec")->currentText();
        for (QRadioButton *button : dialog.findChildren<QRadioButton *>())
            opened << QString::number(button->isChecked());
        child<QRadioButton>(dialog, values[0] == "H" ? "rgPolarization_H" : "rgPolarization_V")->click();
        setText(dialog, "leFrequency", values[1]);
        setText(dialog, "leRate", values[2]);
    });
    QString refusedFocus;
    answer(editor, [&](QDialog &dialog) { refusedFocus = dialog.focusWidget()->objectName(); }, false);
    triggerAdd(editor);

    QCOMPARE(opened, (QStringList{"", "", "AUTO", "0", "0"}));
    QTEST(editor.dialogs().messages.join(QLatin1Char('|')), "message");
    if (message.isEmpty()) {
        QCOMPARE(editor.dialogs().shownDialogs.size(), 2);
        QCOMPARE(editor.window().database().transponders.size(), std::size_t(4));
        return;
    }
    // Shown again on the refused frequency; cancelling then adds nothing.
    QCOMPARE(editor.dialogs().shownDialogs.size(), 3);
    QCOMPARE(refusedFocus, QStringLiteral("leFrequency"));
    QVERIFY(Snapshot(editor) == before);
}

void EditCommandsTest::transponderEditFindsItsTransponder_data()
{
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("transponder");
    QTest::newRow("all satellites: # is the number") << 0 << 2 << 2;
    QTest::newRow("one satellite: # counts within it") << 2 << 0 << 2;
    QTest::newRow("first satellite, second row") << 1 << 1 << 1;
}

void EditCommandsTest::transponderEditFindsItsTransponder()
{
    QFETCH(int, satelliteEntry);
    QFETCH(int, row);
    QFETCH(int, transponder);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTp);
    editor.chooseTransponderSatellite(satelliteEntry);
    ReportList *list = editor.list("lvTpView");
    editor.clickRow(list, row);
    const QStringList rowBefore = list->rows().cells(row);
    answer(editor, [&](QDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Редактирование транспондера"));
        QCOMPARE(child<QLineEdit>(dialog, "leFrequency")->text(), rowBefore[2]);
        QCOMPARE(child<QComboBox>(dialog, "cbFec")->currentText(), rowBefore[4]);
        setText(dialog, "leFrequency", QStringLiteral("12000"));
    });
    triggerChange(editor);

    const k510::ChannelDatabase &db = editor.window().database();
    QCOMPARE(bytes(imageOf(db), transponderAt(db, transponder) + 2, 4), QByteArray("\x01\x20\x00\x00", 4));
    QCOMPARE(list->text(row, 2), QStringLiteral("12000"));
    QCOMPARE(list->text(row, 0), rowBefore[0]);

    // A frequency that is no decimal number changes neither row nor record.
    const Snapshot before(editor);
    answer(editor, [](QDialog &dialog) {
        child<QRadioButton>(dialog, "rgPolarization_V")->click();
        setText(dialog, "leFrequency", QStringLiteral("12A00"));
    });
    triggerChange(editor);
    QCOMPARE(editor.dialogs().messages, QStringList{"Частота: «12A00» — не число."});
    QVERIFY(Snapshot(editor) == before);
}

void EditCommandsTest::channelAddValidation_data()
{
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<QStringList>("fields");   // name, SID, PMT, video, audio, PCR
    QTest::addColumn<QString>("message");
    const QStringList filled{"Новый", "100", "101", "102", "103", "104"};
    QTest::newRow("everything empty: one message") << 1 << QStringList(6) << "Необходимо заполнить все поля!";
    QStringList noPcr = filled;
    noPcr[5].clear();
    QTest::newRow("one empty") << 1 << noPcr << "Необходимо заполнить все поля!";
    QTest::newRow("satellite without transponders") << 3 << filled << "Выберите транспондер!";
    QStringList big = filled;
    big[1] = QStringLiteral("65536");
    QTest::newRow("service ID above 16 bits") << 1 << big << "Service ID: «65536» — вне допустимого диапазона 0..65535.";
    QStringList negative = filled;
    negative[4] = QStringLiteral("-1");
    QTest::newRow("negative PID") << 1 << negative << "Audio PID: «-1» — вне допустимого диапазона 0..65535.";
    QStringList letters = filled;
    letters[2] = QStringLiteral("1O1");
    QTest::newRow("not a number") << 1 << letters << "PMT PID: «1O1» — не число.";
    QStringList name = filled;
    name[0] = QStringLiteral("№1 канал");
    QTest::newRow("name the receiver cannot show") << 1 << name << "Символ «№» не поддерживается ресивером";
}

void EditCommandsTest::channelAddValidation()
{
    QFETCH(int, satelliteEntry);
    QFETCH(QStringList, fields);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), satelliteEntry);
    const Snapshot before(editor);
    answer(editor, [&](QDialog &dialog) {
        int i = 0;
        for (const char *name : {"leName", "leSIDInfo", "lePMTInfo", "leVPid", "leAPid", "lePcrInfo"})
            setText(dialog, name, fields[i++]);
    });
    triggerAdd(editor);
    QCOMPARE(editor.dialogs().messages.size(), 1);
    QTEST(editor.dialogs().messages.constFirst(), "message");
    QVERIFY(Snapshot(editor) == before);
}

void EditCommandsTest::tvAddKeepsRadioNumbers()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 1);   // Astra
    answer(editor, [](QDialog &dialog) {
        QCOMPARE(items(*child<QComboBox>(dialog, "cbSelTp")), (QStringList{" H/11494/22000", " V/12603/22000"}));
        child<QComboBox>(dialog, "cbSelTp")->setCurrentIndex(1);
        setText(dialog, "leName", QStringLiteral("Новый"));
        setText(dialog, "leSIDInfo", QStringLiteral("0x100"));
        setText(dialog, "lePMTInfo", QStringLiteral("$20"));
        setText(dialog, "leVPid", QStringLiteral("x21"));
        setText(dialog, "leAPid", QStringLiteral("  34"));
        setText(dialog, "lePcrInfo", QStringLiteral("+33"));
        child<QCheckBox>(dialog, "boxFTA")->setChecked(false);
    });
    triggerAdd(editor);

    QVERIFY(editor.dialogs().messages.isEmpty());
    const k510::ChannelDatabase &db = editor.window().database();
    const k510::ChannelDatabase original = editingDatabase();
    QCOMPARE(db.channels.size(), std::size_t(6));
    const k510::Channel &added = db.channels[3];
    QCOMPARE(added.nameText(), std::string("\xcd\xee\xe2\xfb\xe9"));
    QCOMPARE(int(added.tpNumber), 2);
    QCOMPARE(int(added.serviceId), 256);
    QCOMPARE(int(added.pmtPid), 32);
    QCOMPARE(int(added.videoPid), 33);
    QCOMPARE(int(added.audioPid), 34);
    QCOMPARE(int(added.pcrPid), 33);
    QCOMPARE(added.serviceType(), k510::ServiceType::Tv);
    QVERIFY(added.isScrambled());
    QCOMPARE(db.tvOrder, (std::vector<std::uint16_t>{3, 1, 2, 4}));
    // Radio numbers, their order and every group still name the same channels.
    QCOMPARE(db.radioOrder, original.radioOrder);
    QCOMPARE(db.radioFavourites, original.radioFavourites);
    QCOMPARE(db.tvFavourites, original.tvFavourites);
    QCOMPARE(db.radioChannel(1)->nameText(), std::string("Bayern 3"));
    QCOMPARE(db.radioChannel(2)->nameText(), std::string("Radio 1"));
    // The page shows the satellite's channels again, the new one among them.
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), (QStringList{"Das Erste", "ZDF", "Новый"}));
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 0), (QStringList{"1", "3", "4"}));
    QCOMPARE(editor.statusPanel(4), QStringLiteral("Каналов: 6"));
}

void EditCommandsTest::radioAdd()
{
    EditorDriver editor;
    editor.open(editingDatabase());
    // What the TV add dialog was given does not show in the radio one.
    editor.clickTab(TfrmMain::PageTv);
    editor.choose(editor.combo("cbTvSelectSat"), 2);
    answer(editor, [](QDialog &dialog) { setText(dialog, "leName", QStringLiteral("Телеканал")); }, false);
    triggerAdd(editor);
    editor.clickTab(TfrmMain::PageRadio);
    editor.choose(editor.combo("cbRadioSelectSat"), 2);   // Hotbird
    const auto fillRadio = [](QDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавить радиоканал"));
        QVERIFY(!dialog.findChild<QLineEdit *>(QStringLiteral("leVPid")));
        for (const QLineEdit *edit : dialog.findChildren<QLineEdit *>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        QVERIFY(!child<QCheckBox>(dialog, "boxFTA")->isChecked());
        QCOMPARE(items(*child<QComboBox>(dialog, "cbSelTp")), QStringList{" H/11766/27500"});
        setText(dialog, "leName", QStringLiteral("Радио"));
        for (const char *name : {"leSIDInfo", "lePMTInfo", "leAPid", "lePcrInfo"})
            setText(dialog, name, QStringLiteral("7"));
        child<QCheckBox>(dialog, "boxFTA")->setChecked(true);
    };
    answer(editor, fillRadio);
    triggerAdd(editor);
    // The next radio add starts empty again.
    answer(editor, fillRadio, false);
    triggerAdd(editor);

    QCOMPARE(editor.dialogs().shownDialogs, (QStringList{"svcAddDlg", "svcAddDlg", "svcAddDlg"}));
    const k510::ChannelDatabase &db = editor.window().database();
    const k510::ChannelDatabase original = editingDatabase();
    QCOMPARE(db.channels.size(), std::size_t(6));
    QCOMPARE(db.radioOrder, (std::vector<std::uint16_t>{2, 1, 3}));
    QCOMPARE(db.tvOrder, original.tvOrder);
    const k510::Channel &added = *db.radioChannel(3);
    QCOMPARE(added.nameText(), std::string("\xd0\xe0\xe4\xe8\xee"));
    QCOMPARE(added.serviceType(), k510::ServiceType::Radio);
    QCOMPARE(int(added.videoPid), 0);
    QCOMPARE(int(added.audioPid), 7);
    QVERIFY(!added.isScrambled());
    QCOMPARE(EditorDriver::column(editor.list("lvRadioCh"), 0), (QStringList{"5", "6"}));
}

void EditCommandsTest::addedRowIsSelectedAndShown_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("selector");
    QTest::addColumn<int>("nameColumn");
    QTest::addColumn<QString>("shown");   // what the new row shows in that column
    QTest::newRow("transponder") << int(TfrmMain::PageTp) << "lvTpView" << "" << 2 << "12345";
    QTest::newRow("TV channel") << int(TfrmMain::PageTv) << "lvTvCh" << "cbTvSelectSat" << 1 << "Новый";
    QTest::newRow("radio channel") << int(TfrmMain::PageRadio) << "lvRadioCh" << "cbRadioSelectSat" << 1 << "Новый";
}

void EditCommandsTest::addedRowIsSelectedAndShown()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(QString, selector);
    QFETCH(int, nameColumn);
    QFETCH(QString, shown);
    EditorDriver editor;
    editor.open(longListsDatabase());
    editor.clickTab(page);
    if (selector.isEmpty())
        editor.chooseTransponderSatellite(1);
    else
        editor.choose(editor.combo(qPrintable(selector)), 1);
    ReportList *rows = editor.list(qPrintable(list));
    editor.clickRow(rows, 0);
    answer(editor, [](QDialog &dialog) {
        for (const char *field : {"rgPolarization_H", "leFrequency=12345", "leRate=27500", "leName=Новый",
                                     "leSIDInfo=1", "lePMTInfo=2", "leVPid=3", "leAPid=4", "lePcrInfo=5"}) {
            if (dialog.findChild<QWidget *>(QString::fromUtf8(field).section(QLatin1Char('='), 0, 0)))
                setField(dialog, QString::fromUtf8(field));
        }
        // The channels' transponder, whose rows come last.
        if (auto *transponders = dialog.findChild<QComboBox *>(QStringLiteral("cbSelTp")))
            transponders->setCurrentIndex(transponders->count() - 1);
    });
    triggerAdd(editor);

    QVERIFY(editor.dialogs().messages.isEmpty());
    const int added = rowShowing(rows, nameColumn, shown);
    QCOMPARE(added, rows->rowCount() - 1);
    QCOMPARE(EditorDriver::selectedRows(rows), std::vector<int>{added});
    const QRect place = rows->visualRect(rows->model()->index(added, 0));
    QVERIFY(rows->viewport()->rect().contains(place.center()));
}

void EditCommandsTest::channelEditFindsItsChannel_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("satelliteEntry");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("channelIndex");
    // TV order 3, 1, 2: row 1 of all satellites is TV channel 1.
    QTest::newRow("TV, all satellites") << int(TfrmMain::PageTv) << 0 << 1 << 0;
    QTest::newRow("TV, one satellite: # is the index + 1") << int(TfrmMain::PageTv) << 1 << 1 << 2;
    // Radio order 2, 1: row 0 is radio 2 at index T + 1.
    QTest::newRow("radio, all satellites") << int(TfrmMain::PageRadio) << 0 << 0 << 4;
    QTest::newRow("radio, one satellite") << int(TfrmMain::PageRadio) << 2 << 0 << 4;
}

void EditCommandsTest::channelEditFindsItsChannel()
{
    QFETCH(int, page);
    QFETCH(int, satelliteEntry);
    QFETCH(int, row);
    QFETCH(int, channelIndex);
    EditorDriver editor;
    const k510::ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(page);
    editor.choose(editor.combo(page == TfrmMain::PageTv ? "cbTvSelectSat" : "cbRadioSelectSat"), satelliteEntry);
    ReportList *list = editor.list(page == TfrmMain::PageTv ? "lvTvCh" : "lvRadioCh");
    editor.clickRow(list, row);
    const k510::Channel &before = original.channels[std::size_t(channelIndex)];
    answer(editor, [&](QDialog &dialog) {
        QCOMPARE(child<QLineEdit>(dialog, "leName")->text(), QString::fromLatin1(before.nameText().c_str()));
        QCOMPARE(child<QLineEdit>(dialog, "leSIDInfo")->text(), QString::number(before.serviceId));
        QCOMPARE(child<QLineEdit>(dialog, "lePMTInfo")->text(), QString::number(before.pmtPid));
        setText(dialog, "leName", QStringLiteral("Первый канал HD+"));
        setText(dialog, "leAPid", QStringLiteral("0x1FFF"));
    });
    triggerChange(editor);

    const k510::Channel &after = editor.window().database().channels[std::size_t(channelIndex)];
    QCOMPARE(after.nameText().size(), std::size_t(16));   // cut to what the record holds
    QCOMPARE(int(after.audioPid), 0x1FFF);
    QCOMPARE(after.tpNumber, before.tpNumber);
    QCOMPARE(after.chFlags, before.chFlags);
    QCOMPARE(list->text(row, 1), QStringLiteral("Первый канал HD+"));
}

void EditCommandsTest::refusedChannelEditChangesNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("PCR PID not a number") << "lePcrInfo" << "abc" << "PCR PID: «abc» — не число.";
    QTest::newRow("video PID too large") << "leVPid" << "70000"
                                         << "Video PID: «70000» — вне допустимого диапазона 0..65535.";
    QTest::newRow("empty service ID") << "leSIDInfo" << "" << "Необходимо заполнить все поля!";
    QTest::newRow("name with ґ") << "leName" << "ґанок" << "Символ «ґ» не поддерживается ресивером";
    QTest::newRow("name with an en dash") << "leName" << "Мир – ТВ" << "Символ «–» не поддерживается ресивером";
}

void EditCommandsTest::refusedChannelEditChangesNothing()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    EditorDriver editor;
    editor.open(editingDatabase());
    editor.clickTab(TfrmMain::PageTv);
    editor.clickRow(editor.list("lvTvCh"), 0);
    const Snapshot before(editor);
    answer(editor, [&](QDialog &dialog) {
        // Fields before the refused one would have been stored one by one.
        setText(dialog, "leSIDInfo", QStringLiteral("1"));
        setText(dialog, "leName", QStringLiteral("Другое"));
        setText(dialog, qPrintable(control), text);
    });
    triggerChange(editor);
    QTEST(editor.dialogs().messages.join(QLatin1Char('|')), "message");
    QVERIFY(Snapshot(editor) == before);
}

QTEST_MAIN(EditCommandsTest)
#include "tst_edit_commands.moc"
