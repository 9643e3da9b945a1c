// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimOptions.h"

#include <QCommandLineParser>

#include <array>
#include <utility>

#include "storage/FileAccess.h"
#include "model/ImageWriter.h"
#include "tools/samples/SampleDatabases.h"

namespace {

constexpr std::array<std::pair<const char *, Fault>, 11> kFaults = {{
    {"none", Fault::None},
    {"silent", Fault::Silent},
    {"bad-tag", Fault::BadTag},
    {"zero-blocks", Fault::ZeroBlocks},
    {"short-block", Fault::ShortBlock},
    {"oversize", Fault::Oversize},
    {"scrambled", Fault::Scrambled},
    {"swapped", Fault::Swapped},
    {"damaged", Fault::Damaged},
    {"slow", Fault::Slow},
    {"alter", Fault::Alter},
}};

QByteArray demoImage()
{
    const k510::WriteResult written = k510::writeImage(k510::samples::demoDatabase());
    return QByteArray(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));
}

} // namespace

std::optional<SimOptions> parseSimOptions(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated Tessora K-510 receiver on a pseudo-terminal. Prints the device to use as the serial port "
        "on its first line, then serves transfers until it is stopped.\n\n"
        "Exit status:\n"
        "  0  --help was given\n"
        "  1  no pseudo-terminal could be opened\n"
        "  2  an option is wrong or the --image FILE cannot be read\n"
        "\nExamples:\n"
        "  $ k510-sim --store /tmp/sent.k5d &\n"
        "  $ K510_COM1=/dev/pts/3 k510-editor"));
    const QCommandLineOption image(QStringLiteral("image"), QStringLiteral("image the receiver holds and sends until it is sent another (default: the demo database)"), QStringLiteral("FILE"));
    const QCommandLineOption store(QStringLiteral("store"), QStringLiteral("where an image sent to the receiver is written"), QStringLiteral("FILE"));
    const QCommandLineOption record(QStringLiteral("record"), QStringLiteral("where the bytes the editor writes in the latest transfer are kept, as they arrive"), QStringLiteral("FILE"));
    const QCommandLineOption fault(QStringLiteral("fault"), QStringLiteral("none, silent, bad-tag, zero-blocks, short-block, oversize, scrambled, swapped, damaged, slow or alter (the database it gives back has one channel changed)"), QStringLiteral("MODE"));
    const QCommandLineOption at(QStringLiteral("at"), QStringLiteral("the block a short-block, oversize, swapped (N and N+1), damaged or slow fault hits (default: 0; slow: every answer)"), QStringLiteral("N"));
    const QCommandLineOption delay(QStringLiteral("delay"), QStringLiteral("how late a slow answer comes, in ms (default 1500)"), QStringLiteral("MS"));
    const QCommandLineOption reply(QStringLiteral("reply"), QStringLiteral("the five reply bytes in hexadecimal (default: 2ACK3)"), QStringLiteral("HEX"));
    const QCommandLineOption help(QStringLiteral("help"), QStringLiteral("this text"));
    parser.addOptions({image, store, record, fault, at, delay, reply, help});

    if (!parser.parse(QStringList{QStringLiteral("k510-sim")} + arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(help))
        parser.showHelp(0);

    SimOptions options;
    if (parser.isSet(image)) {
        // Any size up to what the wire can announce (a 16-bit block count).
        constexpr qint64 kMaxImage = 0xFFFF * 256;
        k510::files::FileRead file = k510::files::readRegularFile(parser.value(image), kMaxImage);
        if (!file.ok()) {
            *error = QStringLiteral("cannot use %1 as the image: %2")
                         .arg(parser.value(image),
                              file.reason.isEmpty() ? QStringLiteral("no regular file, or too large") : file.reason);
            return std::nullopt;
        }
        options.imageToSend = std::move(file.bytes);
    } else {
        options.imageToSend = demoImage();
    }
    options.storePath = parser.value(store);
    options.recordPath = parser.value(record);

    if (parser.isSet(fault)) {
        const QString name = parser.value(fault);
        bool known = false;
        for (const auto &[faultName, mode] : kFaults) {
            if (name == QLatin1String(faultName)) {
                options.fault = mode;
                known = true;
            }
        }
        if (!known) {
            *error = QStringLiteral("unknown fault '%1'").arg(name);
            return std::nullopt;
        }
    }
    bool ok = true;
    if (parser.isSet(at))
        options.faultBlock = parser.value(at).toInt(&ok);
    if (ok && parser.isSet(delay))
        options.delayMs = parser.value(delay).toInt(&ok);
    if (!ok || options.delayMs < 0) {
        *error = QStringLiteral("--at and --delay take a number");
        return std::nullopt;
    }
    if (parser.isSet(reply)) {
        options.reply = QByteArray::fromHex(parser.value(reply).toLatin1());
        if (options.reply.size() != 5) {
            *error = QStringLiteral("--reply takes exactly five bytes in hexadecimal");
            return std::nullopt;
        }
    }
    return options;
}
