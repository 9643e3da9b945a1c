// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <span>
#include <vector>

namespace k510 {

// A list of records kept in fixed-size slices behind shared pointers. A list
// taken after another reuses each slice of the other that holds the same
// records at the same place, so a run of copies of a large list that changes
// a little each time holds every unchanged slice once.
template <typename Record>
class SharedSlices {
public:
    static constexpr std::size_t kSliceSize = 256;

    SharedSlices() = default;
    SharedSlices(std::span<const Record> records, const SharedSlices &earlier) : m_size(records.size())
    {
        m_slices.reserve((records.size() + kSliceSize - 1) / kSliceSize);
        for (std::size_t start = 0; start < records.size(); start += kSliceSize) {
            const auto slice = records.subspan(start, std::min(kSliceSize, records.size() - start));
            const std::size_t k = m_slices.size();
            if (k < earlier.m_slices.size() && std::ranges::equal(*earlier.m_slices[k], slice))
                m_slices.push_back(earlier.m_slices[k]);
            else
                m_slices.push_back(std::make_shared<const std::vector<Record>>(slice.begin(), slice.end()));
        }
    }

    // Whether both hold the same slices, not only equal ones.
    [[nodiscard]] bool sharesAllWith(const SharedSlices &other) const
    {
        return m_size == other.m_size && m_slices == other.m_slices;
    }

    // Replaces the records of `records` by these.
    void copyTo(std::vector<Record> &records) const
    {
        records.clear();
        records.reserve(m_size);
        for (const auto &slice : m_slices)
            records.insert(records.end(), slice->begin(), slice->end());
    }

private:
    std::vector<std::shared_ptr<const std::vector<Record>>> m_slices;
    std::size_t m_size = 0;
};

} // namespace k510
