// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserDialogs.h"

#include <QString>

#include <string>
#include <vector>

// What the "Файл" menu's commands tell the user about files and images.

namespace k510::ui {

// The reader's warnings about an image just loaded, one box each; an image
// full of channels of a bad type would otherwise raise a box per channel, so
// after the first few the rest are counted in one.
void showReadWarnings(UserDialogs &dialogs, const std::vector<std::string> &warnings);
// "Ошибка типа канала!" for each channel of a bad type a command met.
void showChannelTypeErrors(UserDialogs &dialogs, int count);

// A file of the user's that cannot be used (unreadable, refused, too large,
// not written): said in the box captioned with the editor's name, as
// opening a refused database says it. The failure box is for transfers.
void showFileProblem(UserDialogs &dialogs, const QString &text);

} // namespace k510::ui
