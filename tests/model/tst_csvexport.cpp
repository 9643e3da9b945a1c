// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "model/CsvExport.h"
#include "tools/samples/DatabaseBuilder.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;

Q_DECLARE_METATYPE(k510::ChannelDatabase)

namespace {

const QByteArray kBom("\xEF\xBB\xBF");
// The name column's title says which list the file is.
QByteArray header(bool radio)
{
    return QByteArray("№,") + (radio ? "Радиоканал" : "ТВ-канал")
           + ",Спутник,Частота,Поляризация,Скорость,FEC,Service ID,PMT PID,Video PID,Audio PID,PCR PID,Закодирован,"
             "Блок.\r\n";
}

// PIDs follow the service ID, so each column shows which field it came from.
samples::ChannelParams channel(std::string_view name, int serviceId = 100)
{
    return {name, serviceId, serviceId + 1, serviceId + 2, serviceId + 3, serviceId + 4};
}

using Channels = std::vector<samples::ChannelParams>;

// One satellite "Astra" with transponder 1 (11766 H 27500 3/4); transponder 2
// (3675 V 3330, FEC code 0) names satellite 7, which does not exist. The
// channels sit on transponder tpNumber.
ChannelDatabase database(const Channels &tv, const Channels &radio = {}, int tpNumber = 1)
{
    samples::DatabaseBuilder builder;
    builder.addSatellite({"Astra"});
    builder.addTransponder(1, 11766, 'H', 27500, 3);
    builder.addTransponder(7, 3675, 'V', 3330, 0);
    for (const auto &params : tv)
        builder.addTv(tpNumber, params);
    for (const auto &params : radio)
        builder.addRadio(tpNumber, params);
    return builder.build();
}

// The whole file: BOM, header, the rows each ending in CRLF.
QByteArray csvFile(const QList<QByteArray> &rows, bool radio)
{
    QByteArray file = kBom + header(radio);
    for (const QByteArray &row : rows)
        file += row + "\r\n";
    return file;
}

QByteArray astraRow(const QByteArray &position, const QByteArray &name, const QByteArray &numbers = "100,101,102,103,104")
{
    return position + ',' + name + ",Astra,11766,H,27500,3/4," + numbers + ",нет,нет";
}

QByteArray bytes(const std::string &text) { return QByteArray::fromStdString(text); }

// The file with another separator: header and rows given as cells.
QByteArray csvFileWith(char separator, const QList<QByteArrayList> &rows)
{
    QByteArray file = kBom + header(false).trimmed().replace(',', separator) + "\r\n";
    for (const QByteArrayList &cells : rows)
        file += cells.join(separator) + "\r\n";
    return file;
}

QByteArrayList astraCells(const QByteArray &position, const QByteArray &name)
{
    return {position, name, "Astra", "11766", "H", "27500", "3/4", "100", "101", "102", "103", "104", "нет", "нет"};
}

} // namespace

class TestCsvExport : public QObject {
    Q_OBJECT

private slots:
    // The transponder page's list: all transponders in the database's order,
    // or one satellite's in the order it lists them; a transponder of no
    // satellite keeps its other cells.
    void transponderList_data()
    {
        QTest::addColumn<int>("satellite");   // -1: all
        QTest::addColumn<char>("separator");
        QTest::addColumn<QByteArrayList>("rows");
        const QByteArray astra1 = "Astra,H,11766,27500,3/4", astra2 = "Astra,H,12603,22000,5/6";
        const QByteArray hotBird = "\"Hot Bird, 13E\",V,10992,27500,2/3", orphan = ",V,3675,3330,AUTO";
        QTest::newRow("all") << -1 << ',' << QByteArrayList{astra1, hotBird, astra2, orphan};
        QTest::newRow("all, parted by ;") << -1 << ';'
                                          << QByteArrayList{"Astra;H;11766;27500;3/4", "Hot Bird, 13E;V;10992;27500;2/3",
                                                            "Astra;H;12603;22000;5/6", ";V;3675;3330;AUTO"};
        QTest::newRow("Astra") << 0 << ',' << QByteArrayList{astra1, astra2};
        QTest::newRow("Hot Bird") << 1 << ',' << QByteArrayList{hotBird};
        QTest::newRow("no such satellite") << 2 << ',' << QByteArrayList{};
    }
    void transponderList()
    {
        QFETCH(int, satellite);
        QFETCH(char, separator);
        QFETCH(QByteArrayList, rows);
        samples::DatabaseBuilder builder;
        builder.addSatellite({"Astra"});
        builder.addSatellite({"Hot Bird, 13E"});
        builder.addTransponder(1, 11766, 'H', 27500, 3);
        builder.addTransponder(2, 10992, 'V', 27500, 2);
        builder.addTransponder(1, 12603, 'H', 22000, 4);
        builder.addTransponder(7, 3675, 'V', 3330, 0);
        const ChannelDatabase db = builder.build();
        QByteArray expected = kBom + QByteArray("Спутник,Поляризация,Частота,Скорость,FEC").replace(',', separator)
                              + "\r\n";
        for (const QByteArray &row : rows)
            expected += row + "\r\n";
        const auto chosen = satellite < 0 ? std::nullopt : std::optional<std::size_t>(satellite);
        QCOMPARE(bytes(transponderListCsv(db, chosen, separator)), expected);
    }

    void channelList_data()
    {
        QTest::addColumn<ChannelDatabase>("db");
        QTest::addColumn<bool>("radio");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<char>("separator");
        const auto row = [](const char *name, const ChannelDatabase &db, bool radio, const QList<QByteArray> &rows) {
            QTest::newRow(name) << db << radio << csvFile(rows, radio) << ',';
        };

        row("plain name", database({channel("Arte")}), false, {astraRow("1", "Arte")});
        row("comma: quoted", database({channel("News, 24")}), false, {astraRow("1", "\"News, 24\"")});
        row("quotes: doubled inside quotes", database({channel("Say \"Hi\"")}), false,
            {astraRow("1", "\"Say \"\"Hi\"\"\"")});
        row("quote and comma", database({channel("\"A\", B")}), false, {astraRow("1", "\"\"\"A\"\", B\"")});
        row("line breaks: quoted", database({channel("One\r\nTwo"), channel("Three\nFour")}), false,
            {astraRow("1", "\"One\r\nTwo\""), astraRow("2", "\"Three\nFour\"")});
        row("Cyrillic name in UTF-8", database({channel("Первый канал")}), false,
            {astraRow("1", "Первый канал")});

        // A name is text: one that a spreadsheet would run or read as a
        // number gets the apostrophe that marks text; a sign further in does not.
        row("names that look like formulas or signed numbers",
            database({channel("=1+1"), channel("+7 ТВ"), channel("@cmd"), channel("-"), channel("\tTab"),
                      channel("\rCR"), channel("A=B-C")}),
            false,
            {astraRow("1", "'=1+1"), astraRow("2", "'+7 ТВ"), astraRow("3", "'@cmd"), astraRow("4", "'-"),
             astraRow("5", "'\tTab"), astraRow("6", "\"'\rCR\""), astraRow("7", "A=B-C")});
        // NUL, ESC, DEL and Windows-1251's unassigned 0x98 from a damaged image.
        row("control bytes as U+FFFD", database({channel(std::string_view("N\0U\x1b\x7f\xc2\x98L", 8))}), false,
            {astraRow("1", "N\uFFFDU\uFFFD\uFFFD\uFFFDL")});
        samples::DatabaseBuilder formulaSatellite;
        formulaSatellite.addSatellite({"=HYPERLINK(\"x\")"});
        formulaSatellite.addTransponder(1, 11766, 'H', 27500, 3);
        formulaSatellite.addTv(1, channel("Arte"));
        row("satellite name too", formulaSatellite.build(), false,
            {"1,Arte,\"'=HYPERLINK(\"\"x\"\")\",11766,H,27500,3/4,100,101,102,103,104,нет,нет"});

        ChannelDatabase ordered = database({channel("A"), channel("B"), channel("C")});
        ordered.tvOrder = {3, 1, 2};
        row("user's order", ordered, false, {astraRow("1", "C"), astraRow("2", "A"), astraRow("3", "B")});

        // 0 and 7 name no channel; the rows after them keep their positions.
        ChannelDatabase gaps = database({channel("A"), channel("B"), channel("C")});
        gaps.tvOrder = {3, 0, 1, 7, 2};
        row("entries naming no channel left out", gaps, false,
            {astraRow("1", "C"), astraRow("3", "A"), astraRow("5", "B")});

        ChannelDatabase radio = database({channel("TV"), channel("TV")}, {channel("R1", 200), channel("R2", 300)});
        radio.radioOrder = {2, 5, 1};
        row("radio list, radio numbers", radio, true,
            {astraRow("1", "R2", "300,301,302,303,304"), astraRow("3", "R1", "200,201,202,203,204")});
        row("TV list leaves radio out", radio, false, {astraRow("1", "TV"), astraRow("2", "TV")});

        row("transponder missing: its columns empty", database({channel("Lost")}, {}, 9), false,
            {"1,Lost,,,,,,100,101,102,103,104,нет,нет"});
        row("satellite missing: transponder still shown", database({channel("Far")}, {}, 2), false,
            {"1,Far,,3675,V,3330,AUTO,100,101,102,103,104,нет,нет"});

        ChannelDatabase flags = database({{"Pay", 65535, 8191, 0, 65534, 1, true, true}, channel("Odd")});
        flags.transponders[0].fec = 7;
        flags.transponders[0].polarisation = 2;
        row("flags, full 16-bit values, unknown FEC", flags, false,
            {"1,Pay,Astra,11766,V,27500,,65535,8191,0,65534,1,да,да", "2,Odd,Astra,11766,V,27500,,100,101,102,103,104,нет,нет"});

        row("empty list: header only", database({}), false, {});

        // The same cells; only the separator is quoted.
        const ChannelDatabase separators = database({channel("News, 24"), channel("A; B"), channel("C\tD")});
        QTest::newRow("semicolon: commas as they are, semicolons quoted")
            << separators << false
            << csvFileWith(';', {astraCells("1", "News, 24"), astraCells("2", "\"A; B\""), astraCells("3", "C\tD")})
            << ';';
        QTest::newRow("tab: tabs quoted")
            << separators << false
            << csvFileWith('\t', {astraCells("1", "News, 24"), astraCells("2", "A; B"), astraCells("3", "\"C\tD\"")})
            << '\t';
    }
    void channelList()
    {
        QFETCH(ChannelDatabase, db);
        QFETCH(bool, radio);
        QFETCH(char, separator);
        QTEST(bytes(channelListCsv(db, kindOf(radio), separator)), "expected");
    }

    // The demo database from one end to the other, as a user would export it.
    void demoDatabase_data()
    {
        QTest::addColumn<bool>("radio");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("fields");
        const auto row = [](const char *name, bool radio, int rowCount, int line, const char *fields) {
            QTest::newRow(name) << radio << rowCount << line << QString::fromUtf8(fields);
        };
        row("TV first: channel 23", false, 41, 1, "1,Первый канал,Amos 4W,10722,H,27500,3/4,1001,1010,1011,1012,1011,нет,нет");
        row("TV scrambled, FEC auto", false, 41, 6, "6,Матч ТВ,Amos 4W,11140,H,30000,AUTO,1006,1060,1061,1062,1061,да,нет");
        row("TV after the Russian block: channel 1", false, 41, 20,
            "20,Rai 1,Hot Bird 13E,10992,V,27500,2/3,3401,159,160,161,160,нет,нет");
        row("radio first", true, 17, 1, "1,Rai Radio 1,Hot Bird 13E,10992,V,27500,2/3,3481,170,0,171,171,нет,нет");
        row("radio last, C band", true, 17, 17,
            "17,Серебряный Дождь,Express AM6,4035,V,3330,3/4,4104,4140,0,4141,4141,нет,нет");
    }
    void demoDatabase()
    {
        QFETCH(bool, radio);
        QFETCH(int, row);
        const QByteArray csv = bytes(channelListCsv(samples::demoDatabase(), kindOf(radio)));
        QVERIFY(csv.startsWith(kBom + header(radio)));
        QVERIFY(csv.endsWith("\r\n"));
        QCOMPARE(csv.count("\r\n"), csv.count('\n'));
        const QStringList lines = QString::fromUtf8(csv.sliced(kBom.size())).split("\r\n");
        QTEST(int(lines.size()) - 2, "rowCount");   // less the header and the empty piece after the last CRLF
        QFETCH(QString, fields);
        QCOMPARE(lines.at(row).split(','), fields.split(','));
    }
};

QTEST_GUILESS_MAIN(TestCsvExport)
#include "tst_csvexport.moc"
