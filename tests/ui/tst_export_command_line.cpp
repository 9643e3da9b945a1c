// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"
#include "PdfText.h"
#include "tests/link/ProgramRun.h"
#include "tools/samples/SampleDatabases.h"

#include <QFileInfo>
#include <QTest>

using k510::ChannelDatabase;

namespace {

// Runs the editor's binary as a script, ssh or cron would: no display.
ProgramRun runWithoutDisplay(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    return runProgram(QStringLiteral(K510_EDITOR_PATH), arguments, environment);
}

} // namespace

// k510-editor FILE --export-pdf OUT [--page PAGE], run as its own process.
class ExportCommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineExportNeedsNoDisplay_data();
    void commandLineExportNeedsNoDisplay();
};

void ExportCommandLineTest::commandLineExportNeedsNoDisplay_data()
{
    QTest::addColumn<ChannelDatabase>("db");
    QTest::addColumn<QStringList>("arguments");   // after FILE; OUT stands for the PDF
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");            // in the PDF, or on the standard error
    const ChannelDatabase demo = k510::samples::demoDatabase();
    QTest::newRow("the TV page") << demo << QStringList{"--export-pdf", "OUT"} << 0 << "Каналы ТВ";
    QTest::newRow("favourites of a database without groups")
        << k510::samples::rescannedDatabase(demo, 3) << QStringList{"--export-pdf", "OUT", "--page", "tv-favourites"}
        << 0 << "Нет групп с каналами";
    QTest::newRow("--page without --export-pdf") << demo << QStringList{"--page", "radio"} << 2 << "--page";
}

// From a script, over ssh or from cron: no display, no window, fonts embedded.
void ExportCommandLineTest::commandLineExportNeedsNoDisplay()
{
    QFETCH(ChannelDatabase, db);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    EditorDriver editor;
    const QString out = editor.path(QStringLiteral("out.pdf"));
    arguments.replaceInStrings(QStringLiteral("OUT"), out);
    const ProgramRun run = runWithoutDisplay(QStringList{editor.writeImageFile(db)} + arguments);
    QVERIFY2(run.exitCode == exitCode, qPrintable(QStringLiteral("%1: %2").arg(run.exitCode).arg(run.errors)));
    if (exitCode != 0) {
        QVERIFY2(run.errors.contains(said), qPrintable(run.errors));
        QVERIFY(!QFileInfo::exists(out));
        return;
    }
    QVERIFY(fontsEmbedded(out));
    const QStringList lines = pdfLines(out);
    QVERIFY2(lines.contains(said), qPrintable(lines.join(QLatin1Char('|'))));
    // The note stands instead of an empty table, not over one.
    QCOMPARE(lines.contains(QStringLiteral("№ Название Спутник Частота $")), said == QStringLiteral("Каналы ТВ"));
}

QTEST_MAIN(ExportCommandLineTest)
#include "tst_export_command_line.moc"
