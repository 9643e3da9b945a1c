// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "PdfText.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/TextCodec.h"
#include "tests/storage/FullDisk.h"
#include "tools/samples/SampleDatabases.h"
#include "ui/lists/ModelStrings.h"
#include "ui/pages/TransponderPage.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRadioButton>
#include <QTest>

using k510::ChannelDatabase;
using k510::ui::fromWindows1251;
using k510::ui::ReportList;

namespace {

QString channelName(const ChannelDatabase &db, int channelIndex)
{
    const k510::Channel *channel = db.channelAt(channelIndex);
    return channel ? fromWindows1251(channel->nameText()) : QString();
}

// "number name" of each channel of a favourite group, numbered from 1.
QStringList groupRows(const ChannelDatabase &db, bool tv, int group)
{
    const k510::FavouriteGroup &entries = (tv ? db.tvFavourites : db.radioFavourites)[size_t(group)];
    QStringList rows;
    for (size_t j = 0; j < entries.size(); ++j)
        rows.append(QStringLiteral("%1 %2").arg(j + 1).arg(
            channelName(db, tv ? db.tvChannelIndex(entries[j]) : db.radioChannelIndex(entries[j]))));
    return rows;
}

// "number name" of the rows a list shows, in the order shown.
QStringList shownRows(const ReportList *list)
{
    QStringList rows;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (!list->isRowHidden(row))
            rows.append(list->text(row, 0) + QLatin1Char(' ') + list->text(row, 1));
    }
    return rows;
}

void trigger(EditorDriver &editor, const char *action)
{
    editor.window().findChild<QAction *>(QString::fromLatin1(action))->trigger();
}

// Answers the favourites pages' question: the group shown or all of them.
std::function<bool(QDialog &)> chooseGroups(bool all)
{
    return [all](QDialog &dialog) {
        dialog.findChild<QRadioButton *>(all ? QStringLiteral("rbPrintAllGroups") : QStringLiteral("rbPrintGroup"))
            ->setChecked(true);
        return true;
    };
}

enum class Shown { TvOrder, TvSortedAndFiltered, RadioOfOneSatellite, TvGroup, AllRadioGroups, Satellites };

// A real-size database under names as receivers hold them: satellites named
// as on real lists and by the widest letters, channels named with letter
// pairs a font may join into one ligature glyph ("ff", "fi", "fl").
ChannelDatabase withNames(ChannelDatabase db, const QStringList &satelliteNames, const QStringList &channelNames)
{
    for (size_t s = 0; s < db.satellites.size(); ++s) {
        k510::Satellite &satellite = db.satellites[s];
        const std::string name = k510::utf8ToWindows1251(satelliteNames[qsizetype(s) % satelliteNames.size()].toStdString());
        satellite.name = name;
    }
    for (size_t c = 0; c < db.channels.size(); c += 3)
        db.channels[c].setName(
            k510::utf8ToWindows1251(channelNames[qsizetype(c / 3) % channelNames.size()].toStdString()));
    return db;
}

ChannelDatabase realNames()
{
    return withNames(k510::samples::fullCapacityDatabase(),
                     {QStringLiteral("Hot Bird 13.0E"), QStringLiteral("Astra 1KR 19.2E"),
                      QStringLiteral("Eutelsat 36B/C"), QStringLiteral("Express AM6 53E"),
                      QStringLiteral("Ямал 402 54.9E")},
                     {QStringLiteral("Office TV"), QStringLiteral("Offside fiction"), QStringLiteral("Waffle")});
}

ChannelDatabase widestNames()
{
    const QString w(16, QLatin1Char('W'));
    return withNames(k510::samples::fullCapacityDatabase(),
                     {w, QStringLiteral("MMMMMMMMMMMMMMMM"), QStringLiteral("ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"),
                      QStringLiteral("WWWWWWWWWWWW 13E")},
                     {w, QStringLiteral("ЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩ"), QStringLiteral("Off"), QStringLiteral("Woffle ffi fl")});
}

QString satelliteName(const ChannelDatabase &db, const k510::Transponder *transponder)
{
    const k510::Satellite *satellite = transponder ? db.satelliteOf(*transponder) : nullptr;
    return satellite ? fromWindows1251(satellite->name) : QString();
}

enum class Page { Tv, TranspondersOfAll, Satellites };

// How each printed row of the page begins, in order: its number and every
// name it shows, whole; on the satellites page also the LNB's frequencies
// and the 22 kHz tone.
QStringList rowBeginnings(const ChannelDatabase &db, EditorDriver &editor, Page page)
{
    QStringList rows;
    switch (page) {
    case Page::Tv:
        for (size_t p = 0; p < db.tvOrder.size(); ++p) {
            const int channel = db.channelIndexOfTvOrder(int(p));
            rows.append(QStringLiteral("%1 %2 %3 ").arg(p + 1).arg(channelName(db, channel),
                                                                   satelliteName(db, db.transponderOf(*db.channelAt(channel)))));
        }
        break;
    case Page::TranspondersOfAll: {
        const auto *transponders = editor.window().findChild<k510::ui::TransponderPage *>();
        const ReportList *list = editor.list("lvTpView");
        for (int row = 0; row < list->rowCount(); ++row) {
            const int index = transponders->transponderIndexOfRow(row);
            rows.append(QStringLiteral("%1 %2 ").arg(list->text(row, 0), satelliteName(db, &db.transponders[size_t(index)])));
        }
        break;
    }
    case Page::Satellites:
        for (size_t s = 0; s < db.satellites.size(); ++s) {
            const k510::Satellite &satellite = db.satellites[s];
            rows.append(QStringLiteral("%1 %2 %3 %4 %5 %6 ")
                            .arg(s + 1)
                            .arg(fromWindows1251(satellite.name),
                                 QString::fromStdString(k510::rowTextsOf(satellite).lnbType),
                                 QString::fromStdString(k510::bcdText(satellite.lnbLow)),
                                 QString::fromStdString(k510::bcdText(satellite.lnbHigh)),
                                 satellite.tone22k ? QStringLiteral("+") : QStringLiteral("-")));
        }
        break;
    }
    return rows;
}

} // namespace

// "Печать..." and "Экспорт в PDF...": the PDF read back as text holds what
// the page shows, whole and in order; the preview shows it; a failed write
// keeps the old file.
class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void pdfHoldsWhatThePageShows_data();
    void pdfHoldsWhatThePageShows();
    void fullDatabaseFillsTheExpectedPages();
    void everyNamePrintsWholeAndPreviewAgrees_data();
    void everyNamePrintsWholeAndPreviewAgrees();
    void previewShowsTheDocumentAndCancelShowsNothing();
    void failedPdfWriteKeepsTheOldFile();
};

void PrintTest::pdfHoldsWhatThePageShows_data()
{
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<QString>("title");
    QTest::newRow("TV in the user's order") << Shown::TvOrder << QStringLiteral("Каналы ТВ");
    QTest::newRow("TV sorted by name, descending, filtered")
        << Shown::TvSortedAndFiltered << QStringLiteral("Каналы ТВ");
    QTest::newRow("radio of one satellite") << Shown::RadioOfOneSatellite << QStringLiteral("Каналы Радио — Astra 19.2E");
    QTest::newRow("a TV group") << Shown::TvGroup << QStringLiteral("Избранные ТВ — группа «%1»");
    QTest::newRow("every radio group") << Shown::AllRadioGroups << QStringLiteral("Избранные Радио — все группы");
    QTest::newRow("satellites") << Shown::Satellites << QStringLiteral("Спутники");
}

void PrintTest::pdfHoldsWhatThePageShows()
{
    QFETCH(Shown, shown);
    QFETCH(QString, title);
    const ChannelDatabase db = k510::samples::demoDatabase();
    EditorDriver editor;
    editor.open(db);
    QStringList expected;
    QStringList notes;
    switch (shown) {
    case Shown::TvOrder:
        editor.clickTab(TfrmMain::PageTv);
        for (size_t p = 0; p < db.tvOrder.size(); ++p)
            expected.append(QStringLiteral("%1 %2").arg(p + 1).arg(channelName(db, db.channelIndexOfTvOrder(int(p)))));
        break;
    case Shown::TvSortedAndFiltered: {
        editor.clickTab(TfrmMain::PageTv);
        ReportList *list = editor.list("lvTvCh");
        editor.window().findChild<QLineEdit *>(QStringLiteral("edTvFind"))->setText(QStringLiteral("к"));
        editor.clickColumnTitle(list, 1);
        editor.clickColumnTitle(list, 1);
        expected = shownRows(list);
        QVERIFY(expected.size() >= 3 && expected.size() < list->rows().count());
        notes = QStringList{QStringLiteral("Поиск: «к»"), QStringLiteral("«Название», по убыванию")};
        break;
    }
    case Shown::RadioOfOneSatellite:
        editor.clickTab(TfrmMain::PageRadio);
        editor.choose(editor.combo("cbRadioSelectSat"), 2);
        expected = shownRows(editor.list("lvRadioCh"));
        QVERIFY(!expected.isEmpty());
        break;
    case Shown::TvGroup:
        editor.clickTab(TfrmMain::PageFavTv);
        editor.choose(editor.combo("cbFavTvGrp"), 1);
        expected = groupRows(db, true, 1);
        title = title.arg(fromWindows1251(db.tvGroupName(2)));
        editor.dialogs().dialogScript.push_back(chooseGroups(false));
        break;
    case Shown::AllRadioGroups:
        editor.clickTab(TfrmMain::PageFavRadio);
        for (int group = 0; group < k510::kFavouriteGroupCount; ++group) {
            expected += groupRows(db, false, group);
            if (!db.radioFavourites[size_t(group)].empty())
                notes.append(QStringLiteral("%1. %2").arg(group + 1).arg(fromWindows1251(db.radioGroupName(group + 1))));
        }
        QVERIFY(notes.size() >= 2);
        editor.dialogs().dialogScript.push_back(chooseGroups(true));
        break;
    case Shown::Satellites:
        editor.clickTab(TfrmMain::PageSat);
        expected = shownRows(editor.list("lvSatView"));
        break;
    }

    editor.dialogs().saveNames = {editor.path(QStringLiteral("list"))};
    trigger(editor, "mmFileExportPdf");
    QCOMPARE(editor.dialogs().errors, QStringList());
    const QStringList lines = pdfLines(editor.path(QStringLiteral("list.pdf")));
    QStringList rows;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(rows), isRow);
    QCOMPARE(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i)
        QVERIFY2(rows[i] == expected[i] || rows[i].startsWith(expected[i] + QLatin1Char(' ')),
                 qPrintable(QStringLiteral("row %1: «%2», expected «%3 …»").arg(i).arg(rows[i], expected[i])));
    QVERIFY2(lines.contains(title), qPrintable(lines.mid(0, 4).join(QLatin1Char('|'))));
    QVERIFY2(lines.first().startsWith(QStringLiteral("db.k5d ")), qPrintable(lines.first()));
    // The filter, the sort or the group headings, each somewhere.
    for (const QString &note : notes)
        QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.contains(note); }),
                 qPrintable(note));
    const int pages = pdfPageCount(editor.path(QStringLiteral("list.pdf")));
    QVERIFY(lines.contains(QStringLiteral("Стр. %1 из %1").arg(pages)));
}

// 6000 TV channels: two or three columns of 60 to 80 lines a page.
void PrintTest::fullDatabaseFillsTheExpectedPages()
{
    const ChannelDatabase db = k510::samples::fullCapacityDatabase();
    EditorDriver editor;
    editor.open(db);
    editor.clickTab(TfrmMain::PageTv);
    editor.dialogs().saveNames = {editor.path(QStringLiteral("full.pdf"))};
    trigger(editor, "mmFileExportPdf");
    const QString path = editor.path(QStringLiteral("full.pdf"));
    const int pages = pdfPageCount(path);
    QVERIFY2(pages >= 6000 / (3 * 80) && pages <= 6000 / (2 * 60) + 1, qPrintable(QString::number(pages)));
    const QStringList lines = pdfLines(path);
    QCOMPARE(std::count_if(lines.begin(), lines.end(), isRow), qsizetype(6000));
    QVERIFY(lines.contains(QStringLiteral("Стр. %1 из %1").arg(pages)));
}

void PrintTest::everyNamePrintsWholeAndPreviewAgrees_data()
{
    QTest::addColumn<ChannelDatabase>("db");
    QTest::addColumn<Page>("page");
    const ChannelDatabase real = realNames();
    const ChannelDatabase wide = widestNames();
    QTest::newRow("6000 TV channels, real satellite names") << real << Page::Tv;
    QTest::newRow("rescanned, transponders of all satellites")
        << k510::samples::rescannedDatabase(real, 7) << Page::TranspondersOfAll;
    QTest::newRow("16 wide letters, TV") << wide << Page::Tv;
    QTest::newRow("16 wide letters, transponders of all satellites") << wide << Page::TranspondersOfAll;
    QTest::newRow("16 wide letters, satellites") << wide << Page::Satellites;
}

// Read back page by page, each printed row holds its names whole and "ff"
// as typed; the preview has as many pages as the PDF.
void PrintTest::everyNamePrintsWholeAndPreviewAgrees()
{
    QFETCH(ChannelDatabase, db);
    QFETCH(Page, page);
    EditorDriver editor;
    editor.open(db);
    switch (page) {
    case Page::Tv: editor.clickTab(TfrmMain::PageTv); break;
    case Page::TranspondersOfAll:
        editor.clickTab(TfrmMain::PageTp);
        editor.chooseTransponderSatellite(0);
        break;
    case Page::Satellites: editor.clickTab(TfrmMain::PageSat); break;
    }
    const QStringList expected = rowBeginnings(db, editor, page);
    const QString path = editor.path(QStringLiteral("names.pdf"));
    editor.dialogs().saveNames = {path};
    trigger(editor, "mmFileExportPdf");
    QCOMPARE(editor.dialogs().errors, QStringList());

    const int pages = pdfPageCount(path);
    QVERIFY(pages >= 1);
    QStringList rows;
    for (int number = 1; number <= pages; ++number) {
        const QStringList lines = pdfLines(path, number);
        QVERIFY2(lines.contains(QStringLiteral("Стр. %1 из %2").arg(number).arg(pages)), qPrintable(lines.join('|')));
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(rows), isRow);
    }
    QCOMPARE(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i)
        QVERIFY2((rows[i] + QLatin1Char(' ')).startsWith(expected[i]),
                 qPrintable(QStringLiteral("row %1: «%2», expected «%3…»").arg(i).arg(rows[i], expected[i])));

    int previewPages = 0;
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        dialog.show();
        previewPages = dialog.findChild<QPrintPreviewWidget *>()->pageCount();
        return false;
    });
    trigger(editor, "mmFilePrint");
    QCOMPARE(previewPages, pages);
}


void PrintTest::previewShowsTheDocumentAndCancelShowsNothing()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(TfrmMain::PageFavTv);
    // "Отмена" in the question shows no preview.
    trigger(editor, "mmFilePrint");
    QCOMPARE(editor.dialogs().shownDialogs, QStringList{QStringLiteral("printChoiceDlg")});

    int previewPages = 0;
    QString caption;
    editor.dialogs().dialogScript.push_back(chooseGroups(true));
    editor.dialogs().dialogScript.push_back([&](QDialog &dialog) {
        dialog.show();   // the preview lays its pages out as it is shown
        caption = dialog.windowTitle();
        previewPages = dialog.findChild<QPrintPreviewWidget *>()->pageCount();
        return false;
    });
    trigger(editor, "mmFilePrint");
    QCOMPARE(editor.dialogs().shownDialogs.mid(1),
             (QStringList{QStringLiteral("printChoiceDlg"), QStringLiteral("printPreviewDlg")}));
    QCOMPARE(caption, QStringLiteral("Печать — Избранные ТВ — все группы"));
    QVERIFY(previewPages >= 1);
    QCOMPARE(editor.dialogs().errors, QStringList());
}

// A full disk: the PDF that was there stays as it was, and the message says why.
void PrintTest::failedPdfWriteKeepsTheOldFile()
{
    EditorDriver editor;
    editor.open(k510::samples::demoDatabase());
    editor.clickTab(TfrmMain::PageTv);
    FullDisk disk;
    disk.place(QStringLiteral("list.pdf"), "old list");
    editor.dialogs().saveNames = {disk.path(QStringLiteral("list.pdf"))};
    editor.dialogs().answers = {true};   // replace it
    disk.run([&] { trigger(editor, "mmFileExportPdf"); });
    QCOMPARE(editor.dialogs().questions.size(), 1);
    QCOMPARE(editor.dialogs().errors, QStringList());
    QCOMPARE(editor.dialogs().messages.size(), 1);
    QVERIFY2(editor.dialogs().messages[0].contains(disk.failureReason())
                 && editor.dialogs().messages[0].endsWith(QStringLiteral("Прежний файл не изменён.")),
             qPrintable(editor.dialogs().messages[0]));
    QCOMPARE(fileBytes(disk.path(QStringLiteral("list.pdf"))), QByteArray("old list"));
    QCOMPARE(disk.files(), QStringList{QStringLiteral("list.pdf")});
}

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
