// SPDX-License-Identifier: GPL-3.0-or-later
// The order commands in the window: taking another database's order and
// groups after a rescan (summary first, "Отмена" changes nothing, one undo
// step), and selecting the duplicates a rescan left so "Удалить" takes the
// later copies.

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "model/CsvExport.h"
#include "ui/TfrmMain.h"
#include "ui/commands/EditHistory.h"
#include "ui/lists/ReportList.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using k510::ChannelDatabase;

namespace {

// The editing database after a "rescan": ZDF gone, Arte new, both orders
// reversed, TV group 1 renamed and refilled.
ChannelDatabase rescannedReference()
{
    ChannelDatabase reference = editingDatabase();
    reference.deleteTvChannel(3);   // ZDF
    k510::Channel arte = reference.channels[0];
    arte.setName("Arte");
    arte.serviceId = 28724;
    reference.appendTvChannel(arte);
    std::reverse(reference.tvOrder.begin(), reference.tvOrder.end());
    std::reverse(reference.radioOrder.begin(), reference.radioOrder.end());
    reference.tvFavourites[0] = {1, 2};   // Das Erste, Rai 1
    reference.setTvGroupName(1, "\xCE\xE1\xF0\xE0\xE7\xE5\xF6");   // "Образец"
    return reference;
}

QStringList tvOrderNames(const ChannelDatabase &db)
{
    QStringList names;
    for (int position = 0; position < db.tvCount(); ++position)
        names << QString::fromStdString(db.channels[std::size_t(db.channelIndexOfTvOrder(position))].nameText());
    return names;
}

QStringList tvGroupNames(const ChannelDatabase &db, int group)
{
    QStringList names;
    for (const std::uint16_t number : db.tvFavourites[std::size_t(group)])
        names << QString::fromStdString(db.tvChannel(number)->nameText());
    return names;
}

} // namespace

class OrderCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void orderByExample_data();
    void orderByExample();
    void referenceMatchingNothing_data();
    void referenceMatchingNothing();
    void duplicatesSelectedForDeletion();
    void similarNamesOfferedApart();
};

void OrderCommandsTest::orderByExample_data()
{
    QTest::addColumn<bool>("csv");
    QTest::addColumn<bool>("replaceGroups");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("summary");

    const QString tv = QStringLiteral("ТВ: совпало 2, новых 1 (в конце списка), в образце без пары 1");
    const QString radio = QStringLiteral("Радио: совпало 2, новых 0 (в конце списка), в образце без пары 0");
    QTest::newRow("image, groups replaced")
        << false << true << true
        << QStringList{tv, radio, QStringLiteral("Избранные группы: заменяются группами образца и их названиями")};
    QTest::newRow("image, groups kept")
        << false << false << true << QStringList{tv, radio, QStringLiteral("Избранные группы: остаются прежними")};
    QTest::newRow("image, Отмена") << false << true << false
                                   << QStringList{tv, radio,
                                                  QStringLiteral("Избранные группы: заменяются группами образца и их "
                                                                 "названиями")};
    // An exported TV list: no radio list, no groups.
    QTest::newRow("CSV of the TV list")
        << true << true << true
        << QStringList{tv, QStringLiteral("Радио: в образце нет такого списка, порядок не меняется"),
                       QStringLiteral("Избранные группы: в образце их нет, они остаются прежними")};
}

void OrderCommandsTest::orderByExample()
{
    QFETCH(bool, csv);
    QFETCH(bool, replaceGroups);
    QFETCH(bool, accept);
    QFETCH(QStringList, summary);
    EditorDriver editor;
    const ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(TfrmMain::PageTv);
    const ChannelDatabase reference = rescannedReference();
    QString path = editor.writeImageFile(reference, QStringLiteral("reference.k5d"));
    if (csv) {
        path = editor.path(QStringLiteral("reference.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(k510::channelListCsv(reference, k510::ChannelKind::Tv, ';')));
    }
    editor.dialogs().openNames << path;
    QStringList shownSummary;
    bool groupsOffered = false;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *groups = dialog.findChild<QCheckBox *>(QStringLiteral("cbReplaceGroups"));
        groupsOffered = groups->isEnabled();
        groups->setChecked(replaceGroups);
        shownSummary = dialog.findChild<QLabel *>(QStringLiteral("lbSummary"))->text().split(QLatin1Char('\n'));
        return accept;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditOrderByExample"))->trigger();
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"orderSummaryDlg"});
    QCOMPARE(shownSummary, summary);
    QCOMPARE(groupsOffered, !csv);

    const ChannelDatabase &db = editor.window().database();
    if (!accept) {
        QVERIFY(db == original);
        QCOMPARE(editor.window().history().stack().count(), 0);
        return;
    }
    // The reference's order of the channels both have, then the new one.
    QCOMPARE(tvOrderNames(db), (QStringList{"Rai 1", "Das Erste", "ZDF"}));
    const std::vector<std::uint16_t> radioOrder = csv ? original.radioOrder : std::vector<std::uint16_t>{1, 2};
    QCOMPARE(db.radioOrder, radioOrder);
    const bool replaced = replaceGroups && !csv;
    const QStringList group = replaced ? QStringList{"Das Erste", "Rai 1"} : QStringList{"Rai 1", "ZDF"};
    QCOMPARE(tvGroupNames(db, 0), group);
    QCOMPARE(db.tvGroupName(1), replaced ? std::string("\xCE\xE1\xF0\xE0\xE7\xE5\xF6") : original.tvGroupName(1));
    // The TV page shows the new order, numbered from 1.
    QCOMPARE(EditorDriver::column(editor.list("lvTvCh"), 1), (QStringList{"Rai 1", "Das Erste", "ZDF"}));

    // One step, and undoing it restores everything.
    QCOMPARE(editor.window().history().stack().count(), 1);
    editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"))->trigger();
    QVERIFY(editor.window().database() == original);
}

void OrderCommandsTest::referenceMatchingNothing_data()
{
    QTest::addColumn<bool>("oldHeader");
    QTest::addColumn<bool>("onRadioPage");
    QTest::newRow("a radio list on the TV page") << false << false;
    QTest::newRow("a TV list on the radio page") << false << true;
    QTest::newRow("an old radio list, its kind unsaid, on the TV page") << true << false;
}

// A list of the other kind: refused with where each kind belongs when its
// header says its kind; an older list, which does not, finds not one
// channel, the summary says so and "OK" cannot be pressed. Nothing changes.
void OrderCommandsTest::referenceMatchingNothing()
{
    QFETCH(bool, oldHeader);
    QFETCH(bool, onRadioPage);
    EditorDriver editor;
    const ChannelDatabase original = editingDatabase();
    editor.open(original);
    editor.clickTab(onRadioPage ? TfrmMain::PageRadio : TfrmMain::PageTv);
    const QString path = editor.path(QStringLiteral("list.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray list = QByteArray::fromStdString(k510::channelListCsv(original, k510::kindOf(!onRadioPage), ';'));
    if (oldHeader)
        list.replace("Радиоканал", "Название");
    file.write(list);
    file.close();
    editor.dialogs().openNames << path;
    QString shownSummary;
    bool okEnabled = true;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        shownSummary = dialog.findChild<QLabel *>(QStringLiteral("lbSummary"))->text();
        okEnabled = dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"))->isEnabled();
        return true;
    });
    editor.window().findChild<QAction *>(QStringLiteral("mmEditOrderByExample"))->trigger();
    if (oldHeader) {
        QCOMPARE(editor.dialogs().shownDialogs, QStringList{"orderSummaryDlg"});
        QVERIFY2(shownSummary.startsWith(QStringLiteral("Ни один канал образца не найден в этой базе")),
                 qPrintable(shownSummary));
        QVERIFY(!okEnabled);
    } else {
        QVERIFY(editor.dialogs().shownDialogs.isEmpty());
        const QString kinds = onRadioPage ? QStringLiteral("список ТВ-каналов, а здесь упорядочиваются радиоканалы.")
                                          : QStringLiteral("список радиоканалов, а здесь упорядочиваются ТВ-каналы.");
        QCOMPARE(editor.dialogs().messages,
                 QStringList{QStringLiteral("«%1» — ").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
                             + kinds
                             + "\nСписок ТВ-каналов выбирайте на странице «Каналы ТВ», список радиоканалов — на "
                               "странице «Каналы Радио»."});
    }
    QVERIFY(editor.window().database() == original);
    QCOMPARE(editor.window().history().stack().count(), 0);
}

void OrderCommandsTest::duplicatesSelectedForDeletion()
{
    // A rescan that stored Rai 1 twice: the later copy goes, the first stays
    // where the user put it.
    ChannelDatabase db = editingDatabase();
    db.appendTvChannel(db.channels[1]);
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageTv);
    k510::ui::ReportList *tv = editor.list("lvTvCh");
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSelectDuplicates"))->trigger();
    QCOMPARE(tv->selectedRowNumbers(), std::vector<int>{3});   // the fourth row, "#" 4
    editor.window().pmDeleteClick();
    QCOMPARE(tvOrderNames(editor.window().database()), (QStringList{"ZDF", "Das Erste", "Rai 1"}));
    // Nothing left to select.
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSelectDuplicates"))->trigger();
    QVERIFY(tv->selectedRowNumbers().empty());
}

// A second Rai 1 with a service ID of its own is a regional variant, not a
// copy: "Выделить дубликаты" leaves it and says it is there,
// "Выделить похожие названия" selects it.
void OrderCommandsTest::similarNamesOfferedApart()
{
    ChannelDatabase db = editingDatabase();
    k510::Channel variant = db.channels[1];
    variant.serviceId = 3402;
    db.appendTvChannel(variant);
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageTv);
    k510::ui::ReportList *tv = editor.list("lvTvCh");
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSelectDuplicates"))->trigger();
    QVERIFY(tv->selectedRowNumbers().empty());
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Дубликатов нет · Похожие названия: 1 (не выделены)"));
    editor.window().findChild<QAction *>(QStringLiteral("mmEditSelectSimilarNames"))->trigger();
    QCOMPARE(tv->selectedRowNumbers(), std::vector<int>{3});
    QCOMPARE(editor.statusPanel(0), QStringLiteral("Похожие названия: 1"));
    QCOMPARE(editor.window().history().stack().count(), 0);   // selecting changes nothing
}

QTEST_MAIN(OrderCommandsTest)
#include "tst_order_commands.moc"
