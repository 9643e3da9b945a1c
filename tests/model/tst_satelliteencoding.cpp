// SPDX-License-Identifier: GPL-3.0-or-later
// A satellite is held as typed fields and encoded from them; the row texts of
// the satellites page are computed from the same fields. These tests run
// random records and random dialog edits through that code and through the
// editor's former code, which kept a satellite's row texts beside its record
// and composed the record from the texts, and compare the written bytes and
// the texts shown.
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <stdexcept>

#include "RandomDatabases.h"
#include "TestImages.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/EditConversions.h"
#include "model/ImageLayout.h"
#include "model/SatelliteSettings.h"
#include "model/TextCodec.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

namespace {

using Record = std::array<std::uint8_t, kSatelliteRecordSize>;

// The former code path, kept here to compare with.
namespace former {

struct Satellite {
    std::uint8_t satNumber = 0;
    std::uint8_t nameLen = 0;
    NameBytes name{};
    Bcd4 lnbHigh{};
    Bcd4 lnbLow{};
    std::uint8_t satNumberCopy = 0;
    std::uint8_t lnbFlags = 0;
    std::uint8_t diseqcPorts = 0;
    std::array<std::uint8_t, 3> usalsLongitude{};
    SatelliteRowTexts rowTexts;

    [[nodiscard]] std::string nameText() const
    {
        return std::string(reinterpret_cast<const char *>(name.data()), std::min<std::size_t>(nameLen, 16));
    }
    [[nodiscard]] int switchTypeCode() const { return (lnbFlags & LnbFlag::SwitchTypeMask) >> LnbFlag::SwitchTypeShift; }
    [[nodiscard]] int diseqc10Port() const { return diseqcPorts & 0x07; }
    [[nodiscard]] int diseqc11Port() const { return diseqcPorts >> 3; }
};

bool isDecimalBcd(std::uint32_t packed, int digits)
{
    for (int shift = 0; shift < digits * 4; shift += 4)
        if (((packed >> shift) & 0xF) > 9)
            return false;
    return true;
}

std::optional<std::string> storedLongitudeText(const std::array<std::uint8_t, 3> &longitude)
{
    const std::uint32_t packed = (std::uint32_t(longitude[0]) << 16) | (std::uint32_t(longitude[1]) << 8) | longitude[2];
    if (!isDecimalBcd(packed, 6)) {
        char text[9];
        std::snprintf(text, sizeof text, "%02X %02X %02X", longitude[0], longitude[1], longitude[2]);
        return text;
    }
    const int value = int(bcdDigitsValue(packed));
    if (value < 3600)
        return std::nullopt;
    return std::to_string(value / 10) + "," + std::to_string(value % 10);
}

SatelliteRowTexts makeRowTexts(const Satellite &s)
{
    SatelliteRowTexts texts;
    texts.number = std::to_string(s.satNumber);
    texts.name = s.nameText();
    texts.lnbType = lnbTypeText(s.lnbLow);
    texts.power12v = (s.lnbFlags & LnbFlag::Power12V) ? "+" : "-";
    texts.switchType = switchTypeText(s.switchTypeCode());
    texts.diseqc10 = diseqc10Text(s.diseqc10Port());
    texts.diseqc11 = diseqc11Text(s.diseqc11Port());

    const bool west = s.lnbFlags & LnbFlag::West;
    if (auto stored = storedLongitudeText(s.usalsLongitude)) {
        texts.longitude = std::move(*stored);
        texts.hemisphere = west ? "W" : "E";
        return texts;
    }
    const std::uint32_t packed = (std::uint32_t(s.usalsLongitude[0]) << 16)
                                 | (std::uint32_t(s.usalsLongitude[1]) << 8) | s.usalsLongitude[2];
    const int value = int(bcdDigitsValue(packed));
    const int degrees = value / 10;
    const int tenths = value % 10;
    if (degrees <= 180) {
        texts.longitude = std::to_string(degrees) + "," + std::to_string(tenths);
        texts.hemisphere = west ? "W" : "E";
    } else {
        texts.longitude = tenths != 0 ? std::to_string(359 - degrees) + "," + std::to_string(10 - tenths)
                                      : std::to_string(360 - degrees) + ",0";
        texts.hemisphere = west ? "E" : "W";
    }
    return texts;
}

// The reader: the record as it stands, the name converted (unless it is in
// the display character set already), the row texts made.
Satellite read(const std::uint8_t *b, bool imageCharacterSet = true)
{
    Satellite s;
    s.satNumber = b[0];
    s.nameLen = b[1];
    std::memcpy(s.name.data(), &b[2], 16);
    std::memcpy(s.lnbHigh.data(), &b[18], 4);
    std::memcpy(s.lnbLow.data(), &b[22], 4);
    s.satNumberCopy = b[26];
    s.lnbFlags = b[27];
    s.diseqcPorts = b[28];
    std::memcpy(s.usalsLongitude.data(), &b[29], 3);
    if (s.nameLen > kNameCapacity)
        s.nameLen = std::uint8_t(kNameCapacity);
    if (imageCharacterSet)
        imageToDisplay(std::span(s.name.data(), s.nameLen));
    s.rowTexts = makeRowTexts(s);
    return s;
}

std::uint8_t switchTypeBits(const std::string &text)
{
    if (text == "1.0") return 0x08;
    if (text == "1.1") return 0x10;
    if (text == "MOTOR") return 0x18;
    if (text == "USALS") return 0x20;
    return 0;
}

std::uint8_t diseqc10Bits(const std::string &text)
{
    if (text == "A") return 1;
    if (text == "B") return 2;
    if (text == "C") return 3;
    if (text == "D") return 4;
    return 0;
}

// The writer: the record composed from the row texts and the record.
Record compose(const Satellite &sat)
{
    const SatelliteRowTexts &texts = sat.rowTexts;
    Record out{};
    const auto number = std::uint8_t(parseDecimal(texts.number));
    out[0] = number;
    out[26] = number;
    const std::size_t nameLength = std::min(texts.name.size(), kNameCapacity);
    out[1] = std::uint8_t(nameLength);
    std::memcpy(&out[2], texts.name.data(), nameLength);
    displayToImage(std::span(&out[2], nameLength));
    std::memcpy(&out[18], sat.lnbHigh.data(), 4);
    std::memcpy(&out[22], sat.lnbLow.data(), 4);
    out[27] = sat.lnbFlags | switchTypeBits(texts.switchType) | (texts.hemisphere == "W" ? LnbFlag::West : 0);
    if (const auto stored = storedLongitudeText(sat.usalsLongitude); stored && *stored == texts.longitude) {
        std::memcpy(&out[29], sat.usalsLongitude.data(), 3);
    } else {
        std::string longitude = texts.longitude;
        if (const auto comma = longitude.find(','); comma != std::string::npos)
            longitude.erase(comma, 1);
        const long long tenths = parseHex(longitude);
        if (tenths < 0)
            throw ConversionError(longitude);
        out[28] = std::uint8_t(tenths >> 24);
        out[29] = std::uint8_t(tenths >> 16);
        out[30] = std::uint8_t(tenths >> 8);
        out[31] = std::uint8_t(tenths);
    }
    const long long port11 = texts.diseqc11 == "-" ? 0 : parseDecimal(texts.diseqc11);
    out[28] |= diseqc10Bits(texts.diseqc10) | std::uint8_t(port11 << 3);
    return out;
}

void checkRange(int value, int lowest, int highest)
{
    if (value < lowest || value > highest)
        throw std::invalid_argument("satellite settings out of range");
}

// The satellite dialog's settings applied to the record and the row texts.
void apply(Satellite &satellite, const SatelliteSettings &settings)
{
    checkRange(settings.switchType, -1, 4);
    checkRange(settings.diseqc10Port, 0, 4);
    checkRange(settings.diseqc11Port, 0, 16);
    const std::optional<std::string> longitude =
        settings.longitude ? std::optional(normalizedLongitude(*settings.longitude)) : std::nullopt;
    std::array<std::uint8_t, 3> longitudeField = satellite.usalsLongitude;
    if (longitude) {
        std::string digits = *longitude;
        std::erase(digits, ',');
        const Bcd4 field = bcdFromDecimalDigits(digits);
        longitudeField = {field[0], field[1], field[2]};
    }
    const std::string name = settings.name.substr(0, kNameCapacity);

    SatelliteRowTexts &texts = satellite.rowTexts;
    texts.name = name;
    satellite.name.fill(0);
    satellite.nameLen = std::uint8_t(name.size());
    std::copy(name.begin(), name.end(), satellite.name.begin());
    satellite.lnbLow = settings.lnbLow;
    satellite.lnbHigh = settings.lnbHigh;
    texts.lnbType = lnbTypeText(settings.lnbLow);
    std::uint8_t flags = 0;
    if (settings.lnbp)
        flags |= LnbFlag::Lnbp;
    if (settings.power12v)
        flags |= LnbFlag::Power12V;
    if (settings.tone22k)
        flags |= LnbFlag::Tone22k;
    if (settings.switchType >= 0)
        flags |= std::uint8_t(settings.switchType << LnbFlag::SwitchTypeShift);
    if (settings.west)
        flags |= LnbFlag::West;
    satellite.lnbFlags = flags;
    texts.power12v = settings.power12v ? "+" : "-";
    texts.switchType = settings.switchType >= 0 ? switchTypeText(settings.switchType) : "";
    satellite.diseqcPorts = std::uint8_t(settings.diseqc10Port | (settings.diseqc11Port << 3));
    texts.diseqc10 = diseqc10Text(settings.diseqc10Port);
    texts.diseqc11 = diseqc11Text(settings.diseqc11Port);
    texts.hemisphere = settings.west ? "W" : "E";
    if (longitude) {
        texts.longitude = *longitude;
        satellite.usalsLongitude = longitudeField;
    }
}

} // namespace former

// ---- random records and edits ------------------------------------------

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

// A longitude as it may be typed into the "   , " field, valid or not.
std::string randomTypedLongitude(std::mt19937 &random)
{
    if (chance(random, 5))
        return "x,1";
    std::string typed;
    const int blanks = uniform(random, 0, 2);
    typed.append(std::size_t(blanks), ' ');
    const int degreeDigits = uniform(random, 0, chance(random, 5) ? 4 : 3);
    for (int k = 0; k < degreeDigits; ++k)
        typed += char('0' + uniform(random, 0, k == 0 && chance(random, 50) ? 3 : 9));
    if (!chance(random, 3))
        typed += ',';
    if (chance(random, 80))
        typed += char('0' + uniform(random, 0, 9));
    return typed;
}

// Settings the dialog may hand over, now and then out of range.
SatelliteSettings randomSettings(std::mt19937 &random)
{
    SatelliteSettings s;
    const int nameLength = uniform(random, 0, 20);
    for (int k = 0; k < nameLength; ++k)
        s.name += char(randomNameByte(random));
    s.lnbLow = randomFrequency(random);
    s.lnbHigh = randomFrequency(random);
    s.tone22k = chance(random, 50);
    s.power12v = chance(random, 50);
    s.lnbp = chance(random, 50);
    s.switchType = chance(random, 3) ? uniform(random, -3, 7) : uniform(random, -1, 4);
    s.diseqc10Port = chance(random, 3) ? uniform(random, -1, 7) : uniform(random, 0, 4);
    s.diseqc11Port = chance(random, 3) ? uniform(random, -1, 31) : uniform(random, 0, 16);
    s.west = chance(random, 50);
    if (chance(random, 70))
        s.longitude = randomTypedLongitude(random);
    return s;
}

// An image with these satellite records and a few transponders and channels
// behind them.
Image imageWith(const std::vector<Record> &records, std::mt19937 &random)
{
    samples::DatabaseBuilder builder;
    for (std::size_t k = 0; k < records.size(); ++k)
        builder.addSatellite({"Sat"});
    const int transponders = uniform(random, 0, 4);
    for (int t = 0; t < transponders; ++t)
        builder.addTransponder(uniform(random, 1, int(records.size())), 10700 + t, 'H', 27500, 3);
    for (int c = 0; transponders && c < uniform(random, 0, 6); ++c)
        builder.addTv(uniform(random, 1, transponders), {"tv", c + 1});
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

// Which exception an edit ended in, if any.
template <typename Edit>
std::string outcomeOf(Edit &&edit)
{
    try {
        edit();
        return "applied";
    } catch (const RangeError &) {
        return "range";
    } catch (const ConversionError &) {
        return "conversion";
    } catch (const std::invalid_argument &) {
        return "invalid";
    }
}

QByteArray hex(const Record &r) { return QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size())).toHex(' '); }

QString shown(const SatelliteRowTexts &t)
{
    return QString::fromStdString(windows1251ToUtf8(t.number + "|" + t.name + "|" + t.lnbType + "|" + t.power12v + "|"
                                                    + t.switchType + "|" + t.diseqc10 + "|" + t.diseqc11 + "|"
                                                    + t.hemisphere + "|" + t.longitude));
}

} // namespace

class TestSatelliteEncoding : public QObject {
    Q_OBJECT

    // Reads the image both ways, applies random edits to both, and compares
    // the texts shown after every step and the written records at the end.
    // Returns the number of satellites and edits compared.
    static std::pair<int, int> compareBothWays(const Image &image, std::mt19937 &random, int edits)
    {
        ChannelDatabase db = databaseOf(image);
        std::vector<former::Satellite> formerSatellites;
        for (std::size_t k = 0; k < db.satellites.size(); ++k) {
            const Record raw = recordIn(image, k);
            formerSatellites.push_back(former::read(raw.data()));
            if (rowTextsOf(db.satellites[k]) != formerSatellites[k].rowTexts)
                qFatal("satellite %d of record %s shows %s, formerly %s", int(k), hex(raw).constData(),
                       qPrintable(shown(rowTextsOf(db.satellites[k]))),
                       qPrintable(shown(formerSatellites[k].rowTexts)));
        }
        for (int e = 0; e < edits && !db.satellites.empty(); ++e) {
            const std::size_t k = std::size_t(uniform(random, 0, int(db.satellites.size()) - 1));
            const SatelliteSettings settings = randomSettings(random);
            const std::string now = outcomeOf([&] { applySatelliteSettings(db.satellites[k], settings); });
            const std::string formerly = outcomeOf([&] { former::apply(formerSatellites[k], settings); });
            if (now != formerly)
                qFatal("edit of satellite %d: %s, formerly %s", int(k), now.c_str(), formerly.c_str());
            if (rowTextsOf(db.satellites[k]) != formerSatellites[k].rowTexts)
                qFatal("edited satellite %d shows %s, formerly %s", int(k), qPrintable(shown(rowTextsOf(db.satellites[k]))),
                       qPrintable(shown(formerSatellites[k].rowTexts)));
        }
        const Image written = imageOf(db);
        for (std::size_t k = 0; k < db.satellites.size(); ++k) {
            const Record formerly = former::compose(formerSatellites[k]);
            if (recordIn(written, k) != formerly)
                qFatal("satellite %d of record %s is written as %s, formerly %s", int(k),
                       hex(recordIn(image, k)).constData(), hex(recordIn(written, k)).constData(),
                       hex(formerly).constData());
        }
        return {int(db.satellites.size()), edits};
    }

private slots:
    void randomRecordsAndEditsWriteAsBefore()
    {
        std::mt19937 random(32032);
        const int images = qEnvironmentVariableIntValue("K510_SATELLITE_IMAGES") > 0
                               ? qEnvironmentVariableIntValue("K510_SATELLITE_IMAGES")
                               : 3000;
        int satellites = 0, edits = 0;
        for (int i = 0; i < images; ++i) {
            std::vector<Record> records(std::size_t(chance(random, 5) ? uniform(random, 200, 255)
                                                                      : uniform(random, 1, 24)));
            for (Record &r : records)
                r = randomRecord(random);
            const auto [compared, edited] = compareBothWays(imageWith(records, random), random, uniform(random, 0, 12));
            satellites += compared;
            edits += edited;
        }
        qInfo("%d images: %d satellites and %d edits written and shown as before", images, satellites, edits);
    }

    void sampleDatabasesWriteAsBefore()
    {
        std::mt19937 random(4);
        const ChannelDatabase demo = samples::demoDatabase();
        int satellites = 0, edits = 0;
        for (const ChannelDatabase &db : {demo, samples::fullCapacityDatabase(), samples::rescannedDatabase(demo, 7)}) {
            // The samples' satellites are made as a read would make them: the
            // former builder's record held the fields encoded here, with row
            // texts made from it.
            const Image image = imageOf(db);
            for (std::size_t k = 0; k < db.satellites.size(); ++k) {
                Record record{};
                encodeSatellite(db.satellites[k], record);
                QCOMPARE(hex(former::compose(former::read(record.data(), false))), hex(recordIn(image, k)));
            }
            QVERIFY(imageOf(databaseOf(image)) == image);
            for (int round = 0; round < 20; ++round) {
                const auto [compared, edited] = compareBothWays(image, random, uniform(random, 1, 30));
                satellites += compared;
                edits += edited;
            }
        }
        qInfo("sample databases: %d satellites and %d edits written and shown as before", satellites, edits);
    }
};

QTEST_APPLESS_MAIN(TestSatelliteEncoding)
#include "tst_satelliteencoding.moc"
