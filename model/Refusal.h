// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ChannelKind.h"

// Why an operation on the database changed nothing, with the numbers its
// message needs. The model only says why; the window words it in Russian,
// k510-tool in English.

namespace k510 {

enum class RefusalReason {
    // The plan was made from a database other than the one it is applied
    // to (it changed since): applying it would put records in wrong places.
    OtherDatabase,
    // The result would not fit the database: `over` says which limits.
    OverCapacity,
    // Channels bound for satellites past the 255th, where no transponder
    // can stand: `satellites` names them.
    SatellitePastByte,
    // The satellite the plan is for is no longer in the database.
    NoSuchSatellite,
    // Numbers that name no channel of `kind`: `numbers`, ascending.
    NoSuchChannel,
    // A favourite group outside 0..11: `group`.
    NoSuchGroup,
    // Favourite group `group` of `kind` (`groupName`) has `room` free
    // places for the `asked` channels that would join it: none joins.
    GroupOverflow,
    // New names the receiver cannot hold (too long, a character it cannot
    // show, empty): the channels of `kind` to get them, `numbers`, ascending.
    NamesUnfit,
};

// The limits of the database a change would go past.
struct CapacityLimits {
    bool tvList = false;         // kOrderCapacity TV channels
    bool radioList = false;      // kOrderCapacity radio channels
    bool transponders = false;   // kTransponderCapacity
    bool records = false;        // region A of the image

    bool operator==(const CapacityLimits &) const = default;
};

// A satellite of the database as messages name it.
struct SatelliteLabel {
    int index = 0;
    std::string name;   // Windows-1251

    bool operator==(const SatelliteLabel &) const = default;
};

struct Refusal {
    RefusalReason reason = RefusalReason::OtherDatabase;
    CapacityLimits over{};
    // OverCapacity: of the channels or transponders asked for, how many
    // there were and how many would fit (counted as the operation takes
    // them, TV channels first).
    int tvAsked = 0;
    int tvThatFit = 0;
    int radioAsked = 0;
    int radioThatFit = 0;
    int transpondersAsked = 0;
    std::vector<SatelliteLabel> satellites{};
    // The channels and favourite groups a change to a selection names.
    ChannelKind kind = ChannelKind::Tv;
    std::vector<int> numbers{};   // TV channel numbers or radio numbers
    int group = 0;              // from 0
    std::string groupName{};      // Windows-1251
    int asked = 0;
    int room = 0;

    bool operator==(const Refusal &) const = default;
};

// What an operation that may refuse answers: what it did, or why it did
// nothing at all. It is no error to be ignored: callers must look.
template <class Done>
class [[nodiscard]] Outcome {
public:
    Outcome(Done done) : m_state(std::move(done)) {}   // NOLINT: an outcome is what was done
    Outcome(Refusal refusal) : m_state(std::move(refusal)) {}   // NOLINT: or why not

    [[nodiscard]] explicit operator bool() const { return std::holds_alternative<Done>(m_state); }
    [[nodiscard]] const Done &operator*() const { return std::get<Done>(m_state); }
    [[nodiscard]] const Done *operator->() const { return &std::get<Done>(m_state); }
    [[nodiscard]] const Refusal &refusal() const { return std::get<Refusal>(m_state); }

private:
    std::variant<Done, Refusal> m_state;
};

// The outcome of an operation whose only news is that it was done.
struct Applied {};

} // namespace k510
