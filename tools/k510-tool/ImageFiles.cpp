// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImageFiles.h"

#include "ToolExit.h"
#include "storage/FileAccess.h"

#include <QFileInfo>

using namespace k510::files;

namespace {

// Far more than any image (and than the wire can carry); a larger input is
// refused before a byte of it is read.
constexpr qint64 kMaxInputSize = 16 * 1024 * 1024;

QString notARegularFile(const QString &path, const char *consequence)
{
    return QStringLiteral("%1 is not a regular file (a folder, FIFO or device); %2").arg(path, QLatin1String(consequence));
}

QString readProblemText(const QString &path, FileProblem problem, const QString &reason, const char *kind)
{
    switch (problem) {
    case FileProblem::NotRegularFile:
        return notARegularFile(path, "nothing was done");
    case FileProblem::TooLarge:
        return QStringLiteral("%1 is too large for %2 (more than %3 MiB); nothing was read")
            .arg(path, QLatin1String(kind))
            .arg(kMaxInputSize / (1024 * 1024));
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

std::optional<QByteArray> loadFile(const QString &path, QString *error, const char *kind)
{
    FileRead file = readRegularFile(path, kMaxInputSize);
    if (!file.ok()) {
        *error = readProblemText(path, file.problem, file.reason, kind);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool saveFileAtomically(const QString &path, std::span<const std::uint8_t> bytes, QString *error)
{
    const bool existed = QFileInfo::exists(path);
    const FileWrite written
        = writeFileSafely(path, QByteArrayView(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    if (!written.ok()) {
        // A folder or device named as the output is refused, not written to.
        *error = written.problem == FileProblem::NotRegularFile
                     ? notARegularFile(path, "nothing was written")
                     : withReason(QString::fromLatin1(existed ? "cannot write %1; the file there was left as it was"
                                                            : "cannot write %1")
                                      .arg(path),
                                  path, written.reason);
        return false;
    }
    return true;
}

bool refusedAsInput(const QString &out, const QStringList &inputs, int *exitCode)
{
    for (const QString &input : inputs) {
        if (isSameFile(out, input)) {
            *exitCode = fail(QStringLiteral("OUT %1 is the input %2 (one file): writing it would replace what is read; "
                                            "name another OUT; nothing was written")
                                 .arg(out, input));
            return true;
        }
    }
    return false;
}
