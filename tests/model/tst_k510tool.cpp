// SPDX-License-Identifier: GPL-3.0-or-later
#include <QJsonArray>
#include <functional>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "TestImages.h"
#include "model/BulkChanges.h"
#include "model/Conversions.h"
#include "model/ChannelImport.h"
#include "model/CsvExport.h"
#include "model/Duplicates.h"
#include "model/ImageCheck.h"
#include "model/ReferenceCsv.h"
#include "model/ReferenceOrder.h"
#include "model/RenameRule.h"
#include "model/Repair.h"
#include "model/TextCodec.h"
#include "RealSatellitesList.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

#include <filesystem>
#include <system_error>

#include <sys/stat.h>

using namespace k510;
using namespace k510::testing;

namespace {

struct Run {
    int exitCode;
    QByteArray out;
    QString err;
};

Run tool(const QStringList &arguments, const QString &program = QStringLiteral(K510_TOOL_PATH))
{
    QProcess process;
    process.start(program, arguments);
    // Generous: under Wine, beside another test, a start alone has taken
    // more than half a minute; a hung tool still ends the test.
    if (!process.waitForFinished(120000))
        qFatal("k510-tool did not finish");
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

void writeFile(const QString &path, const Image &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Two satellites; A holds transponders 1 and 3, B transponders 2 and 4 (4
// carries nothing). TV channel n has service ID 100 + n and sits on
// transponder (n-1) % 3 + 1, radio number r has 200 + r on (r-1) % 3 + 1.
// TV favourites 3 and 5, radio favourite 4.
ChannelDatabase editable()
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"A"});
    builder.addSatellite({"B"});
    builder.addTransponder(1, 10700, 'H', 27500, 3);
    builder.addTransponder(2, 10800, 'V', 27500, 3);
    builder.addTransponder(1, 10900, 'H', 27500, 3);
    builder.addTransponder(2, 11000, 'V', 27500, 3);
    for (int n = 1; n <= 6; ++n)
        builder.addTv((n - 1) % 3 + 1, {"tv", 100 + n});
    for (int r = 1; r <= 4; ++r)
        builder.addRadio((r - 1) % 3 + 1, {"radio", 200 + r});
    builder.setTvOrder({6, 1, 5, 2, 4, 3});
    builder.setTvGroup(1, "TV", {5, 3, 5});
    builder.setRadioGroup(1, "Radio", {4});
    return builder.build();
}

QList<int> serviceIds(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1};
    const QByteArray data = file.readAll();
    const ReadResult read = readImage(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                                std::size_t(data.size())));
    if (!read.ok())
        return {-2};
    QList<int> ids;
    for (const auto &channel : read.database->channels)
        ids.append(channel.serviceId);
    return ids;
}

// What the window's export writes for the database in the file at path.
QByteArray csvOf(const QString &path, bool radio, char separator = ',')
{
    const QByteArray data = readFile(path);
    const ReadResult read = readImage(std::span(reinterpret_cast<const std::uint8_t *>(data.constData()),
                                                std::size_t(data.size())));
    return read.ok() ? QByteArray::fromStdString(channelListCsv(*read.database, kindOf(radio), separator)) : QByteArray();
}

// editable() in another order, with another first TV group.
ChannelDatabase reordered()
{
    ChannelDatabase db = editable();
    db.tvOrder = {3, 4, 2, 5, 1, 6};
    db.radioOrder = {4, 3, 2, 1};
    db.tvFavourites[0] = {6, 1};
    db.setTvGroupName(1, "Ref");
    return db;
}

// What apply-order writes and prints: the model's ordering of `in`.
struct Ordered {
    QByteArray image;
    QString summary;
};

Ordered ordered(ChannelDatabase in, const ChannelReference &reference, bool replaceFavourites)
{
    const OrderPlan plan = planOrder(in, reference);
    if (!applyOrder(in, plan, replaceFavourites))
        return {};
    QString summary;
    for (const std::string &line : orderSummary(plan, replaceFavourites))
        summary += QString::fromStdString(line) + '\n';
    return {imageBytes(in), summary};
}

ChannelReference csvReference(const ChannelDatabase &db, bool radio)
{
    return *readReferenceCsv(channelListCsv(db, kindOf(radio)), kindOf(radio)).reference;
}

QString summary(int tv, int radio, int transponders, int favouriteEntries = 0)
{
    return QString("deleted: tv channels %1, radio channels %2, transponders %3\n").arg(tv).arg(radio).arg(transponders)
           + (favouriteEntries ? QString("favourite entries removed: %1\n").arg(favouriteEntries) : QString());
}

// A satellites.xml list for editable()'s satellite A (10700 H, 10900 H):
// 10700 H is there, 10901 H drifted, 10700 V and 11000 L are new, 11500 is
// DVB-S2, and one entry has no frequency.
QByteArray satellitesXml()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n<sat name=\"A (13.0E)\" flags=\"0\" position=\"130\">\n"
           "<transponder frequency=\"10700000\" symbol_rate=\"27500000\" polarization=\"0\" fec_inner=\"3\"/>\n"
           "<transponder frequency=\"10901000\" symbol_rate=\"27500000\" polarization=\"0\" fec_inner=\"3\"/>\n"
           "<transponder frequency=\"10700000\" symbol_rate=\"27500000\" polarization=\"1\" fec_inner=\"2\"/>\n"
           "<transponder frequency=\"11000000\" symbol_rate=\"22000000\" polarization=\"2\" fec_inner=\"9\"/>\n"
           "<transponder frequency=\"11500000\" symbol_rate=\"27500000\" polarization=\"0\" system=\"1\"/>\n"
           "<transponder symbol_rate=\"27500000\" polarization=\"0\"/>\n"
           "</sat>\n</satellites>\n";
}

// Satellites S1 to S<count> at no position, S1 with a transponder.
ChannelDatabase satellitesUpTo(int count)
{
    samples::DatabaseBuilder builder;
    for (int s = 1; s <= count; ++s)
        builder.addSatellite({"S" + std::to_string(s)});
    builder.addTransponder(1, 10700, 'H', 27500, 3);
    return builder.build();
}

// Channels for editable() from elsewhere. "a " is editable()'s "A" by name,
// "C" is not in it. TV: 1 the same as IN's TV 1 (service ID 101, 1 MHz off),
// 2 new on IN's transponder 1, 3 on a transponder IN lacks, 4 on C, 5 on A
// at IN's 10900 but vertical. Radio: 1 new on B, 2 the same as IN's radio 1.
ChannelDatabase importSource()
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"a "});
    builder.addSatellite({"B"});
    builder.addSatellite({"C"});
    builder.addTransponder(1, 10701, 'H', 27500, 3);
    builder.addTransponder(2, 10850, 'V', 22000, 2);
    builder.addTransponder(3, 11000, 'H', 27500, 3);
    builder.addTransponder(1, 10900, 'V', 27500, 3);
    builder.addTv(1, {"tv", 101});
    builder.addTv(1, {"Новый", 500, 32, 33, 34, 35, true});
    builder.addTv(2, {"tv B", 501});
    builder.addTv(3, {"tv C", 502});
    builder.addTv(4, {"tv V", 503});
    builder.addRadio(2, {"radio B", 600});
    builder.addRadio(1, {"radio", 201});
    builder.setTvOrder({5, 4, 3, 2, 1});
    return builder.build();
}

// How the selection of a row reads in the model.
using ImportRequestOf = std::function<ImportRequest(const ChannelDatabase &in, const ChannelDatabase &source)>;

ImportRequest selection(const ChannelDatabase &in, const ChannelDatabase &source, std::vector<int> tv,
                        std::vector<int> radio)
{
    ImportRequest request = everyChannel(in, source);
    request.tv = std::move(tv);
    request.radio = std::move(radio);
    return request;
}

// editable() with names, TV 2 locked, TV 3 scrambled and a copy of it
// standing before it (TV 6: same transponder and service ID), and TV group 2
// "Full" one entry short of full.
ChannelDatabase selectable()
{
    ChannelDatabase db = editable();
    const char *const names[] = {"Первый", "Россия 1", "РОССИЯ 24", "Sky HD", "sky news", "НТВ"};
    for (int n = 1; n <= 6; ++n)
        db.tvChannel(n)->setName(utf8ToWindows1251(names[n - 1]));
    db.tvChannel(2)->chFlags |= ChannelFlag::Locked;
    db.tvChannel(3)->chFlags |= ChannelFlag::Scrambled;
    db.tvChannel(6)->serviceId = db.tvChannel(3)->serviceId;
    db.tvFavourites[1].clear();
    for (int k = 0; k < kFavouriteGroupCapacity - 1; ++k)
        db.tvFavourites[1].push_back(std::uint16_t(k % 2 + 1));
    db.setTvGroupName(2, "Full");
    return db;
}

// What a command that writes OUT does to IN, through the model; false when
// the model refuses.
using ModelChange = std::function<bool(ChannelDatabase &)>;

} // namespace

Q_DECLARE_METATYPE(ImportRequestOf)
Q_DECLARE_METATYPE(ModelChange)

class TestK510Tool : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const Run demo = tool({"demo", path("demo.k5d")});
        QCOMPARE(demo.exitCode, 0);
    }

    void infoCounts()
    {
        const Run run = tool({"info", path("demo.k5d")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains("satellites:        6\n"));
        QVERIFY(run.out.contains("tv channels:       41\n"));
        QVERIFY(run.out.contains("radio channels:    17\n"));
        QVERIFY(run.out.contains("tv favourites:     22\n"));
    }

    void dumpIsJsonWithUtf8Names()
    {
        const Run run = tool({"dump", path("demo.k5d")});
        QCOMPARE(run.exitCode, 0);
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(run.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject sat = root["satellites"].toArray().at(3).toObject();
        QCOMPARE(sat["name"].toString(), QString("Eutelsat 36E"));
        QCOMPARE(sat["lnbType"].toString(), QString("Single"));
        QCOMPARE(sat["lnbHigh"].toString(), QString("10750"));
        QCOMPARE(sat["switchType"].toString(), QString("1.1"));
        QCOMPARE(sat["diseqc11"].toString(), QString("12"));
        QCOMPARE(sat["longitude"].toString(), QString("36,0"));
        const QJsonObject tp = root["transponders"].toArray().at(0).toObject();
        QCOMPARE(tp["frequency"].toString(), QString("10992"));
        QCOMPARE(tp["fec"].toString(), QString("2/3"));
        const QJsonArray channels = root["channels"].toArray();
        QCOMPARE(channels.size(), 58);
        QCOMPARE(channels.at(22).toObject()["name"].toString(), QString("Первый канал"));
        QCOMPARE(root["tvOrder"].toArray().at(0).toInt(), 23);
        QCOMPARE(root["tvFavourites"].toArray().size(), 12);
        QCOMPARE(root["tvGroupNames"].toArray().at(0).toString(), QString("Новости"));
        QCOMPARE(root["radioGroupNames"].toArray().size(), 12);
    }

    void checkExitCodes_data()
    {
        QTest::addColumn<int>("damage");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("clean") << 0 << 0;
        QTest::newRow("favourite names no channel") << 1 << 1;
        QTest::newRow("wrong size") << 2 << 2;
        // The image's size, but nothing the window would open.
        QTest::newRow("records beyond the image") << 3 << 2;
        QTest::newRow("a text of the image's size") << 4 << 2;
        QTest::newRow("satellites past the 255th") << 5 << 1;
    }
    void checkExitCodes()
    {
        QFETCH(int, damage);
        Image image = imageOf(samples::demoDatabase());
        if (damage == 1)
            poke16(image, ImageOffsets(image).tvFavourites, 500);
        if (damage == 2)
            image.resize(1000);
        if (damage == 3)
            poke16(image, 0, 0xFFFF);   // satellites
        if (damage == 4)
            std::fill(image.begin(), image.end(), std::uint8_t('x'));
        if (damage == 5)
            image = imageOf(satellitesUpTo(300));
        writeFile(path("check.k5d"), image);
        const Run run = tool({"check", path("check.k5d")});
        QTEST(run.exitCode, "exitCode");
        if (damage == 1)
            QCOMPARE(QString::fromUtf8(run.out), QString("избранные ТВ 1, позиция 1: канал 500 не существует\n"));
        if (damage == 5) {
            const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 300 - 255);
            QCOMPARE(lines.front(), QStringLiteral("спутник 256 «S256»: после 255-го спутника транспондеров быть не может "
                                                   "(транспондер называет свой спутник одним байтом)"));
            QVERIFY(lines.back().startsWith("спутник 300 «S300»: "));
        }
        if (damage >= 2 && damage <= 4)
            QVERIFY2(run.err.startsWith("k510-tool: " + path("check.k5d") + ": Загрузка файла: Ошибка"), qPrintable(run.err));
    }

    // The tool's own words are English, the texts it shares with the window
    // Russian, and no line holds both: an English word of three letters or
    // more never stands on a line with Cyrillic (paths aside).
    void noLineMixesTwoLanguages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("send, no image") << QStringList{"send", "SHORT", "--port", "ttyNONE"};
        QTest::newRow("apply-order, REF neither image nor list") << QStringList{"apply-order", "TEXT", "IN", "OUT"};
        QTest::newRow("apply-order, REF a cut image") << QStringList{"apply-order", "SHORT", "IN", "OUT"};
        QTest::newRow("apply-order, nothing matches") << QStringList{"apply-order", "FOREIGN", "IN", "OUT"};
        QTest::newRow("check, a text of the image's size") << QStringList{"check", "TEXTIMAGE"};
        QTest::newRow("repair, nothing to repair") << QStringList{"repair", "IN", "OUT"};
        QTest::newRow("delete, no such channel") << QStringList{"delete", "IN", "OUT", "--tv", "99"};
        QTest::newRow("normalize, no image") << QStringList{"normalize", "SHORT", "OUT"};
        QTest::newRow("transponders-from, a list cut off")
            << QStringList{"transponders-from", "CUTLIST", "IN", "OUT", "--position", "130", "--satellite", "A"};
    }
    void noLineMixesTwoLanguages()
    {
        QFETCH(QStringList, arguments);
        ChannelDatabase foreign = editable();
        for (Channel &channel : foreign.channels)
            channel.serviceId = std::uint16_t(channel.serviceId + 1000);
        writeFile(path("in.k5d"), imageOf(editable()));
        writeFile(path("foreign.k5d"), imageOf(foreign));
        writeFile(path("short.k5d"), Image(1000, 0));
        writeFile(path("text.txt"), Image{'h', 'e', 'l', 'l', 'o', '\n'});
        writeFile(path("textimage.k5d"), Image(294912, 'x'));
        const QByteArray cutList = satellitesXml().left(200);
        writeFile(path("cutlist.xml"), Image(cutList.begin(), cutList.end()));
        const QMap<QString, QString> files{{"CUTLIST", path("cutlist.xml")},{"IN", path("in.k5d")},        {"OUT", path("mixed-out.k5d")},
                                           {"SHORT", path("short.k5d")},  {"TEXT", path("text.txt")},
                                           {"FOREIGN", path("foreign.k5d")}, {"TEXTIMAGE", path("textimage.k5d")}};
        for (auto it = files.begin(); it != files.end(); ++it)
            arguments.replaceInStrings(QRegularExpression('^' + it.key() + '$'), it.value());
        const Run run = tool(arguments);
        QString output = QString::fromUtf8(run.out) + run.err;
        output.replace(QRegularExpression(QRegularExpression::escape(m_dir.path()) + QStringLiteral("/[^:\\s]*")),
                       QStringLiteral("FILE"));
        const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
        const QRegularExpression englishWord(QStringLiteral("\\b[a-z]{3,}\\b"));
        for (QString line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            line.remove(QRegularExpression(QStringLiteral("^k510-tool: ")));
            QVERIFY2(!line.contains(cyrillic) || !line.contains(englishWord), qPrintable(line));
        }
    }

    // A damaged order list names a channel twice: deleting it takes every
    // entry naming it, none comes to name the next channel, and the tool
    // says what went besides the channel.
    void deleteFromADamagedOrder()
    {
        ChannelDatabase db = editable();
        db.tvOrder = {6, 1, 5, 2, 5, 3};   // 5 twice, 4 missing
        writeFile(path("damaged.k5d"), imageOf(db));
        const Run run = tool({"delete", path("damaged.k5d"), path("damaged-out.k5d"), "--tv", "5"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out),
                 summary(1, 0, 0, 2) + "order entries cleared: 1 (a deleted channel listed twice in a damaged order; "
                       "they name no channel now)\n");
        const QByteArray out = readFile(path("damaged-out.k5d"));
        const ReadResult read = readImage(std::span(reinterpret_cast<const std::uint8_t *>(out.constData()),
                                                    std::size_t(out.size())));
        QVERIFY(read.ok());
        QCOMPARE(read.database->tvOrder, (std::vector<std::uint16_t>{5, 1, 2, 0, 3}));
        QCOMPARE(read.database->tvFavourites[0], (FavouriteGroup{3}));
    }

    void normalizeWritesTheCanonicalImage()
    {
        Image image = imageOf(samples::demoDatabase());
        const Image canonical = image;
        std::fill(image.begin() + 0x44000, image.end(), 0);
        writeFile(path("foreign.k5d"), image);
        const Run run = tool({"normalize", path("foreign.k5d"), path("normal.k5d")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readFile(path("normal.k5d")), bytesOf(canonical));
    }

    void repair_data()
    {
        QTest::addColumn<bool>("broken");
        QTest::newRow("order entry 0 and a favourite naming no channel") << true;
        QTest::newRow("nothing to repair, in a layout of its own") << false;
    }
    void repair()
    {
        QFETCH(bool, broken);
        Image image = imageOf(samples::demoDatabase());
        if (broken) {
            poke16(image, layout::kOrdersOffset + 2 * 3, 0);
            poke16(image, ImageOffsets(image).tvFavourites, 500);
        } else {
            std::fill(image.begin() + 0x44000, image.end(), 0);   // a save would write 0xFF there
        }
        writeFile(path("unrepaired.k5d"), image);
        const Run run = tool({"repair", path("unrepaired.k5d"), path("repaired.k5d")});
        QCOMPARE(run.exitCode, 0);
        const QByteArray written = readFile(path("repaired.k5d"));
        if (!broken) {
            QCOMPARE(QString::fromUtf8(run.out), QString("the numbering is sound; nothing to repair\n"));
            QCOMPARE(written, bytesOf(image));
            return;
        }
        // The lines and the database of the window's repair.
        ChannelDatabase db = databaseOf(image);
        QString expected;
        for (const std::string &change : repairNumbering(db))
            expected += QString::fromStdString(change) + '\n';
        QCOMPARE(QString::fromUtf8(run.out), expected);
        QCOMPARE(run.out.count('\n'), 3);
        QCOMPARE(written, bytesOf(imageOf(db)));
        const Image repaired(written.begin(), written.end());
        QVERIFY(checkImage(repaired).problems.empty());
    }

    void refusedInputLeavesTheOutputAlone()
    {
        writeFile(path("short.k5d"), Image(1000, 0));
        writeFile(path("existing.k5d"), Image{1, 2, 3});
        const Run run = tool({"normalize", path("short.k5d"), path("existing.k5d")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("Загрузка файла: Ошибка, файл имеет не тот размер!"));
        QCOMPARE(readFile(path("existing.k5d")), QByteArray("\x01\x02\x03", 3));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("existing").size(), 1);
    }

    void deleteAndPurge_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QList<int>>("remaining");
        const auto row = [](const char *name, QStringList options, QString line, QList<int> remaining) {
            QTest::newRow(name) << options << line << remaining;
        };
        // Every number refers to IN: deleting TV 2 first does not make 5 name 106.
        row("delete, numbers as in IN", {"delete", "--tv", "5,2"}, summary(2, 0, 0, 2),
            {101, 103, 104, 106, 201, 202, 203, 204});
        row("delete, ranges", {"delete", "--tv", "1-3,6"}, summary(4, 0, 0, 1), {104, 105, 201, 202, 203, 204});
        row("delete, overlapping ranges", {"delete", "--tv", "1-3,2-4"}, summary(4, 0, 0, 1),
            {105, 106, 201, 202, 203, 204});
        row("delete, option given twice", {"delete", "--tv", "1", "--tv", "6"}, summary(2, 0, 0),
            {102, 103, 104, 105, 201, 202, 203, 204});
        row("delete, radio numbers", {"delete", "--radio", "1,4"}, summary(0, 2, 0, 1),
            {101, 102, 103, 104, 105, 106, 202, 203});
        row("delete, mixed kinds", {"delete", "--tv", "2", "--radio", "2", "--transponder", "3"}, summary(3, 2, 1, 1),
            {101, 104, 105, 201, 204});
        row("delete, channels going with their transponder count once",
            {"delete", "--tv", "1,4", "--transponder", "1"}, summary(2, 2, 1, 1), {102, 103, 105, 106, 202, 203});
        row("delete, transponder without channels", {"delete", "--transponder", "4"}, summary(0, 0, 1),
            {101, 102, 103, 104, 105, 106, 201, 202, 203, 204});
        row("purge TV", {"purge", "--tv"}, summary(4, 0, 0), {103, 105, 201, 202, 203, 204});
        row("purge radio", {"purge", "--radio"}, summary(0, 3, 0), {101, 102, 103, 104, 105, 106, 204});
        row("purge all", {"purge", "--all"}, summary(4, 3, 0), {103, 105, 204});
        row("purge TV of satellite 2", {"purge", "--tv", "--satellite", "2"}, summary(1, 0, 0),
            {101, 103, 104, 105, 106, 201, 202, 203, 204});
        row("purge all of satellite 1", {"purge", "--all", "--satellite", "1"}, summary(3, 2, 0),
            {102, 103, 105, 202, 204});
        row("purge all of satellite 2", {"purge", "--all", "--satellite", "2"}, summary(1, 1, 0),
            {101, 103, 104, 105, 106, 201, 203, 204});
    }
    void deleteAndPurge()
    {
        QFETCH(QStringList, options);
        QFETCH(QList<int>, remaining);
        writeFile(path("edit.k5d"), imageOf(editable()));
        QFile::remove(path("edited.k5d"));
        options.insert(1, path("edit.k5d"));
        options.insert(2, path("edited.k5d"));
        const Run run = tool(options);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QTEST(QString::fromUtf8(run.out), "summary");
        QCOMPARE(serviceIds(path("edited.k5d")), remaining);
        // Every reference was renumbered with the records.
        const QByteArray out = readFile(path("edited.k5d"));
        const CheckResult check = checkImage(std::span(reinterpret_cast<const std::uint8_t *>(out.constData()),
                                                       std::size_t(out.size())));
        QVERIFY2(check.problems.empty(), check.problems.empty() ? "" : check.problems.front().c_str());
    }

    void selectionCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");   // a part of it; empty: nothing on stderr
        QTest::addColumn<ModelChange>("change");
        const auto row = [](const char *title, QStringList arguments, int exitCode, const char *out, const char *err,
                            ModelChange change = {}) {
            QTest::newRow(title) << arguments << exitCode << QString::fromUtf8(out) << QString::fromUtf8(err) << change;
        };
        const auto found = [&row](const char *title, QStringList conditions, const char *out) {
            row(title, QStringList{"find", "IN"} + conditions, *out ? 0 : 1, out, "");
        };
        found("find by a part of the name, case ignored", {"--name", "россия"}, "2-3\n");
        found("find by name and the free mark", {"--name", "SKY", "--free"}, "4-5\n");
        found("find in a group", {"--in-group", "1"}, "3,5\n");
        found("find radio in no group", {"--radio", "--in-no-group"}, "1-3\n");
        found("find locked", {"--locked"}, "2\n");
        found("find free in no group", {"--free", "--in-no-group"}, "4,6\n");
        found("find on a satellite", {"--satellite", "2"}, "2,5\n");
        found("find on a transponder, scrambled", {"--transponder", "3", "--scrambled"}, "3\n");
        found("find the copy, by the order", {"--duplicates"}, "3\n");
        found("find without a condition", {}, "1-6\n");
        found("find nothing", {"--name", "zzz"}, "");
        row("find on a satellite IN lacks", {"find", "IN", "--satellite", "3"}, 2, "", "satellite 3 does not exist");
        row("find a group past 12", {"find", "IN", "--in-group", "13"}, 2, "", "favourite group 13 does not exist");
        row("find a name the receiver cannot show", {"find", "IN", "--name", "Ёлка"}, 2, "",
            "cannot show the character \"Ё\"");
        // 1 says that no channel was found, so every failure gives 2.
        row("find both flags", {"find", "IN", "--scrambled", "--free"}, 2, "", "usage: k510-tool find");

        const auto locking = [](ChannelKind kind, std::vector<int> numbers, bool on) {
            return [=](ChannelDatabase &db) { return bool(setLocked(db, kind, numbers, on)); };
        };
        row("lock both kinds", {"lock", "IN", "OUT", "--tv", "1,4", "--radio", "2"}, 0,
            "tv channels: 2 locked (2 changed)\nradio channels: 1 locked (1 changed)\n", "",
            [=](ChannelDatabase &db) {
                return locking(ChannelKind::Tv, {1, 4}, true)(db) && locking(ChannelKind::Radio, {2}, true)(db);
            });
        row("unlock", {"unlock", "IN", "OUT", "--tv", "1-3"}, 0, "tv channels: 3 unlocked (1 changed)\n", "",
            locking(ChannelKind::Tv, {1, 2, 3}, false));
        row("mark free", {"mark", "IN", "OUT", "--tv", "3-4", "--free"}, 0, "tv channels: 2 marked free (1 changed)\n",
            "", [](ChannelDatabase &db) { return bool(setScrambled(db, ChannelKind::Tv, {3, 4}, false)); });
        row("mark radio scrambled", {"mark", "IN", "OUT", "--radio", "1", "--scrambled"}, 0,
            "radio channels: 1 marked scrambled (1 changed)\n", "",
            [](ChannelDatabase &db) { return bool(setScrambled(db, ChannelKind::Radio, {1}, true)); });
        row("add to a group", {"favourites", "IN", "OUT", "--tv-group", "1", "--add", "6,3,1"}, 0,
            "added to tv group 1 \"TV\": 2 (1 already in it)\n", "",
            [](ChannelDatabase &db) { return bool(addToFavouriteGroup(db, ChannelKind::Tv, 0, {6, 3, 1})); });
        row("remove from a radio group", {"favourites", "IN", "OUT", "--radio-group", "1", "--remove", "4"}, 0,
            "removed from radio group 1 \"Radio\": 1 entries (0 not in it)\n", "",
            [](ChannelDatabase &db) { return bool(removeFromFavouriteGroup(db, ChannelKind::Radio, 0, {4})); });
        row("rename, Cyrillic replaced ignoring case",
            {"rename", "IN", "OUT", "--tv", "2-3", "--replace", "россия=Russia", "--ignore-case"}, 0,
            "tv 2: \"Россия 1\" -> \"Russia 1\"\ntv 3: \"РОССИЯ 24\" -> \"Russia 24\"\nrenamed: 2 channels\n", "",
            [](ChannelDatabase &db) {
                const RenameRule rule{.replaceFrom = utf8ToWindows1251("россия"), .replaceTo = "Russia", .ignoreCase = true};
                return bool(applyRename(db, ChannelKind::Tv, {2, 3}, rule));
            });
        row("rename, suffix off and capitals",
            {"rename", "IN", "OUT", "--tv", "4-5", "--remove-suffix", " hd", "--ignore-case", "--upper"}, 0,
            "tv 4: \"Sky HD\" -> \"SKY\"\ntv 5: \"sky news\" -> \"SKY NEWS\"\nrenamed: 2 channels\n", "",
            [](ChannelDatabase &db) {
                const RenameRule rule{.ignoreCase = true, .removeSuffix = " hd", .letterCase = LetterCase::Upper};
                return bool(applyRename(db, ChannelKind::Tv, {4, 5}, rule));
            });

        row("a group that would overflow", {"favourites", "IN", "OUT", "--tv-group", "2", "--add", "3,4"}, 1, "",
            "tv group 2 \"Full\" has room for 1 more channels, 2 would join it; none was added; OUT was not written");
        row("a group past 12", {"favourites", "IN", "OUT", "--tv-group", "13", "--add", "1"}, 1, "",
            "there is no favourite group 13");
        row("a name too long", {"rename", "IN", "OUT", "--tv", "1,2", "--suffix", " очень длинное"}, 1, "",
            "tv channel 1: \"Первый очень длинное\" is longer than 16 bytes");
        row("a prefix the receiver cannot show", {"rename", "IN", "OUT", "--tv", "1", "--prefix", "«"}, 1, "",
            "--prefix: the receiver cannot show the character \"«\"");
        row("rename without a rule", {"rename", "IN", "OUT", "--tv", "1", "--ignore-case"}, 1, "", "rename needs a rule");
        row("a TV channel IN lacks", {"lock", "IN", "OUT", "--tv", "1,7"}, 1, "", "tv channel 7 does not exist in IN");
        row("radio channels IN lacks, the TV list fine", {"unlock", "IN", "OUT", "--tv", "2", "--radio", "2,5-6"}, 1, "",
            "radio channels 5-6 do not exist in IN");
        row("a number past any channel", {"lock", "IN", "OUT", "--tv", "1-70000"}, 1, "", "past any channel number");
        row("lock without a list", {"lock", "IN", "OUT"}, 1, "", "lock needs at least one of --tv and --radio");
        row("mark without a flag", {"mark", "IN", "OUT", "--tv", "1"}, 1, "", "mark needs one of --scrambled and --free");
        row("favourites of both kinds", {"favourites", "IN", "OUT", "--tv-group", "1", "--radio-group", "1", "--add", "1"},
            1, "", "usage: k510-tool favourites");
    }
    // The same model operation as the window's command writes OUT; a refusal
    // writes none and leaves IN alone.
    void selectionCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        QFETCH(ModelChange, change);
        const QByteArray in = imageBytes(selectable());
        writeFile(path("select.k5d"), imageOf(selectable()));
        QFile::remove(path("selected.k5d"));
        arguments.replaceInStrings(QRegularExpression("^IN$"), path("select.k5d"));
        arguments.replaceInStrings(QRegularExpression("^OUT$"), path("selected.k5d"));
        const Run run = tool(arguments);
        QTEST(run.exitCode, "exitCode");
        QTEST(QString::fromUtf8(run.out), "out");
        if (err.isEmpty())
            QCOMPARE(run.err, QString());
        else
            QVERIFY2(run.err.startsWith("k510-tool: ") && run.err.contains(err), qPrintable(run.err));
        if (change) {
            ChannelDatabase expected = selectable();
            QVERIFY(change(expected));
            QCOMPARE(readFile(path("selected.k5d")), imageBytes(expected));
        } else {
            QVERIFY(!QFile::exists(path("selected.k5d")));
        }
        QCOMPARE(readFile(path("select.k5d")), in);
    }

    void editRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, QStringList arguments, const char *message) {
            QTest::newRow(name) << arguments << QString::fromUtf8(message);
        };
        row("zero", {"delete", "IN", "OUT", "--tv", "0"}, "numbers start at 1");
        row("reversed range", {"delete", "IN", "OUT", "--tv", "5-3"}, "reversed range");
        row("empty item", {"delete", "IN", "OUT", "--tv", "1,,2"}, "empty item");
        row("trailing comma", {"delete", "IN", "OUT", "--radio", "1,"}, "empty item");
        row("empty list", {"delete", "IN", "OUT", "--transponder", ""}, "empty item");
        row("not digits", {"delete", "IN", "OUT", "--tv", "1,two"}, "neither a number nor a range");
        row("too many digits", {"delete", "IN", "OUT", "--tv", "1-12345678901"}, "too large");
        row("blank in the list", {"delete", "IN", "OUT", "--tv", "1, 2"}, "neither a number nor a range");
        row("TV channel that does not exist", {"delete", "IN", "OUT", "--tv", "2,7"}, "tv channel 7 does not exist");
        row("range past the last", {"delete", "IN", "OUT", "--tv", "5-9"}, "tv channel 7 does not exist");
        row("radio list number", {"delete", "IN", "OUT", "--radio", "7"}, "radio channel 7 does not exist");
        row("transponder that does not exist", {"delete", "IN", "OUT", "--transponder", "5"},
            "transponder 5 does not exist");
        row("delete without a kind", {"delete", "IN", "OUT"}, "at least one of");
        row("delete without OUT", {"delete", "IN", "--tv", "1"}, "usage: k510-tool delete");
        row("unknown option", {"delete", "IN", "OUT", "--tv", "1", "--all"}, "Unknown option");
        row("purge without a kind", {"purge", "IN", "OUT"}, "exactly one of");
        row("purge with two kinds", {"purge", "IN", "OUT", "--tv", "--all"}, "exactly one of");
        row("satellite that does not exist", {"purge", "IN", "OUT", "--tv", "--satellite", "3"},
            "satellite 3 does not exist");
        row("satellite zero", {"purge", "IN", "OUT", "--tv", "--satellite", "0"}, "numbers start at 1");
        row("satellite range", {"purge", "IN", "OUT", "--tv", "--satellite", "1-2"}, "one number");
        row("unreadable IN", {"delete", "/nonexistent/in.k5d", "OUT", "--tv", "1"}, "cannot open");
        row("IN of the wrong size", {"purge", "SHORT", "OUT", "--all"}, "не тот размер");
        const QStringList satelliteA = {"--position", "130", "--satellite", "A"};
        row("missing list", QStringList{"transponders-from", "/nonexistent/list.xml", "IN", "OUT"} + satelliteA,
            "cannot open");
        row("list that is no XML", QStringList{"transponders-from", "SHORT", "IN", "OUT"} + satelliteA,
            "is no satellites.xml list (line 1, column 1: it is not well-formed XML); nothing was written");
        row("list cut off", QStringList{"transponders-from", "CUTXML", "IN", "OUT"} + satelliteA,
            "is no satellites.xml list (line 5, column 10: the file ends before the list does)");
        row("position the list lacks", {"transponders-from", "XML", "IN", "OUT", "--position", "192", "--satellite", "A"},
            "has no satellite at position 192 (19.2E)");
        row("position not a number", {"transponders-from", "XML", "IN", "OUT", "--position", "13E", "--satellite", "A"},
            "--position takes tenths");
        row("satellite IN lacks", {"transponders-from", "XML", "IN", "OUT", "--position", "130", "--satellite", "C"},
            "has no satellite named 'C'");
        row("without a satellite", {"transponders-from", "XML", "IN", "OUT", "--position", "130"},
            "usage: k510-tool transponders-from");
        row("IN of the wrong size for a list", QStringList{"transponders-from", "XML", "SHORT", "OUT"} + satelliteA,
            "не тот размер");
    }
    void editRefusals()
    {
        QFETCH(QStringList, arguments);
        writeFile(path("edit.k5d"), imageOf(editable()));
        writeFile(path("short.k5d"), Image(1000, 0));
        QFile::remove(path("refused.k5d"));
        arguments.replaceInStrings(QRegularExpression("^IN$"), path("edit.k5d"));
        arguments.replaceInStrings(QRegularExpression("^SHORT$"), path("short.k5d"));
        arguments.replaceInStrings(QRegularExpression("^OUT$"), path("refused.k5d"));
        const QByteArray xml = satellitesXml();
        writeFile(path("list.xml"), Image(xml.begin(), xml.end()));
        writeFile(path("cut.xml"), Image(xml.begin(), xml.begin() + 200));
        arguments.replaceInStrings(QRegularExpression("^XML$"), path("list.xml"));
        arguments.replaceInStrings(QRegularExpression("^CUTXML$"), path("cut.xml"));
        const Run run = tool(arguments);
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("k510-tool: "), qPrintable(run.err));
        QFETCH(QString, message);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(path("refused.k5d")));
        QCOMPARE(readFile(path("edit.k5d")), bytesOf(imageOf(editable())));
    }

    void transpondersFrom_data()
    {
        QTest::addColumn<bool>("update");
        QTest::addColumn<int>("changed");
        QTest::newRow("new ones only") << false << 0;
        QTest::newRow("--update") << true << 1;
    }
    // The summary names every row and the entry without frequency; the new
    // transponders end satellite A's list, and --update moves 10900 to 10901.
    void transpondersFrom()
    {
        QFETCH(bool, update);
        QFETCH(int, changed);
        const QByteArray xml = satellitesXml();
        writeFile(path("list.xml"), Image(xml.begin(), xml.end()));
        writeFile(path("edit.k5d"), imageOf(editable()));
        QStringList arguments = {"transponders-from", path("list.xml"), path("edit.k5d"), path("listed.k5d"),
                                 "--position", "130", "--satellite", "a"};
        if (update)
            arguments << "--update";
        const Run run = tool(arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out), QStringLiteral("A (13.0E)\n"
                                                            "новых транспондеров: 2, отмечено: 2\n"
                                                            "уже есть: 1\n"
                                                            "изменятся частота или символьная скорость: 1, отмечено: %1\n"
                                                            "DVB-S2 (приёмник не принимает): 1\n"
                                                            "непригодных записей: 1\n"
                                                            "строка 9: транспондер без частоты\n"
                                                            "transponders added: 2, changed: %1\n").arg(changed));
        const QByteArray bytes = readFile(path("listed.k5d"));
        const ChannelDatabase listed = databaseOf(Image(bytes.begin(), bytes.end()));
        QCOMPARE(listed.transponders.size(), std::size_t(6));
        QCOMPARE(listed.satellites[0].transponderIndices, (std::vector<int>{0, 2, 4, 5}));
        QCOMPARE(bcdText(listed.transponders[2].frequency), update ? "10901" : "10900");
        QCOMPARE(bcdText(listed.transponders[5].frequency), "11000");
        QCOMPARE(int(listed.transponders[5].polarisation), 0);
        QCOMPARE(int(listed.transponders[5].fec), 0);
        QCOMPARE(listed.channels, editable().channels);
        QCOMPARE(tool({"check", path("listed.k5d")}).exitCode, 0);
    }

    // The real list and the damaged ones users met, onto a database whose
    // Hot Bird stands at 13.0E (or at 19.2E, or is its 300th satellite).
    void transpondersFromRealLists_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("hotBirdAt");     // "130", "192", or "300th"
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");           // a part of it; empty: nothing on stderr
        QTest::addColumn<QString>("firstLine");     // of stdout

        const QByteArray real = realList::bytes();
        if (real.isEmpty())
            QSKIP("the shared satellites.xml is not beside this clone");
        const QString secondDocument = QString("line %1, column ").arg(real.count('\n') + 1);
        const QString badLine = QString(": line %1: bytes that are not UTF-8").arg(realList::satelliteLine(real, 130));
        QTest::newRow("the real list") << real << "130" << QStringList() << 0 << QString() << "Hotbird (13.0E)";
        QTest::newRow("two documents") << realList::twoDocuments(real) << "130" << QStringList() << 2 << secondDocument
                                       << QString();
        QTest::newRow("a byte that is no UTF-8") << realList::withBadByte(real, 130) << "130" << QStringList() << 0
                                                 << badLine << "\uFFFDotbird (13.0E)";
        QTest::newRow("a list without 13.0E") << realList::withoutPosition(real, 130) << "130" << QStringList() << 1
                                              << "has no satellite at position 130 (13.0E)" << QString();
        QTest::newRow("onto a satellite at 19.2E") << real << "192" << QStringList() << 1
                                                   << "stands at 19.2E, not at 13.0E; --other-position takes" << QString();
        QTest::newRow("onto a satellite at 19.2E all the same")
            << real << "192" << QStringList{"--other-position"} << 0 << QString() << "Hotbird (13.0E)";
        QTest::newRow("onto the 300th satellite")
            << real << "300th" << QStringList() << 1
            << "is satellite 300 of " + path("hotbird.k5d") + ": satellites past the 255th cannot hold transponders"
            << QString();
    }
    void transpondersFromRealLists()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, hotBirdAt);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(QString, firstLine);

        ChannelDatabase db = satellitesUpTo(hotBirdAt == "300th" ? 299 : 1);
        samples::DatabaseBuilder hotBird;
        hotBird.addSatellite({"Hot Bird", 9750, 10600, SwitchType::None, 0, 0, hotBirdAt == "192" ? 192 : 130});
        db.satellites.push_back(hotBird.build().satellites.front());
        writeFile(path("real.xml"), Image(xml.begin(), xml.end()));
        writeFile(path("hotbird.k5d"), imageOf(db));
        QFile::remove(path("hotbird-out.k5d"));
        const Run run = tool(QStringList{"transponders-from", path("real.xml"), path("hotbird.k5d"), path("hotbird-out.k5d"),
                                         "--position", "130", "--satellite", "Hot Bird"}
                             + options);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QCOMPARE(QString::fromUtf8(run.out).section('\n', 0, 0), firstLine);
        QCOMPARE(QFile::exists(path("hotbird-out.k5d")), exitCode == 0);
        if (exitCode != 0)
            return;
        // What the summary counts is what was done.
        const QByteArray bytes = readFile(path("hotbird-out.k5d"));
        const ChannelDatabase listed = databaseOf(Image(bytes.begin(), bytes.end()));
        const int added = int(listed.transponders.size() - db.transponders.size());
        QVERIFY(added > 0);
        const QString newLine = QString::fromUtf8(run.out).section('\n', 1, 1);
        QVERIFY2(newLine.startsWith("новых транспондеров: ") && newLine.endsWith(QString(", отмечено: %1").arg(added)),
                 qPrintable(newLine));
        QVERIFY(run.out.endsWith(QString("transponders added: %1, changed: 0\n").arg(added).toUtf8()));
    }

    // An OUT that is one of the inputs, by its own name or through a symbolic
    // or a hard link, is refused before anything is read: written whole, it
    // would replace the input (a database by a CSV list, a list by an image).
    void outputThatIsAnInputIsRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");   // OUT stands for the input named by `input`
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("link");            // "", "symbolic" or "hard"
        const auto rows = [](const char *name, const QStringList &arguments, const char *input) {
            for (const char *link : {"", "symbolic", "hard"})
                QTest::addRow("%s, OUT = %s%s%s link", name, input, *link ? " through a " : " by name, no",
                              link) << arguments << QString::fromLatin1(input) << QString::fromLatin1(link);
        };
        rows("normalize", {"normalize", "IN", "OUT"}, "IN");
        rows("repair", {"repair", "IN", "OUT"}, "IN");
        rows("delete", {"delete", "IN", "OUT", "--tv", "2"}, "IN");
        rows("purge", {"purge", "IN", "OUT", "--all"}, "IN");
        rows("apply-order", {"apply-order", "REF", "IN", "OUT"}, "REF");
        rows("apply-order", {"apply-order", "REF", "IN", "OUT"}, "IN");
        rows("transponders-from", {"transponders-from", "XML", "IN", "OUT", "--position", "130", "--satellite", "A"},
             "XML");
        rows("transponders-from", {"transponders-from", "XML", "IN", "OUT", "--position", "130", "--satellite", "A"},
             "IN");
        rows("import", {"import", "SRC", "IN", "OUT"}, "SRC");
        rows("import", {"import", "SRC", "IN", "OUT"}, "IN");
        rows("csv", {"csv", "IN", "--output", "OUT"}, "IN");
        rows("csv of the transponders", {"csv", "IN", "--transponders", "--output", "OUT"}, "IN");
    }
    void outputThatIsAnInputIsRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, input);
        QFETCH(QString, link);
        const QMap<QString, QByteArray> contents{{"IN", bytesOf(imageOf(editable()))},
                                                 {"SRC", bytesOf(imageOf(importSource()))},
                                                 {"REF", bytesOf(imageOf(reordered()))},
                                                 {"XML", satellitesXml()}};
        QTemporaryDir dir;
        for (auto it = contents.begin(); it != contents.end(); ++it) {
            QFile file(dir.filePath(it.key()));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(*it) == it->size());
        }
        namespace fs = std::filesystem;
        const QString out = link.isEmpty() ? dir.filePath(input) : dir.filePath(QStringLiteral("out"));
        std::error_code error;
        if (link == QLatin1String("symbolic"))
            fs::create_symlink(QFileInfo(dir.filePath(input)).filesystemFilePath(), QFileInfo(out).filesystemFilePath(),
                               error);
        else if (link == QLatin1String("hard"))
            fs::create_hard_link(QFileInfo(dir.filePath(input)).filesystemFilePath(), QFileInfo(out).filesystemFilePath(),
                                 error);
        if (error)
            QSKIP(qPrintable(QStringLiteral("no %1 link here: %2").arg(link, QString::fromStdString(error.message()))));
        for (auto it = contents.begin(); it != contents.end(); ++it)
            arguments.replaceInStrings(QRegularExpression('^' + it.key() + '$'), dir.filePath(it.key()));
        arguments.replaceInStrings(QRegularExpression("^OUT$"), out);

        const Run run = tool(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("k510-tool: OUT ") && run.err.contains("name another OUT; nothing was written"),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        for (auto it = contents.begin(); it != contents.end(); ++it)
            QCOMPARE(readFile(dir.filePath(it.key())), *it);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), contents.size() + (link.isEmpty() ? 0 : 1));
    }

    void csv_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("radio");
        QTest::addColumn<QString>("writtenTo");   // "" for stdout
        QTest::addColumn<char>("separator");
        QTest::newRow("TV to stdout") << QStringList{"csv", "IN"} << false << "" << ',';
        QTest::newRow("radio to stdout") << QStringList{"csv", "IN", "--radio"} << true << "" << ',';
        QTest::newRow("TV to OUT") << QStringList{"csv", "IN", "--output", "OUT"} << false << "OUT" << ',';
        QTest::newRow("radio to OUT, options first") << QStringList{"csv", "--radio", "--output", "OUT", "IN"} << true
                                                     << "OUT" << ',';
        QTest::newRow("separator ,") << QStringList{"csv", "IN", "--separator", ","} << false << "" << ',';
        QTest::newRow("separator ;") << QStringList{"csv", "--separator", ";", "IN", "--radio"} << true << "" << ';';
        QTest::newRow("separator tab, to OUT") << QStringList{"csv", "IN", "--separator", "tab", "--output", "OUT"}
                                               << false << "OUT" << '\t';
    }
    void csv()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, radio);
        QFETCH(QString, writtenTo);
        QFETCH(char, separator);
        const QMap<QString, QString> files{{"IN", path("list.k5d")}, {"OUT", path("list.csv")}};
        writeFile(files["IN"], imageOf(samples::demoDatabase()));
        writeFile(files["OUT"], Image{1, 2, 3});   // to be replaced whole, not appended to
        const QByteArray expected = csvOf(files["IN"], radio, separator);
        QVERIFY(expected.contains(QByteArray("\r\n1") + separator));
        QVERIFY(expected.contains("Росси"));   // in both lists: UTF-8 must pass unchanged
        for (auto it = files.begin(); it != files.end(); ++it)
            arguments.replaceInStrings(QRegularExpression('^' + it.key() + '$'), it.value());
        const Run run = tool(arguments);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        if (writtenTo.isEmpty()) {
            QCOMPARE(run.out, expected);
            return;
        }
        QVERIFY(run.out.isEmpty());
        QCOMPARE(readFile(files[writtenTo]), expected);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QFileInfo(files[writtenTo]).fileName()).size(), 1);
    }

    void csvRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, QStringList arguments, const char *message) {
            QTest::newRow(name) << arguments << QString::fromUtf8(message);
        };
        row("unreadable FILE", {"csv", "/nonexistent/in.k5d", "--output", "OUT"}, "cannot open");
        row("FILE of the wrong size", {"csv", "SHORT", "--output", "OUT"}, "не тот размер");
        row("no FILE", {"csv"}, "usage: k510-tool csv FILE");
        row("two files", {"csv", "IN", "OUT"}, "usage: k510-tool csv FILE");
        row("unknown option", {"csv", "IN", "--tv"}, "Unknown option");
        row("--output without OUT", {"csv", "IN", "--output"}, "Missing value");
        row("unknown separator", {"csv", "IN", "--separator", "|", "--output", "OUT"}, "--separator takes");
        row("--separator without a value", {"csv", "IN", "--separator"}, "Missing value");
        row("unwritable OUT", {"csv", "IN", "--output", "/nonexistent/dir/out.csv"}, "cannot write");
    }
    void csvRefusals()
    {
        QFETCH(QStringList, arguments);
        writeFile(path("short.k5d"), Image(1000, 0));
        QFile::remove(path("refused.csv"));
        arguments.replaceInStrings(QRegularExpression("^IN$"), path("demo.k5d"));
        arguments.replaceInStrings(QRegularExpression("^SHORT$"), path("short.k5d"));
        arguments.replaceInStrings(QRegularExpression("^OUT$"), path("refused.csv"));
        const Run run = tool(arguments);
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.startsWith("k510-tool: "), qPrintable(run.err));
        QFETCH(QString, message);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(path("refused.csv")));
    }

    void referenceCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // the whole standard output; after "*": a part of it
        QTest::addColumn<QString>("err");   // a part of standard error; "" for none at all
        QTest::addColumn<int>("ordering");  // OUT as the model orders IN: 1 after REF, 2 groups kept, 3 after CSV,
                                            // 4 after RADIOCSV; 0: no OUT
        const Ordered image = ordered(editable(), referenceOf(reordered()), true);
        const Ordered kept = ordered(editable(), referenceOf(reordered()), false);
        const Ordered csv = ordered(editable(), csvReference(reordered(), false), true);
        const Ordered radioCsv = ordered(editable(), csvReference(reordered(), true), true);
        const auto row = [](const char *name, QStringList arguments, int exitCode, QString out, const char *err,
                            int ordering = 0) {
            QTest::newRow(name) << arguments << exitCode << out << QString::fromUtf8(err) << ordering;
        };
        row("apply-order after an image", {"apply-order", "REF", "IN", "OUT"}, 0, image.summary, "", 1);
        row("apply-order, groups kept", {"apply-order", "--keep-favourites", "REF", "IN", "OUT"}, 0, kept.summary, "", 2);
        row("apply-order after a CSV list", {"apply-order", "CSV", "IN", "OUT"}, 0, csv.summary, "", 3);
        row("apply-order after a radio CSV list", {"apply-order", "RADIOCSV", "IN", "OUT", "--radio-csv"}, 0,
            radioCsv.summary, "", 4);
        // A list says its kind: one of the other kind is refused.
        row("apply-order, a radio list taken for TV", {"apply-order", "RADIOCSV", "IN", "OUT"}, 2, "",
            "is a radio channel list: it orders IN's radio channels, with --radio-csv");
        row("apply-order, a TV list taken for radio", {"apply-order", "CSV", "IN", "OUT", "--radio-csv"}, 2, "",
            "is a TV channel list: it orders IN's TV channels, without --radio-csv");
        // An older list does not say; not one channel found: the summary
        // says so, and OUT is not written.
        row("apply-order, an old radio list taken for TV", {"apply-order", "OLDRADIOCSV", "IN", "OUT"}, 1,
            "*Ни один канал образца не найден в этой базе", "not one channel of REF is in IN");
        row("apply-order, an old radio list taken for TV, listed",
            {"apply-order", "OLDRADIOCSV", "IN", "OUT", "--list"}, 1, "*\nновый ТВ: tv — A — 10700 H\n",
            "not one channel of REF is in IN");
        row("apply-order, REF's channels without partner listed",
            {"apply-order", "OLDRADIOCSV", "IN", "OUT", "--list"}, 1,
            "*\nбез пары в образце, ТВ: radio — B — 10800 V\n", "not one channel of REF is in IN");
        row("apply-order, REF missing", {"apply-order", "MISSING", "IN", "OUT"}, 2, "", "cannot open");
        row("apply-order, REF neither image nor list", {"apply-order", "TEXT", "IN", "OUT"}, 2, "",
            "Файл не является списком каналов");
        row("apply-order, IN missing", {"apply-order", "REF", "MISSING", "OUT"}, 2, "", "cannot open");
        row("apply-order, IN no image", {"apply-order", "REF", "SHORT", "OUT"}, 2, "", "не тот размер");
        row("apply-order, OUT unwritable", {"apply-order", "REF", "IN", "/nonexistent/dir/out.k5d"}, 1, "",
            "cannot write");
        row("apply-order without OUT", {"apply-order", "REF", "IN"}, 1, "", "usage: k510-tool apply-order");
        // IN's twins share transponder and name, each with a service ID of its own.
        row("duplicates: no copies", {"duplicates", "IN"}, 0, "", "");
        row("duplicates, similar names", {"duplicates", "IN", "--names"}, 0, "--tv 2-4\n--radio 4\n", "");
        row("duplicates, similar names, radio only", {"duplicates", "IN", "--radio", "--names"}, 0, "--radio 4\n", "");
        row("duplicates, none", {"duplicates", "DEMO"}, 0, "", "");
        row("duplicates, file missing", {"duplicates", "MISSING"}, 2, "", "cannot open");
        row("duplicates, no image", {"duplicates", "SHORT"}, 2, "", "не тот размер");
        row("diff, equal", {"diff", "IN", "IN"}, 0, "", "");
        row("diff, different", {"diff", "IN", "REF"}, 1, "*\ntv group 1: name \"TV\" -> \"Ref\"\n", "");
        row("diff names places and numbers", {"diff", "IN", "REF"}, 1,
            "*\ntv group 1: added № 6 (канал 6) tv — A — 10900 H\n", "");
        row("diff as JSON", {"diff", "--json", "IN", "REF"}, 1, "*\"equal\": false", "");
        row("diff, file missing", {"diff", "IN", "MISSING"}, 2, "", "cannot open");
        row("diff, no image", {"diff", "SHORT", "IN"}, 2, "", "не тот размер");
        row("diff with one file", {"diff", "IN"}, 2, "", "usage: k510-tool diff");
    }
    void referenceCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, ordering);
        const QMap<QString, QString> files{{"IN", path("in.k5d")},       {"REF", path("ref.k5d")},
                                           {"CSV", path("ref.csv")},     {"RADIOCSV", path("radio.csv")},
                                           {"TEXT", path("text.txt")},   {"SHORT", path("short.k5d")},
                                           {"OUT", path("ordered.k5d")}, {"MISSING", path("missing.k5d")},
                                           {"DEMO", path("demo.k5d")},   {"OLDRADIOCSV", path("old-radio.csv")}};
        writeFile(files["IN"], imageOf(editable()));
        writeFile(files["REF"], imageOf(reordered()));
        const std::string tvList = channelListCsv(reordered(), ChannelKind::Tv), radioList = channelListCsv(reordered(), ChannelKind::Radio);
        writeFile(files["CSV"], Image(tvList.begin(), tvList.end()));
        writeFile(files["RADIOCSV"], Image(radioList.begin(), radioList.end()));
        const QByteArray oldRadioList = QByteArray::fromStdString(radioList).replace("Радиоканал", "Название");
        writeFile(files["OLDRADIOCSV"], Image(oldRadioList.begin(), oldRadioList.end()));
        writeFile(files["TEXT"], Image{'h', 'e', 'l', 'l', 'o', '\n'});
        writeFile(files["SHORT"], Image(1000, 0));
        QFile::remove(files["OUT"]);
        for (auto it = files.begin(); it != files.end(); ++it)
            arguments.replaceInStrings(QRegularExpression('^' + it.key() + '$'), it.value());

        const Run run = tool(arguments);
        QTEST(run.exitCode, "exitCode");
        const QString output = QString::fromUtf8(run.out);
        if (out.startsWith('*'))
            QVERIFY2(output.contains(out.mid(1)), qPrintable(output));
        else
            QCOMPARE(output, out);
        if (err.isEmpty())
            QCOMPARE(run.err, QString());
        else
            QVERIFY2(run.err.startsWith("k510-tool: ") && run.err.contains(err), qPrintable(run.err));

        // The tool writes what the model makes of IN: the window's result.
        const ChannelReference reference = ordering == 3 ? csvReference(reordered(), false)
                                           : ordering == 4 ? csvReference(reordered(), true)
                                                           : referenceOf(reordered());
        QCOMPARE(readFile(files["OUT"]), ordering ? ordered(editable(), reference, ordering != 2).image : QByteArray());

        // Its list of duplicates is what delete takes, and deletes exactly them.
        if (arguments.first() == "duplicates" && !run.out.isEmpty()) {
            const QStringList found = output.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            QCOMPARE(tool(QStringList{"delete", arguments[1], files["OUT"]} + found).exitCode, 0);
            const ChannelDatabase cleaned = databaseOf([&] {
                const QByteArray bytes = readFile(files["OUT"]);
                return Image(bytes.begin(), bytes.end());
            }());
            const ChannelDatabase in = editable();
            const bool radioOnly = arguments.contains("--radio");
            const auto twinsIn = [&](const ChannelDatabase &db, bool radio) {
                const DuplicateChannels twins = duplicateChannels(db, kindOf(radio));
                return (arguments.contains("--names") ? twins.similarNames : twins.copies).size();
            };
            const std::size_t tvDuplicates = twinsIn(in, false);
            QCOMPARE(twinsIn(cleaned, false), radioOnly ? tvDuplicates : 0);
            QCOMPARE(twinsIn(cleaned, true), std::size_t(0));
            QCOMPARE(cleaned.channels.size(), in.channels.size() - (radioOnly ? 0 : tvDuplicates) - twinsIn(in, true));
        }
    }

    void import_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");   // a part of standard output
        QTest::addColumn<QString>("err");   // a part of standard error; "" for none at all
        QTest::addColumn<ImportRequestOf>("request");   // what OUT must hold: IN with the model's import; none: no OUT
        const auto row = [](const char *name, QStringList arguments, int exitCode, const char *out, const char *err,
                            ImportRequestOf request = {}) {
            QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(out) << QString::fromUtf8(err) << request;
        };
        row("everything", {"import", "SRC", "IN", "OUT"}, 0,
            "Будет добавлено: транспондеров — 2, ТВ-каналов — 3, радиоканалов — 1.\nУже есть в базе: 2.\n"
            "Не добавляются (их спутник не выбран): 1.\n",
            "", [](const ChannelDatabase &in, const ChannelDatabase &src) { return everyChannel(in, src); });
        row("one channel onto a transponder within 2 MHz", {"import", "SRC", "IN", "OUT", "--tv", "2"}, 0,
            "транспондеров — 0, ТВ-каналов — 1, радиоканалов — 0.", "",
            [](const ChannelDatabase &in, const ChannelDatabase &src) { return selection(in, src, {2}, {}); });
        row("a transponder's channels", {"import", "SRC", "IN", "OUT", "--transponder", "2"}, 0,
            "транспондеров — 1, ТВ-каналов — 1, радиоканалов — 1.", "",
            [](const ChannelDatabase &in, const ChannelDatabase &src) { return selection(in, src, {3}, {1}); });
        row("a satellite chosen", {"import", "SRC", "IN", "OUT", "--satellite", "C=B", "--tv", "4"}, 0,
            "транспондеров — 1, ТВ-каналов — 1,", "", [](const ChannelDatabase &in, const ChannelDatabase &src) {
                ImportRequest request = selection(in, src, {4}, {});
                request.targetSatellites[2] = 1;
                return request;
            });
        row("a satellite left out", {"import", "SRC", "IN", "OUT", "--satellite", "A="}, 0,
            "ТВ-каналов — 1, радиоканалов — 1.\nУже есть в базе: 0.\nНе добавляются (их спутник не выбран): 5.", "",
            [](const ChannelDatabase &in, const ChannelDatabase &src) {
                ImportRequest request = everyChannel(in, src);
                request.targetSatellites[0] = kNotImported;
                return request;
            });
        row("after a position", {"import", "SRC", "IN", "OUT", "--tv", "2,3", "--after", "1"}, 0, "ТВ-каналов — 2", "",
            [](const ChannelDatabase &in, const ChannelDatabase &src) {
                ImportRequest request = selection(in, src, {2, 3}, {});
                request.insertion = ImportInsertion{ChannelKind::Tv, 1};
                return request;
            });
        row("damaged source", {"import", "DAMAGED", "IN", "OUT", "--tv", "4", "--satellite", "C=A"}, 0,
            "ТВ-каналов — 1", "damaged.k5d: ", [](const ChannelDatabase &in, const ChannelDatabase &src) {
                ImportRequest request = selection(in, src, {4}, {});
                request.targetSatellites[2] = 0;
                return request;
            });
        row("does not fit", {"import", "SRC", "FULL", "OUT", "--satellite", "B=Спутник 2"}, 1,
            "Ничего не добавлено: выбранные каналы не помещаются в базу (список ТВ-каналов — не более 6000, область "
            "записей образа).\nПоместится ТВ-каналов: 0 из 1.\nПоместится радиоканалов: 0 из 1.",
            "the channels do not fit IN: its tv list (6000 at most), the image's record area (TV: 0 of 1, radio: 0 of 1 "
            "would); OUT was not written");
        row("another symbol rate", {"import", "RATE", "IN", "OUT", "--tv", "2"}, 0,
            "транспондеров — 1, ТВ-каналов — 1, радиоканалов — 0.\nУже есть в базе: 0.\n"
            "В другой базе другие параметры у транспондеров: 1.\nA — 10700 H: 27500 3/4 → 29700 3/4\nИх параметры не меняются",
            "", [](const ChannelDatabase &in, const ChannelDatabase &src) { return selection(in, src, {2}, {}); });
        const auto taking = [](std::vector<int> tv) {
            return [tv](const ChannelDatabase &in, const ChannelDatabase &src) {
                ImportRequest request = selection(in, src, tv, {});
                request.updateTransponders = true;
                return request;
            };
        };
        row("another symbol rate, taken", {"import", "RATE", "IN", "OUT", "--tv", "2", "--update-transponders"}, 0,
            "транспондеров — 0, ТВ-каналов — 1, радиоканалов — 0.\nУже есть в базе: 0.\n"
            "В другой базе другие параметры у транспондеров: 1.\nA — 10700 H: 27500 3/4 → 29700 3/4\n"
            "Их параметры будут взяты из другой базы.",
            "", taking({2}));
        row("another FEC, taken", {"import", "FEC", "IN", "OUT", "--tv", "1-2", "--update-transponders"}, 0,
            "ТВ-каналов — 1, радиоканалов — 0.\nУже есть в базе: 1.\n"
            "В другой базе другие параметры у транспондеров: 1.\nA — 10700 H: 27500 3/4 → 27500 7/8\n",
            "", taking({1, 2}));
        row("tv places", {"import", "SRC", "IN", "OUT", "--tv-places", "4"}, 0,
            "транспондеров — 0, ТВ-каналов — 1, радиоканалов — 0.", "",
            [](const ChannelDatabase &in, const ChannelDatabase &src) { return selection(in, src, {2}, {}); });
        row("radio places", {"import", "SRC", "IN", "OUT", "--radio-places", "2"}, 0,
            "ТВ-каналов — 0, радиоканалов — 0.\nУже есть в базе: 1.", "",
            [](const ChannelDatabase &in, const ChannelDatabase &src) { return selection(in, src, {}, {2}); });
        row("tv place beyond SRC", {"import", "SRC", "IN", "OUT", "--tv-places", "6"}, 1, "",
            "tv place 6 does not exist in SRC (1..5)");
        row("one satellite mapped twice", {"import", "SRC", "IN", "OUT", "--satellite", "C=B", "--satellite", "c=A"}, 1,
            "", "--satellite c=A: --satellite C=B maps that satellite of SRC already");
        row("after beyond 32 bits", {"import", "SRC", "IN", "OUT", "--tv", "2", "--after", "4294967296"}, 1, "",
            "--after 4294967296: IN's tv list has 6 entries, so a place from 0 to 6 expected");
        row("a satellite past the 255th", {"import", "SRC", "MANY", "OUT", "--satellite", "C=S300", "--tv", "4"}, 1,
            "Спутник № 300 «S300» стоит после 255-го",
            "satellite 300 \"S300\" of IN is past the 255th: a transponder names its satellite in one byte");
        row("summary before an unwritable OUT", {"import", "SRC", "IN", "/nonexistent/dir/out.k5d", "--tv", "2"}, 1,
            "Будет добавлено: транспондеров — 0, ТВ-каналов — 1", "cannot write");
        row("number beyond SRC", {"import", "SRC", "IN", "OUT", "--tv", "6"}, 1, "", "tv channel 6 does not exist in SRC");
        row("malformed list", {"import", "SRC", "IN", "OUT", "--radio", "1-x"}, 1, "", "neither a number nor a range");
        row("after without one list", {"import", "SRC", "IN", "OUT", "--after", "1"}, 1, "", "--after needs exactly one");
        row("after beyond the list", {"import", "SRC", "IN", "OUT", "--tv", "2", "--after", "7"}, 1, "",
            "IN's tv list has 6 entries");
        row("unknown satellite", {"import", "SRC", "IN", "OUT", "--satellite", "Z=A"}, 1, "", "SRC has no satellite");
        row("SRC missing", {"import", "MISSING", "IN", "OUT"}, 2, "", "cannot open");
        row("SRC no image", {"import", "SHORT", "IN", "OUT"}, 2, "", "не тот размер");
        row("IN no image", {"import", "SRC", "SHORT", "OUT"}, 2, "", "не тот размер");
        row("without OUT", {"import", "SRC", "IN"}, 1, "", "usage: k510-tool import");
    }
    void import()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(ImportRequestOf, request);
        QMap<QString, ChannelDatabase> sources{{"SRC", importSource()}, {"DAMAGED", importSource()},
                                               {"RATE", importSource()}, {"FEC", importSource()}};
        sources["DAMAGED"].tvOrder[1] = sources["DAMAGED"].tvOrder[0];   // TV 4 stands in no order now
        sources["RATE"].transponders[0].symbolRate = samples::bcdOf(29700);
        sources["FEC"].transponders[0].fec = 5;
        samples::DatabaseBuilder many;   // satellites A, B, S3 .. S300
        many.addSatellite({"A"});
        many.addSatellite({"B"});
        std::vector<std::string> names;
        for (int k = 3; k <= 300; ++k)
            names.push_back("S" + std::to_string(k));
        for (const std::string &name : names)
            many.addSatellite({name});
        const QMap<QString, QString> files{{"IN", path("in.k5d")},           {"SRC", path("src.k5d")},
                                           {"DAMAGED", path("damaged.k5d")}, {"FULL", path("full.k5d")},
                                           {"SHORT", path("short.k5d")},     {"OUT", path("imported.k5d")},
                                           {"MISSING", path("missing.k5d")}, {"RATE", path("rate.k5d")},
                                           {"FEC", path("fec.k5d")},         {"MANY", path("many.k5d")}};
        writeFile(files["IN"], imageOf(editable()));
        for (auto source = sources.cbegin(); source != sources.cend(); ++source)
            writeFile(files[source.key()], imageOf(source.value()));
        writeFile(files["FULL"], imageOf(samples::fullCapacityDatabase()));
        writeFile(files["MANY"], imageOf(many.build()));
        writeFile(files["SHORT"], Image(1000, 0));
        QFile::remove(files["OUT"]);
        for (auto it = files.begin(); it != files.end(); ++it)
            arguments.replaceInStrings(QRegularExpression('^' + it.key() + '$'), it.value());

        const Run run = tool(arguments);
        QTEST(run.exitCode, "exitCode");
        QVERIFY2(QString::fromUtf8(run.out).contains(out), run.out.constData());
        if (err.isEmpty())
            QCOMPARE(run.err, QString());
        else
            QVERIFY2(run.err.startsWith("k510-tool: ") == !err.endsWith(": ") && run.err.contains(err), qPrintable(run.err));

        // OUT is what the window's import makes of IN, and passes the check.
        QByteArray expected;
        if (request) {
            ChannelDatabase in = editable();
            const ChannelDatabase &source = sources[files.key(arguments[1])];
            QVERIFY(applyImport(in, planImport(in, source, request(in, source))));
            expected = bytesOf(imageOf(in));
            QVERIFY(checkImage(imageOf(in)).problems.empty());
        }
        QCOMPARE(readFile(files["OUT"]), expected);
    }

    void inputsThatAreNoImageFiles_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("input");
        for (const char *command : {"info", "check", "dump"}) {
            for (const char *input : {"FIFO", "folder", "sparse 10 GB file", "/dev/zero"})
                QTest::addRow("%s %s", command, input) << QString(command) << QString(input);
        }
    }
    // Refused at once, by type or size, without waiting for a writer or
    // reading more than an image: the memory limit would stop the tool.
    void inputsThatAreNoImageFiles()
    {
#ifdef Q_OS_WIN
        QSKIP("FIFOs, /dev/zero and ulimit belong to Linux");
#else
        QFETCH(QString, command);
        QFETCH(QString, input);
        QString file = input;
        if (input == QLatin1String("FIFO")) {
            file = path(QStringLiteral("fifo.k5d"));
            QVERIFY(QFile::exists(file) || ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        } else if (input == QLatin1String("folder")) {
            file = path(QStringLiteral("folder.k5d"));
            QVERIFY(QDir().mkpath(file));
        } else if (input.startsWith(QLatin1String("sparse"))) {
            file = path(QStringLiteral("sparse.k5d"));
            QFile sparse(file);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(10) << 30));
        }
        const Run run = tool({"-c", "ulimit -v 1000000 && exec \"$0\" \"$@\"", K510_TOOL_PATH, command, file},
                             QStringLiteral("/bin/sh"));
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(file), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
#endif
    }

    void errorsGoToStderr_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("missing file") << QStringList{"info", "/nonexistent/x.k5d"};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("missing argument") << QStringList{"normalize", "in.k5d"};
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unwritable output") << QStringList{"normalize", "DEMO", "/nonexistent/dir/out.k5d"};
    }
    void errorsGoToStderr()
    {
        QFETCH(QStringList, arguments);
        arguments.replaceInStrings("DEMO", path("demo.k5d"));
        const Run run = tool(arguments);
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.startsWith("k510-tool: "));
    }

    void everyCommandLineIsCheckedAlike_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<int>("usageExit");
        const auto row = [](const char *command, int files, const char *usage, int usageExit = 1) {
            QTest::newRow(command) << QString(command) << files << QString::fromUtf8(usage) << usageExit;
        };
        row("info", 1, "info FILE");
        row("dump", 1, "dump FILE");
        row("check", 1, "check FILE");
        row("normalize", 2, "normalize IN OUT");
        row("repair", 2, "repair IN OUT");
        row("demo", 1, "demo FILE");
        row("delete", 2, "delete IN OUT [--tv LIST] [--radio LIST] [--transponder LIST]");
        row("purge", 2, "purge IN OUT (--tv | --radio | --all) [--satellite N]");
        row("csv", 1, "csv FILE [--radio | --transponders] [--separator ,|;|tab] [--output OUT]");
        row("apply-order", 3, "apply-order REF IN OUT [--keep-favourites] [--radio-csv] [--list]");
        row("find", 1,
            "find FILE [--radio] [--name TEXT] [--satellite N] [--transponder N] [--scrambled | --free] "
            "[--locked | --unlocked] [--in-group G | --in-any-group | --in-no-group] [--duplicates]",
            2);
        row("lock", 2, "lock IN OUT [--tv LIST] [--radio LIST]");
        row("unlock", 2, "unlock IN OUT [--tv LIST] [--radio LIST]");
        row("mark", 2, "mark IN OUT [--tv LIST] [--radio LIST] (--scrambled | --free)");
        row("favourites", 2, "favourites IN OUT (--tv-group G | --radio-group G) (--add LIST | --remove LIST)");
        row("rename", 2,
            "rename IN OUT [--tv LIST] [--radio LIST] [--replace FROM=TO] [--ignore-case] "
            "[--prefix X | --remove-prefix X] [--suffix X | --remove-suffix X] [--trim] [--upper | --lower]");
        row("duplicates", 1, "duplicates FILE [--tv] [--radio] [--names]");
        // 1 says that A and B differ.
        row("diff", 2, "diff A B [--json]", 2);
        row("transponders-from", 3,
            "transponders-from XML IN OUT --position TENTHS --satellite NAME [--update] [--other-position]");
        row("import", 3,
            "import SRC IN OUT [--satellite SRC_NAME=IN_NAME ...] [--tv LIST] [--radio LIST] [--tv-places LIST] "
            "[--radio-places LIST] [--transponder LIST] [--after N] [--update-transponders]");
        row("send", 1, "send FILE");
        row("receive", 1, "receive FILE");
        row("ports", 0, "ports");
    }
    // --help after any command prints the tool's help; one file too many
    // and an unknown option are refused before anything is read or written,
    // with the command's whole usage line.
    void everyCommandLineIsCheckedAlike()
    {
        QFETCH(QString, command);
        QFETCH(int, files);
        QFETCH(QString, usage);
        QFETCH(int, usageExit);
        const Run help = tool({command, "--help"});
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        QCOMPARE(help.out, tool({"--help"}).out);
        QVERIFY(help.out.contains("\n  " + usage.section(" [", 0, 0).toUtf8()));

        QStringList tooMany{command};
        for (int i = 0; i <= files; ++i)
            tooMany << path(QStringLiteral("absent-%1.k5d").arg(i));
        for (const QStringList &arguments : {tooMany, QStringList{command, "--no-such-option"}}) {
            const Run wrong = tool(arguments);
            QCOMPARE(wrong.exitCode, usageExit);
            QVERIFY(wrong.out.isEmpty());
            const QString expected = arguments == tooMany ? "k510-tool: usage: k510-tool " + usage + "\n"
                                                          : QStringLiteral("k510-tool: Unknown option 'no-such-option'.\n");
            QCOMPARE(wrong.err, expected);
        }
        QVERIFY(!QFile::exists(tooMany.last()));
    }
};

QTEST_GUILESS_MAIN(TestK510Tool)
#include "tst_k510tool.moc"
