// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineOption>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// "send" and "receive": transfers with the receiver from the command line,
// with their options --port NAME (COM1..COM4, a port's system name such as
// ttyUSB0 or COM7, or a device path), --speed N (one of the receiver's
// speeds) and --force; "ports" lists the ports as the editor offers them.
class TransferCommands {
public:
    // Adds the options to `parser`, which must outlive this object.
    explicit TransferCommands(QCommandLineParser &parser);

    // send FILE: FILE must be an image the editor would open, unless --force.
    [[nodiscard]] int send(const QStringList &arguments) const;
    // receive FILE: FILE is written only after a complete transfer whose
    // blocks passed their checks (all of them skipped with --force) and whose
    // image reads as a database; otherwise it is left as it was.
    [[nodiscard]] int receive(const QStringList &arguments) const;
    // ports: one line per port, its name or description, a tab, its device.
    [[nodiscard]] static int ports();

private:
    struct Line {
        QString port;
        QString speed;
    };
    // --port and --speed, checked; nothing and `error` if one is wrong.
    [[nodiscard]] std::optional<Line> line(const QString &command, QString *error) const;

    const QCommandLineParser &m_parser;
    QCommandLineOption m_port;
    QCommandLineOption m_speed;
    QCommandLineOption m_force;
};
