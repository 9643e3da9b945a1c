// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/UserDialogs.h"

#include <QString>

class QWidget;

// Saving the database, and choosing the file an export writes, without ever
// replacing a file unasked or leaving a damaged one behind.

namespace k510::ui {

// Builds the image and writes it to path, atomically. Every failure is shown
// through dialogs; returns whether the file was written.
bool saveDatabase(const ChannelDatabase &db, const QString &path, UserDialogs &dialogs);

// "Сохранить как...": asks for the file, confirms replacing an existing one
// (a new one is created without a question), builds the image and writes it. Every failure is
// shown through dialogs. Returns the path written, empty when nothing was.
QString saveDatabaseAs(const ChannelDatabase &db, UserDialogs &dialogs, QWidget *parent,
                       const QString &directory = {});

// The save dialog of an export and of "Сохранить как...": the name chosen with the default suffix
// added, and an existing file replaced only after a question whose default
// is "Нет". The open database's own file (also under another name, through
// a link) is refused with a message. The path is empty when the user
// cancelled or the file was refused.
[[nodiscard]] UserDialogs::FileChoice chooseExportFile(UserDialogs &dialogs, QWidget *parent,
                                                       const UserDialogs::FileDialogOptions &options,
                                                       const QString &openDatabase);

} // namespace k510::ui
