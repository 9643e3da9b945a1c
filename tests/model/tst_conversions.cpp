// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <cstring>

#include "model/Conversions.h"
#include "model/TextCodec.h"

using namespace k510;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void imageAndDisplayBytes_data()
    {
        QTest::addColumn<int>("imageByte");
        QTest::addColumn<int>("displayByte");
        QTest::addColumn<int>("writtenBack");
        // Cyrillic letters convert both ways exactly.
        QTest::newRow("А") << 0xB0 << 0xC0 << 0xB0;
        QTest::newRow("я") << 0xEF << 0xFF << 0xEF;
        QTest::newRow("ASCII") << int('Z') << int('Z') << int('Z');
        // Outside the letters the two directions are not inverses.
        QTest::newRow("0xF0 comes back as 0xE0") << 0xF0 << 0xF0 << 0xE0;
        QTest::newRow("0xFF comes back as 0xEF") << 0xFF << 0xFF << 0xEF;
        QTest::newRow("0xAF stays") << 0xAF << 0xAF << 0xAF;
    }
    void imageAndDisplayBytes()
    {
        QFETCH(int, imageByte);
        QFETCH(int, displayByte);
        QFETCH(int, writtenBack);
        std::uint8_t byte = std::uint8_t(imageByte);
        imageToDisplay(std::span(&byte, 1));
        QCOMPARE(int(byte), displayByte);
        displayToImage(std::span(&byte, 1));
        QCOMPARE(int(byte), writtenBack);
    }

    void displayByteB8IsWrittenUnchanged()
    {
        // ё in Windows-1251 is 0xB8, below the converted range.
        std::uint8_t byte = 0xB8;
        displayToImage(std::span(&byte, 1));
        QCOMPARE(int(byte), 0xB8);
        imageToDisplay(std::span(&byte, 1));
        QCOMPARE(int(byte), 0xC8);
    }

    void windows1251RoundTripsEveryByte()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        QCOMPARE(utf8ToWindows1251(windows1251ToUtf8(all)), all);
    }

    void utf8Texts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("windows1251");
        QTest::newRow("latin") << "Rai 1" << QByteArray("Rai 1");
        QTest::newRow("cyrillic") << "Первый" << QByteArray("\xCF\xE5\xF0\xE2\xFB\xE9");
        QTest::newRow("yo and numero") << "ё№Ё" << QByteArray("\xB8\xB9\xA8");
        QTest::newRow("not in the set") << "a€b✓" << QByteArray("a\x88" "b?");
    }
    void utf8Texts()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, windows1251);
        QCOMPARE(QByteArray::fromStdString(utf8ToWindows1251(text.toStdString())), windows1251);
    }

    void brokenUtf8BecomesQuestionMarks()
    {
        QCOMPARE(utf8ToWindows1251("a\xD0"), std::string("a?"));
        QCOMPARE(utf8ToWindows1251("\xFF" "b"), std::string("?b"));
        QCOMPARE(utf8ToWindows1251("\xE2\x82"), std::string("??"));
    }

    void bcdTexts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("10600") << QByteArray("\x01\x06\x00\x00", 4) << "10600";
        QTest::newRow("9750") << QByteArray("\x00\x97\x50\x00", 4) << "9750";
        QTest::newRow("zero") << QByteArray("\x00\x00\x00\x00", 4) << "0";
        QTest::newRow("fourth byte ignored") << QByteArray("\x01\x12\x00\x7F", 4) << "11200";
        QTest::newRow("not decimal") << QByteArray("\x00\xAB\xCD\x00", 4) << "abcd";
    }
    void bcdTexts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Bcd4 field{};
        std::memcpy(field.data(), bytes.constData(), 4);
        QCOMPARE(QString::fromStdString(bcdText(field)), text);
    }

    void bcdFromTextStoresHexDigits()
    {
        QCOMPARE(bcdFromText("10600"), (Bcd4{0x01, 0x06, 0x00, 0x00}));
        QCOMPARE(bcdFromText("27500"), (Bcd4{0x02, 0x75, 0x00, 0x00}));
    }

    void invalidNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("sign only") << "-";
        QTest::newRow("letters") << "12x";
        QTest::newRow("inner blank") << "1 2";
        QTest::newRow("too wide") << "99999999999";
    }
    void invalidNumbers()
    {
        QFETCH(QString, text);
        const std::string raw = text.toStdString();
        try {
            (void)parseDecimal(raw);
            QFAIL("accepted");
        } catch (const ConversionError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QString("'%1' is not a valid integer value").arg(text));
        }
        QVERIFY_THROWS_EXCEPTION(ConversionError, (void)bcdFromText(raw));
    }

    void bcdFromTextRefusesValuesBeyondSixDigits()
    {
        QVERIFY_THROWS_EXCEPTION(ConversionError, (void)bcdFromText("1000000"));
        QVERIFY_THROWS_EXCEPTION(ConversionError, (void)bcdFromText("-5"));
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
