// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCommands.h"

#include "ui/EditorSession.h"

#include "CsvExportFile.h"
#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "SaveFlow.h"
#include "EditHistory.h"
#include "NumberingRepair.h"
#include "model/CsvExport.h"
#include "model/ImageReader.h"
#include "ui/EditorSettings.h"
#include "ui/UserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace k510::ui {

namespace {

constexpr int kRecentFileTextChars = 60;

} // namespace

FileCommands::FileCommands(FileTargets targets, QObject *parent) : QObject(parent), m_targets(std::move(targets))
{
    connect(&m_targets.recentFiles, &QMenu::aboutToShow, this, &FileCommands::fillRecentFilesMenu);
    fillRecentFilesMenu();
}

bool FileCommands::loadImage(std::span<const std::uint8_t> image)
{
    ReadResult result = readImage(image);
    if (!result.ok()) {
        showFileProblem(m_targets.dialogs, QString::fromStdString(result.error));
        return false;
    }
    m_targets.session.database() = std::move(*result.database);
    m_targets.session.announceNewDatabase();
    m_targets.session.history().restart();
    showReadWarnings(m_targets.dialogs, result.warnings);
    return true;
}

bool FileCommands::loadReceivedImage(std::span<const std::uint8_t> image)
{
    if (!loadImage(image))
        return false;
    m_targets.session.setFilePath({});
    m_targets.session.history().markUnsaved();
    // Asked once the receiver has had its closing tokens: it does not wait
    // for a user reading a list of problems.
    QTimer::singleShot(0, this, [this, received = QByteArray(reinterpret_cast<const char *>(image.data()),
                                                             qsizetype(image.size()))] {
        offerNumberingRepair({reinterpret_cast<const std::uint8_t *>(received.constData()),
                              std::size_t(received.size())});
    });
    return true;
}

void FileCommands::offerNumberingRepair(std::span<const std::uint8_t> image)
{
    std::optional<ChannelDatabase> repaired = askNumberingRepair(image, m_targets.session.database(), m_targets.dialogs);
    if (!repaired)
        return;
    m_targets.session.history().record(QStringLiteral("Исправление нумерации"),
                             [&] { m_targets.session.database() = std::move(*repaired); });
    m_targets.session.announceChanges();
}

void FileCommands::open()
{
    if (!mayDropChanges())
        return;
    const QString path = chooseDatabaseToOpen(m_targets.dialogs, &m_targets.window, m_targets.settings.lastFolder());
    if (!path.isEmpty())
        openFile(path);
}

bool FileCommands::openFile(const QString &path)
{
    const FileBytes file = readDatabaseFile(path);
    if (!file.ok()) {
        showFileProblem(m_targets.dialogs, file.error);
        return false;
    }
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(file.bytes.constData());
    const std::span<const std::uint8_t> image{bytes, std::size_t(file.bytes.size())};
    if (!loadImage(image))
        return false;
    m_targets.session.setFilePath(path);
    m_targets.settings.addRecentFile(path);
    fillRecentFilesMenu();
    offerNumberingRepair(image);
    return true;
}

void FileCommands::openRecentFile(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        showFileProblem(m_targets.dialogs, QStringLiteral("Файл «%1» не найден; он убран из списка последних файлов.")
                                               .arg(QDir::toNativeSeparators(path)));
        m_targets.settings.removeRecentFile(path);
        fillRecentFilesMenu();
        return;
    }
    if (mayDropChanges())
        openFile(path);
}

bool FileCommands::acceptsDrop(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.front().isLocalFile()
           && urls.front().toLocalFile().endsWith(QStringLiteral(".k5d"), Qt::CaseInsensitive);
}

void FileCommands::openDropped(const QMimeData &data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() == 1 && urls.front().isLocalFile() && mayDropChanges())
        openFile(urls.front().toLocalFile());
}

bool FileCommands::save()
{
    if (m_targets.session.filePath().isEmpty())
        return saveAs();
    if (!saveDatabase(m_targets.session.database(), m_targets.session.filePath(), m_targets.dialogs))
        return false;
    m_targets.session.history().markSaved();
    m_targets.fileWritten(QStringLiteral("Сохранено"), m_targets.session.filePath());
    return true;
}

bool FileCommands::saveAs()
{
    const QString path = saveDatabaseAs(m_targets.session.database(), m_targets.dialogs, &m_targets.window,
                                        m_targets.settings.lastFolder());
    if (path.isEmpty())
        return false;
    // From now on the window's file is the one just written: the title names
    // it and "Сохранить" writes there, never over the file opened before.
    m_targets.session.setFilePath(path);
    m_targets.session.history().markSaved();
    m_targets.settings.addRecentFile(path);
    fillRecentFilesMenu();
    m_targets.fileWritten(QStringLiteral("Сохранено"), path);
    return true;
}

void FileCommands::exportCsv(bool radio)
{
    exportCsvOf([&](char separator) { return channelListCsv(m_targets.session.database(), kindOf(radio), separator); });
}

void FileCommands::exportTransponderCsv(std::optional<std::size_t> satellite)
{
    exportCsvOf([&](char separator) { return transponderListCsv(m_targets.session.database(), satellite, separator); });
}

void FileCommands::exportCsvOf(const std::function<std::string(char separator)> &csvOf)
{
    const CsvExported exported = exportCsvFile(csvOf, m_targets.dialogs, &m_targets.window,
                                               {m_targets.settings.lastFolder(), m_targets.session.filePath()},
                                               m_targets.settings.csvSeparator());
    if (exported.path.isEmpty())
        return;
    m_targets.settings.rememberFolder(exported.path);   // a CSV file is no database to open again
    m_targets.settings.rememberCsvSeparator(exported.separator);
    m_targets.fileWritten(QStringLiteral("Экспортировано"), exported.path);
}

bool FileCommands::mayDropChanges()
{
    if (!m_targets.session.history().isModified() || m_changesDropped)
        return true;
    switch (m_targets.dialogs.askYesNoCancel(QStringLiteral("Сохранить изменения в базе каналов?"))) {
    case UserDialogs::Answer::Yes: return save();
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

void FileCommands::fillRecentFilesMenu()
{
    QMenu &menu = m_targets.recentFiles;
    menu.clear();
    const QStringList files = m_targets.settings.recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        // A long path keeps its start and its file name; the tooltip has it whole.
        const QString shown = QDir::toNativeSeparators(path);
        const QString elided = menu.fontMetrics().elidedText(shown, Qt::ElideMiddle,
                                                             kRecentFileTextChars * menu.fontMetrics().averageCharWidth());
        // The number is the underlined letter; an "&" in the path is shown as itself.
        QAction *item = menu.addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QString(elided).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setToolTip(shown);
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    menu.setToolTipsVisible(true);
    menu.setEnabled(!files.isEmpty());
}

} // namespace k510::ui
