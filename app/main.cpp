// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AboutDialog.h"
#include "ui/translations/RussianLanguage.h"
#include "ui/QtUserDialogs.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>

#include <string_view>

namespace {

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Channel database editor for Tessora K-510/560/565 receivers; its window is in Russian."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a database image (*.k5d) to open"),
                                 QStringLiteral("[FILE]"));
}

// Whether the command line asks only for the usage or the version, which are
// answered without the window system, so they work without a display too.
bool asksForUsageOrVersion(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return false;
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v"
            || argument == "--version")
            return true;
    }
    return false;
}

} // namespace

// k510-editor [FILE]: the editor's window, opening FILE as "Открыть" would.
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

    QApplication app(argc, argv);
    useRussianLanguage(app);
    parser.process(app);   // ends the program on an unknown option

    QtUserDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        window.openFile(files.first());
    window.showLastPage();
    return QApplication::exec();
}
