// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveFlow.h"

#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "WindowTitle.h"
#include "model/ImageWriter.h"
#include "storage/FileAccess.h"

#include <QFileInfo>

namespace k510::ui {

UserDialogs::FileChoice chooseExportFile(UserDialogs &dialogs, QWidget *parent,
                                         const UserDialogs::FileDialogOptions &options, const QString &openDatabase)
{
    UserDialogs::FileChoice chosen = dialogs.saveFileChoice(parent, options);
    if (chosen.path.isEmpty())
        return {};
    chosen.path = withDefaultSuffix(chosen.path, options.defaultSuffix);
    if (!openDatabase.isEmpty() && files::isSameFile(chosen.path, openDatabase)) {
        showFileProblem(dialogs, QStringLiteral("«%1» — файл открытой базы каналов; экспорт заменил бы его. "
                                                "Выберите другой файл.")
                                     .arg(shownPath(chosen.path)));
        return {};
    }
    if (QFileInfo::exists(chosen.path)
        && !dialogs.askYesNo(QStringLiteral("Файл «%1» уже существует.\nЗаменить его?").arg(shownPath(chosen.path)),
                             UserDialogs::DefaultAnswer::No))
        return {};
    return chosen;
}

QString saveDatabaseAs(const ChannelDatabase &db, UserDialogs &dialogs, QWidget *parent, const QString &directory)
{
    // Creating a file loses nothing, so only replacing one is asked about.
    const QString path = chooseExportFile(dialogs, parent, databaseFileOptions(directory), QString()).path;
    if (path.isEmpty())
        return {};
    return saveDatabase(db, path, dialogs) ? path : QString();
}

bool saveDatabase(const ChannelDatabase &db, const QString &path, UserDialogs &dialogs)
{
    const WriteResult written = writeImage(db);
    if (!written.ok()) {
        dialogs.showError(QString::fromStdString(written.error));
        return false;
    }
    if (const QString error = writeDatabaseFile(path, written.image); !error.isEmpty()) {
        showFileProblem(dialogs, error);
        return false;
    }
    return true;
}

} // namespace k510::ui
