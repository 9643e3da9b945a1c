// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelImport.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

#include "ChannelIdentity.h"
#include "ChannelKinds.h"
#include "Conversions.h"
#include "ImageWriter.h"

namespace k510 {

namespace {

std::uint32_t frequencyMhz(const Transponder &tp) { return bcdDigitsValue(bcdValue(tp.frequency)); }

std::uint32_t distance(std::uint32_t a, std::uint32_t b) { return a > b ? a - b : b - a; }

// A selected source channel that can be imported, with where it goes.
struct Candidate {
    const Channel *channel;
    int number;              // TV or radio number in the source
    int sourceTransponder;   // index
    int targetSatellite;     // index
};

// The transponders of the database and those the import adds, by satellite
// and polarisation, to find the nearest one within the tolerance.
class TransponderChoice {
public:
    explicit TransponderChoice(const ChannelDatabase &db) : m_next(int(db.transponders.size()) + 1)
    {
        for (std::size_t k = 0; k < db.transponders.size(); ++k)
            add(db.transponders[k], int(k) + 1);
    }

    // A transponder of the database that holds channels of the source
    // transponder (same service IDs) although its frequency or polarisation
    // moved beyond the tolerance: the identity rule takes them for one
    // transponder, so the source transponder's other channels join them
    // there rather than on a copy that would make them new again next time.
    void noteMoved(const Transponder &source, int number) { m_moved.emplace(&source, number); }

    // The transponder number the source transponder's channels go onto;
    // a copy is planned into added when none is near enough.
    int numberFor(const Transponder &source, int satellite, std::vector<Transponder> &added)
    {
        const auto found = m_bySource.find(&source);
        if (found != m_bySource.end())
            return found->second;
        const std::uint32_t frequency = frequencyMhz(source);
        int best = 0;
        std::uint32_t bestDistance = kFrequencyToleranceMhz + 1;
        // Ascending numbers, so the first of equally near ones wins.
        for (const auto &[candidateFrequency, number] : m_lists[key(satellite, source.polarisation != 0)]) {
            if (const std::uint32_t d = distance(candidateFrequency, frequency); d < bestDistance) {
                bestDistance = d;
                best = number;
            }
        }
        if (const auto moved = m_moved.find(&source); !best && moved != m_moved.end())
            best = moved->second;
        if (!best) {
            Transponder copy = source;
            copy.satNumber = std::uint8_t(satellite + 1);
            copy.tvChannelIndices.clear();
            copy.radioChannelIndices.clear();
            added.push_back(copy);
            best = m_next++;
            add(copy, best);
        }
        m_bySource.emplace(&source, best);
        return best;
    }

private:
    static int key(int satellite, bool vertical) { return satellite * 2 + int(vertical); }
    void add(const Transponder &tp, int number)
    {
        m_lists[key(int(tp.satNumber) - 1, tp.polarisation != 0)].emplace_back(frequencyMhz(tp), number);
    }

    std::map<int, std::vector<std::pair<std::uint32_t, int>>> m_lists;
    std::map<const Transponder *, int> m_bySource;
    std::map<const Transponder *, int> m_moved;
    int m_next;
};

std::string kindName(bool radio, int number)
{
    return std::string(radio ? "Радио " : "ТВ ") + std::to_string(number);
}

// The selected channels of one kind that can be imported, in the source's
// order; the rest are counted or named in the plan.
std::vector<Candidate> candidatesOf(const ChannelDatabase &db, const ChannelDatabase &source,
                                    const ImportRequest &request, bool radio, ImportPlan &plan)
{
    const std::vector<int> &numbers = radio ? request.radio : request.tv;
    const std::vector<int> listed = listedNumbers(source, radio);
    std::vector<bool> selected(orderOf(source, radio).size() + 1, false);
    for (const int number : numbers) {
        if (number >= 1 && std::size_t(number) < selected.size() && channelOfKind(source, radio, number))
            selected[std::size_t(number)] = true;
        else
            plan.unusable.push_back(kindName(radio, number) + ": такого канала в базе нет");
    }
    std::vector<Candidate> candidates;
    for (const int number : listed) {
        if (!selected[std::size_t(number)])
            continue;
        selected[std::size_t(number)] = false;   // a number given twice is taken once
        const Channel &channel = *channelOfKind(source, radio, number);
        const auto unusable = [&](const char *why) {
            plan.unusable.push_back(kindName(radio, number) + " " + channelLine(referenceChannelOf(source, channel))
                                    + ": " + why);
        };
        const Transponder *tp = source.transponderOf(channel);
        if (!tp || !source.satelliteOf(*tp)) {
            unusable("нет транспондера или спутника");
            continue;
        }
        if (channel.serviceType() != (radio ? ServiceType::Radio : ServiceType::Tv)) {
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
    int take(const std::vector<Channel> &channels, bool radio)
    {
        const std::size_t base = m_db.transponders.size();
        int taken = 0;
        for (const Channel &channel : channels) {
            const std::size_t added = channel.tpNumber > base ? channel.tpNumber - base - 1 : 0;
            const bool newTransponder = channel.tpNumber > base && !m_added[added];
            const std::size_t transponders = m_transponders + (newTransponder ? 1 : 0);
            std::size_t &ofKind = radio ? m_radio : m_tv;
            if (orderOf(m_db, radio).size() + ofKind + 1 > std::size_t(kOrderCapacity)
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
    std::vector<int> targets;
    for (const SatelliteIdentity &identity : identities) {
        const std::vector<int> matches = matcher.matches(identity);
        targets.push_back(matches.empty() ? kNotImported : matches.front());
    }
    return targets;
}

ImportRequest everyChannel(const ChannelDatabase &db, const ChannelDatabase &source)
{
    ImportRequest request;
    request.tv = listedNumbers(source, false);
    request.radio = listedNumbers(source, true);
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
    std::vector<Candidate> candidates[2];
    for (const bool radio : {false, true}) {
        candidates[radio] = candidatesOf(db, source, request, radio, plan);
        (radio ? reference.radio : reference.tv) = asPlaced(db, source, candidates[radio]);
    }

    TransponderChoice choice(db);
    Partners partners[2];
    for (const bool radio : {false, true}) {
        partners[radio] = matchChannels(db, reference, radio);
        for (std::size_t k = 0; k < candidates[radio].size(); ++k) {
            const int partner = partners[radio].channelOfReference[k];
            if (partner == kNoPartner)
                continue;
            ++plan.alreadyThere;
            const Candidate &candidate = candidates[radio][k];
            (radio ? plan.radioThere : plan.tvThere).push_back(candidate.number);
            const Channel *there = channelOfKind(db, radio, partner);
            const Transponder *tp = there ? db.transponderOf(*there) : nullptr;
            if (tp && there->serviceId == candidate.channel->serviceId && tp->satNumber == candidate.targetSatellite + 1)
                choice.noteMoved(source.transponders[std::size_t(candidate.sourceTransponder)], there->tpNumber);
        }
    }
    for (const bool radio : {false, true}) {
        for (std::size_t k = 0; k < candidates[radio].size(); ++k) {
            if (partners[radio].channelOfReference[k] != kNoPartner)
                continue;
            const Candidate &candidate = candidates[radio][k];
            Channel copy = *candidate.channel;
            copy.tpNumber = std::uint16_t(choice.numberFor(source.transponders[std::size_t(candidate.sourceTransponder)],
                                                           candidate.targetSatellite, plan.newTransponders));
            (radio ? plan.radio : plan.tv).push_back(copy);
        }
    }

    if (request.insertion) {
        ImportInsertion insertion = *request.insertion;
        insertion.afterPosition = std::clamp(insertion.afterPosition, 0, int(orderOf(db, insertion.radio).size()));
        plan.insertion = insertion;
    }
    plan.fits = db.tvOrder.size() + plan.tv.size() <= std::size_t(kOrderCapacity)
                && db.radioOrder.size() + plan.radio.size() <= std::size_t(kOrderCapacity)
                && db.transponders.size() + plan.newTransponders.size() <= std::size_t(kTransponderCapacity)
                && hasRoomFor(db, plan.newTransponders.size(), plan.tv.size() + plan.radio.size());
    FitCount fit(db, plan);
    plan.tvThatFit = fit.take(plan.tv, false);
    // Radio channels after every TV channel chosen, else on their own.
    plan.radioThatFit = plan.tvThatFit == int(plan.tv.size()) ? fit.take(plan.radio, true)
                                                               : FitCount(db, plan).take(plan.radio, true);
    return plan;
}

OrderSpan addedPositions(const ImportPlan &plan, bool radio)
{
    const int count = int((radio ? plan.radio : plan.tv).size());
    if (plan.insertion && plan.insertion->radio == radio)
        return {plan.insertion->afterPosition, count};
    return {int(radio ? plan.baseRadio : plan.baseTv), count};
}

bool applyImport(ChannelDatabase &db, const ImportPlan &plan)
{
    if (!plan.fits || db.transponders.size() != plan.baseTransponders || db.tvOrder.size() != plan.baseTv
        || db.radioOrder.size() != plan.baseRadio)
        return false;
    ChannelDatabase result = db;
    for (const Transponder &tp : plan.newTransponders)
        if (result.appendTransponder(int(tp.satNumber) - 1, tp) < 0)
            return false;
    for (const Channel &channel : plan.tv)
        result.appendTvChannel(channel);
    for (const Channel &channel : plan.radio)
        result.appendRadioChannel(channel);
    if (result.tvOrder.size() != plan.baseTv + plan.tv.size()
        || result.radioOrder.size() != plan.baseRadio + plan.radio.size())
        return false;
    if (plan.insertion) {
        const bool radio = plan.insertion->radio;
        moveTail(radio ? result.radioOrder : result.tvOrder, (radio ? plan.radio : plan.tv).size(),
                 std::size_t(plan.insertion->afterPosition));
    }
    db = std::move(result);
    return true;
}

std::vector<std::string> importSummary(const ImportPlan &plan)
{
    std::vector<std::string> lines;
    if (!plan.fits) {
        lines.push_back("Ничего не добавлено: выбранные каналы не помещаются в базу.");
        const int tv = int(plan.tv.size()), radio = int(plan.radio.size());
        if (plan.tvThatFit < tv)
            lines.push_back("Поместится ТВ-каналов: " + std::to_string(plan.tvThatFit) + " из " + std::to_string(tv)
                            + ".");
        if (plan.radioThatFit < radio)
            lines.push_back("Поместится радиоканалов: " + std::to_string(plan.radioThatFit) + " из "
                            + std::to_string(radio) + (tv > 0 && plan.tvThatFit == tv ? " вместе с выбранными ТВ-каналами." : "."));
        lines.push_back("Выберите меньше каналов.");
        return lines;
    }
    lines.push_back("Будет добавлено: транспондеров — " + std::to_string(plan.newTransponders.size())
                    + ", ТВ-каналов — " + std::to_string(plan.tv.size()) + ", радиоканалов — "
                    + std::to_string(plan.radio.size()) + ".");
    lines.push_back("Уже есть в базе: " + std::to_string(plan.alreadyThere) + ".");
    if (plan.onSkippedSatellites)
        lines.push_back("Не добавляются (их спутник не выбран): " + std::to_string(plan.onSkippedSatellites) + ".");
    if (!plan.unusable.empty()) {
        lines.push_back("Нельзя использовать: " + std::to_string(plan.unusable.size()) + ".");
        lines.insert(lines.end(), plan.unusable.begin(), plan.unusable.end());
    }
    return lines;
}

} // namespace k510
