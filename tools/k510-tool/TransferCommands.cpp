#include "TransferCommands.h"

#include <QCommandLineParser>
#include <QTextStream>

#include "ImageFiles.h"
#include "TerminalProgress.h"
#include "ToolExit.h"
#include "link/ReceiveImage.h"
#include "link/SendImage.h"
#include "model/ImageReader.h"

TransferCommands::TransferCommands(QCommandLineParser &parser)
    : m_parser(parser)
    , m_port(QStringLiteral("port"), QStringLiteral("send/receive: COM1..COM4 or a device path"), QStringLiteral("NAME"))
    , m_speed(QStringLiteral("speed"), QStringLiteral("send/receive: speed in baud (default 115200)"),
              QStringLiteral("N"), QStringLiteral("115200"))
    , m_force(QStringLiteral("force"), QStringLiteral("send: send FILE even if it is no database image"))
{
    parser.addOptions({m_port, m_speed, m_force});
}

std::optional<TransferCommands::Line> TransferCommands::line() const
{
    if (m_parser.value(m_port).isEmpty())
        return std::nullopt;
    return Line{m_parser.value(m_port), m_parser.value(m_speed)};
}

int TransferCommands::send(const QStringList &arguments) const
{
    const auto port = line();
    if (!port)
        return fail(QStringLiteral("send needs --port NAME"));
    QString error;
    const auto image = loadFile(arguments.value(0), &error);
    if (!image)
        return fail(error);
    if (!m_parser.isSet(m_force)) {
        const k510::ReadResult check = k510::readImage(bytesOf(*image));
        if (!check.ok())
            return fail(QStringLiteral("%1: %2 (--force sends it anyway)")
                            .arg(arguments.value(0), QString::fromStdString(check.error)),
                        NotAnImage);
    }

    TerminalProgress progress(QStringLiteral("Передача данных"));
    QString failure;
    k510::link::SendImage(
        port->port, port->speed, *image, [&](int percent) { progress.show(percent); },
        [&](const QString &text) { failure = text; });
    progress.finish();
    return failure.isEmpty() ? Success : fail(failure);
}

int TransferCommands::receive(const QStringList &arguments) const
{
    const auto port = line();
    if (!port)
        return fail(QStringLiteral("receive needs --port NAME"));

    TerminalProgress progress(QStringLiteral("Прием данных"));
    QByteArray received;
    QString failure;
    k510::link::ReceiveImage(
        port->port, port->speed, [&](int percent) { progress.show(percent); },
        [&](const QByteArray &image) { received = image; }, [&](const QString &text) { failure = text; });
    progress.finish();
    if (!failure.isEmpty())
        return fail(failure);

    const k510::ReadResult result = k510::readImage(bytesOf(received));
    for (const auto &warning : result.warnings)
        QTextStream(stderr) << "k510-tool: received image: " << QString::fromStdString(warning) << Qt::endl;
    if (!result.ok())
        return fail(QStringLiteral("received image refused, %1 not written: %2")
                        .arg(arguments.value(0), QString::fromStdString(result.error)));
    QString error;
    if (!saveFileAtomically(arguments.value(0), bytesOf(received), &error))
        return fail(error);
    return Success;
}
