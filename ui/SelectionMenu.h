// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QString>

#include <functional>

class QMenu;

namespace k510::ui {

class PageTabs;
class SelectionCommands;

// Adds the commands on a selection of channels to a menu (the context menu
// or "Правка"): "Заблокировать", "Разблокировать", "Отметить как
// кодированные", "Отметить как открытые", "Добавить в избранные" with the
// groups of the kind shown by name, "Убрать из группы" on a favourites page
// and "Переименовать...". Their items are named prefix + "Lock" and so on;
// each time the menu opens they are shown on the TV, radio and favourites
// pages only, and offered while a channel is selected. The groups have no
// key letters of their own, so only a menu withGroups lists them (the
// context menu, which is where a selection is acted on).
void addSelectionCommands(QMenu &menu, const QString &prefix, SelectionCommands &commands, const PageTabs &pages,
                          const ChannelDatabase &db, std::function<void()> removeFromGroup, bool withGroups);

} // namespace k510::ui
