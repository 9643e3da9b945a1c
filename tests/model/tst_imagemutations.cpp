// SPDX-License-Identifier: GPL-3.0-or-later
// Mutated images through the reader, the writer and the checker. The core is
// built with AddressSanitizer and UBSan for this test, so a read or write
// outside any buffer ends it at once.

#include <QTest>

#include <random>

#include "TestImages.h"
#include "model/ImageCheck.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510;
using namespace k510::testing;

namespace {

// Offsets where a change matters most: counts, record fields, order counts.
std::vector<std::size_t> hotSpots(const Image &image)
{
    const ImageOffsets at(image);
    std::vector<std::size_t> spots = {0, 1, 2, 3, 4, 5, layout::kTvOrderCountOffset, layout::kTvOrderCountOffset + 1,
                                      layout::kRadioOrderCountOffset, layout::kRadioOrderCountOffset + 1};
    for (std::size_t k = 0; k < 6; ++k) {
        spots.push_back(at.satellite(k) + 1);      // nameLen
        spots.push_back(at.satellite(k) + 29);     // longitude
        spots.push_back(at.transponder(k));        // satellite number
        spots.push_back(at.channel(k) + 2);        // transponder number
        spots.push_back(at.channel(k) + 12);       // nameLen
        spots.push_back(at.channel(k) + 29);       // flags
    }
    return spots;
}

void mutate(Image &image, std::mt19937 &random)
{
    const auto spots = hotSpots(image);
    std::uniform_int_distribution<int> byteValue(0, 255);
    const int changes = std::uniform_int_distribution<int>(1, 8)(random);
    for (int i = 0; i < changes; ++i) {
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
        case 0:   // a field that steers the layout
            image[spots[std::uniform_int_distribution<std::size_t>(0, spots.size() - 1)(random)]]
                = std::uint8_t(byteValue(random));
            break;
        case 1:   // anywhere in region A's records
            image[std::uniform_int_distribution<std::size_t>(0, 4096)(random)] = std::uint8_t(byteValue(random));
            break;
        case 2:   // anywhere in region B's head
            image[layout::kRegionBStart + std::uniform_int_distribution<std::size_t>(0, 8192)(random)]
                = std::uint8_t(byteValue(random));
            break;
        default:  // anywhere at all
            image[std::uniform_int_distribution<std::size_t>(0, image.size() - 1)(random)]
                = std::uint8_t(byteValue(random));
        }
    }
    if (std::uniform_int_distribution<int>(0, 50)(random) == 0)
        image.resize(std::uniform_int_distribution<std::size_t>(0, layout::kImageSize + 8)(random), 0xFF);
}

} // namespace

class TestImageMutations : public QObject {
    Q_OBJECT

private slots:
    void mutatedImagesNeverBreakTheCore_data()
    {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("rounds");
        QTest::newRow("demo") << 1 << 0 << 2500;
        QTest::newRow("empty") << 2 << 1 << 1000;
        QTest::newRow("full capacity") << 3 << 2 << 150;
    }
    void mutatedImagesNeverBreakTheCore()
    {
        QFETCH(int, seed);
        QFETCH(int, base);
        QFETCH(int, rounds);
        const Image original = imageOf(base == 0 ? samples::demoDatabase()
                                       : base == 1 ? ChannelDatabase{} : samples::fullCapacityDatabase());
        std::mt19937 random{std::uint32_t(seed)};
        int accepted = 0;
        for (int round = 0; round < rounds; ++round) {
            Image image = original;
            mutate(image, random);
            (void)checkImage(image);
            const ReadResult read = readImage(image);
            if (!read.ok()) {
                QVERIFY(!read.error.empty());
                continue;
            }
            ++accepted;
            // An accepted image always writes; only a longitude the mirror
            // rule cannot bring into range fails, as a conversion error.
            const WriteResult written = writeImage(*read.database);
            if (!written.ok()) {
                QVERIFY2(written.error.find("is not a valid integer value") != std::string::npos, written.error.c_str());
                continue;
            }
            QCOMPARE(written.image.size(), layout::kImageSize);
            // The canonical form is a fixed point.
            const ReadResult again = readImage(written.image);
            QVERIFY2(again.ok(), again.error.c_str());
            const WriteResult rewritten = writeImage(*again.database);
            QVERIFY2(rewritten.ok(), rewritten.error.c_str());
            QVERIFY2(rewritten.image == written.image, qPrintable(QString("round %1").arg(round)));
        }
        QVERIFY2(accepted > rounds / 10, "the mutations should leave many images readable");
    }
};

QTEST_APPLESS_MAIN(TestImageMutations)
#include "tst_imagemutations.moc"
