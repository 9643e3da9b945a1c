// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;
class UserDialogs;

namespace k510 {
struct ChannelDatabase;
}

// What the transfer commands need from the main window, and no more.
class TransferHost {
public:
    virtual ~TransferHost() = default;

    [[nodiscard]] virtual const k510::ChannelDatabase &database() const = 0;
    // Writes status panel 0.
    virtual void setTransferStatus(const QString &panel0Text) = 0;
    // Reads a received image as an opened file is read, with the same
    // messages, but leaves the window title alone. Returns whether the image
    // was accepted; a refused one leaves the database as it was.
    virtual bool loadReceivedImage(const QByteArray &image) = 0;
    // Before a receive replaces the database: the unsaved-changes question.
    // False when the user cancelled (or a save failed).
    [[nodiscard]] virtual bool mayDropChanges() = 0;
    [[nodiscard]] virtual UserDialogs &dialogs() = 0;
    // A settings file could not be read or written; the window says so.
    virtual void reportSettingsProblem(const QString &problem) { (void)problem; }
    [[nodiscard]] virtual QWidget *window() = 0;
    // A port chosen beyond COM1..COM4, remembered by its system name in the
    // editor's own settings; empty when one of those is chosen.
    [[nodiscard]] virtual QString rememberedPort() const { return {}; }
    virtual void rememberPort(const QString &systemName) { (void)systemName; }
};
