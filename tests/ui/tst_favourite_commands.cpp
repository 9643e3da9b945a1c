// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a favourite group in the selection dialog and renaming it, through
// the real window: every drop joins the group at once and shows on the page,
// a channel the group holds is not added again, the group holds at most 80
// entries, "OK" keeps the changes as one undo step and "Отмена" takes them
// back.

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "EditingDatabase.h"
#include "EditorDriver.h"
#include "tests/ui/dialogs/DialogTestHelpers.h"
#include "tools/samples/DatabaseBuilder.h"
#include "model/TextCodec.h"
#include "ui/dialogs/TfavChSelectDlg.h"

using k510::ui::ReportList;
using Numbers = std::vector<std::uint16_t>;

namespace {

// Twelve TV channels "T1".."T12" whose order puts 12 at position 7, and six
// radio channels "R1".."R6" whose order puts 5 at position 2.
k510::ChannelDatabase database()
{
    k510::samples::DatabaseBuilder b = oneTransponderBuilder(numberedNames("T", 12), numberedNames("R", 6));
    b.setTvOrder({1, 2, 3, 4, 5, 6, 12, 7, 8, 9, 10, 11});
    b.setRadioOrder({1, 5, 2, 3, 4, 6});
    b.setTvGroup(1, "Новости", {3});
    b.setRadioGroup(2, "Музыка", {});
    return b.build();
}

// Selects the row of lvFavCh whose "#" is `position` and drops it on lvSelectedCh.
void dropOrderPosition(TfavChSelectDlg &dialog, int position)
{
    ReportList *channels = dialog.favouriteChannels();
    channels->selectOnly(int(EditorDriver::column(channels, 0).indexOf(QString::number(position))));
    QVERIFY(dialog.lvSelectedChDragOver(channels));
    dialog.lvSelectedChDragDrop();
}

void script(EditorDriver &editor, std::function<void(TfavChSelectDlg &)> drops, bool ok = true)
{
    editor.dialogs().dialogScript.push_back([drops = std::move(drops), ok](QDialog &dialog) {
        drops(*qobject_cast<TfavChSelectDlg *>(&dialog));
        return ok;
    });
}

} // namespace

class FavouriteCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void dropAddsTheChannelOfThatOrderPosition();
    void channelsTheGroupHoldsAreSkipped_data();
    void channelsTheGroupHoldsAreSkipped();
    void delRemovesEntriesInTheDialog();
    void radioNumbersAndReopening();
    void eightyEntriesAtMost();
    void aSelectionJoinsWholeOrNotAtAll();
    void okOrCancel_data();
    void okOrCancel();
    void noDialogWithoutChannels();
    void rename_data();
    void rename();
};

void FavouriteCommandsTest::dropAddsTheChannelOfThatOrderPosition()
{
    EditorDriver editor;
    editor.open(database());
    editor.clickTab(TfrmMain::PageFavTv);
    script(editor, [](TfavChSelectDlg &dialog) {
        QCOMPARE(EditorDriver::column(dialog.selectedChannels(), 1), QStringList{"T3"});
        dropOrderPosition(dialog, 7);
        dropOrderPosition(dialog, 4);
        QCOMPARE(EditorDriver::column(dialog.selectedChannels(), 1), (QStringList{"T3", "T12", "T4"}));
        QCOMPARE(EditorDriver::column(dialog.selectedChannels(), 0), (QStringList{"1", "2", "3"}));
    });
    editor.window().pmAddClick();

    QCOMPARE(editor.dialogs().shownDialogs, QStringList{"favChSelectDlg"});
    QCOMPARE(editor.window().database().tvFavourites[0], (Numbers{3, 12, 4}));
    ReportList *page = editor.list("lvTvFavCh");
    QCOMPARE(EditorDriver::column(page, 1), (QStringList{"T3", "T12", "T4"}));
    QCOMPARE(EditorDriver::column(page, 0), (QStringList{"1", "2", "3"}));
    QCOMPARE(editor.statusPanel(1), QStringLiteral("Элементов: 3"));
}

void FavouriteCommandsTest::channelsTheGroupHoldsAreSkipped_data()
{
    QTest::addColumn<Numbers>("group");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QList<int>>("positions");   // chosen, by order position
    QTest::addColumn<Numbers>("after");
    QTest::addColumn<QString>("note");           // lbAlreadyInGroup
    QTest::newRow("double click on a channel in the group") << Numbers{3} << "double-click" << QList<int>{3}
                                                             << Numbers{3} << "Уже в группе: 1";
    QTest::newRow("Enter on a selection, two in the group") << Numbers{3, 5} << "Enter" << QList<int>{3, 4, 5}
                                                             << Numbers{3, 5, 4} << "Уже в группе: 2";
    QTest::newRow("a drop of channels all in the group") << Numbers{3, 5} << "drop" << QList<int>{3, 5}
                                                          << Numbers{3, 5} << "Уже в группе: 2";
    QTest::newRow("a number held twice stays twice") << Numbers{3, 3} << "drop" << QList<int>{1} << Numbers{3, 3, 1}
                                                      << "";
}

void FavouriteCommandsTest::channelsTheGroupHoldsAreSkipped()
{
    QFETCH(Numbers, group);
    QFETCH(QString, how);
    QFETCH(QList<int>, positions);
    k510::ChannelDatabase db = database();
    db.tvFavourites[0] = group;
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageFavTv);
    QString note;
    QStringList entries;
    script(editor, [&](TfavChSelectDlg &dialog) {
        ReportList *channels = dialog.favouriteChannels();
        std::vector<int> rows;
        for (const int position : positions)
            rows.push_back(int(EditorDriver::column(channels, 0).indexOf(QString::number(position))));
        EditorDriver::selectRows(channels, rows);
        if (how == "double-click")
            emit channels->doubleClicked(channels->model()->index(rows.front(), 1));
        else if (how == "Enter")
            QTest::keyClick(channels, Qt::Key_Return);
        else
            dialog.lvSelectedChDragDrop();
        note = child<QLabel>(dialog, "lbAlreadyInGroup")->text();
        entries = EditorDriver::column(dialog.selectedChannels(), 0);
    });
    editor.window().pmAddClick();

    QTEST(editor.window().database().tvFavourites[0], "after");
    QTEST(note, "note");
    QCOMPARE(entries.size(), qsizetype(editor.window().database().tvFavourites[0].size()));
    QCOMPARE(EditorDriver::column(editor.list("lvTvFavCh"), 0), entries);
}

// Del in the group's list of the dialog takes the selected entries out of
// the group, on the page too; the channels' marks follow.
void FavouriteCommandsTest::delRemovesEntriesInTheDialog()
{
    k510::ChannelDatabase db = database();
    db.tvFavourites[0] = {3, 1, 2};
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageFavTv);
    QStringList left, numbers, marked;
    script(editor, [&](TfavChSelectDlg &dialog) {
        EditorDriver::selectRows(dialog.selectedChannels(), {0, 2});
        QTest::keyClick(dialog.selectedChannels(), Qt::Key_Delete);
        left = EditorDriver::column(dialog.selectedChannels(), 1);
        numbers = EditorDriver::column(dialog.selectedChannels(), 0);
        const ReportList *channels = dialog.favouriteChannels();
        for (int row = 0; row < channels->rowCount(); ++row)
            if (channels->model()->data(channels->model()->index(row, 1), Qt::FontRole).value<QFont>().bold())
                marked << channels->text(row, 1);
    });
    editor.window().pmAddClick();

    QCOMPARE(left, QStringList{"T1"});
    QCOMPARE(numbers, QStringList{"1"});
    QCOMPARE(marked, QStringList{"T1"});
    QCOMPARE(editor.window().database().tvFavourites[0], Numbers{1});
    QCOMPARE(EditorDriver::column(editor.list("lvTvFavCh"), 1), QStringList{"T1"});
    QCOMPARE(editor.window().database().channels.size(), std::size_t(18));
}

void FavouriteCommandsTest::radioNumbersAndReopening()
{
    EditorDriver editor;
    editor.open(database());
    editor.clickTab(TfrmMain::PageFavRadio);
    editor.choose(editor.combo("cbFavRadioGrp"), 1);
    script(editor, [](TfavChSelectDlg &dialog) { dropOrderPosition(dialog, 2); });
    editor.window().pmAddClick();
    QCOMPARE(editor.window().database().radioFavourites[1], Numbers{5});

    script(editor, [](TfavChSelectDlg &dialog) {
        QCOMPARE(EditorDriver::column(dialog.selectedChannels(), 1), QStringList{"R5"});
    }, false);
    editor.window().pmAddClick();
    QCOMPARE(editor.dialogs().shownDialogs.size(), 2);
}

void FavouriteCommandsTest::eightyEntriesAtMost()
{
    k510::ChannelDatabase db = database();
    db.tvFavourites[0] = Numbers(79, 1);
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageFavTv);
    script(editor, [](TfavChSelectDlg &dialog) {
        dropOrderPosition(dialog, 2);
        dropOrderPosition(dialog, 3);
        QCOMPARE(dialog.selectedChannels()->rowCount(), 80);
    });
    editor.window().pmAddClick();
    QCOMPARE(editor.window().database().tvFavourites[0].size(), std::size_t(80));
    QCOMPARE(editor.window().database().tvFavourites[0].back(), std::uint16_t(2));
    QCOMPARE(editor.dialogs().messages, QStringList{"Максимальное количество каналов в списке - 80!"});
    QCOMPARE(editor.list("lvTvFavCh")->rowCount(), 80);
}

// Several selected channels dropped at once join the group together, in the
// order the list shows them, or not at all when they would overfill it.
void FavouriteCommandsTest::aSelectionJoinsWholeOrNotAtAll()
{
    k510::ChannelDatabase db = database();
    db.tvFavourites[0] = Numbers(77, 12);
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageFavTv);
    script(editor, [](TfavChSelectDlg &dialog) {
        ReportList *channels = dialog.favouriteChannels();
        dialog.lvFavChColumnClick(1);   // by name: T1, T2, ... T12
        EditorDriver::selectRows(channels, {0, 1, 2, 3});
        dialog.lvSelectedChDragDrop();
        QCOMPARE(dialog.selectedChannels()->rowCount(), 77);
        EditorDriver::selectRows(channels, {4, 1, 3});
        dialog.lvSelectedChDragDrop();
    });
    editor.window().pmAddClick();
    QCOMPARE(editor.dialogs().messages,
             QStringList{"Максимальное количество каналов в списке - 80! Выбрано каналов: 4, в группу поместится ещё 3."});
    const Numbers &group = editor.window().database().tvFavourites[0];
    QCOMPARE(Numbers(group.end() - 3, group.end()), (Numbers{2, 4, 5}));
    QCOMPARE(EditorDriver::column(editor.list("lvTvFavCh"), 1).mid(77), (QStringList{"T2", "T4", "T5"}));
}

void FavouriteCommandsTest::okOrCancel_data()
{
    QTest::addColumn<bool>("tv");
    QTest::addColumn<int>("group");            // selector entry
    QTest::addColumn<QList<int>>("positions"); // dropped, by order position
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("caption");      // lbGroupName
    QTest::addColumn<QStringList>("marked");   // lvFavCh names in bold, before the drops
    QTest::addColumn<Numbers>("after");
    QTest::newRow("TV, OK keeps the drops") << true << 0 << QList<int>{1, 3, 1} << true << "Группа 1: Новости"
                                            << QStringList{"T3"} << Numbers{3, 1};
    QTest::newRow("TV, Отмена takes them back") << true << 0 << QList<int>{1, 5, 9} << false << "Группа 1: Новости"
                                                << QStringList{"T3"} << Numbers{3};
    QTest::newRow("radio, unnamed group, Отмена") << false << 3 << QList<int>{2} << false << "Группа 4"
                                                   << QStringList{} << Numbers{};
    QTest::newRow("radio, OK") << false << 1 << QList<int>{2, 6} << true << "Группа 2: Музыка" << QStringList{}
                               << Numbers{5, 6};
}

void FavouriteCommandsTest::okOrCancel()
{
    QFETCH(bool, tv);
    QFETCH(int, group);
    QFETCH(QList<int>, positions);
    QFETCH(bool, ok);
    QFETCH(QStringList, marked);
    QFETCH(Numbers, after);
    EditorDriver editor;
    const k510::ChannelDatabase db = database();
    editor.open(db);
    editor.clickTab(tv ? TfrmMain::PageFavTv : TfrmMain::PageFavRadio);
    editor.choose(editor.combo(tv ? "cbFavTvGrp" : "cbFavRadioGrp"), group);
    ReportList *page = editor.list(tv ? "lvTvFavCh" : "lvRadioFavCh");
    const QStringList pageBefore = EditorDriver::column(page, 1);
    const auto boldNames = [](const ReportList *list) {
        QStringList names;
        for (int row = 0; row < list->rowCount(); ++row)
            if (list->model()->data(list->model()->index(row, 1), Qt::FontRole).value<QFont>().bold())
                names << list->text(row, 1);
        return names;
    };
    QStringList droppedNames;
    script(editor, [&](TfavChSelectDlg &dialog) {
        QTEST(child<QLabel>(dialog, "lbGroupName")->text(), "caption");
        QCOMPARE(boldNames(dialog.favouriteChannels()), marked);
        for (const int position : positions)
            dropOrderPosition(dialog, position);
        droppedNames = EditorDriver::column(dialog.selectedChannels(), 1);
        // The drops show at once, in the dialog and on the page.
        QCOMPARE(EditorDriver::column(page, 1), droppedNames);
        QStringList nowMarked = droppedNames;
        nowMarked.removeDuplicates();
        QStringList shownMarked = boldNames(dialog.favouriteChannels());
        nowMarked.sort();
        shownMarked.sort();
        QCOMPARE(shownMarked, nowMarked);
    }, ok);
    editor.window().pmAddClick();

    const auto &groups = tv ? editor.window().database().tvFavourites : editor.window().database().radioFavourites;
    QCOMPARE(groups[std::size_t(group)], after);
    QCOMPARE(EditorDriver::column(page, 1), ok ? droppedNames : pageBefore);
    auto *undo = editor.window().findChild<QAction *>(QStringLiteral("mmEditUndo"));
    QCOMPARE(undo->isEnabled(), ok);
    if (!ok)
        return;
    // One step takes back every drop.
    undo->trigger();
    QCOMPARE(groups[std::size_t(group)], (tv ? db.tvFavourites : db.radioFavourites)[std::size_t(group)]);
    QVERIFY(!undo->isEnabled());
}

void FavouriteCommandsTest::noDialogWithoutChannels()
{
    EditorDriver editor;
    editor.open(oneTransponderBuilder({}, {"R"}).build());
    editor.clickTab(TfrmMain::PageFavTv);
    const QString panel = editor.statusPanel(1);
    editor.window().pmAddClick();
    QVERIFY(editor.dialogs().shownDialogs.isEmpty());
    QCOMPARE(editor.statusPanel(1), panel);
}

void FavouriteCommandsTest::rename_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    QTest::newRow("new name") << "Спорт" << "Спорт" << "";
    QTest::newRow("empty") << "" << "Новости" << "Группа не может не иметь названия!";
    QTest::newRow("blanks only") << "   " << "Новости" << "Группа не может не иметь названия!";
    QTest::newRow("sixteen characters") << "Формула-1 Италия" << "Формула-1 Италия" << "";
    // A longer name is refused whole, never cut to what fits.
    QTest::newRow("twenty-one characters") << "Формула-1 Италия спорт" << "Новости"
                                           << "Название группы длиннее 16 знаков: сократите его на 6.";
    QTest::newRow("a letter the receiver lacks") << "Всё" << "Новости" << "Символ «ё» не поддерживается ресивером";
    QTest::newRow("a sign the receiver shows otherwise") << "«Спорт»" << "Новости"
                                                         << "Символ ««» не поддерживается ресивером";
}

void FavouriteCommandsTest::rename()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    // The receiver's own byte at the end of the group's 17-byte name slot.
    constexpr std::size_t slotEnd = 17 * 1 + 16;
    k510::ChannelDatabase db = database();
    db.groupNames[slotEnd] = 0x5A;
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageFavTv);
    QString shownName;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("ebGrpName"));
        shownName = name->text();
        name->clear();
        // Typed key by key, as the user types.
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
        return true;
    });
    // A refused name keeps the dialog open on what was typed, selected for
    // retyping; here the user then cancels.
    QString typedAfterRefusal;
    bool readyForRetyping = false;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("ebGrpName"));
        typedAfterRefusal = name->text();
        readyForRetyping = dialog.focusWidget() == name && name->selectedText() == name->text();
        return false;
    });
    QTest::mouseClick(editor.window().findChild<QPushButton *>(QStringLiteral("ren1")), Qt::LeftButton);

    QFETCH(QString, message);
    QCOMPARE(editor.dialogs().shownDialogs.size(), message.isEmpty() ? 1 : 2);
    if (!message.isEmpty()) {
        QCOMPARE(typedAfterRefusal, typed);
        QVERIFY(readyForRetyping);
    }
    QCOMPARE(shownName, QStringLiteral("Новости"));
    QTEST(editor.dialogs().messages.join(QLatin1Char('|')), "message");
    QCOMPARE(QString::fromUtf8(k510::windows1251ToUtf8(editor.window().database().tvGroupName(1))), stored);
    QCOMPARE(editor.combo("cbFavTvGrp")->itemText(0), stored);
    QCOMPARE(editor.combo("cbFavTvGrp")->currentIndex(), 0);
    QCOMPARE(int(editor.window().database().groupNames[slotEnd]), 0x5A);
}

QTEST_MAIN(FavouriteCommandsTest)
#include "tst_favourite_commands.moc"
