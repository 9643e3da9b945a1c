// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer history on disk: the copies' names, bytes and facts, the rule
// that an image equal to the newest copy of its kind is not kept twice, the
// limit of 100, and a folder that cannot be written.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "FullDisk.h"
#include "model/ImageWriter.h"
#include "storage/TransferHistory.h"
#include "tools/samples/SampleDatabases.h"

using k510::storage::HistoryCopy;
using k510::storage::TransferHistory;
using k510::storage::TransferKind;

Q_DECLARE_METATYPE(TransferKind)

namespace {

QByteArray demoImage()
{
    const auto written = k510::writeImage(k510::samples::demoDatabase());
    return QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QDateTime kNoon(QDate(2026, 12, 10), QTime(12, 0, 0));

} // namespace

class TransferHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void copiesAreNamedAndDescribed_data()
    {
        QTest::addColumn<TransferKind>("kind");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("received") << TransferKind::Received << "2026-12-10_12-00-00_received.k5d";
        QTest::newRow("sent") << TransferKind::Sent << "2026-12-10_12-00-00_sent.k5d";
        QTest::newRow("broken send") << TransferKind::SendBroken << "2026-12-10_12-00-00_sent-broken.k5d";
    }
    void copiesAreNamedAndDescribed()
    {
        QFETCH(TransferKind, kind);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        const TransferHistory history(dir.filePath(QStringLiteral("k510/history")));
        const QByteArray image = demoImage();

        const auto kept = history.keep(image, kind, QStringLiteral("/home/u/list.k5d"), kNoon);
        QVERIFY(kept.stored);
        QCOMPARE(kept.problem, QString());
        QCOMPARE(QFileInfo(kept.imagePath).fileName(), fileName);
        QCOMPARE(readAll(kept.imagePath), image);

        const std::vector<HistoryCopy> copies = history.copies();
        QCOMPARE(copies.size(), std::size_t(1));
        const HistoryCopy &copy = copies.front();
        QCOMPARE(copy.kind, kind);
        QCOMPARE(copy.when, kNoon);
        QCOMPARE(copy.openFile, QStringLiteral("/home/u/list.k5d"));
        const k510::ChannelDatabase demo = k510::samples::demoDatabase();
        QCOMPARE(copy.satellites, int(demo.satellites.size()));
        QCOMPARE(copy.transponders, int(demo.transponders.size()));
        QCOMPARE(copy.tvChannels, int(demo.tvOrder.size()));
        QCOMPARE(copy.radioChannels, int(demo.radioOrder.size()));
        QCOMPARE(TransferHistory::readCopy(copy, nullptr).value_or(QByteArray()), image);
    }

    void anImageEqualToTheNewestOfItsKindIsNotKeptAgain_data()
    {
        QTest::addColumn<QList<int>>("kinds");     // TransferKind of each keep, in order
        QTest::addColumn<QList<int>>("images");    // which of two images each keeps
        QTest::addColumn<QList<bool>>("stored");
        const int received = int(TransferKind::Received), sent = int(TransferKind::Sent),
                  broken = int(TransferKind::SendBroken);
        QTest::newRow("the same receive twice") << QList<int>{received, received} << QList<int>{0, 0}
                                                << QList<bool>{true, false};
        QTest::newRow("another receive") << QList<int>{received, received} << QList<int>{0, 1}
                                         << QList<bool>{true, true};
        QTest::newRow("sent what was received") << QList<int>{received, sent} << QList<int>{0, 0}
                                                << QList<bool>{true, true};
        QTest::newRow("a complete send after a broken one") << QList<int>{broken, sent} << QList<int>{0, 0}
                                                            << QList<bool>{true, true};
        QTest::newRow("compared with the newest only") << QList<int>{sent, sent, sent} << QList<int>{0, 1, 0}
                                                       << QList<bool>{true, true, true};
        QTest::newRow("a receive between two equal sends") << QList<int>{sent, received, sent}
                                                           << QList<int>{0, 1, 0} << QList<bool>{true, true, false};
    }
    void anImageEqualToTheNewestOfItsKindIsNotKeptAgain()
    {
        QFETCH(QList<int>, kinds);
        QFETCH(QList<int>, images);
        QFETCH(QList<bool>, stored);
        QTemporaryDir dir;
        const TransferHistory history(dir.path());
        QByteArray other = demoImage();
        other[100] = char(other[100] ^ 1);
        const QList<QByteArray> choices{demoImage(), other};

        QList<bool> keptNow;
        for (qsizetype k = 0; k < kinds.size(); ++k)
            keptNow << history.keep(choices[images[k]], TransferKind(kinds[k]), {}, kNoon.addSecs(k)).stored;
        QCOMPARE(keptNow, stored);
        QCOMPARE(qsizetype(history.copies().size()), stored.count(true));
    }

    void theNewestHundredAreKept()
    {
        // Several copies within one second stay apart, and in order, also
        // of different kinds.
        QTemporaryDir dir;
        const TransferHistory history(dir.path());
        QDir(dir.path()).mkpath(QStringLiteral("."));
        QFile other(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        constexpr int kKept = 105;
        for (int k = 0; k < kKept; ++k)
            QVERIFY(history.keep(QByteArray(256, char(k)), k % 2 ? TransferKind::Received : TransferKind::Sent, {},
                                 kNoon.addSecs(k / 3))
                        .stored);

        const std::vector<HistoryCopy> copies = history.copies();
        QCOMPARE(copies.size(), std::size_t(TransferHistory::kCopyLimit));
        for (int k = 0; k < TransferHistory::kCopyLimit; ++k)
            QCOMPARE(readAll(copies[std::size_t(k)].imagePath), QByteArray(256, char(kKept - 1 - k)));
        // Each copy's facts go with it; the counts of no database are unknown.
        QCOMPARE(copies.back().satellites, -1);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2 * TransferHistory::kCopyLimit + 1);
    }

    void aFolderThatCannotBeWrittenKeepsNothing()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("k510")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = dir.filePath(QStringLiteral("k510/history"));
        const auto kept = TransferHistory(folder).keep(demoImage(), TransferKind::Sent, {}, kNoon);
        QVERIFY(!kept.stored);
        QVERIFY2(kept.problem.startsWith(QStringLiteral("Копия обмена не сохранена в «%1»: ")
                                             .arg(QDir::toNativeSeparators(folder))),
                 qPrintable(kept.problem));
    }

    void aFullDiskLeavesNoFileBehind()
    {
        FullDisk disk;
        const TransferHistory history(QFileInfo(disk.path(QStringLiteral("copy"))).absolutePath());
        k510::storage::KeptCopy kept;
        disk.run([&] { kept = history.keep(demoImage(), TransferKind::Received, {}, kNoon); });
        QVERIFY(!kept.stored);
        QVERIFY2(kept.problem.endsWith(disk.failureReason()), qPrintable(kept.problem));
        QCOMPARE(disk.files(), QStringList());
        QVERIFY(history.copies().empty());
    }
};

QTEST_GUILESS_MAIN(TransferHistoryTest)
#include "tst_transferhistory.moc"
