// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestHelpers.h"
#include "ui/dialogs/TsvcAddDlg.h"
#include "ui/dialogs/TsvcEditDlg.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(ChannelForm)

namespace {

const char *const editNames[] = {"leName", "leSIDInfo", "lePMTInfo", "leVPid", "leAPid", "lePcrInfo"};

std::unique_ptr<QDialog> makeDialog(const QString &kind)
{
    if (kind == QLatin1String("add"))
        return std::make_unique<TsvcAddDlg>();
    return std::make_unique<TsvcEditDlg>();
}

} // namespace

// The channel add and edit dialogs: the transponder list, typed values kept
// between uses and the name limit.
class ChannelDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void transponderList_data();
    void transponderList();
    void addKeepsTypedValues();
    void editRoundTrip_data();
    void editRoundTrip();
    void nameTakesSixteenCharacters_data();
    void nameTakesSixteenCharacters();
};

void ChannelDialogsTest::transponderList_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("chosen");

    const QStringList two{" H/11475/27500", " V/12188/27500"};
    QTest::newRow("first filling") << QStringList{} << two << 0;
    QTest::newRow("satellite without transponders") << QStringList{} << QStringList{} << -1;
    QTest::newRow("refilled after another satellite") << QStringList{" V/10700/22000", " H/1/2", " H/3/4"} << two
                                                      << 0;
    QTest::newRow("emptied after another satellite") << two << QStringList{} << -1;
}

void ChannelDialogsTest::transponderList()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, entries);
    QFETCH(int, chosen);

    TsvcAddDlg dialog;
    auto *list = child<QComboBox>(dialog, "cbSelTp");
    dialog.setTransponders(before);
    if (!before.isEmpty())
        list->setCurrentIndex(before.size() - 1);
    dialog.setTransponders(entries);

    QCOMPARE(items(*list), entries);
    QCOMPARE(list->currentIndex(), chosen);
    QCOMPARE(dialog.form().transponder, chosen);
}

void ChannelDialogsTest::addKeepsTypedValues()
{
    TsvcAddDlg dialog;
    dialog.setTransponders({" H/11475/27500", " V/12188/27500"});
    const QStringList typed{"Первый канал", "101", "256", "512", "650", "8190"};
    for (int index = 0; index < typed.size(); ++index)
        typeInto(*child<QLineEdit>(dialog, editNames[index]), typed[index]);
    child<QCheckBox>(dialog, "boxFTA")->click();
    child<QComboBox>(dialog, "cbSelTp")->setCurrentIndex(1);

    const ChannelForm expected{"Первый канал", "101", "256", "512", "650", "8190", true, 1};
    QCOMPARE(dialog.form(), expected);

    // Cancelled, then opened for another satellite: the typing stays.
    child<QPushButton>(dialog, "CancelBtn")->click();
    dialog.setTransponders({" H/10700/22000"});
    ChannelForm again = expected;
    again.transponder = 0;
    QCOMPARE(dialog.form(), again);
}

void ChannelDialogsTest::editRoundTrip_data()
{
    QTest::addColumn<ChannelForm>("form");

    QTest::newRow("typical") << ChannelForm{"НТВ", "1", "256", "308", "256", "308"};
    QTest::newRow("largest values") << ChannelForm{"ABCDEFGHIJKLMNOP", "65535", "8191", "8191", "8191", "8191"};
    QTest::newRow("empty name") << ChannelForm{"", "0", "0", "0", "0", "0"};
}

void ChannelDialogsTest::editRoundTrip()
{
    QFETCH(ChannelForm, form);
    TsvcEditDlg dialog;
    dialog.load({"Old", "9", "9", "9", "9", "9"});
    dialog.load(form);
    QCOMPARE(dialog.form(), form);
    for (const char *name : editNames)
        QVERIFY2(child<QLineEdit>(dialog, name)->isEnabled(), name);
}

void ChannelDialogsTest::nameTakesSixteenCharacters_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("add") << "add";
    QTest::newRow("edit") << "edit";
}

void ChannelDialogsTest::nameTakesSixteenCharacters()
{
    QFETCH(QString, kind);
    const auto dialog = makeDialog(kind);
    auto *name = child<QLineEdit>(*dialog, "leName");
    typeInto(*name, QStringLiteral("Discovery Channel"));
    QCOMPARE(name->text(), QStringLiteral("Discovery Channe"));
}

QTEST_MAIN(ChannelDialogsTest)
#include "tst_channeldialogs.moc"
