// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceOrder.h"

#include "OrderLists.h"

namespace k510 {

namespace {

KindOrderPlan planKind(const ChannelDatabase &db, const ChannelReference &reference, ChannelKind kind)
{
    KindOrderPlan plan;
    plan.order = db.order(kind);
    plan.favourites = db.favourites(kind);
    const auto &list = isRadio(kind) ? reference.radio : reference.tv;
    if (!list)
        return plan;
    plan.referenced = true;

    const Partners partners = matchChannels(db, reference, kind);
    plan.order.clear();
    for (std::size_t position = 0; position < list->size(); ++position) {
        const int partner = partners.channelOfReference[position];
        if (partner != kNoPartner)
            plan.order.push_back(std::uint16_t(partner));
        else
            plan.unmatchedReference.push_back((*list)[position]);
    }
    plan.matched = int(plan.order.size());
    // Numbers of a damaged order list that have no record behind them go
    // last: they are no channel, but T (R) counts them.
    std::vector<std::uint16_t> withoutRecord;
    for (const int number : orderedNumbers(db.order(kind))) {
        if (partners.referenceOfChannel[std::size_t(number - 1)] != kNoPartner)
            continue;
        if (const Channel *channel = db.channel(kind, number)) {
            plan.order.push_back(std::uint16_t(number));
            plan.newChannels.push_back(referenceChannelOf(db, *channel));
        } else {
            withoutRecord.push_back(std::uint16_t(number));
        }
    }
    plan.order.insert(plan.order.end(), withoutRecord.begin(), withoutRecord.end());

    if (!reference.favourites)
        return plan;
    const auto &referenceGroups = isRadio(kind) ? reference.favourites->radio : reference.favourites->tv;
    for (std::size_t g = 0; g < plan.favourites.size(); ++g) {
        FavouriteGroup &group = plan.favourites[g];
        group.clear();
        for (const int position : referenceGroups[g]) {
            if (position < 0 || std::size_t(position) >= partners.channelOfReference.size())
                continue;
            const int partner = partners.channelOfReference[std::size_t(position)];
            if (partner != kNoPartner && group.size() < std::size_t(kFavouriteGroupCapacity))
                group.push_back(std::uint16_t(partner));
        }
    }
    return plan;
}

std::string kindLine(const KindOrderPlan &plan, ChannelKind ofKind)
{
    const std::string kind = isRadio(ofKind) ? "Радио" : "ТВ";
    if (!plan.referenced)
        return kind + ": в образце нет такого списка, порядок не меняется";
    return kind + ": совпало " + std::to_string(plan.matched) + ", новых " + std::to_string(plan.newChannels.size())
           + " (в конце списка), в образце без пары " + std::to_string(plan.unmatchedReference.size());
}

} // namespace

OrderPlan planOrder(const ChannelDatabase &db, const ChannelReference &reference)
{
    OrderPlan plan;
    plan.tv = planKind(db, reference, ChannelKind::Tv);
    plan.radio = planKind(db, reference, ChannelKind::Radio);
    plan.favouritesAvailable = reference.favourites.has_value();
    for (int g = 0; g < kFavouriteGroupCount; ++g) {
        plan.tvGroupNames[std::size_t(g)] = plan.favouritesAvailable ? reference.favourites->tvNames[std::size_t(g)]
                                                                     : db.tvGroupName(g + 1);
        plan.radioGroupNames[std::size_t(g)] = plan.favouritesAvailable
                                                   ? reference.favourites->radioNames[std::size_t(g)]
                                                   : db.radioGroupName(g + 1);
    }
    return plan;
}

Outcome<Applied> applyOrder(ChannelDatabase &db, const OrderPlan &plan, bool replaceFavourites)
{
    if (plan.tv.order.size() != db.tvOrder.size() || plan.radio.order.size() != db.radioOrder.size())
        return Refusal{.reason = RefusalReason::OtherDatabase};
    db.tvOrder = plan.tv.order;
    db.radioOrder = plan.radio.order;
    if (!replaceFavourites || !plan.favouritesAvailable)
        return Applied{};
    db.tvFavourites = plan.tv.favourites;
    db.radioFavourites = plan.radio.favourites;
    for (int g = 0; g < kFavouriteGroupCount; ++g) {
        db.setTvGroupName(g + 1, plan.tvGroupNames[std::size_t(g)]);
        db.setRadioGroupName(g + 1, plan.radioGroupNames[std::size_t(g)]);
    }
    return Applied{};
}

bool matchesNothing(const OrderPlan &plan) { return plan.tv.matched + plan.radio.matched == 0; }

std::vector<std::string> orderSummary(const OrderPlan &plan, bool replaceFavourites)
{
    if (matchesNothing(plan))
        return {"Ни один канал образца не найден в этой базе, упорядочивать нечего.",
                "Образцом может быть только база каналов или список каналов этой же базы до пересканирования "
                "(список ТВ — на странице ТВ, список радио — на странице радио)."};
    std::string groups;
    if (!plan.favouritesAvailable)
        groups = "Избранные группы: в образце их нет, они остаются прежними";
    else if (replaceFavourites)
        groups = "Избранные группы: заменяются группами образца и их названиями";
    else
        groups = "Избранные группы: остаются прежними";
    return {kindLine(plan.tv, ChannelKind::Tv), kindLine(plan.radio, ChannelKind::Radio), groups};
}

} // namespace k510
