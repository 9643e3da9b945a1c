// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiffReport.h"

#include <QJsonArray>
#include <QStringList>

#include "model/TextCodec.h"

using namespace k510;

namespace {

QString text(const std::string &windows1251) { return QString::fromStdString(windows1251ToUtf8(windows1251)); }
QString quoted(const std::string &windows1251) { return QLatin1Char('"') + text(windows1251) + QLatin1Char('"'); }
QString line(const ReferenceChannel &channel) { return QString::fromStdString(channelLine(channel)); }

// "№ 11 (канал 3753)": the place as the window numbers rows, the number as dump numbers channels.
QString placeAndNumber(int place, int number) { return QStringLiteral("№ %1 (канал %2)").arg(place).arg(number); }
QString placeAndNumber(const ChannelLabel &label) { return placeAndNumber(label.place, label.number); }

QString transponderText(const TransponderLabel &label)
{
    return QStringLiteral("%1 %2 %3").arg(text(label.satellite)).arg(label.frequencyMhz).arg(label.vertical ? "V" : "H");
}

// "prefix: field "before" -> "after"", one line per field.
void addChanges(QStringList &lines, const QString &prefix, const std::vector<FieldChange> &changes)
{
    for (const FieldChange &change : changes)
        lines.append(QStringLiteral("%1: %2 %3 -> %4")
                         .arg(prefix, QString::fromStdString(change.field), quoted(change.before), quoted(change.after)));
}

void addKind(QStringList &lines, const KindDiff &kind, const QString &name)
{
    for (const ChannelLabel &added : kind.added)
        lines.append(QStringLiteral("%1 channel added: %2 %3").arg(name, placeAndNumber(added), line(added.channel)));
    for (const ChannelLabel &removed : kind.removed)
        lines.append(QStringLiteral("%1 channel removed: %2 %3").arg(name, placeAndNumber(removed), line(removed.channel)));
    for (const ChannelDiff &changed : kind.changed)
        addChanges(lines,
                   QStringLiteral("%1 channel %2 -> %3 (%4)")
                       .arg(name, placeAndNumber(changed.placeBefore, changed.before),
                            placeAndNumber(changed.placeAfter, changed.after), line(changed.channel)),
                   changed.changes);
    for (const PositionMove &move : kind.moves)
        lines.append(QStringLiteral("%1 order: %2 moved from %3 to %4").arg(name, line(move.channel)).arg(move.from).arg(move.to));
}

void addGroup(QStringList &lines, const GroupDiff &group)
{
    const QString prefix = QStringLiteral("%1 group %2").arg(isRadio(group.kind) ? "radio" : "tv").arg(group.group);
    if (group.nameBefore != group.nameAfter)
        lines.append(QStringLiteral("%1: name %2 -> %3").arg(prefix, quoted(group.nameBefore), quoted(group.nameAfter)));
    for (const ChannelLabel &added : group.added)
        lines.append(QStringLiteral("%1: added %2 %3").arg(prefix, placeAndNumber(added), line(added.channel)));
    for (const ChannelLabel &removed : group.removed)
        lines.append(QStringLiteral("%1: removed %2 %3").arg(prefix, placeAndNumber(removed), line(removed.channel)));
    for (const PositionMove &move : group.moves)
        lines.append(QStringLiteral("%1: %2 moved from %3 to %4").arg(prefix, line(move.channel)).arg(move.from).arg(move.to));
}

QJsonArray changesJson(const std::vector<FieldChange> &changes)
{
    QJsonArray out;
    for (const FieldChange &change : changes)
        out.append(QJsonObject{{"field", QString::fromStdString(change.field)},
                               {"before", text(change.before)},
                               {"after", text(change.after)}});
    return out;
}

QJsonObject satelliteJson(const SatelliteDiff &satellite)
{
    QJsonObject out{{"number", satellite.number}, {"name", text(satellite.name)}};
    if (!satellite.changes.empty())
        out["changes"] = changesJson(satellite.changes);
    return out;
}

QJsonObject transponderJson(const TransponderLabel &label)
{
    return {{"number", label.number},
            {"satellite", text(label.satellite)},
            {"frequency", qint64(label.frequencyMhz)},
            {"polarisation", label.vertical ? "V" : "H"}};
}

QJsonObject channelJson(const ReferenceChannel &channel)
{
    QJsonObject out{{"name", text(channel.name)}, {"serviceId", channel.serviceId}};
    if (channel.located) {
        out["satellite"] = text(channel.satellite.name);
        out["frequency"] = qint64(channel.frequencyMhz);
        out["polarisation"] = channel.vertical ? "V" : "H";
    }
    return out;
}

QJsonArray labelsJson(const std::vector<ChannelLabel> &labels)
{
    QJsonArray out;
    for (const ChannelLabel &label : labels)
        out.append(QJsonObject{{"number", label.number}, {"place", label.place}, {"channel", channelJson(label.channel)}});
    return out;
}

QJsonArray movesJson(const std::vector<PositionMove> &moves)
{
    QJsonArray out;
    for (const PositionMove &move : moves)
        out.append(QJsonObject{{"channel", channelJson(move.channel)}, {"from", move.from}, {"to", move.to}});
    return out;
}

template <typename Item, typename ToJson>
QJsonArray arrayOf(const std::vector<Item> &items, ToJson toJson)
{
    QJsonArray out;
    for (const Item &item : items)
        out.append(toJson(item));
    return out;
}

QJsonObject kindJson(const KindDiff &kind)
{
    return {{"added", labelsJson(kind.added)},
            {"removed", labelsJson(kind.removed)},
            {"changed", arrayOf(kind.changed,
                                [](const ChannelDiff &changed) {
                                    return QJsonObject{{"before", changed.before},
                                                       {"after", changed.after},
                                                       {"placeBefore", changed.placeBefore},
                                                       {"placeAfter", changed.placeAfter},
                                                       {"channel", channelJson(changed.channel)},
                                                       {"changes", changesJson(changed.changes)}};
                                })},
            {"moves", movesJson(kind.moves)}};
}

} // namespace

QString diffText(const DatabaseDiff &diff)
{
    QStringList lines;
    for (const SatelliteDiff &added : diff.satellitesAdded)
        lines.append(QStringLiteral("satellite added: %1 %2").arg(added.number).arg(quoted(added.name)));
    for (const SatelliteDiff &removed : diff.satellitesRemoved)
        lines.append(QStringLiteral("satellite removed: %1 %2").arg(removed.number).arg(quoted(removed.name)));
    for (const SatelliteDiff &changed : diff.satellitesChanged)
        addChanges(lines, QStringLiteral("satellite %1 %2").arg(changed.number).arg(quoted(changed.name)), changed.changes);
    for (const TransponderLabel &added : diff.transpondersAdded)
        lines.append(QStringLiteral("transponder added: %1 %2").arg(added.number).arg(transponderText(added)));
    for (const TransponderLabel &removed : diff.transpondersRemoved)
        lines.append(QStringLiteral("transponder removed: %1 %2").arg(removed.number).arg(transponderText(removed)));
    for (const TransponderDiff &changed : diff.transpondersChanged)
        addChanges(lines,
                   QStringLiteral("transponder %1 -> %2 (%3)")
                       .arg(changed.before.number)
                       .arg(changed.after.number)
                       .arg(transponderText(changed.before)),
                   changed.changes);
    addKind(lines, diff.tv, QStringLiteral("tv"));
    addKind(lines, diff.radio, QStringLiteral("radio"));
    for (const GroupDiff &group : diff.groups)
        addGroup(lines, group);
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject diffJson(const DatabaseDiff &diff)
{
    const auto transponderChange = [](const TransponderDiff &changed) {
        return QJsonObject{{"before", transponderJson(changed.before)},
                           {"after", transponderJson(changed.after)},
                           {"changes", changesJson(changed.changes)}};
    };
    const auto groupJson = [](const GroupDiff &group) {
        return QJsonObject{{"kind", isRadio(group.kind) ? "radio" : "tv"},
                           {"group", group.group},
                           {"nameBefore", text(group.nameBefore)},
                           {"nameAfter", text(group.nameAfter)},
                           {"added", labelsJson(group.added)},
                           {"removed", labelsJson(group.removed)},
                           {"moves", movesJson(group.moves)}};
    };
    return {{"equal", diff.empty()},
            {"satellites", QJsonObject{{"added", arrayOf(diff.satellitesAdded, satelliteJson)},
                                       {"removed", arrayOf(diff.satellitesRemoved, satelliteJson)},
                                       {"changed", arrayOf(diff.satellitesChanged, satelliteJson)}}},
            {"transponders", QJsonObject{{"added", arrayOf(diff.transpondersAdded, transponderJson)},
                                         {"removed", arrayOf(diff.transpondersRemoved, transponderJson)},
                                         {"changed", arrayOf(diff.transpondersChanged, transponderChange)}}},
            {"tv", kindJson(diff.tv)},
            {"radio", kindJson(diff.radio)},
            {"groups", arrayOf(diff.groups, groupJson)}};
}
