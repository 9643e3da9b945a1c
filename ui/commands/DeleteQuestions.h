// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Deletion.h"

#include <QString>

namespace k510::ui {

// The questions a deletion asks before favourite entries go with it.

// "На транспондере 11856 V 12 каналов, 3 из них в избранных. Удалить?", or
// for several transponders (only == nullptr) their count and the totals.
[[nodiscard]] QString transponderDeleteQuestion(const Transponder *only, int transponderCount,
                                                const TransponderChannels &channels);
// The one question for a selection of several channels, `favourites` of
// which stand in a favourite group.
[[nodiscard]] QString selectedFavouritesQuestion(int favourites);

} // namespace k510::ui
