// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageFiles.h"

#include "ToolExit.h"
#include "link/FileAccess.h"

using namespace k510::files;

namespace {

// Far more than any image (and than the wire can carry); a larger input is
// refused before a byte of it is read.
constexpr qint64 kMaxInputSize = 16 * 1024 * 1024;

QString notARegularFile(const QString &path, const char *consequence)
{
    return QStringLiteral("%1 is not a regular file (a folder, FIFO or device); %2").arg(path, QLatin1String(consequence));
}

QString readProblemText(const QString &path, FileProblem problem, const QString &reason)
{
    switch (problem) {
    case FileProblem::NotRegularFile:
        return notARegularFile(path, "nothing was done");
    case FileProblem::TooLarge:
        return QStringLiteral("%1 is too large for a database image; nothing was read").arg(path);
    case FileProblem::OpenFailed:
        return withReason(QStringLiteral("cannot open %1").arg(path), path, reason);
    case FileProblem::ReadFailed:
    case FileProblem::WriteFailed:
    case FileProblem::None:
        break;
    }
    return withReason(QStringLiteral("cannot read %1").arg(path), path, reason);
}

} // namespace

std::optional<QByteArray> loadFile(const QString &path, QString *error)
{
    FileRead file = readRegularFile(path, kMaxInputSize);
    if (!file.ok()) {
        *error = readProblemText(path, file.problem, file.reason);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool saveFileAtomically(const QString &path, std::span<const std::uint8_t> bytes, QString *error)
{
    const FileWrite written
        = writeFileSafely(path, QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    if (!written.ok()) {
        // A folder or device named as the output is refused, not written to.
        *error = written.problem == FileProblem::NotRegularFile
                     ? notARegularFile(path, "nothing was written")
                     : withReason(QStringLiteral("cannot write %1; nothing there was changed").arg(path), path,
                                  written.reason);
        return false;
    }
    return true;
}
