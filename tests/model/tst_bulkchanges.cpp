// SPDX-License-Identifier: GPL-3.0-or-later
// Changes to a whole selection: renaming by rule against the receiver's
// limits, and the flags and favourite groups of many channels at once, each
// whole or not at all.

#include <QTest>

#include <optional>

#include "model/BulkChanges.h"
#include "model/RenameRule.h"
#include "model/TextCodec.h"
#include "tools/samples/DatabaseBuilder.h"

using namespace k510;
using Numbers = std::vector<int>;

Q_DECLARE_METATYPE(Numbers)
Q_DECLARE_METATYPE(RenameRule)
Q_DECLARE_METATYPE(NameProblem)
Q_DECLARE_METATYPE(std::optional<Refusal>)

namespace {

std::string cp1251(const QString &text) { return utf8ToWindows1251(text.toStdString()); }

// Two TV channels and one radio channel; the first TV channel takes the name
// under test, the others keep theirs.
ChannelDatabase named(const std::string &windows1251)
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"A"});
    builder.addTransponder(1, 10700, 'H', 27500, 3);
    builder.addTv(1, {"first", 1});
    builder.addTv(1, {"second", 2});
    builder.addRadio(1, {"radio", 3});
    ChannelDatabase db = builder.build();
    db.channels[0].setName(windows1251);
    return db;
}

// Six TV channels (2 locked, 3 scrambled) and four radio channels on one
// transponder. TV group 1 holds 5, 3, 5; TV group 2, named "Full", 78 entries
// of 1 and 2; radio group 1 holds 4.
ChannelDatabase selectable()
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"A"});
    builder.addTransponder(1, 10700, 'H', 27500, 3);
    for (int n = 1; n <= 6; ++n)
        builder.addTv(1, {"tv", 100 + n, 0, 0, 0, 0, n == 3, n == 2});
    for (int r = 1; r <= 4; ++r)
        builder.addRadio(1, {"radio", 200 + r});
    builder.setTvGroup(1, "TV", {5, 3, 5});
    std::vector<std::uint16_t> full;
    for (int k = 0; k < kFavouriteGroupCapacity - 2; ++k)
        full.push_back(std::uint16_t(k % 2 + 1));
    builder.setTvGroup(2, "Full", full);
    builder.setRadioGroup(1, "Radio", {4});
    return builder.build();
}

Refusal refusalOf(RefusalReason reason, ChannelKind kind, Numbers numbers = {}, int group = 0)
{
    Refusal refusal;
    refusal.reason = reason;
    refusal.kind = kind;
    refusal.numbers = std::move(numbers);
    refusal.group = group;
    return refusal;
}

// The numbers of one kind whose flag is set.
Numbers withFlag(const ChannelDatabase &db, ChannelKind kind, std::uint8_t flag)
{
    Numbers numbers;
    for (int number = 1; db.channel(kind, number); ++number)
        if (db.channel(kind, number)->chFlags & flag)
            numbers.push_back(number);
    return numbers;
}

// What an operation did, as three numbers, or why it refused.
struct Result {
    std::optional<Numbers> done;
    std::optional<Refusal> refusal;
};

template <class Done, class Counts>
Result resultOf(const Outcome<Done> &outcome, Counts counts)
{
    if (!outcome)
        return {std::nullopt, outcome.refusal()};
    return {counts(*outcome), std::nullopt};
}

} // namespace

class TestBulkChanges : public QObject {
    Q_OBJECT

private slots:
    void renameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<RenameRule>("rule");
        QTest::addColumn<QString>("after");
        QTest::addColumn<NameProblem>("problem");
        const auto row = [](const char *title, const char *name, RenameRule rule, const char *after,
                            NameProblem problem = NameProblem::None) {
            QTest::newRow(title) << QString::fromUtf8(name) << rule << QString::fromUtf8(after) << problem;
        };
        const auto text = [](const char *utf8) { return cp1251(QString::fromUtf8(utf8)); };
        const auto upper = RenameRule{.letterCase = LetterCase::Upper};
        const auto lower = RenameRule{.letterCase = LetterCase::Lower};
        const auto replace = [&](const char *from, const char *to, bool ignoreCase) {
            return RenameRule{.replaceFrom = text(from), .replaceTo = text(to), .ignoreCase = ignoreCase};
        };

        row("Cyrillic to capitals", "Первый канал", upper, "ПЕРВЫЙ КАНАЛ");
        row("Cyrillic and Latin to small letters", "НТВ Mir Юг", lower, "нтв mir юг");
        row("digits and signs keep", "Sky-1 + 2", upper, "SKY-1 + 2");
        row("ё to Ё, which the receiver cannot show", "ёлка", upper, "ЁЛКА", NameProblem::CannotShow);
        row("Ё to ё, neither can it", "ЁЖ", lower, "ёж", NameProblem::CannotShow);
        row("replace ignoring Cyrillic case", "Россия РОССИЯ", replace("россия", "Р", true), "Р Р");
        row("replace keeping case", "Россия россия", replace("россия", "Р", false), "Россия Р");
        row("replace ignoring Latin case", "Sky hd HD", replace("Hd", "", true), "Sky  ");
        row("a replacement is not searched again", "aaa", replace("a", "aa", false), "aaaaaa");
        row("ё found as Ё and made Е", "ёжик", replace("Ё", "Е", true), "Ежик");
        row("prefix removed ignoring case", "hd Discovery", RenameRule{.ignoreCase = true, .removePrefix = "HD "},
            "Discovery");
        row("prefix of another case stays", "hd Discovery", RenameRule{.removePrefix = "HD "}, "hd Discovery");
        row("prefix only at the start", "Sky HD Sky", RenameRule{.removePrefix = "HD"}, "Sky HD Sky");
        row("suffix removed", "Euronews HD", RenameRule{.removeSuffix = " HD"}, "Euronews");
        row("HD moved to the end", "HD Discovery", RenameRule{.removePrefix = "HD ", .addSuffix = " HD"},
            "Discovery HD");
        row("Cyrillic prefix added", "Спорт", RenameRule{.addPrefix = text("Матч ")}, "Матч Спорт");
        row("blanks, tab and no-break space trimmed", "  Rai 1\t", RenameRule{.trim = true}, "Rai 1");
        row("trimmed after the prefix is added", "Rai", RenameRule{.addPrefix = "  ", .trim = true}, "Rai");
        row("every step in its order", "HD rai 1 hd",
            RenameRule{.replaceFrom = "rai", .replaceTo = "Rai", .ignoreCase = true, .addPrefix = " ",
                       .removePrefix = "hd ", .addSuffix = " HD ", .removeSuffix = " HD", .trim = true,
                       .letterCase = LetterCase::Upper},
            "RAI 1 HD");
        row("16 Cyrillic bytes fit", "канал 1234567890", upper, "КАНАЛ 1234567890");
        row("17 bytes do not", "Канал 123456789", RenameRule{.addSuffix = "01"}, "Канал 12345678901",
            NameProblem::TooLong);
        row("a sign the receiver shows otherwise", "Sport", RenameRule{.addPrefix = text("«")}, "«Sport",
            NameProblem::CannotShow);
        row("nothing left", "HD", RenameRule{.removePrefix = "HD"}, "", NameProblem::Empty);
        row("only blanks left", "HD  ", RenameRule{.removePrefix = "HD", .trim = true}, "", NameProblem::Empty);
        row("an odd name the rule leaves as it is", "«МИР»", upper, "«МИР»");
        row("an odd name the rule changes", "«Мир»", upper, "«МИР»", NameProblem::CannotShow);
        row("an empty name the rule leaves empty", "", upper, "");
    }
    // The preview and the change of one selected channel: a marked name
    // refuses the change and leaves the database as it was.
    void renameRules()
    {
        QFETCH(QString, name);
        QFETCH(RenameRule, rule);
        QFETCH(QString, after);
        QFETCH(NameProblem, problem);
        const ChannelDatabase before = named(cp1251(name));
        const std::vector<RenamedRow> rows = previewRename(before, ChannelKind::Tv, {1, 1, 9}, rule);
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(windows1251ToUtf8(rows[0].after)), after);
        QCOMPARE(rows[0].before, cp1251(name));
        QCOMPARE(rows[0].problem, problem);

        ChannelDatabase db = before;
        const Outcome<Applied> applied = applyRename(db, ChannelKind::Tv, {1}, rule);
        ChannelDatabase expected = before;
        if (problem == NameProblem::None) {
            QVERIFY(applied);
            expected.channels[0].setName(cp1251(after));
        } else {
            QVERIFY(!applied);
            QCOMPARE(applied.refusal(), refusalOf(RefusalReason::NamesUnfit, ChannelKind::Tv, {1}));
        }
        QVERIFY(db == expected);
    }

    void renameRefusesNumbersNamingNothing()
    {
        ChannelDatabase db = named("first");
        const Outcome<Applied> applied = applyRename(db, ChannelKind::Radio, {1, 2, 0}, RenameRule{.addPrefix = "X"});
        QVERIFY(!applied);
        QCOMPARE(applied.refusal(), refusalOf(RefusalReason::NoSuchChannel, ChannelKind::Radio, {0, 2}));
        QVERIFY(db == named("first"));
    }

    void bulkChanges_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("radio");
        QTest::addColumn<int>("group");
        QTest::addColumn<Numbers>("numbers");
        QTest::addColumn<Numbers>("done");
        QTest::addColumn<std::optional<Refusal>>("refusal");
        QTest::addColumn<Numbers>("after");   // flagged numbers, or the group's entries
        const auto row = [](const char *title, const char *operation, bool radio, int group, Numbers numbers,
                            Numbers done, Numbers after) {
            QTest::newRow(title) << QString(operation) << radio << group << numbers << done
                                 << std::optional<Refusal>() << after;
        };
        const auto refused = [](const char *title, const char *operation, bool radio, int group, Numbers numbers,
                                Refusal refusal) {
            QTest::newRow(title) << QString(operation) << radio << group << numbers << Numbers{}
                                 << std::optional<Refusal>(refusal) << Numbers{};
        };
        const auto missing = [](bool radio, Numbers numbers) {
            return refusalOf(RefusalReason::NoSuchChannel, kindOf(radio), std::move(numbers));
        };
        Numbers fullGroup;
        for (int k = 0; k < kFavouriteGroupCapacity - 2; ++k)
            fullGroup.push_back(k % 2 + 1);

        row("lock three, one locked already", "lock", false, 0, {1, 2, 3}, {3, 2}, {1, 2, 3});
        row("a number named twice counts once", "lock", false, 0, {4, 4}, {1, 1}, {2, 4});
        row("unlock", "unlock", false, 0, {2, 5}, {2, 1}, {});
        row("lock radio", "lock", true, 0, {1, 4}, {2, 2}, {1, 4});
        row("mark scrambled", "scrambled", false, 0, {1}, {1, 1}, {1, 3});
        row("mark free", "free", false, 0, {3, 4}, {2, 1}, {});
        row("nothing selected", "lock", false, 0, {}, {0, 0}, {2});
        refused("a TV number past the last", "lock", false, 0, {1, 9, 7, 0, 7}, missing(false, {0, 7, 9}));
        refused("a radio number past the last", "free", true, 0, {5}, missing(true, {5}));
        row("add the new ones in the order chosen", "add", false, 0, {6, 3, 1}, {2, 1}, {5, 3, 5, 6, 1});
        row("add one chosen twice", "add", false, 0, {2, 2}, {1, 1}, {5, 3, 5, 2});
        row("add exactly what fits", "add", false, 1, {1, 3, 4}, {2, 1}, [&] {
            Numbers entries = fullGroup;
            entries.insert(entries.end(), {3, 4});
            return entries;
        }());
        Refusal overflow = refusalOf(RefusalReason::GroupOverflow, ChannelKind::Tv, {}, 1);
        overflow.groupName = "Full";
        overflow.asked = 3;
        overflow.room = 2;
        refused("add more than fits", "add", false, 1, {3, 4, 5, 1}, overflow);
        refused("add to group 13", "add", false, kFavouriteGroupCount, {1},
                refusalOf(RefusalReason::NoSuchGroup, ChannelKind::Tv, {}, kFavouriteGroupCount));
        refused("remove from group -1", "remove", false, -1, {1},
                refusalOf(RefusalReason::NoSuchGroup, ChannelKind::Tv, {}, -1));
        refused("add a channel that is not there", "add", true, 0, {1, 9}, missing(true, {9}));
        row("add radio", "add", true, 0, {1, 2}, {2, 0}, {4, 1, 2});
        row("remove every entry of a channel", "remove", false, 0, {5}, {2, 0}, {3});
        row("remove one the group lacks", "remove", false, 0, {1, 3, 3}, {1, 1}, {5, 5});
        refused("remove a channel that is not there", "remove", false, 0, {3, 7}, missing(false, {7}));
    }
    void bulkChanges()
    {
        QFETCH(QString, operation);
        QFETCH(bool, radio);
        QFETCH(int, group);
        QFETCH(Numbers, numbers);
        QFETCH(Numbers, after);
        const ChannelKind kind = kindOf(radio);
        const ChannelDatabase before = selectable();
        ChannelDatabase db = before;
        const auto flags = [](const FlagsChanged &d) { return Numbers{d.channels, d.changed}; };
        Result result;
        if (operation == "lock" || operation == "unlock")
            result = resultOf(setLocked(db, kind, numbers, operation == "lock"), flags);
        else if (operation == "scrambled" || operation == "free")
            result = resultOf(setScrambled(db, kind, numbers, operation == "scrambled"), flags);
        else if (operation == "add")
            result = resultOf(addToFavouriteGroup(db, kind, group, numbers),
                              [](const FavouritesAdded &d) { return Numbers{d.added, d.alreadyInGroup}; });
        else
            result = resultOf(removeFromFavouriteGroup(db, kind, group, numbers),
                              [](const FavouritesRemoved &d) { return Numbers{d.removed, d.notInGroup}; });
        QTEST(result.refusal, "refusal");
        if (result.refusal) {
            QVERIFY(db == before);
            return;
        }
        QTEST(*result.done, "done");
        // The part the operation changes is as expected, and nothing else changed.
        ChannelDatabase expected = before;
        const bool locking = operation == "lock" || operation == "unlock";
        if (locking || operation == "scrambled" || operation == "free") {
            const std::uint8_t flag = locking ? ChannelFlag::Locked : ChannelFlag::Scrambled;
            QCOMPARE(withFlag(db, kind, flag), after);
            for (int number = 1; expected.channel(kind, number); ++number) {
                Channel &channel = expected.channels[std::size_t(expected.channelIndex(kind, number))];
                const bool on = std::find(after.begin(), after.end(), number) != after.end();
                channel.chFlags = std::uint8_t(on ? channel.chFlags | flag : channel.chFlags & ~flag);
            }
        } else {
            const FavouriteGroup &entries = db.favourites(kind)[std::size_t(group)];
            QCOMPARE(Numbers(entries.begin(), entries.end()), after);
            expected.favourites(kind)[std::size_t(group)] = entries;
        }
        QVERIFY(db == expected);
    }
};

QTEST_GUILESS_MAIN(TestBulkChanges)
#include "tst_bulkchanges.moc"
