// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelImport.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

#include "ChannelIdentity.h"
#include "Conversions.h"
#include "DisplayTexts.h"
#include "ImageWriter.h"
#include "ImportTransponders.h"
#include "TextCodec.h"
#include "TransponderUpdate.h"

namespace k510 {

namespace {

// A selected source channel that can be imported, with where it goes.
struct Candidate {
    const Channel *channel;
    int number;              // TV or radio number in the source
    int sourceTransponder;   // index
    int targetSatellite;     // index
};

std::string kindName(ChannelKind kind, int number)
{
    return std::string(isRadio(kind) ? "Радио " : "ТВ ") + std::to_string(number);
}

// The selected channels of one kind that can be imported, in the source's
// order; the rest are counted or named in the plan.
std::vector<Candidate> candidatesOf(const ChannelDatabase &db, const ChannelDatabase &source,
                                    const ImportRequest &request, ChannelKind kind, ImportPlan &plan)
{
    const std::vector<int> &numbers = isRadio(kind) ? request.radio : request.tv;
    const std::vector<int> listed = listedNumbers(source, kind);
    std::vector<bool> selected(source.order(kind).size() + 1, false);
    for (const int number : numbers) {
        if (number >= 1 && std::size_t(number) < selected.size() && source.channel(kind, number))
            selected[std::size_t(number)] = true;
        else
            plan.unusable.push_back(kindName(kind, number) + ": такого канала в базе нет");
    }
    std::vector<Candidate> candidates;
    for (const int number : listed) {
        if (!selected[std::size_t(number)])
            continue;
        selected[std::size_t(number)] = false;   // a number given twice is taken once
        const Channel &channel = *source.channel(kind, number);
        const auto unusable = [&](const char *why) {
            plan.unusable.push_back(kindName(kind, number) + " " + channelLine(referenceChannelOf(source, channel))
                                    + ": " + why);
        };
        const Transponder *tp = source.transponderOf(channel);
        if (!tp || !source.satelliteOf(*tp)) {
            unusable("нет транспондера или спутника");
            continue;
        }
        if (channel.serviceType() != (isRadio(kind) ? ServiceType::Radio : ServiceType::Tv)) {
            unusable("тип канала не тот");
            continue;
        }
        if (channel.nameLen > kNameCapacity) {
            unusable("имя длиннее 16 байт");
            continue;
        }
        const std::size_t satellite = std::size_t(tp->satNumber) - 1;
        const int target = satellite < request.targetSatellites.size() ? request.targetSatellites[satellite] : kNotImported;
        if (target < 0 || std::size_t(target) >= db.satellites.size()) {
            ++plan.onSkippedSatellites;
            continue;
        }
        if (target >= kSatelliteCapacity) {
            const SatelliteLabel label{target, db.satellites[std::size_t(target)].name};
            if (std::find(plan.satellitesPastByte.begin(), plan.satellitesPastByte.end(), label)
                == plan.satellitesPastByte.end())
                plan.satellitesPastByte.push_back(label);
            continue;
        }
        candidates.push_back({&channel, number, int(tp - source.transponders.data()), target});
    }
    return candidates;
}

// The candidates as a reference list placed on their target satellites, so
// the identity rule finds them where they would go.
std::vector<ReferenceChannel> asPlaced(const ChannelDatabase &db, const ChannelDatabase &source,
                                       const std::vector<Candidate> &candidates)
{
    std::vector<ReferenceChannel> list;
    list.reserve(candidates.size());
    for (const Candidate &candidate : candidates) {
        ReferenceChannel placed = referenceChannelOf(source, *candidate.channel);
        placed.satellite = satelliteIdentityOf(db.satellites[std::size_t(candidate.targetSatellite)]);
        list.push_back(std::move(placed));
    }
    return list;
}

// Counts what a prefix of the plan's channels adds to the database, to find
// how many of them fit by the image's own limits: 6000 entries per order
// list, the transponder table, and region A for transponders and channels.
class FitCount {
public:
    FitCount(const ChannelDatabase &db, const ImportPlan &plan)
        : m_db(db), m_added(plan.newTransponders.size(), false)
    {
    }

    // Takes the plan's channels of one kind in turn while they fit; how many it took.
    int take(const std::vector<Channel> &channels, ChannelKind kind)
    {
        const std::size_t base = m_db.transponders.size();
        int taken = 0;
        for (const Channel &channel : channels) {
            const std::size_t added = channel.tpNumber > base ? channel.tpNumber - base - 1 : 0;
            const bool newTransponder = channel.tpNumber > base && !m_added[added];
            const std::size_t transponders = m_transponders + (newTransponder ? 1 : 0);
            std::size_t &ofKind = isRadio(kind) ? m_radio : m_tv;
            if (m_db.order(kind).size() + ofKind + 1 > std::size_t(kOrderCapacity)
                || base + transponders > std::size_t(kTransponderCapacity)
                || !hasRoomFor(m_db, transponders, m_tv + m_radio + 1))
                break;
            if (newTransponder)
                m_added[added] = true;
            m_transponders = transponders;
            ++ofKind;
            ++taken;
        }
        return taken;
    }

private:
    const ChannelDatabase &m_db;
    std::vector<bool> m_added;
    std::size_t m_transponders = 0;
    std::size_t m_tv = 0;
    std::size_t m_radio = 0;
};

// Satellite indices by their set positions.
std::map<int, std::vector<int>> satellitesByPosition(const ChannelDatabase &db)
{
    std::map<int, std::vector<int>> byPosition;
    for (std::size_t k = 0; k < db.satellites.size(); ++k)
        if (const auto position = satellitePosition(db.satellites[k]))
            byPosition[*position].push_back(int(k));
    return byPosition;
}

// Moves the last `count` entries of an order list to stand after position `after`.
void moveTail(std::vector<std::uint16_t> &order, std::size_t count, std::size_t after)
{
    const auto tail = order.end() - std::ptrdiff_t(count);
    std::rotate(order.begin() + std::ptrdiff_t(after), tail, order.end());
}

} // namespace

std::vector<int> defaultTargetSatellites(const ChannelDatabase &db, const ChannelDatabase &source)
{
    std::vector<SatelliteIdentity> identities;
    for (const Satellite &satellite : source.satellites)
        identities.push_back(satelliteIdentityOf(satellite));
    const SatelliteMatcher matcher(db, identities);
    const std::map<int, std::vector<int>> here = satellitesByPosition(db);
    const std::map<int, std::vector<int>> there = satellitesByPosition(source);
    std::vector<int> targets;
    for (std::size_t k = 0; k < identities.size(); ++k) {
        const std::vector<int> matches = matcher.matches(identities[k]);
        int target = matches.empty() ? kNotImported : matches.front();
        if (const auto position = satellitePosition(source.satellites[k]); matches.empty() && position) {
            const auto atPosition = here.find(*position);
            if (atPosition != here.end() && atPosition->second.size() == 1 && there.at(*position).size() == 1)
                target = atPosition->second.front();
        }
        targets.push_back(target);
    }
    return targets;
}

ImportRequest everyChannel(const ChannelDatabase &db, const ChannelDatabase &source)
{
    ImportRequest request;
    request.tv = listedNumbers(source, ChannelKind::Tv);
    request.radio = listedNumbers(source, ChannelKind::Radio);
    request.targetSatellites = defaultTargetSatellites(db, source);
    return request;
}

ImportPlan planImport(const ChannelDatabase &db, const ChannelDatabase &source, const ImportRequest &request)
{
    ImportPlan plan;
    plan.baseTransponders = db.transponders.size();
    plan.baseTv = db.tvOrder.size();
    plan.baseRadio = db.radioOrder.size();

    ChannelReference reference;
    for (const Satellite &satellite : db.satellites)
        reference.satellites.push_back(satelliteIdentityOf(satellite));
    PerKind<std::vector<Candidate>> candidates;
    for (const ChannelKind kind : kBothKinds) {
        candidates[kind] = candidatesOf(db, source, request, kind, plan);
        (isRadio(kind) ? reference.radio : reference.tv) = asPlaced(db, source, candidates[kind]);
    }

    std::vector<TransponderOnTarget> used;
    std::vector<bool> seen(source.transponders.size(), false);
    for (const ChannelKind kind : kBothKinds)
        for (const Candidate &candidate : candidates[kind])
            if (!seen[std::size_t(candidate.sourceTransponder)]) {
                seen[std::size_t(candidate.sourceTransponder)] = true;
                used.push_back({candidate.sourceTransponder, candidate.targetSatellite});
            }
    ImportTransponders choice(db, source, used, request.updateTransponders);
    plan.retunes = choice.retunes();
    plan.updateTransponders = request.updateTransponders && !plan.retunes.empty();
    PerKind<Partners> partners;
    for (const ChannelKind kind : kBothKinds) {
        partners[kind] = matchChannels(db, reference, kind);
        for (std::size_t k = 0; k < candidates[kind].size(); ++k) {
            const int partner = partners[kind].channelOfReference[k];
            if (partner == kNoPartner)
                continue;
            ++plan.alreadyThere;
            const Candidate &candidate = candidates[kind][k];
            (isRadio(kind) ? plan.radioThere : plan.tvThere).push_back(candidate.number);
            const Channel *there = db.channel(kind, partner);
            const Transponder *tp = there ? db.transponderOf(*there) : nullptr;
            if (tp && there->serviceId == candidate.channel->serviceId && tp->satNumber == candidate.targetSatellite + 1)
                choice.noteMoved(candidate.sourceTransponder, there->tpNumber, kind);
        }
    }
    for (const ChannelKind kind : kBothKinds) {
        for (std::size_t k = 0; k < candidates[kind].size(); ++k) {
            if (partners[kind].channelOfReference[k] != kNoPartner)
                continue;
            const Candidate &candidate = candidates[kind][k];
            Channel copy = *candidate.channel;
            copy.tpNumber = std::uint16_t(
                choice.numberFor(candidate.sourceTransponder, candidate.targetSatellite, plan.newTransponders));
            (isRadio(kind) ? plan.radio : plan.tv).push_back(copy);
        }
    }

    if (request.insertion) {
        ImportInsertion insertion = *request.insertion;
        insertion.afterPosition = std::clamp(insertion.afterPosition, 0, int(db.order(insertion.kind).size()));
        plan.insertion = insertion;
    }
    plan.overflow.tvList = db.tvOrder.size() + plan.tv.size() > std::size_t(kOrderCapacity);
    plan.overflow.radioList = db.radioOrder.size() + plan.radio.size() > std::size_t(kOrderCapacity);
    plan.overflow.transponders
        = db.transponders.size() + plan.newTransponders.size() > std::size_t(kTransponderCapacity);
    plan.overflow.records = !hasRoomFor(db, plan.newTransponders.size(), plan.tv.size() + plan.radio.size());
    plan.fits = !plan.overflow.tvList && !plan.overflow.radioList && !plan.overflow.transponders
                && !plan.overflow.records;
    FitCount fit(db, plan);
    plan.tvThatFit = fit.take(plan.tv, ChannelKind::Tv);
    // Radio channels after every TV channel chosen, else on their own.
    plan.radioThatFit = plan.tvThatFit == int(plan.tv.size()) ? fit.take(plan.radio, ChannelKind::Radio)
                                                               : FitCount(db, plan).take(plan.radio, ChannelKind::Radio);
    return plan;
}

OrderSpan addedPositions(const ImportPlan &plan, ChannelKind kind)
{
    const int count = int((isRadio(kind) ? plan.radio : plan.tv).size());
    if (plan.insertion && plan.insertion->kind == kind)
        return {plan.insertion->afterPosition, count};
    return {int(isRadio(kind) ? plan.baseRadio : plan.baseTv), count};
}

std::optional<Refusal> importRefusal(const ChannelDatabase &db, const ImportPlan &plan)
{
    if (!plan.satellitesPastByte.empty())
        return Refusal{.reason = RefusalReason::SatellitePastByte, .satellites = plan.satellitesPastByte};
    if (!plan.fits)
        return Refusal{.reason = RefusalReason::OverCapacity,
                       .over = plan.overflow,
                       .tvAsked = int(plan.tv.size()),
                       .tvThatFit = plan.tvThatFit,
                       .radioAsked = int(plan.radio.size()),
                       .radioThatFit = plan.radioThatFit};
    if (db.transponders.size() != plan.baseTransponders || db.tvOrder.size() != plan.baseTv
        || db.radioOrder.size() != plan.baseRadio)
        return Refusal{.reason = RefusalReason::OtherDatabase};
    return std::nullopt;
}

Outcome<Applied> applyImport(ChannelDatabase &db, const ImportPlan &plan)
{
    if (auto refusal = importRefusal(db, plan))
        return *refusal;
    // The plan was made from this database, so its checks hold: every
    // append below succeeds. Should one not, nothing is taken.
    const Refusal otherDatabase{.reason = RefusalReason::OtherDatabase};
    ChannelDatabase result = db;
    if (plan.updateTransponders)
        for (const TransponderRetune &retune : plan.retunes) {
            Transponder &tp = result.transponders[std::size_t(retune.number - 1)];
            tp.symbolRate = retune.after.symbolRate;
            tp.fec = retune.after.fec;
        }
    for (const Transponder &tp : plan.newTransponders)
        if (result.appendTransponder(int(tp.satNumber) - 1, tp) < 0)
            return otherDatabase;
    for (const Channel &channel : plan.tv)
        result.appendTvChannel(channel);
    for (const Channel &channel : plan.radio)
        result.appendRadioChannel(channel);
    if (result.tvOrder.size() != plan.baseTv + plan.tv.size()
        || result.radioOrder.size() != plan.baseRadio + plan.radio.size())
        return otherDatabase;
    if (plan.insertion) {
        const bool radio = isRadio(plan.insertion->kind);
        moveTail(radio ? result.radioOrder : result.tvOrder, (radio ? plan.radio : plan.tv).size(),
                 std::size_t(plan.insertion->afterPosition));
    }
    db = std::move(result);
    return Applied{};
}

} // namespace k510
