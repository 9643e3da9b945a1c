// SPDX-License-Identifier: GPL-3.0-or-later
// Edits of one order list or favourite group: moving an entry, adding and
// removing favourites.

#include <QTest>

#include "model/Favourites.h"
#include "model/Reordering.h"

using namespace k510;
using Entries = std::vector<std::uint16_t>;
using Positions = std::vector<int>;

Q_DECLARE_METATYPE(Entries)
Q_DECLARE_METATYPE(Positions)

class TestListEdits : public QObject {
    Q_OBJECT

private slots:
    void moveEntry_data()
    {
        QTest::addColumn<Entries>("list");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("before");
        QTest::addColumn<Entries>("expected");
        QTest::addColumn<int>("position");
        const Entries five = {1, 2, 3, 4, 5};
        QTest::newRow("down onto a later row") << five << 1 << 3 << Entries{1, 3, 2, 4, 5} << 2;
        QTest::newRow("up onto an earlier row") << five << 3 << 1 << Entries{1, 4, 2, 3, 5} << 1;
        QTest::newRow("below the last row") << five << 1 << 5 << Entries{1, 3, 4, 5, 2} << 4;
        QTest::newRow("last to the top") << five << 4 << 0 << Entries{5, 1, 2, 3, 4} << 0;
        QTest::newRow("onto itself") << five << 2 << 2 << five << 2;
        QTest::newRow("onto the next row") << five << 2 << 3 << five << 2;
        QTest::newRow("single entry below itself") << Entries{7} << 0 << 1 << Entries{7} << 0;
        // The dragged entry moves, not the first one holding its number.
        QTest::newRow("repeated number, last onto first") << Entries{5, 7, 5} << 2 << 0 << Entries{5, 5, 7} << 0;
        QTest::newRow("repeated number, first to the end") << Entries{5, 7, 5, 9} << 0 << 4 << Entries{7, 5, 9, 5}
                                                           << 3;
        QTest::newRow("radio group, second to the top") << Entries{3, 1} << 1 << 0 << Entries{1, 3} << 0;
        QTest::newRow("no such entry") << five << 5 << 0 << five << -1;
        QTest::newRow("negative entry") << five << -1 << 0 << five << -1;
        QTest::newRow("target past the end") << five << 0 << 6 << five << -1;
        QTest::newRow("empty list") << Entries{} << 0 << 0 << Entries{} << -1;
    }
    void moveEntry()
    {
        QFETCH(Entries, list);
        QFETCH(int, from);
        QFETCH(int, before);
        QTEST(k510::moveEntry(list, from, before), "position");
        QTEST(list, "expected");
    }

    // A block lands before the entry a drop names, closed up and in list
    // order; a refused move leaves the list as it was.
    void moveBlock_data()
    {
        QTest::addColumn<Entries>("list");
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<int>("before");     // the entry the block is put before
        QTest::addColumn<Entries>("expected");
        QTest::addColumn<int>("first");      // the block's new first position, -1 refused
        const Entries eight = {1, 2, 3, 4, 5, 6, 7, 8};
        QTest::newRow("contiguous block down") << eight << Positions{1, 2, 3} << 6 << Entries{1, 5, 6, 2, 3, 4, 7, 8} << 3;
        QTest::newRow("contiguous block up") << eight << Positions{4, 5} << 1 << Entries{1, 5, 6, 2, 3, 4, 7, 8} << 1;
        QTest::newRow("scattered rows gather at the end") << eight << Positions{0, 3, 6} << 8
                                                          << Entries{2, 3, 5, 6, 8, 1, 4, 7} << 5;
        QTest::newRow("scattered rows gather at the top") << eight << Positions{2, 5, 7} << 0
                                                          << Entries{3, 6, 8, 1, 2, 4, 5, 7} << 0;
        QTest::newRow("dropped onto a row of the block") << eight << Positions{1, 4} << 4
                                                         << Entries{1, 3, 4, 2, 5, 6, 7, 8} << 3;
        QTest::newRow("block onto itself") << eight << Positions{2, 3} << 2 << eight << 2;
        QTest::newRow("repeated numbers move by place") << Entries{5, 7, 5, 9} << Positions{2, 3} << 0
                                                        << Entries{5, 9, 5, 7} << 0;
        QTest::newRow("whole list") << Entries{1, 2, 3} << Positions{0, 1, 2} << 3 << Entries{1, 2, 3} << 0;
        QTest::newRow("positions out of order") << eight << Positions{3, 1} << 0 << eight << -1;
        QTest::newRow("position twice") << eight << Positions{1, 1} << 0 << eight << -1;
        QTest::newRow("position past the end") << eight << Positions{8} << 0 << eight << -1;
        QTest::newRow("nothing to move") << eight << Positions{} << 0 << eight << -1;
    }
    void moveBlock()
    {
        QFETCH(Entries, list);
        QFETCH(Positions, positions);
        QFETCH(int, before);
        const int first = k510::blockPositionBefore(positions, before);
        const bool moved = k510::moveBlock(list, positions, first);
        QTEST(moved ? first : -1, "first");
        QTEST(list, "expected");
    }

    void orderAsShown_data()
    {
        QTest::addColumn<Entries>("order");
        QTest::addColumn<Positions>("shown");
        QTest::addColumn<Entries>("expected");   // empty: refused
        const Entries order = {4, 1, 3, 2};
        QTest::newRow("sorted view") << order << Positions{2, 4, 3, 1} << Entries{1, 2, 3, 4};
        QTest::newRow("as it stands") << order << Positions{1, 2, 3, 4} << order;
        QTest::newRow("reversed") << order << Positions{4, 3, 2, 1} << Entries{2, 3, 1, 4};
        QTest::newRow("a row left out") << order << Positions{2, 4, 3} << Entries{};
        QTest::newRow("a row shown twice") << order << Positions{2, 4, 4, 1} << Entries{};
        QTest::newRow("a position past the end") << order << Positions{2, 5, 3, 1} << Entries{};
        QTest::newRow("position zero") << order << Positions{0, 4, 3, 1} << Entries{};
    }
    void orderAsShown()
    {
        QFETCH(Entries, order);
        QFETCH(Positions, shown);
        QFETCH(Entries, expected);
        const auto result = k510::orderAsShown(order, shown);
        QCOMPARE(result.has_value(), !expected.empty());
        if (result)
            QCOMPARE(*result, expected);
    }

    void removeFavouriteEntries_data()
    {
        QTest::addColumn<Entries>("group");
        QTest::addColumn<Positions>("positions");
        QTest::addColumn<Entries>("expected");
        QTest::addColumn<int>("removed");
        QTest::newRow("second and third of four") << Entries{10, 20, 30, 40} << Positions{3, 2} << Entries{10, 40}
                                                  << 2;
        QTest::newRow("a repeated number at one position") << Entries{5, 7, 5} << Positions{3} << Entries{5, 7} << 1;
        QTest::newRow("every entry") << Entries{1, 2, 3} << Positions{1, 2, 3} << Entries{} << 3;
        QTest::newRow("named twice") << Entries{1, 2, 3} << Positions{2, 2} << Entries{1, 3} << 1;
        QTest::newRow("outside the group") << Entries{1, 2, 3} << Positions{0, 4, -1} << Entries{1, 2, 3} << 0;
        QTest::newRow("empty group") << Entries{} << Positions{1} << Entries{} << 0;
    }
    void removeFavouriteEntries()
    {
        QFETCH(Entries, group);
        QFETCH(Positions, positions);
        QTEST(k510::removeFavouriteEntries(group, positions), "removed");
        QTEST(group, "expected");
    }

    void addFavourite_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("added");
        QTest::newRow("empty group") << 0 << 12 << true;
        QTest::newRow("number already there") << 3 << 1 << true;
        QTest::newRow("79 entries") << kFavouriteGroupCapacity - 1 << 5 << true;
        QTest::newRow("80 entries") << kFavouriteGroupCapacity << 5 << false;
        QTest::newRow("empty-slot mark") << 0 << 0xFFFF << false;
        QTest::newRow("negative") << 0 << -1 << false;
    }
    void addFavourite()
    {
        QFETCH(int, size);
        QFETCH(int, number);
        QFETCH(bool, added);
        FavouriteGroup group(std::size_t(size), 1);
        QCOMPARE(k510::addFavourite(group, number), added);
        QCOMPARE(int(group.size()), size + (added ? 1 : 0));
        if (added)
            QCOMPARE(int(group.back()), number);
    }
};

QTEST_APPLESS_MAIN(TestListEdits)
#include "tst_listedits.moc"
