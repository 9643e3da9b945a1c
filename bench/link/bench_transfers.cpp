// SPDX-License-Identifier: GPL-3.0-or-later
// A full-size send and receive against k510-sim over a pseudo-terminal.
// A pseudo-terminal has no wire time, so the protocol's own floor is its
// fixed pauses: 2304 of 10 ms when sending (two per block), 1152 when
// receiving (one per block). Prints the seconds taken and the ratio to that
// floor; the goal is within 3 %.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include "SimProcess.h"
#include "link/ReceiveImage.h"
#include "link/SendImage.h"
#include "model/ImageWriter.h"
#include "tools/samples/SampleDatabases.h"

using namespace k510::link;

namespace {

constexpr double kSendFloorSeconds = 2304 * 0.010;
constexpr double kReceiveFloorSeconds = 1152 * 0.010;

void printFigure(const char *what, double seconds, double floorSeconds, const QString &failure)
{
    QTextStream out(stdout);
    out << what << ": " << QString::number(seconds, 'f', 3) << " s, floor " << QString::number(floorSeconds, 'f', 2)
        << " s, ratio " << QString::number(seconds / floorSeconds, 'f', 4) << " (overhead "
        << QString::number((seconds / floorSeconds - 1.0) * 100.0, 'f', 2) << " %)";
    if (!failure.isEmpty())
        out << " FAILED: " << failure;
    out << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const auto written = k510::writeImage(k510::samples::demoDatabase());
    const QByteArray image(reinterpret_cast<const char *>(written.image.data()), qsizetype(written.image.size()));

    SimProcess sim;
    if (!sim.isReady()) {
        QTextStream(stderr) << "k510-sim did not start" << Qt::endl;
        return 1;
    }

    QString failure;
    QElapsedTimer clock;
    clock.start();
    SendImage(sim.devicePath(), QStringLiteral("115200"), image, {}, [&](const QString &text) { failure = text; });
    printFigure("send    1152 blocks", double(clock.nsecsElapsed()) / 1e9, kSendFloorSeconds, failure);

    QByteArray received;
    failure.clear();
    clock.restart();
    ReceiveImage(
        sim.devicePath(), QStringLiteral("115200"), {}, [&](const QByteArray &data) { received = data; },
        [&](const QString &text) { failure = text; });
    if (failure.isEmpty() && received != image)
        failure = QStringLiteral("received image differs");
    printFigure("receive 1152 blocks", double(clock.nsecsElapsed()) / 1e9, kReceiveFloorSeconds, failure);
    return failure.isEmpty() ? 0 : 1;
}
