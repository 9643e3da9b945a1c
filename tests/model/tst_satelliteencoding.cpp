// SPDX-License-Identifier: GPL-3.0-or-later
// A satellite is held as typed fields, encoded from them and shown from them.
// Records as images hold them, odd ones included, must be written in the
// canonical form the editor has always written and shown as they always
// were; edits must write what the dialog applied.
#include <QTest>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>

#include "RandomDatabases.h"
#include "TestImages.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/EditConversions.h"
#include "model/SatelliteSettings.h"
#include "model/TextCodec.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

using Record = std::array<std::uint8_t, k510::kSatelliteRecordSize>;

Q_DECLARE_METATYPE(k510::SatelliteSettings)
Q_DECLARE_METATYPE(Record)

namespace {

std::uint8_t randomByte(std::mt19937 &random) { return std::uint8_t(uniform(random, 0, 255)); }

std::uint8_t bcdPair(int value) { return std::uint8_t((value / 10) << 4 | value % 10); }

// Six BCD digits: a longitude of the kind a record may hold.
std::array<std::uint8_t, 3> randomLongitude(std::mt19937 &random)
{
    const auto bcd = [](int tenths) {
        return std::array<std::uint8_t, 3>{bcdPair(tenths / 10000 % 100), bcdPair(tenths / 100 % 100),
                                           bcdPair(tenths % 100)};
    };
    switch (uniform(random, 0, 6)) {
    case 0: return bcd(uniform(random, 0, 1800));                 // shown as stored
    case 1: return bcd(uniform(random, 1800, 1815));              // around the mirror line
    case 2: return bcd(uniform(random, 1810, 3599));              // mirrored
    case 3: return bcd(uniform(random, 3590, 3610));              // around the full circle
    case 4: return bcd(uniform(random, 3600, 999999));            // shown as stored digits
    case 5: return {0xFF, 0xFF, 0xFF};                            // erased
    default: return {randomByte(random), randomByte(random), randomByte(random)};
    }
}

Bcd4 randomFrequency(std::mt19937 &random)
{
    static constexpr std::array<int, 6> common = {0, 5150, 9750, 10600, 10750, 11475};
    if (chance(random, 30))
        return {randomByte(random), randomByte(random), randomByte(random), randomByte(random)};
    const int mhz = chance(random, 70) ? common[std::size_t(uniform(random, 0, 5))] : uniform(random, 0, 999999);
    return {bcdPair(mhz / 10000 % 100), bcdPair(mhz / 100 % 100), bcdPair(mhz % 100),
            chance(random, 90) ? std::uint8_t(0) : randomByte(random)};
}

std::uint8_t randomNameByte(std::mt19937 &random)
{
    switch (uniform(random, 0, 3)) {
    case 0: return std::uint8_t(uniform(random, 'A', 'z'));
    case 1: return std::uint8_t(uniform(random, 0xB0, 0xFF));
    case 2: return chance(random, 50) ? std::uint8_t(' ') : std::uint8_t(0);
    default: return randomByte(random);
    }
}

Record randomRecord(std::mt19937 &random)
{
    Record r{};
    r[0] = randomByte(random);
    r[1] = chance(random, 90) ? std::uint8_t(uniform(random, 0, 16)) : randomByte(random);
    for (std::size_t k = 2; k < 18; ++k)
        r[k] = randomNameByte(random);
    const Bcd4 high = randomFrequency(random), low = randomFrequency(random);
    std::copy(high.begin(), high.end(), &r[18]);
    std::copy(low.begin(), low.end(), &r[22]);
    r[26] = chance(random, 70) ? r[0] : randomByte(random);   // the copy may differ from the number
    r[27] = chance(random, 60) ? std::uint8_t((uniform(random, 0, 0x7F) & ~0x38) | uniform(random, 0, 4) << 3)
                               : randomByte(random);        // junk bits, switch types 5..7
    r[28] = chance(random, 60) ? std::uint8_t(uniform(random, 0, 4) | uniform(random, 0, 16) << 3) : randomByte(random);
    const auto longitude = randomLongitude(random);
    std::copy(longitude.begin(), longitude.end(), &r[29]);
    return r;
}

// The fields of a record that the cases vary; the rest is "Astra" with a
// Universal LNB.
struct Fields {
    std::uint8_t number = 3, copy = 3, nameLen = 5, flags = 0x25, ports = 0x0A;
    QByteArray longitude = QByteArray("\x00\x01\x92", 3);
    QByteArray name = "Astra";
};

Record recordOf(const Fields &f)
{
    Record r{};
    r[0] = f.number;
    r[1] = f.nameLen;
    std::memcpy(&r[2], f.name.constData(), std::size_t(std::min<qsizetype>(f.name.size(), 16)));
    const std::uint8_t lnb[8] = {0x01, 0x06, 0x00, 0x00, 0x00, 0x97, 0x50, 0x00};
    std::memcpy(&r[18], lnb, 8);
    r[26] = f.copy;
    r[27] = f.flags;
    r[28] = f.ports;
    std::memcpy(&r[29], f.longitude.constData(), 3);
    return r;
}

Fields with(void (*change)(Fields &))
{
    Fields f;
    change(f);
    return f;
}

Image imageWithRecords(const std::vector<Record> &records)
{
    samples::DatabaseBuilder builder;
    for (std::size_t k = 0; k < records.size(); ++k)
        builder.addSatellite({"Sat"});
    Image image = imageOf(builder.build());
    const ImageOffsets at(image);
    for (std::size_t k = 0; k < records.size(); ++k)
        std::copy(records[k].begin(), records[k].end(), image.begin() + std::ptrdiff_t(at.satellite(k)));
    return image;
}

Record recordIn(const Image &image, std::size_t k)
{
    Record r{};
    const auto from = image.begin() + std::ptrdiff_t(ImageOffsets(image).satellite(k));
    std::copy(from, from + kSatelliteRecordSize, r.begin());
    return r;
}

QByteArray hex(const Record &r) { return QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size())).toHex(' '); }

// The row as one text, names in Unicode (NUL shown as "\\0").
QString shown(const SatelliteRowTexts &t)
{
    return QString::fromStdString(windows1251ToUtf8(t.number + "|" + t.name + "|" + t.lnbType + "|" + t.power12v + "|"
                                                    + t.switchType + "|" + t.diseqc10 + "|" + t.diseqc11 + "|"
                                                    + t.hemisphere + "|" + t.longitude))
        .replace(QChar(0), QStringLiteral("\\0"));
}

SatelliteSettings settings(int switchType, bool west, std::optional<std::string> longitude)
{
    SatelliteSettings s;
    s.name = "Astra";
    s.lnbLow = bcdFromDecimalDigits("9750");
    s.lnbHigh = bcdFromDecimalDigits("10600");
    s.tone22k = true;
    s.lnbp = true;
    s.switchType = switchType;
    s.diseqc10Port = 2;
    s.diseqc11Port = 1;
    s.west = west;
    s.longitude = std::move(longitude);
    return s;
}

} // namespace

class TestSatelliteEncoding : public QObject {
    Q_OBJECT

private slots:
    // Odd records are written in the canonical form and shown as ever; the
    // canonical form reads and writes to itself.
    void recordsAreWrittenCanonically_data()
    {
        QTest::addColumn<Record>("stored");
        QTest::addColumn<QByteArray>("written");   // what changes: byte offset, then value
        QTest::addColumn<QString>("row");
        const QString row = "3|Astra|Universal|-|USALS|B|1|";
        QTest::newRow("canonical") << recordOf({}) << QByteArray() << row + "E|19,2";
        QTest::newRow("copy unlike the number") << recordOf(with([](Fields &f) { f.copy = 9; }))
                                                << QByteArray() << row + "E|19,2";
        QTest::newRow("name past its field") << recordOf(with([](Fields &f) { f.nameLen = 40; f.name = "Astra 19.2E long"; }))
                                             << QByteArray("\x01\x10", 2) << "3|Astra 19.2E long|Universal|-|USALS|B|1|E|19,2";
        QTest::newRow("bytes past the name") << recordOf(with([](Fields &f) { f.name = "AstraXYZ"; }))
                                             << QByteArray() << row + "E|19,2";
        QTest::newRow("bit 7, switch type 6") << recordOf(with([](Fields &f) { f.flags = 0xB5; }))
                                              << QByteArray() << "3|Astra|Universal|-||B|1|E|19,2";
        QTest::newRow("1.0 port 7, 1.1 port 31") << recordOf(with([](Fields &f) { f.ports = 0xFF; }))
                                                 << QByteArray("\x1C\xF8", 2) << "3|Astra|Universal|-|USALS||31|E|19,2";
        QTest::newRow("200,3 east shown west") << recordOf(with([](Fields &f) { f.longitude = QByteArray("\x00\x20\x03", 3); }))
                                               << QByteArray("\x1B\x65\x1E\x15\x1F\x97", 6) << row + "W|159,7";
        QTest::newRow("200,3 west shown east, written west")
            << recordOf(with([](Fields &f) { f.flags = 0x65; f.longitude = QByteArray("\x00\x20\x03", 3); }))
            << QByteArray("\x1E\x15\x1F\x97", 4) << row + "E|159,7";
        QTest::newRow("200,0 east") << recordOf(with([](Fields &f) { f.longitude = QByteArray("\x00\x20\x00", 3); }))
                                    << QByteArray("\x1B\x65\x1E\x16\x1F\x00", 6) << row + "W|160,0";
        QTest::newRow("359,9 west") << recordOf(with([](Fields &f) { f.flags = 0x65; f.longitude = QByteArray("\x00\x35\x99", 3); }))
                                    << QByteArray("\x1E\x00\x1F\x01", 4) << row + "E|0,1";
        QTest::newRow("180,9 stays") << recordOf(with([](Fields &f) { f.longitude = QByteArray("\x00\x18\x09", 3); }))
                                     << QByteArray() << row + "E|180,9";
        QTest::newRow("erased, west") << recordOf(with([](Fields &f) { f.flags = 0x65; f.longitude = QByteArray("\xFF\xFF\xFF", 3); }))
                                      << QByteArray() << row + "W|FF FF FF";
        QTest::newRow("damaged nibble") << recordOf(with([](Fields &f) { f.longitude = QByteArray("\x00\x16\x8C", 3); }))
                                        << QByteArray() << row + "E|00 16 8C";
        QTest::newRow("400,0") << recordOf(with([](Fields &f) { f.longitude = QByteArray("\x00\x40\x00", 3); }))
                               << QByteArray() << row + "E|400,0";
    }
    void recordsAreWrittenCanonically()
    {
        QFETCH(Record, stored);
        QFETCH(QByteArray, written);
        Record expected = stored;
        expected[26] = expected[0];
        std::fill(expected.begin() + 2 + std::min<int>(expected[1], 16), expected.begin() + 18, std::uint8_t(0));
        for (qsizetype k = 0; k + 1 < written.size(); k += 2)
            expected[std::size_t(written[k])] = std::uint8_t(written[k + 1]);

        const ChannelDatabase db = databaseOf(imageWithRecords({stored}));
        QTEST(shown(rowTextsOf(db.satellites[0])), "row");
        const Image image = imageOf(db);
        QCOMPARE(hex(recordIn(image, 0)), hex(expected));
        QVERIFY(imageOf(databaseOf(image)) == image);
    }

    // The dialog's settings applied to an odd record: what the dialog shows
    // is what is written.
    void editsWriteWhatTheDialogApplied_data()
    {
        QTest::addColumn<Record>("stored");
        QTest::addColumn<SatelliteSettings>("applied");
        QTest::addColumn<QByteArray>("tail");   // bytes 26..31
        QTest::addColumn<QString>("row");
        const Record mirroredWest = recordOf(with([](Fields &f) { f.flags = 0xE5; f.longitude = QByteArray("\x00\x20\x03", 3); }));
        QTest::newRow("mirrored, longitude untouched") << mirroredWest << settings(4, false, std::nullopt)
                                                       << QByteArray("\x03\x25\x0A\x00\x15\x97", 6)
                                                       << "3|Astra|Universal|-|USALS|B|1|E|159,7";
        QTest::newRow("mirrored, typed 200,3 east") << mirroredWest << settings(4, false, "200,3")
                                                    << QByteArray("\x03\x25\x0A\x00\x20\x03", 6)
                                                    << "3|Astra|Universal|-|USALS|B|1|E|200,3";
        QTest::newRow("switch type 6, none chosen") << recordOf(with([](Fields &f) { f.flags = 0xB5; }))
                                                    << settings(kSwitchTypeNotChosen, true, " 5,")
                                                    << QByteArray("\x03\x45\x0A\x00\x00\x50", 6)
                                                    << "3|Astra|Universal|-||B|1|W|5,0";
        QTest::newRow("erased, untouched") << recordOf(with([](Fields &f) { f.longitude = QByteArray("\xFF\xFF\xFF", 3); }))
                                           << settings(1, true, std::nullopt)
                                           << QByteArray("\x03\x4D\x0A\xFF\xFF\xFF", 6)
                                           << "3|Astra|Universal|-|1.0|B|1|W|FF FF FF";
    }
    void editsWriteWhatTheDialogApplied()
    {
        QFETCH(Record, stored);
        QFETCH(SatelliteSettings, applied);
        ChannelDatabase db = databaseOf(imageWithRecords({stored}));
        applySatelliteSettings(db.satellites[0], applied);
        QTEST(shown(rowTextsOf(db.satellites[0])), "row");
        const Record written = recordIn(imageOf(db), 0);
        QTEST(QByteArray(reinterpret_cast<const char *>(&written[26]), 6), "tail");
    }

    // Random records of every kind: the written image is canonical (it reads
    // and writes to itself) and shows every satellite as the original did,
    // save a DiSEqC 1.0 port of 5..7, written as none, and the hemisphere of
    // a longitude mirrored from a record with the West bit set, which is
    // written with that bit.
    void randomRecordsSettleInTheCanonicalForm()
    {
        std::mt19937 random(32033);
        for (int i = 0; i < 1500; ++i) {
            std::vector<Record> records(std::size_t(uniform(random, 1, 24)));
            for (Record &r : records)
                r = randomRecord(random);
            const ChannelDatabase db = databaseOf(imageWithRecords(records));
            const Image written = imageOf(db);
            const ChannelDatabase again = databaseOf(written);
            QVERIFY(imageOf(again) == written);
            for (std::size_t k = 0; k < records.size(); ++k) {
                SatelliteRowTexts expected = rowTextsOf(db.satellites[k]);
                if (written[ImageOffsets(written).satellite(k) + 27] & LnbFlag::West)
                    expected.hemisphere = "W";
                if (db.satellites[k].diseqc10Port > 4)
                    expected.diseqc10 = "-";
                if (rowTextsOf(again.satellites[k]) != expected)
                    QFAIL(qPrintable(QStringLiteral("record %1 shows %2, written %3").arg(QString(hex(records[k])),
                          shown(rowTextsOf(again.satellites[k])), shown(expected))));
            }
        }
    }

    // The project's own databases read and write as they are, and read back
    // equal to what was written.
    void sampleDatabasesReadAndWriteAsTheyAre()
    {
        const ChannelDatabase demo = samples::demoDatabase();
        for (const ChannelDatabase &db : {demo, samples::fullCapacityDatabase(), samples::rescannedDatabase(demo, 7)}) {
            const Image image = imageOf(db);
            const ChannelDatabase read = databaseOf(image);
            QVERIFY(read.satellites == db.satellites);
            QVERIFY(imageOf(read) == image);
        }
    }
};

QTEST_APPLESS_MAIN(TestSatelliteEncoding)
#include "tst_satelliteencoding.moc"
