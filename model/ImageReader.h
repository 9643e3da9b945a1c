// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ChannelDatabase.h"

namespace k510 {

// The outcome of reading an image: a complete database or the reason it was
// refused. Warnings (channels of an invalid type) do not refuse the image.
struct ReadResult {
    std::optional<ChannelDatabase> database;
    std::string error;
    std::vector<std::string> warnings;

    [[nodiscard]] bool ok() const { return database.has_value(); }
};

namespace ReadMessages {
inline constexpr const char *WrongSize = "Загрузка файла: Ошибка, файл имеет не тот размер!";
inline constexpr const char *ZeroTransponder = "Сейчас программа упадет! Найден 0-ой транспондер на канале ";
inline constexpr const char *ChannelType = "Ошибка типа канала!";
}

// Parses a whole image into a fresh database. Nothing outside `image` is
// read, whatever it holds; a refused image yields no database at all, so the
// caller's current one stays as it was. Satellites are decoded into the
// values their rows show (decodeSatellite).
[[nodiscard]] ReadResult readImage(std::span<const std::uint8_t> image);

} // namespace k510
