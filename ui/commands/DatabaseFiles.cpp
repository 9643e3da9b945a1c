// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseFiles.h"

#include "Version.h"
#include "model/ImageLayout.h"
#include "model/ImageWriter.h"
#include "storage/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace k510::ui {

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString editorTitle(const QString &loadedPath)
{
    const QString title = QStringLiteral("Редактор Каналов Tessora K-510/560/565 v") + QLatin1String(kDisplayVersion);
    return loadedPath.isEmpty() ? title : title + QStringLiteral(" | ") + shownPath(loadedPath);
}

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

void showReadWarnings(UserDialogs &dialogs, const std::vector<std::string> &warnings)
{
    constexpr std::size_t kShownSingly = 3;
    for (std::size_t i = 0; i < warnings.size() && i < kShownSingly; ++i)
        dialogs.showMessage(QString::fromStdString(warnings[i]));
    if (warnings.size() > kShownSingly) {
        dialogs.showMessage(QString::fromStdString(warnings.back())
                            + QStringLiteral("\nТакая же ошибка ещё у %1 каналов.").arg(warnings.size() - kShownSingly));
    }
}

void showChannelTypeErrors(UserDialogs &dialogs, int count)
{
    showReadWarnings(dialogs, std::vector<std::string>(std::size_t(std::max(count, 0)), "Ошибка типа канала!"));
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

void showFileProblem(UserDialogs &dialogs, const QString &text)
{
    dialogs.showMessage(text);
}

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

char spreadsheetSeparator(const QLocale &locale)
{
    // Spreadsheets take the list separator of the regional settings, which
    // QLocale does not tell; it is ";" wherever the decimal point is ",".
    return locale.decimalPoint() == QLatin1String(",") ? ';' : ',';
}

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

namespace {

// One entry per separator, so a list can be written for a spreadsheet set up
// for another locale than the system's.
const QString kCsvSemicolonFilter = QStringLiteral("CSV, разделитель «;» (*.csv)");
const QString kCsvCommaFilter = QStringLiteral("CSV, разделитель «,» (*.csv)");

QString csvFilterOf(char separator)
{
    return separator == ';' ? kCsvSemicolonFilter : kCsvCommaFilter;
}

} // namespace

CsvExported exportCsvFile(const std::function<std::string(char separator)> &csvOf, UserDialogs &dialogs,
                          QWidget *parent, const ExportPlace &place, std::optional<char> lastSeparator,
                          const QLocale &regional)
{
    const char offered = lastSeparator.value_or(spreadsheetSeparator(regional));
    const UserDialogs::FileDialogOptions options{
        kCsvSemicolonFilter + QStringLiteral(";;") + kCsvCommaFilter + QStringLiteral(";;Все файлы (*)"),
        QStringLiteral("csv"), place.directory, csvFilterOf(offered)};
    const UserDialogs::FileChoice chosen = chooseExportFile(dialogs, parent, options, place.openDatabase);
    if (chosen.path.isEmpty())
        return {};
    const char separator = chosen.filter == kCsvSemicolonFilter ? ';'
        : chosen.filter == kCsvCommaFilter                      ? ','
                                                                : offered;
    const std::string csv = csvOf(separator);
    if (const QString error = writeFileText(chosen.path, QByteArrayView(csv.data(), qsizetype(csv.size())));
        !error.isEmpty()) {
        showFileProblem(dialogs, error);
        return {};
    }
    return {chosen.path, separator};
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
