// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseFiles.h"

#include "FileMessages.h"
#include "WindowTitle.h"
#include "model/ImageLayout.h"
#include "storage/FileAccess.h"

#include <QFileInfo>

namespace k510::ui {

UserDialogs::FileDialogOptions databaseFileOptions(const QString &directory)
{
    return {QStringLiteral("Файлы Tessora (*.k5d);;Все файлы (*)"), QStringLiteral("k5d"), directory};
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    if (path.isEmpty() || suffix.isEmpty())
        return path;
    const QString fileName = QFileInfo(path).fileName();
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}

namespace {

FileBytes fileToOpen(files::FileRead file, const QString &path, const QString &tooLarge, qint64 maxSize)
{
    switch (file.problem) {
    case files::FileProblem::None:
        return {std::move(file.bytes), {}};
    case files::FileProblem::NotRegularFile:
        return {{}, QStringLiteral("Открытие файла: Ошибка, «%1» — не файл, а папка, канал или устройство; "
                                   "открыть его нельзя.")
                        .arg(shownPath(path))};
    case files::FileProblem::TooLarge:
        return {{}, tooLarge.arg(shownPath(path), QStringLiteral("%1 МБ").arg(maxSize / (1024 * 1024)))};
    case files::FileProblem::ReadFailed:
        return {{}, QStringLiteral("Открытие файла: Ошибка чтения файла «%1»: %2").arg(shownPath(path), file.reason)};
    default:
        return {{}, QStringLiteral("Открытие файла: Ошибка, не удалось открыть файл «%1»: %2")
                        .arg(shownPath(path), file.reason)};
    }
}

} // namespace

FileBytes readDatabaseFile(const QString &path)
{
    // One byte past the image is enough for the reader to refuse a longer
    // file for its size; a huge or endless file is never read further.
    return fileToOpen(files::readRegularFile(path, qint64(layout::kImageSize), true), path, {}, 0);
}

FileBytes readFileToOpen(const QString &path, qint64 maxSize, const QString &tooLarge)
{
    return fileToOpen(files::readRegularFile(path, maxSize), path, tooLarge, maxSize);
}

QString writeFileText(const QString &path, QByteArrayView bytes)
{
    const bool existed = QFileInfo::exists(path);
    const files::FileWrite written = files::writeFileSafely(path, bytes);
    if (written.ok())
        return {};
    if (written.problem == files::FileProblem::NotRegularFile)
        return QStringLiteral("Сохранение файла: Ошибка, «%1» — не файл, а папка, канал или устройство; "
                              "записать в него нельзя.")
            .arg(shownPath(path));
    return QStringLiteral("Сохранение файла: Ошибка, не удалось записать файл «%1»: %2.")
               .arg(shownPath(path), written.reason)
           + (existed ? QStringLiteral(" Прежний файл не изменён.") : QString());
}

QString writeDatabaseFile(const QString &path, std::span<const std::uint8_t> image)
{
    return writeFileText(path, QByteArrayView(reinterpret_cast<const char *>(image.data()), qsizetype(image.size())));
}

QString chooseDatabaseToOpen(UserDialogs &dialogs, QWidget *parent, const QString &directory)
{
    return dialogs.openFileName(parent, databaseFileOptions(directory));
}

std::optional<ChosenFile> chooseAndReadDatabase(UserDialogs &dialogs, QWidget *parent, const QString &directory)
{
    const QString path = chooseDatabaseToOpen(dialogs, parent, directory);
    if (path.isEmpty())
        return std::nullopt;
    FileBytes file = readDatabaseFile(path);
    if (!file.ok()) {
        showFileProblem(dialogs, file.error);
        return std::nullopt;
    }
    return ChosenFile{path, std::move(file.bytes)};
}

} // namespace k510::ui
