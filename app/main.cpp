// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleDialogs.h"
#include "storage/FileAccess.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/translations/RussianLanguage.h"
#include "ui/QtUserDialogs.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

namespace {

// The pages by the names --page takes, in tab order.
constexpr std::array<std::string_view, TfrmMain::PageCount> kPageNames{
    "satellites", "transponders", "tv", "radio", "tv-favourites", "radio-favourites"};

const QCommandLineOption kExportPdf(QStringLiteral("export-pdf"),
                                    QStringLiteral("write a page of FILE to the PDF file OUT and end"),
                                    QStringLiteral("OUT"));
const QCommandLineOption kPage(QStringLiteral("page"),
                               QStringLiteral("the page --export-pdf writes: satellites, transponders, tv (the "
                                              "default), radio, tv-favourites or radio-favourites (every group "
                                              "that holds channels)"),
                               QStringLiteral("PAGE"), QStringLiteral("tv"));

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Channel database editor for Tessora K-510/560/565 receivers; its window is in Russian."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a database image (*.k5d) to open"),
                                 QStringLiteral("[FILE]"));
    parser.addOption(kExportPdf);
    parser.addOption(kPage);
}

// k510-editor FILE --export-pdf OUT [--page PAGE]: the page as "Экспорт в
// PDF..." writes it, with no window shown. Exit status 0 when written, 1
// when FILE or OUT failed (the reason on the standard error), 2 for a wrong
// command line, OUT naming FILE itself (also through a link) included.
int exportPdf(const QCommandLineParser &parser)
{
    QTextStream errors(stderr);
    const QStringList files = parser.positionalArguments();
    const auto page = std::find(kPageNames.begin(), kPageNames.end(), parser.value(kPage).toStdString());
    if (files.size() != 1 || page == kPageNames.end()) {
        errors << "k510-editor: --export-pdf needs one FILE and a --page of: satellites, transponders, tv, radio, "
                  "tv-favourites, radio-favourites"
               << Qt::endl;
        return 2;
    }
    if (const QString out = parser.value(kExportPdf); k510::files::isSameFile(out, files.first())) {
        errors << "k510-editor: OUT " << out << " is FILE " << files.first()
               << " (one file): the PDF would replace the database; name another OUT" << Qt::endl;
        return 2;
    }
    ConsoleDialogs dialogs;
    TfrmMain window(dialogs);
    if (!window.openFile(files.first()))
        return 1;
    if (const QString error = window.exportPdf(int(page - kPageNames.begin()), parser.value(kExportPdf));
        !error.isEmpty()) {
        errors << error << Qt::endl;
        return 1;
    }
    return 0;
}

// Whether the command line, before any "--", holds one of the options, also
// as "--name=value". Read from argv as it stands, before an application is
// made, to choose which kind of application to make.
bool hasOption(int argc, char *argv[], std::initializer_list<std::string_view> names)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false;
        const std::string_view name = argument.substr(0, argument.find('='));
        if (std::find(names.begin(), names.end(), name) != names.end())
            return true;
    }
    return false;
}

// The usage and the version are answered without the window system, so they
// work without a display too.
bool asksForUsageOrVersion(int argc, char *argv[])
{
    return hasOption(argc, argv, {"-h", "--help", "--help-all", "-v", "--version"});
}

// An export (or a command line refused as one) shows no window, so it needs
// no display either: from a script, over ssh or from cron. The offscreen
// platform still has the system's fonts, which the PDF embeds. A platform
// the user chose, in QT_QPA_PLATFORM or with -platform, is kept.
void startWithoutDisplayWhenExporting(int argc, char *argv[])
{
    if (hasOption(argc, argv, {"--export-pdf", "--page"}) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && !hasOption(argc, argv, {"-platform", "--platform"}))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

// k510-editor [FILE]: the editor's window, opening FILE as "Открыть" would;
// with --export-pdf, a page of FILE as a PDF file and no window.
int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("k510-editor"));
    QCoreApplication::setApplicationVersion(AboutDialog::version());
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (asksForUsageOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        parser.process(app);   // prints and ends the program
        return 0;
    }

    startWithoutDisplayWhenExporting(argc, argv);
    QApplication app(argc, argv);
    useRussianLanguage(app);
    parser.process(app);   // ends the program on an unknown option
    if (parser.isSet(kExportPdf))
        return exportPdf(parser);
    if (parser.isSet(kPage)) {
        QTextStream(stderr) << "k510-editor: --page chooses the page --export-pdf writes; without --export-pdf "
                               "it has nothing to do"
                            << Qt::endl;
        return 2;
    }

    QtUserDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        window.openFile(files.first());
    window.showLastPage();
    return QApplication::exec();
}
