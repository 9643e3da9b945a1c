// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "model/EditConversions.h"
#include "model/TextCodec.h"

using namespace k510;

namespace {

QByteArray bytesOf(const Bcd4 &field)
{
    return QByteArray(reinterpret_cast<const char *>(field.data()), int(field.size()));
}

// Runs a conversion that must fail and returns the message it failed with.
template <typename Error, typename Conversion>
QString messageOf(Conversion convert)
{
    try {
        convert();
    } catch (const Error &e) {
        return QString::fromUtf8(e.what());
    }
    return "(accepted)";
}

} // namespace

class TestEditConversions : public QObject {
    Q_OBJECT

private slots:
    void bcdDigits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("11475") << "11475" << QByteArray("\x01\x14\x75\x00", 4);
        QTest::newRow("9750") << "9750" << QByteArray("\x00\x97\x50\x00", 4);
        QTest::newRow("0") << "0" << QByteArray("\x00\x00\x00\x00", 4);
        QTest::newRow("six digits") << "999999" << QByteArray("\x99\x99\x99\x00", 4);
        QTest::newRow("leading zeros") << "000027" << QByteArray("\x00\x00\x27\x00", 4);
    }
    void bcdDigits()
    {
        QFETCH(QString, text);
        QTEST(bytesOf(bcdFromDecimalDigits(text.toStdString())), "bytes");
    }

    void bcdDigitsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("hex letter") << "11A75";
        QTest::newRow("hex that reads as BCD") << "9A50";
        QTest::newRow("seven digits") << "1000000";
        QTest::newRow("sign") << "-5";
        QTest::newRow("plus") << "+5";
        QTest::newRow("leading blank") << " 9750";
        QTest::newRow("trailing blank") << "9750 ";
        QTest::newRow("hex prefix") << "0x10";
    }
    void bcdDigitsRefused()
    {
        QFETCH(QString, text);
        const std::string raw = text.toStdString();
        QCOMPARE(messageOf<ConversionError>([&] { (void)bcdFromDecimalDigits(raw, "0x"); }),
                 QString("'0x%1' is not a valid integer value").arg(text));
        QCOMPARE(messageOf<ConversionError>([&] { (void)bcdFromDecimalDigits(raw); }),
                 QString("'%1' is not a valid integer value").arg(text));
    }

    void channelNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "1234" << 1234;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("largest") << "65535" << 65535;
        QTest::newRow("leading zeros") << "000000000000000000000000042" << 42;
        QTest::newRow("leading spaces") << "   17" << 17;
        QTest::newRow("plus sign") << "+17" << 17;
        QTest::newRow("minus zero") << "-0" << 0;
        QTest::newRow("dollar") << "$1F" << 31;
        QTest::newRow("x") << "x1f" << 31;
        QTest::newRow("X") << "X10" << 16;
        QTest::newRow("0x") << "0x100" << 256;
        QTest::newRow("0X") << "0XFFFF" << 65535;
        QTest::newRow("spaces, sign and hex") << "  +$ff" << 255;
        QTest::newRow("minus hex zero") << "-0x0" << 0;
    }
    void channelNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(channelNumberFromText(text.toStdString())), value);
    }

    void channelNumbersNotInForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("spaces only") << "   ";
        QTest::newRow("sign only") << "-";
        QTest::newRow("0x alone") << "0x";
        QTest::newRow("dollar alone") << "$";
        QTest::newRow("x alone") << "x";
        QTest::newRow("hex digit without prefix") << "1F";
        QTest::newRow("trailing space") << "12 ";
        QTest::newRow("space after sign") << "- 1";
        QTest::newRow("two signs") << "+-1";
        QTest::newRow("sign after prefix") << "$-1";
        QTest::newRow("double prefix") << "0x0x1";
        QTest::newRow("tab instead of space") << "\t1";
        QTest::newRow("letter after many digits") << "99999999999999999999999999z";
    }
    void channelNumbersNotInForm()
    {
        QFETCH(QString, text);
        QCOMPARE(messageOf<ConversionError>([&] { (void)channelNumberFromText(text.toStdString()); }),
                 QString("'%1' is not a valid integer value").arg(text));
    }

    void channelNumbersOutOfRange_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one above") << "65536";
        QTest::newRow("minus one") << "-1";
        QTest::newRow("hex above") << "$10000";
        QTest::newRow("negative hex") << "-0x10";
        // Far beyond 64 bits: must not wrap round into range.
        QTest::newRow("huge decimal") << "18446744073709551617";
        QTest::newRow("huge hex") << "0x10000000000000000000000000000000000000001";
        QTest::newRow("huge negative") << "-99999999999999999999999999999";
    }
    void channelNumbersOutOfRange()
    {
        QFETCH(QString, text);
        QCOMPARE(messageOf<RangeError>([&] { (void)channelNumberFromText(text.toStdString()); }),
                 QString("Значение '%1' вне допустимого диапазона 0..65535").arg(text));
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("windows1251");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("latin") << "Eurosport 2 HD" << QByteArray("Eurosport 2 HD");
        QTest::newRow("russian") << "Первый канал" << QByteArray("\xCF\xE5\xF0\xE2\xFB\xE9 \xEA\xE0\xED\xE0\xEB");
        QTest::newRow("whole alphabet ends") << "АЯая" << QByteArray("\xC0\xDF\xE0\xFF");
        QTest::newRow("question mark stays") << "Что?" << QByteArray("\xD7\xF2\xEE?");
        QTest::newRow("longer than a field") << "Телеканал Россия-24" << QByteArray("\xD2\xE5\xEB\xE5\xEA\xE0\xED\xE0\xEB "
                                                                                   "\xD0\xEE\xF1\xF1\xE8\xFF-24");
    }
    void names()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, windows1251);
        const std::string converted = nameToWindows1251(name.toStdString());
        QCOMPARE(QByteArray::fromStdString(converted), windows1251);

        // What the receiver gets and gives back is the same name.
        std::string stored = converted;
        const std::span bytes(reinterpret_cast<std::uint8_t *>(stored.data()), stored.size());
        displayToImage(bytes);
        imageToDisplay(bytes);
        QCOMPARE(QString::fromStdString(windows1251ToUtf8(stored)), name);
    }

    void namesRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("character");
        // Windows-1251 has these, but the receiver's set shows other signs.
        QTest::newRow("capital yo") << "Ёлки-ёлки" << "Ё";
        QTest::newRow("yo") << "Елки-ёлки" << "ё";
        QTest::newRow("guillemets") << "«Мир»" << "«";
        QTest::newRow("en dash") << "Мир – ТВ" << "–";
        QTest::newRow("no-break space") << "Мир\u00A0ТВ" << "\u00A0";
        QTest::newRow("tab") << "Мир\tТВ" << "\t";
        QTest::newRow("numero") << "Канал №1" << "№";
        QTest::newRow("ukrainian i") << "Київ" << "ї";
        QTest::newRow("dotted i first") << "Сільське" << "і";
        QTest::newRow("ukrainian ie") << "Моє ТБ" << "є";
        QTest::newRow("ghe with upturn") << "ґанок" << "ґ";
        QTest::newRow("degree") << "Sat 19°" << "°";
        // Windows-1251 lacks these.
        QTest::newRow("umlaut") << "Köln" << "ö";
        QTest::newRow("check mark") << "ok✓" << "✓";
        QTest::newRow("outside the BMP") << "TV😀" << "😀";
    }
    void namesRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, character);
        QCOMPARE(messageOf<NameError>([&] { (void)nameToWindows1251(name.toStdString()); }),
                 QString("Символ «%1» не поддерживается ресивером").arg(character));
    }

    void brokenUtf8IsRefused_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::newRow("cut-off sequence") << QByteArray("ab\xD0");
        QTest::newRow("stray continuation") << QByteArray("\x80" "a");
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF");
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80");
    }
    void brokenUtf8IsRefused()
    {
        QFETCH(QByteArray, utf8);
        QCOMPARE(messageOf<NameError>([&] { (void)nameToWindows1251(utf8.toStdString()); }),
                 QString("Символ «\uFFFD» не поддерживается ресивером"));
    }

    void longitudes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalized");
        QTest::newRow("plain") << "19,2" << "19,2";
        QTest::newRow("leading blanks") << "  5,5" << "5,5";
        QTest::newRow("no tenths") << " 5," << "5,0";
        QTest::newRow("blank tenths") << "13, " << "13,0";
        QTest::newRow("blank mask") << "   , " << "0,0";
        QTest::newRow("comma only") << "," << "0,0";
        QTest::newRow("no degrees") << ",7" << "0,7";
        QTest::newRow("180,0 stays") << "180,0" << "180,0";
        QTest::newRow("leading zeros") << "007,5" << "7,5";
        QTest::newRow("control characters") << "\t36,\r0" << "36,0";
        QTest::newRow("largest") << "359,9" << "359,9";
    }
    void longitudes()
    {
        QFETCH(QString, typed);
        QTEST(QString::fromStdString(normalizedLongitude(typed.toStdString())), "normalized");
    }

    void longitudesRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("no comma") << "192";
        QTest::newRow("two commas") << "1,9,2";
        QTest::newRow("point") << "19.2";
        QTest::newRow("four degree digits") << "1234,5";
        QTest::newRow("two tenths digits") << "19,25";
        QTest::newRow("sign") << "-19,2";
        QTest::newRow("letter") << "1a,2";
        QTest::newRow("mask blank") << "__5,_";
    }
    void longitudesRefused()
    {
        QFETCH(QString, typed);
        QCOMPARE(messageOf<ConversionError>([&] { (void)normalizedLongitude(typed.toStdString()); }),
                 QString("'%1' is not a valid integer value").arg(typed));
    }

    void longitudesBeyondAFullTurn()
    {
        // 360 and more would be stored, but shown after the next read as a
        // negative longitude that cannot be saved again.
        QCOMPARE(messageOf<RangeError>([] { (void)normalizedLongitude("360,0"); }),
                 QString("Значение '360,0' вне допустимого диапазона 0,0..359,9"));
        QVERIFY_THROWS_EXCEPTION(RangeError, (void)normalizedLongitude("999,9"));
    }
};

QTEST_APPLESS_MAIN(TestEditConversions)
#include "tst_editconversions.moc"
