// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseDiff.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "Conversions.h"
#include "DisplayTexts.h"
#include "OrderLists.h"
#include "SameTransponder.h"

namespace k510 {

namespace {

constexpr int kNone = -1;

std::string flagText(bool on) { return on ? "true" : "false"; }

void compare(std::vector<FieldChange> &changes, const char *field, const std::string &before, const std::string &after)
{
    if (before != after)
        changes.push_back({field, before, after});
}

std::vector<FieldChange> satelliteChanges(const Satellite &a, const Satellite &b)
{
    const SatelliteRowTexts x = rowTextsOf(a);
    const SatelliteRowTexts y = rowTextsOf(b);
    std::vector<FieldChange> changes;
    compare(changes, "name", x.name, y.name);
    compare(changes, "lnbLow", bcdText(a.lnbLow), bcdText(b.lnbLow));
    compare(changes, "lnbHigh", bcdText(a.lnbHigh), bcdText(b.lnbHigh));
    compare(changes, "tone22k", flagText(a.tone22k), flagText(b.tone22k));
    compare(changes, "power12v", x.power12v, y.power12v);
    compare(changes, "lnbp", flagText(a.lnbp), flagText(b.lnbp));
    compare(changes, "switchType", x.switchType, y.switchType);
    compare(changes, "diseqc10", x.diseqc10, y.diseqc10);
    compare(changes, "diseqc11", x.diseqc11, y.diseqc11);
    compare(changes, "hemisphere", x.hemisphere, y.hemisphere);
    compare(changes, "longitude", x.longitude, y.longitude);
    return changes;
}

void diffSatellites(const ChannelDatabase &before, const ChannelDatabase &after, DatabaseDiff &diff)
{
    const std::size_t common = std::min(before.satellites.size(), after.satellites.size());
    for (std::size_t k = 0; k < common; ++k) {
        auto changes = satelliteChanges(before.satellites[k], after.satellites[k]);
        if (!changes.empty())
            diff.satellitesChanged.push_back({int(k) + 1, before.satellites[k].name, std::move(changes)});
    }
    for (std::size_t k = common; k < before.satellites.size(); ++k)
        diff.satellitesRemoved.push_back({int(k) + 1, before.satellites[k].name, {}});
    for (std::size_t k = common; k < after.satellites.size(); ++k)
        diff.satellitesAdded.push_back({int(k) + 1, after.satellites[k].name, {}});
}

TransponderLabel labelOf(const ChannelDatabase &db, std::size_t index)
{
    const Transponder &tp = db.transponders[index];
    const Satellite *satellite = db.satelliteOf(tp);
    return {int(index) + 1, satellite ? satellite->name : std::string(), tp.polarisation != 0,
            bcdDigitsValue(bcdValue(tp.frequency))};
}

std::string labelText(const TransponderLabel &label)
{
    return label.satellite + " " + std::to_string(label.frequencyMhz) + (label.vertical ? " V" : " H");
}

// Transponder indices of one database paired with those of the other, kNone for none.
struct TransponderPartners {
    std::vector<int> afterOfBefore;
    std::vector<int> beforeOfAfter;
};

// A database's transponders as the matching rule sees them, with the
// service IDs of all their channels; those of no satellite match nothing.
std::vector<PairedTransponder> pairedTranspondersOf(const ChannelDatabase &db)
{
    std::vector<PairedTransponder> transponders;
    transponders.reserve(db.transponders.size());
    for (const Transponder &tp : db.transponders)
        transponders.push_back({db.satelliteOf(tp) ? int(tp.satNumber) - 1 : -1, Tuning::of(tp),
                                serviceIdsOf(db, tp.tvChannelIndices, tp.radioChannelIndices)});
    return transponders;
}

// The same transponders, including those that moved, as order by example
// recognises them (pairTransponders).
TransponderPartners partnersOf(const ChannelDatabase &before, const ChannelDatabase &after)
{
    std::vector<SatelliteIdentity> identities;
    for (const Satellite &satellite : before.satellites)
        identities.push_back(satelliteIdentityOf(satellite));
    const SatelliteMatcher matcher(after, identities);
    std::vector<std::vector<int>> satellitesOf;
    for (const SatelliteIdentity &identity : identities)
        satellitesOf.push_back(matcher.matches(identity));

    const auto paired = pairTransponders(pairedTranspondersOf(before), pairedTranspondersOf(after), satellitesOf);
    TransponderPartners pairs{std::vector<int>(before.transponders.size(), kNone),
                              std::vector<int>(after.transponders.size(), kNone)};
    for (const auto *found : {&paired.near, &paired.moved})
        for (const auto &[one, other] : *found) {
            pairs.afterOfBefore[one] = int(other);
            pairs.beforeOfAfter[other] = int(one);
        }
    return pairs;
}

void diffTransponders(const ChannelDatabase &before, const ChannelDatabase &after, const TransponderPartners &pairs,
                      DatabaseDiff &diff)
{
    for (std::size_t index = 0; index < before.transponders.size(); ++index) {
        const int partner = pairs.afterOfBefore[index];
        if (partner == kNone) {
            diff.transpondersRemoved.push_back(labelOf(before, index));
            continue;
        }
        const Transponder &a = before.transponders[index];
        const Transponder &b = after.transponders[std::size_t(partner)];
        std::vector<FieldChange> changes;
        compare(changes, "polarisation", polarisationText(a.polarisation), polarisationText(b.polarisation));
        compare(changes, "frequency", bcdText(a.frequency), bcdText(b.frequency));
        compare(changes, "symbolRate", bcdText(a.symbolRate), bcdText(b.symbolRate));
        compare(changes, "fec", fecText(a.fec), fecText(b.fec));
        if (!changes.empty())
            diff.transpondersChanged.push_back(
                {labelOf(before, index), labelOf(after, std::size_t(partner)), std::move(changes)});
    }
    for (std::size_t index = 0; index < after.transponders.size(); ++index)
        if (pairs.beforeOfAfter[index] == kNone)
            diff.transpondersAdded.push_back(labelOf(after, index));
}

std::string transponderText(const ChannelDatabase &db, const Channel &channel)
{
    const int index = int(channel.tpNumber) - 1;
    return db.transponderOf(channel) ? labelText(labelOf(db, std::size_t(index))) : std::string();
}

std::vector<FieldChange> channelChanges(const ChannelDatabase &before, const Channel &a, const ChannelDatabase &after,
                                        const Channel &b, const TransponderPartners &pairs)
{
    std::vector<FieldChange> changes;
    compare(changes, "name", a.nameText(), b.nameText());
    compare(changes, "serviceId", std::to_string(a.serviceId), std::to_string(b.serviceId));
    const bool sameTransponder = before.transponderOf(a) && after.transponderOf(b)
                                 && pairs.afterOfBefore[std::size_t(a.tpNumber - 1)] == int(b.tpNumber) - 1;
    if (!sameTransponder)
        compare(changes, "transponder", transponderText(before, a), transponderText(after, b));
    compare(changes, "pmtPid", std::to_string(a.pmtPid), std::to_string(b.pmtPid));
    compare(changes, "videoPid", std::to_string(a.videoPid), std::to_string(b.videoPid));
    compare(changes, "audioPid", std::to_string(a.audioPid), std::to_string(b.audioPid));
    compare(changes, "pcrPid", std::to_string(a.pcrPid), std::to_string(b.pcrPid));
    compare(changes, "scrambled", flagText(a.isScrambled()), flagText(b.isScrambled()));
    compare(changes, "locked", flagText(a.isLocked()), flagText(b.isLocked()));
    return changes;
}

struct Placed {
    ReferenceChannel channel;
    int from;
    int to;
};

// For pairs taken in increasing `from`, with distinct `to` from 1 up: which
// of them form a longest run with increasing `to`, the ones that kept their
// relative place. Among runs of that length it takes one holding the most
// pairs that stand where they stood, so a channel others moved round is not
// the one reported as moved.
std::vector<char> keptInPlace(const std::vector<Placed> &placed)
{
    int maxTo = 0;
    for (const Placed &p : placed)
        maxTo = std::max(maxTo, p.to);
    // A run's length counts before its pairs in place.
    const std::int64_t lengthWeight = std::int64_t(placed.size()) + 1;
    struct Best {
        std::int64_t score = 0;
        int index = -1;
    };
    // Prefix maxima over `to` (a Fenwick tree): the best run ending below a `to`.
    std::vector<Best> tree(std::size_t(maxTo) + 1);
    std::vector<int> previous(placed.size(), -1);
    Best overall;
    for (std::size_t k = 0; k < placed.size(); ++k) {
        // Of runs alike, the one ending later is taken.
        const auto better = [](const Best &a, const Best &b) {
            return a.score > b.score || (a.score == b.score && a.index > b.index);
        };
        Best prior;
        for (int i = placed[k].to - 1; i > 0; i -= i & -i)
            if (better(tree[std::size_t(i)], prior))
                prior = tree[std::size_t(i)];
        const Best run{prior.score + lengthWeight + (placed[k].from == placed[k].to ? 1 : 0), int(k)};
        previous[k] = prior.index;
        for (int i = placed[k].to; i <= maxTo; i += i & -i)
            if (better(run, tree[std::size_t(i)]))
                tree[std::size_t(i)] = run;
        if (better(run, overall))
            overall = run;
    }
    std::vector<char> kept(placed.size(), 0);
    for (int k = overall.index; k >= 0; k = previous[std::size_t(k)])
        kept[std::size_t(k)] = 1;
    return kept;
}

std::vector<PositionMove> movesOf(std::vector<Placed> placed)
{
    const std::vector<char> kept = keptInPlace(placed);
    std::vector<PositionMove> moves;
    // One left outside the run can still stand where it stood (its
    // neighbours changed places round it): that is no move.
    for (std::size_t k = 0; k < placed.size(); ++k)
        if (!kept[k] && placed[k].from != placed[k].to)
            moves.push_back({std::move(placed[k].channel), placed[k].from, placed[k].to});
    return moves;
}

// Per number: its 1-based place in the user's order.
std::vector<int> placesOf(const ChannelDatabase &db, ChannelKind kind)
{
    const std::vector<int> numbers = orderedNumbers(db.order(kind));
    std::vector<int> places(numbers.size() + 1, 0);
    for (std::size_t k = 0; k < numbers.size(); ++k)
        places[std::size_t(numbers[k])] = int(k) + 1;
    return places;
}

int placeIn(const std::vector<int> &places, std::size_t number) { return number < places.size() ? places[number] : 0; }

struct KindContext {
    const ChannelDatabase &before;
    const ChannelDatabase &after;
    ChannelKind kind;
    const std::vector<ReferenceChannel> &reference;   // before's list
    const std::vector<int> &beforeNumbers;            // position by position
    const Partners &partners;
};

KindDiff diffKind(const KindContext &c, const TransponderPartners &pairs)
{
    KindDiff diff;
    const std::vector<int> beforePlaces = placesOf(c.before, c.kind);
    const std::vector<int> afterPlaces = placesOf(c.after, c.kind);
    std::vector<Placed> placed;
    for (std::size_t position = 0; position < c.reference.size(); ++position) {
        const int number = c.beforeNumbers[position];
        const int partner = c.partners.channelOfReference[position];
        if (partner == kNoPartner) {
            diff.removed.push_back({number, beforePlaces[std::size_t(number)], c.reference[position]});
            continue;
        }
        const Channel &a = *c.before.channel(c.kind, number);
        const Channel &b = *c.after.channel(c.kind, partner);
        ReferenceChannel shown = referenceChannelOf(c.after, b);
        auto changes = channelChanges(c.before, a, c.after, b, pairs);
        if (!changes.empty())
            diff.changed.push_back({number, partner, beforePlaces[std::size_t(number)], afterPlaces[std::size_t(partner)],
                                    shown, std::move(changes)});
        placed.push_back({std::move(shown), beforePlaces[std::size_t(number)], afterPlaces[std::size_t(partner)]});
    }
    diff.moves = movesOf(std::move(placed));
    for (const int number : listedNumbers(c.after, c.kind))
        if (c.partners.referenceOfChannel[std::size_t(number - 1)] == kNoPartner)
            diff.added.push_back({number, afterPlaces[std::size_t(number)],
                                  referenceChannelOf(c.after, *c.after.channel(c.kind, number))});
    return diff;
}

GroupDiff diffGroup(const KindContext &c, int group)
{
    GroupDiff diff;
    diff.kind = c.kind;
    diff.group = group;
    diff.nameBefore = c.before.groupName(c.kind, group);
    diff.nameAfter = c.after.groupName(c.kind, group);
    const FavouriteGroup &a = c.before.favourites(c.kind)[std::size_t(group - 1)];
    const FavouriteGroup &b = c.after.favourites(c.kind)[std::size_t(group - 1)];
    const std::vector<int> beforePlaces = placesOf(c.before, c.kind);
    const std::vector<int> afterPlaces = placesOf(c.after, c.kind);

    std::vector<int> positionOf(c.before.order(c.kind).size() + 1, -1);
    for (std::size_t position = 0; position < c.beforeNumbers.size(); ++position)
        positionOf[std::size_t(c.beforeNumbers[position])] = int(position);
    std::vector<char> taken(b.size(), 0);
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] >= positionOf.size() || positionOf[a[i]] < 0)
            continue;   // names no channel
        const std::size_t position = std::size_t(positionOf[a[i]]);
        const int partner = c.partners.channelOfReference[position];
        std::size_t j = 0;
        while (j < b.size() && (taken[j] || partner == kNoPartner || b[j] != partner))
            ++j;
        if (j == b.size()) {
            diff.removed.push_back({a[i], placeIn(beforePlaces, a[i]), c.reference[position]});
            continue;
        }
        taken[j] = 1;
        placed.push_back({c.reference[position], int(i) + 1, int(j) + 1});
    }
    diff.moves = movesOf(std::move(placed));
    for (std::size_t j = 0; j < b.size(); ++j)
        if (const Channel *channel = c.after.channel(c.kind, b[j]); channel && !taken[j])
            diff.added.push_back({b[j], placeIn(afterPlaces, b[j]), referenceChannelOf(c.after, *channel)});
    return diff;
}

} // namespace

bool DatabaseDiff::empty() const
{
    const auto kindEmpty = [](const KindDiff &kind) {
        return kind.added.empty() && kind.removed.empty() && kind.changed.empty() && kind.moves.empty();
    };
    return satellitesAdded.empty() && satellitesRemoved.empty() && satellitesChanged.empty()
           && transpondersAdded.empty() && transpondersRemoved.empty() && transpondersChanged.empty() && kindEmpty(tv)
           && kindEmpty(radio) && groups.empty();
}

DatabaseDiff diffDatabases(const ChannelDatabase &before, const ChannelDatabase &after)
{
    DatabaseDiff diff;
    diffSatellites(before, after, diff);
    const TransponderPartners pairs = partnersOf(before, after);
    diffTransponders(before, after, pairs, diff);

    const ChannelReference reference = referenceOf(before);
    for (const ChannelKind kind : {ChannelKind::Tv, ChannelKind::Radio}) {
        const std::vector<int> beforeNumbers = listedNumbers(before, kind);
        const Partners partners = matchChannels(after, reference, kind);
        const KindContext context{before, after, kind, *(isRadio(kind) ? reference.radio : reference.tv), beforeNumbers,
                                  partners};
        (isRadio(kind) ? diff.radio : diff.tv) = diffKind(context, pairs);
        for (int group = 1; group <= kFavouriteGroupCount; ++group) {
            GroupDiff groupDiff = diffGroup(context, group);
            if (groupDiff.nameBefore != groupDiff.nameAfter || !groupDiff.added.empty() || !groupDiff.removed.empty()
                || !groupDiff.moves.empty())
                diff.groups.push_back(std::move(groupDiff));
        }
    }
    return diff;
}

} // namespace k510
