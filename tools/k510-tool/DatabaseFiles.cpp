// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseFiles.h"

#include <QTextStream>

#include "ImageFiles.h"
#include "ToolExit.h"
#include "model/ImageReader.h"
#include "model/ImageWriter.h"

using namespace k510;

std::optional<ChannelDatabase> readDatabase(const QString &path, int *exitCode, int refusedCode)
{
    QString error;
    const auto data = loadFile(path, &error);
    if (!data) {
        *exitCode = fail(error, NotAnImage);
        return std::nullopt;
    }
    ReadResult result = readImage(bytesOf(*data));
    for (const auto &warning : result.warnings)
        QTextStream(stderr) << path << ": " << QString::fromStdString(warning) << Qt::endl;
    if (!result.ok()) {
        *exitCode = fail(path + QStringLiteral(": ") + QString::fromStdString(result.error), refusedCode);
        return std::nullopt;
    }
    return std::move(result.database);
}

bool writeDatabase(const ChannelDatabase &db, const QString &path, int *exitCode)
{
    const WriteResult image = writeImage(db);
    if (!image.ok()) {
        *exitCode = fail(QString::fromStdString(image.error));
        return false;
    }
    QString error;
    if (!saveFileAtomically(path, image.image, &error)) {
        *exitCode = fail(error);
        return false;
    }
    return true;
}
