// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferCommands.h"

#include <QCommandLineParser>
#include <QTextStream>

#include "ImageFiles.h"
#include "TerminalProgress.h"
#include "ToolExit.h"
#include "link/PortList.h"
#include "link/PortSettings.h"
#include "link/ReceiveImage.h"
#include "link/SendImage.h"
#include "model/ImageReader.h"

TransferCommands::TransferCommands(QCommandLineParser &parser)
    : m_parser(parser)
    , m_port(QStringLiteral("port"), QStringLiteral("send/receive: COM1..COM4, a system name (ttyUSB0, COM7) or a device path; "
                                           "see the ports command"), QStringLiteral("NAME"))
    , m_speed(QStringLiteral("speed"),
              QStringLiteral("send/receive: speed in baud, one of %1 (default 115200)")
                  .arg(k510::link::speedChoices().join(QStringLiteral(", "))),
              QStringLiteral("N"), QStringLiteral("115200"))
    , m_force(QStringLiteral("force"), QStringLiteral("send: send FILE even if it is no database image; "
                                                      "receive: keep blocks whose CRC or number is wrong"))
{
    parser.addOptions({m_port, m_speed, m_force});
}

std::optional<TransferCommands::Line> TransferCommands::line(const QString &command, QString *error) const
{
    if (m_parser.value(m_port).isEmpty()) {
        *error = QStringLiteral("%1 needs --port NAME").arg(command);
        return std::nullopt;
    }
    // The line would be opened at whatever the text reads as; only the
    // receiver's speeds are taken.
    const QString speed = m_parser.value(m_speed);
    const QStringList speeds = k510::link::speedChoices();
    if (!speeds.contains(speed)) {
        *error = QStringLiteral("--speed '%1' is not a speed of the receiver; use one of %2")
                     .arg(speed, speeds.join(QStringLiteral(", ")));
        return std::nullopt;
    }
    return Line{m_parser.value(m_port), speed};
}

int TransferCommands::send(const QStringList &arguments) const
{
    QString error;
    const auto port = line(QStringLiteral("send"), &error);
    if (!port)
        return fail(error);
    const auto image = loadFile(arguments.value(0), &error);
    if (!image)
        return fail(error, NotAnImage);
    if (!m_parser.isSet(m_force)) {
        const k510::ReadResult check = k510::readImage(bytesOf(*image));
        if (!check.ok()) {
            // The refusal is the window's own text, so it keeps a line of its own.
            fail(arguments.value(0) + QStringLiteral(": ") + QString::fromStdString(check.error));
            return fail(QStringLiteral("nothing was sent; --force sends it anyway"), NotAnImage);
        }
    }

    TerminalProgress progress(QStringLiteral("Передача данных"));
    QString failure;
    k510::link::SendImage(
        port->port, port->speed, *image, [&](int percent) { progress.show(percent); },
        [&](const QString &text) { failure = text; });
    if (!failure.isEmpty()) {
        progress.finish();
        return fail(failure);
    }
    progress.complete();
    return Success;
}

int TransferCommands::receive(const QStringList &arguments) const
{
    QString error;
    const auto port = line(QStringLiteral("receive"), &error);
    if (!port)
        return fail(error);
    const bool forced = m_parser.isSet(m_force);
    if (forced)
        QTextStream(stderr) << "k510-tool: --force: block CRCs and numbers are not checked; "
                               "a line error goes into FILE unnoticed"
                            << Qt::endl;

    TerminalProgress progress(QStringLiteral("Прием данных"));
    QByteArray received;
    QString failure;
    k510::link::ReceiveImage(
        port->port, port->speed, [&](int percent) { progress.show(percent); },
        [&](const QByteArray &image) { received = image; }, [&](const QString &text) { failure = text; },
        forced ? k510::link::BlockChecks::Skip : k510::link::BlockChecks::Verify);
    if (!failure.isEmpty()) {
        progress.finish();
        return fail(failure);
    }

    // "Готово" only once FILE holds what arrived.
    const k510::ReadResult result = k510::readImage(bytesOf(received));
    if (!result.ok()) {
        progress.finish();
        fail(QString::fromStdString(result.error));
        return fail(QStringLiteral("the received image is refused; %1 was not written").arg(arguments.value(0)));
    }
    if (!saveFileAtomically(arguments.value(0), bytesOf(received), &error)) {
        progress.finish();
        return fail(error);
    }
    progress.complete();
    for (const auto &warning : result.warnings)
        fail(QString::fromStdString(warning));
    return Success;
}

int TransferCommands::ports()
{
    QTextStream out(stdout);
    for (const k510::link::PortEntry &entry : k510::link::portEntries(k510::link::SystemPorts().availablePorts()))
        out << entry.text << '\t' << entry.device << Qt::endl;
    return Success;
}
