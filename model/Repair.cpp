// SPDX-License-Identifier: GPL-3.0-or-later
#include "Repair.h"

#include <cstdint>

#include "ChannelDatabase.h"

namespace k510 {

namespace {

using std::to_string;

// "2", "2, 7-9".
std::string numberRanges(const std::vector<int> &ascending)
{
    std::string text;
    for (std::size_t k = 0; k < ascending.size();) {
        std::size_t last = k;
        while (last + 1 < ascending.size() && ascending[last + 1] == ascending[last] + 1)
            ++last;
        text += (text.empty() ? "" : ", ") + to_string(ascending[k]);
        if (last > k)
            text += "-" + to_string(ascending[last]);
        k = last + 1;
    }
    return text;
}

void repairOrder(std::vector<std::uint16_t> &order, const std::string &what, std::vector<std::string> &changes)
{
    const std::size_t size = order.size();
    std::vector<char> present(size + 1, 0);
    std::vector<std::uint16_t> repaired;
    repaired.reserve(size);
    for (std::size_t k = 0; k < size; ++k) {
        const int entry = order[k];
        // Worded only for an entry that goes: opening a sound image checks every one.
        const auto removed = [&] { return what + ": убрана запись " + to_string(k + 1) + " = " + to_string(entry); };
        if (entry < 1 || std::size_t(entry) > size) {
            changes.push_back(removed() + " (вне диапазона 1.." + to_string(size) + ")");
        } else if (present[std::size_t(entry)]) {
            changes.push_back(removed() + " (повтор)");
        } else {
            present[std::size_t(entry)] = 1;
            repaired.push_back(std::uint16_t(entry));
        }
    }
    std::vector<int> missing;
    for (std::size_t number = 1; number <= size; ++number)
        if (!present[number]) {
            missing.push_back(int(number));
            repaired.push_back(std::uint16_t(number));
        }
    if (missing.empty())
        return;
    changes.push_back(what + (missing.size() == 1 ? ": в конец добавлен номер " : ": в конец добавлены номера ")
                      + numberRanges(missing));
    order = std::move(repaired);
}

void repairGroups(FavouriteGroups &groups, std::size_t limit, const std::string &what,
                  std::vector<std::string> &changes)
{
    for (std::size_t g = 0; g < groups.size(); ++g) {
        FavouriteGroup &group = groups[g];
        std::size_t kept = 0;
        for (std::size_t k = 0; k < group.size(); ++k) {
            const int entry = group[k];
            if (entry >= 1 && std::size_t(entry) <= limit) {
                group[kept++] = group[k];
                continue;
            }
            changes.push_back(what + " " + to_string(g + 1) + ": убрана позиция " + to_string(k + 1) + " (канал "
                              + to_string(entry) + " не существует)");
        }
        group.resize(kept);
    }
}

} // namespace

std::vector<std::string> repairNumbering(ChannelDatabase &db)
{
    std::vector<std::string> changes;
    repairOrder(db.tvOrder, "порядок ТВ", changes);
    repairOrder(db.radioOrder, "порядок радио", changes);
    repairGroups(db.tvFavourites, db.tvOrder.size(), "избранные ТВ", changes);
    repairGroups(db.radioFavourites, db.radioOrder.size(), "избранные радио", changes);
    return changes;
}

} // namespace k510
