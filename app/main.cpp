#include "ui/RussianLanguage.h"
#include "ui/QtUserDialogs.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QStringList>

// k510-editor [FILE]: the editor's window, opening FILE as "Открыть" would.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("k510-editor"));
    useRussianLanguage(app);

    QtUserDialogs dialogs;
    TfrmMain window(dialogs);
    window.show();

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1)
        window.openFile(arguments.at(1));
    window.showLastPage();
    return QApplication::exec();
}
