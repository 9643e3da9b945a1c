// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferHistory.h"

#include "FileAccess.h"
#include "SettingsFolder.h"
#include "model/ImageReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <utility>

namespace k510::storage {

namespace {

// Far more than an image; a copy sent with k510-tool --force may be any file.
constexpr qint64 kMaxCopySize = 16 * 1024 * 1024;
constexpr qint64 kMaxFactsSize = 64 * 1024;
const char *const kTimeFormat = "yyyy-MM-dd_HH-mm-ss";

constexpr std::array<std::pair<TransferKind, const char *>, 3> kKindNames = {{
    {TransferKind::Received, "received"},
    {TransferKind::Sent, "sent"},
    {TransferKind::SendBroken, "sent-broken"},
}};

// "2026-12-10_14-05-09_sent.k5d", with "_2", "_3", ... for more copies of one second.
const QRegularExpression &copyName()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d)_(received|sent|sent-broken)(?:_(\d+))?\.k5d$)"));
    return pattern;
}

QString factsPathOf(const QString &imagePath)
{
    return imagePath.chopped(4) + QStringLiteral(".json");
}

struct NamedCopy {
    HistoryCopy copy;
    int sequence = 1;
};

std::optional<NamedCopy> parseName(const QString &folder, const QString &fileName)
{
    const QRegularExpressionMatch match = copyName().match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    NamedCopy named;
    named.copy.imagePath = folder + QLatin1Char('/') + fileName;
    named.copy.when = QDateTime::fromString(match.captured(1), QLatin1String(kTimeFormat));
    if (!named.copy.when.isValid())
        return std::nullopt;
    for (const auto &[kind, name] : kKindNames)
        if (match.captured(2) == QLatin1String(name))
            named.copy.kind = kind;
    if (match.hasCaptured(3))
        named.sequence = match.captured(3).toInt();
    return named;
}

void readFacts(HistoryCopy &copy)
{
    const files::FileRead file = files::readRegularFile(factsPathOf(copy.imagePath), kMaxFactsSize);
    if (!file.ok())
        return;
    const QJsonObject facts = QJsonDocument::fromJson(file.bytes).object();
    copy.openFile = facts.value(QStringLiteral("openFile")).toString();
    copy.satellites = facts.value(QStringLiteral("satellites")).toInt(-1);
    copy.transponders = facts.value(QStringLiteral("transponders")).toInt(-1);
    copy.tvChannels = facts.value(QStringLiteral("tvChannels")).toInt(-1);
    copy.radioChannels = facts.value(QStringLiteral("radioChannels")).toInt(-1);
}

QByteArray factsOf(QByteArrayView image, const QString &openFile)
{
    QJsonObject facts{{QStringLiteral("openFile"), openFile}};
    const ReadResult read =
        readImage({reinterpret_cast<const std::uint8_t *>(image.data()), std::size_t(image.size())});
    if (read.ok()) {
        facts[QStringLiteral("satellites")] = int(read.database->satellites.size());
        facts[QStringLiteral("transponders")] = int(read.database->transponders.size());
        facts[QStringLiteral("tvChannels")] = int(read.database->tvOrder.size());
        facts[QStringLiteral("radioChannels")] = int(read.database->radioOrder.size());
    }
    return QJsonDocument(facts).toJson(QJsonDocument::Compact);
}

// The copies in the folder, newest first, ties broken by their sequence.
std::vector<NamedCopy> namedCopies(const QString &folder)
{
    std::vector<NamedCopy> found;
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.k5d")}, QDir::Files);
    for (const QString &name : names)
        if (auto named = parseName(folder, name))
            found.push_back(std::move(*named));
    std::sort(found.begin(), found.end(), [](const NamedCopy &a, const NamedCopy &b) {
        return a.copy.when != b.copy.when ? a.copy.when > b.copy.when : a.sequence > b.sequence;
    });
    return found;
}

// A name after every copy of the same second, whatever their kind, so that
// the order of the names is the order of the transfers.
QString unusedImagePath(const QString &folder, const std::vector<NamedCopy> &existing, const QDateTime &when,
                        TransferKind kind)
{
    const QDateTime second = when.addMSecs(-when.time().msec());
    int sequence = 1;
    for (const NamedCopy &named : existing)
        if (named.copy.when == second)
            sequence = std::max(sequence, named.sequence + 1);
    const QString stem = folder + QLatin1Char('/') + second.toString(QLatin1String(kTimeFormat)) + QLatin1Char('_')
                         + transferKindName(kind);
    QString path = sequence == 1 ? stem + QStringLiteral(".k5d") : stem + QStringLiteral("_%1.k5d").arg(sequence);
    while (QFileInfo::exists(path))
        path = stem + QStringLiteral("_%1.k5d").arg(++sequence);
    return path;
}

QString problemText(const QString &folder, const QString &reason)
{
    return QStringLiteral("Копия обмена не сохранена в «%1»: %2").arg(QDir::toNativeSeparators(folder), reason);
}

QString writeReason(const files::FileWrite &written)
{
    return written.reason.isEmpty() ? QStringLiteral("это не обычный файл") : written.reason;
}

} // namespace

QString transferKindName(TransferKind kind)
{
    for (const auto &[each, name] : kKindNames)
        if (each == kind)
            return QLatin1String(name);
    return {};
}

QString historyFolder()
{
#ifdef Q_OS_WIN
    return settingsFolder() + QStringLiteral("/history");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/k510/history");
#endif
}

TransferHistory::TransferHistory(QString folder) : m_folder(std::move(folder)) {}

KeptCopy TransferHistory::keep(QByteArrayView image, TransferKind kind, const QString &openFile,
                               const QDateTime &when) const
{
    const std::vector<NamedCopy> existing = namedCopies(m_folder);
    const auto newestOfKind = std::find_if(existing.begin(), existing.end(),
                                           [kind](const NamedCopy &named) { return named.copy.kind == kind; });
    if (newestOfKind != existing.end()) {
        const files::FileRead newest = files::readRegularFile(newestOfKind->copy.imagePath, kMaxCopySize);
        if (newest.ok() && QByteArrayView(newest.bytes) == image)
            return {false, newestOfKind->copy.imagePath, {}};
    }

    if (!QDir().mkpath(m_folder))
        return {false, {}, problemText(m_folder, QStringLiteral("папку не удалось создать"))};
    const QString imagePath = unusedImagePath(m_folder, existing, when.toLocalTime(), kind);
    if (const files::FileWrite written = files::writeFileSafely(imagePath, image); !written.ok())
        return {false, {}, problemText(m_folder, writeReason(written))};
    KeptCopy kept{true, imagePath, {}};
    // Without its facts the copy is still listed, its counts unknown.
    if (const files::FileWrite written = files::writeFileSafely(factsPathOf(imagePath), factsOf(image, openFile));
        !written.ok())
        kept.problem = problemText(m_folder, writeReason(written));
    dropBeyondLimit();
    return kept;
}

std::vector<HistoryCopy> TransferHistory::copies() const
{
    std::vector<HistoryCopy> found;
    for (NamedCopy &named : namedCopies(m_folder)) {
        readFacts(named.copy);
        found.push_back(std::move(named.copy));
    }
    return found;
}

std::optional<QByteArray> TransferHistory::readCopy(const HistoryCopy &copy, QString *problem)
{
    files::FileRead file = files::readRegularFile(copy.imagePath, kMaxCopySize);
    if (!file.ok()) {
        if (problem)
            *problem = QStringLiteral("Копия «%1» не прочитана: %2")
                           .arg(QDir::toNativeSeparators(copy.imagePath),
                                file.reason.isEmpty() ? QStringLiteral("это не обычный файл") : file.reason);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

void TransferHistory::dropBeyondLimit() const
{
    const std::vector<NamedCopy> existing = namedCopies(m_folder);
    for (std::size_t k = kCopyLimit; k < existing.size(); ++k) {
        QFile::remove(existing[k].copy.imagePath);
        QFile::remove(factsPathOf(existing[k].copy.imagePath));
    }
}

} // namespace k510::storage
