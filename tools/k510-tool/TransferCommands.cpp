// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferCommands.h"

#include <QTextStream>

#include <optional>

#include "DatabaseFiles.h"
#include "DiffReport.h"
#include "ImageFiles.h"
#include "TerminalProgress.h"
#include "ToolExit.h"
#include "link/PortList.h"
#include "link/PortSettings.h"
#include "link/ReceiveImage.h"
#include "link/SendImage.h"
#include "model/DatabaseDiff.h"
#include "model/ImageReader.h"
#include "storage/TransferHistory.h"

namespace {

// The port and speed a transfer opens the line with.
struct Line {
    QString port;
    QString speed;
};

// --port and --speed, checked; nothing and `error` if one is wrong.
std::optional<Line> lineOf(const CommandLine &command, const char *name, QString *error)
{
    if (command.value("port").isEmpty()) {
        *error = QStringLiteral("%1 needs --port NAME").arg(QLatin1String(name));
        return std::nullopt;
    }
    // The line would be opened at whatever the text reads as; only the
    // receiver's speeds are taken.
    const QString speed = command.value("speed");
    const QStringList speeds = k510::link::speedChoices();
    if (!speeds.contains(speed)) {
        *error = QStringLiteral("--speed '%1' is not a speed of the receiver; use one of %2")
                     .arg(speed, speeds.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return Line{command.value("port"), speed};
}

// A copy in the transfer history, as the editor keeps one; one that cannot
// be kept is said, and the command goes on.
void keepCopy(const QByteArray &image, k510::storage::TransferKind kind)
{
    const k510::storage::KeptCopy kept = k510::storage::TransferHistory().keep(image, kind, {});
    if (!kept.problem.isEmpty())
        fail(kept.problem);
}

// A complete receive's image, kept in the history; nothing, with the
// failure said, when the receive failed. The caller completes `progress`.
std::optional<QByteArray> receiveImage(const Line &port, k510::link::BlockChecks checks, TerminalProgress &progress)
{
    QByteArray received;
    QString failure;
    k510::link::ReceiveImage(
        port.port, port.speed, [&](int percent) { progress.show(percent); },
        [&](const QByteArray &image) { received = image; }, [&](const QString &text) { failure = text; }, checks);
    if (!failure.isEmpty()) {
        progress.finish();
        fail(failure);
        return std::nullopt;
    }
    keepCopy(received, k510::storage::TransferKind::Received);
    return received;
}

} // namespace

QList<QCommandLineOption> transferOptions()
{
    return {
        QCommandLineOption(QStringLiteral("port"),
                           QStringLiteral("send/receive/verify: COM1..COM4, a system name (ttyUSB0, COM7) "
                                          "or a device path; see the ports command"),
                           QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("speed"),
                           QStringLiteral("send/receive/verify: speed in baud, one of %1 (default 115200)")
                               .arg(k510::link::speedChoices().join(QStringLiteral(", "))),
                           QStringLiteral("N"), QStringLiteral("115200")),
        QCommandLineOption(QStringLiteral("force"), QStringLiteral("send: send FILE even if it is no database image; "
                                                                   "receive: keep blocks whose CRC or number is wrong")),
    };
}

int runSend(const CommandLine &line)
{
    QString error;
    const auto port = lineOf(line, "send", &error);
    if (!port)
        return fail(error);
    const QString &file = line.files.at(0);
    const auto image = loadFile(file, &error);
    if (!image)
        return fail(error, NotAnImage);
    if (!line.isSet("force")) {
        const k510::ReadResult check = k510::readImage(bytesOf(*image));
        if (!check.ok()) {
            // The refusal is the window's own text, so it keeps a line of its own.
            fail(file + QStringLiteral(": ") + QString::fromStdString(check.error));
            return fail(QStringLiteral("nothing was sent; --force sends it anyway"), NotAnImage);
        }
    }

    TerminalProgress progress(QStringLiteral("Передача данных"));
    QString failure;
    k510::link::SendImage(
        port->port, port->speed, *image, [&](int percent) { progress.show(percent); },
        [&](const QString &text) { failure = text; });
    keepCopy(*image, failure.isEmpty() ? k510::storage::TransferKind::Sent : k510::storage::TransferKind::SendBroken);
    if (!failure.isEmpty()) {
        progress.finish();
        return fail(failure);
    }
    progress.complete();
    return Success;
}

int runReceive(const CommandLine &line)
{
    QString error;
    const auto port = lineOf(line, "receive", &error);
    if (!port)
        return fail(error);
    const QString &file = line.files.at(0);
    const bool forced = line.isSet("force");
    if (forced)
        QTextStream(stderr) << "k510-tool: --force: block CRCs and numbers are not checked; "
                               "a line error goes into FILE unnoticed"
                            << Qt::endl;

    TerminalProgress progress(QStringLiteral("Прием данных"));
    const auto arrived =
        receiveImage(*port, forced ? k510::link::BlockChecks::Skip : k510::link::BlockChecks::Verify, progress);
    if (!arrived)
        return Failure;
    const QByteArray &received = *arrived;

    // "Готово" only once FILE holds what arrived.
    const k510::ReadResult result = k510::readImage(bytesOf(received));
    if (!result.ok()) {
        progress.finish();
        fail(QString::fromStdString(result.error));
        return fail(QStringLiteral("the received image is refused; %1 was not written").arg(file));
    }
    if (!saveFileAtomically(file, bytesOf(received), &error)) {
        progress.finish();
        return fail(error);
    }
    progress.complete();
    for (const auto &warning : result.warnings)
        fail(QString::fromStdString(warning));
    return Success;
}

int runVerify(const CommandLine &line)
{
    // Exit code 1 says "different", so every failure gives 2.
    QString error;
    const auto port = lineOf(line, "verify", &error);
    if (!port)
        return fail(error, NotAnImage);
    int code = Success;
    const auto expected = readDatabase(line.files.at(0), &code, NotAnImage);
    if (!expected)
        return code;
    TerminalProgress progress(QStringLiteral("Прием данных"));
    const auto received = receiveImage(*port, k510::link::BlockChecks::Verify, progress);
    if (!received)
        return NotAnImage;
    const k510::ReadResult result = k510::readImage(bytesOf(*received));
    progress.complete();
    if (!result.ok()) {
        fail(QString::fromStdString(result.error));
        return fail(QStringLiteral("the receiver's image is refused; nothing was compared"), NotAnImage);
    }
    const k510::DatabaseDiff diff = k510::diffDatabases(*expected, *result.database);
    QTextStream out(stdout);
    if (diff.empty()) {
        out << "identical" << Qt::endl;
        return Success;
    }
    out << diffText(diff);
    return Failure;
}

int runPorts(const CommandLine &)
{
    QTextStream out(stdout);
    for (const k510::link::PortEntry &entry : k510::link::portEntries(k510::link::SystemPorts().availablePorts()))
        out << entry.text << '\t' << entry.device << Qt::endl;
    return Success;
}
