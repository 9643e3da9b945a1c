// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace k510::files {

namespace {

// QFileInfo follows symbolic links: a link to a device is no regular file.
bool isSomethingElseThanAFile(const QFileInfo &info)
{
    return info.exists() && !info.isFile();
}

QString problemReason(FileProblem problem, const QString &systemReason)
{
    switch (problem) {
    case FileProblem::NotRegularFile: return QStringLiteral("это не обычный файл");
    case FileProblem::TooLarge: return QStringLiteral("файл слишком велик");
    default: return systemReason;
    }
}

// A write that stores part of its bytes (a disk with room for part of them)
// returns the shorter count without an error of its own; asking again for the
// rest then fails with the system's reason, which is what the user is told.
bool writeWhole(QSaveFile &file, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return true;
}

// For a write that stopped short without the system giving a reason: the
// only cause a write short of its bytes has on a file.
QString noSpaceReason() { return QString::fromLocal8Bit(std::strerror(ENOSPC)); }

void tell(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

} // namespace

FileRead readRegularFile(const QString &path, qint64 maxSize, bool truncate)
{
    const QFileInfo info(path);
    if (isSomethingElseThanAFile(info))
        return {{}, FileProblem::NotRegularFile, {}};
    if (!truncate && info.size() > maxSize)
        return {{}, FileProblem::TooLarge, {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileProblem::OpenFailed, file.errorString()};
    FileRead result;
    result.bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, FileProblem::ReadFailed, file.errorString()};
    if (!truncate && result.bytes.size() > maxSize)
        return {{}, FileProblem::TooLarge, {}};
    return result;
}

FileWrite writeFileSafely(const QString &path, QByteArrayView bytes)
{
    if (isSomethingElseThanAFile(QFileInfo(path)))
        return {FileProblem::NotRegularFile, {}};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {FileProblem::OpenFailed, file.errorString()};
    // QSaveFile::commit() renames even when its final flush failed (a full
    // disk), so the data are flushed and every error looked at first.
    const bool written = writeWhole(file, bytes) && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : noSpaceReason();
        file.cancelWriting();
        return {FileProblem::WriteFailed, reason};
    }
    if (!file.commit())
        return {FileProblem::WriteFailed, file.errorString()};
    return {};
}

bool isSameFile(const QString &first, const QString &second)
{
    const QFileInfo one(first), other(second);
    if (!one.exists() || !other.exists())
        return false;
    if (one.canonicalFilePath() == other.canonicalFilePath())
        return true;
    // Two names of one file: same device and inode (volume and file index on Windows).
    std::error_code error;
    return std::filesystem::equivalent(one.filesystemFilePath(), other.filesystemFilePath(), error) && !error;
}

std::optional<QByteArray> readSettingsFile(const QString &path, QString *problem)
{
    // Also a link to nothing yet: writing creates its target.
    if (!QFileInfo::exists(path))
        return QByteArray();
    FileRead file = readRegularFile(path, kMaxSettingsFileSize);
    if (!file.ok()) {
        tell(problem, QStringLiteral("Файл настроек «%1» не прочитан: %2")
                          .arg(QDir::toNativeSeparators(path), problemReason(file.problem, file.reason)));
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool writeSettingsFile(const QString &path, QByteArrayView content, QString *problem)
{
    // The configuration folder may not exist yet on a new machine.
    QDir().mkpath(QFileInfo(path).absolutePath());
    const FileWrite written = writeFileSafely(path, content);
    if (!written.ok()) {
        tell(problem, QStringLiteral("Файл настроек «%1» не записан: %2")
                          .arg(QDir::toNativeSeparators(path), problemReason(written.problem, written.reason)));
        return false;
    }
    return true;
}

} // namespace k510::files
