// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComparisonSections.h"

#include "ui/lists/ModelStrings.h"

#include <QStringList>

#include <array>
#include <utility>

namespace k510::ui {

namespace {

// The fields as the model's comparison names them, in the window's words.
constexpr std::array<std::pair<const char *, const char *>, 23> kFieldWords = {{
    {"name", "название"},
    {"lnbLow", "гетеродин нижний"},
    {"lnbHigh", "гетеродин верхний"},
    {"tone22k", "22 кГц"},
    {"power12v", "12 В"},
    {"lnbp", "LNBP"},
    {"switchType", "переключатель"},
    {"diseqc10", "DiSEqC 1.0"},
    {"diseqc11", "DiSEqC 1.1"},
    {"hemisphere", "полушарие"},
    {"longitude", "долгота"},
    {"polarisation", "поляризация"},
    {"frequency", "частота"},
    {"symbolRate", "символьная скорость"},
    {"fec", "FEC"},
    {"serviceId", "SID"},
    {"transponder", "транспондер"},
    {"pmtPid", "PMT PID"},
    {"videoPid", "видео PID"},
    {"audioPid", "аудио PID"},
    {"pcrPid", "PCR PID"},
    {"scrambled", "кодированный"},
    {"locked", "заблокирован"},
}};

QString fieldWord(const std::string &field)
{
    for (const auto &[name, word] : kFieldWords)
        if (field == name)
            return QString::fromUtf8(word);
    return QString::fromStdString(field);
}

QString valueText(const std::string &value)
{
    if (value == "true")
        return QStringLiteral("да");
    if (value == "false")
        return QStringLiteral("нет");
    return fromWindows1251(value);
}

QString changesText(const std::vector<FieldChange> &changes)
{
    QStringList parts;
    for (const FieldChange &change : changes)
        parts << QStringLiteral("%1 %2 → %3").arg(fieldWord(change.field), valueText(change.before), valueText(change.after));
    return parts.join(QStringLiteral(", "));
}

QString kindWord(ChannelKind kind) { return kind == ChannelKind::Tv ? QStringLiteral("ТВ") : QStringLiteral("Радио"); }
QString line(const ReferenceChannel &channel) { return QString::fromStdString(channelLine(channel)); }
QString quoted(const std::string &windows1251) { return QStringLiteral("«%1»").arg(fromWindows1251(windows1251)); }

QString transponderText(const TransponderLabel &label)
{
    return QStringLiteral("%1 %2 %3").arg(fromWindows1251(label.satellite)).arg(label.frequencyMhz).arg(label.vertical ? "V" : "H");
}

// The channel of `first` a line may select; none for a number that names none.
std::optional<ComparedChannel> channelIn(const ChannelDatabase &first, ChannelKind kind, int number)
{
    const Channel *channel = first.channel(kind, number);
    if (!channel)
        return std::nullopt;
    return ComparedChannel{kind, number, referenceChannelOf(first, *channel)};
}

struct Sections {
    std::vector<ComparisonLine> satellites, transpondersAdded, transpondersRemoved, transpondersChanged, added, removed,
        renamed, moved, changed, groups;
};

void addKind(Sections &s, const KindDiff &diff, ChannelKind kind, const ChannelDatabase &first)
{
    const QString word = kindWord(kind);
    for (const ChannelLabel &added : diff.added)
        s.added.push_back({QStringLiteral("%1 № %2: %3").arg(word).arg(added.place).arg(line(added.channel)), {}});
    for (const ChannelLabel &removed : diff.removed)
        s.removed.push_back({QStringLiteral("%1 № %2: %3").arg(word).arg(removed.place).arg(line(removed.channel)),
                             channelIn(first, kind, removed.number)});
    for (const ChannelDiff &changed : diff.changed) {
        std::vector<FieldChange> others;
        for (const FieldChange &change : changed.changes) {
            if (change.field == "name")
                s.renamed.push_back({QStringLiteral("%1 № %2: %3 → %4")
                                         .arg(word)
                                         .arg(changed.placeBefore)
                                         .arg(quoted(change.before), quoted(change.after)),
                                     channelIn(first, kind, changed.before)});
            else
                others.push_back(change);
        }
        if (!others.empty())
            s.changed.push_back({QStringLiteral("%1 № %2 %3: %4")
                                     .arg(word)
                                     .arg(changed.placeBefore)
                                     .arg(line(changed.channel), changesText(others)),
                                 channelIn(first, kind, changed.before)});
    }
    const auto &order = first.order(kind);
    for (const PositionMove &move : diff.moves) {
        const bool placed = move.from >= 1 && std::size_t(move.from) <= order.size();
        s.moved.push_back({QStringLiteral("%1: %2 с № %3 на № %4").arg(word, line(move.channel)).arg(move.from).arg(move.to),
                           placed ? channelIn(first, kind, order[std::size_t(move.from - 1)]) : std::nullopt});
    }
}

void addGroup(Sections &s, const GroupDiff &group, const ChannelDatabase &first)
{
    const ChannelKind kind = group.kind;
    const QString prefix = QStringLiteral("%1, группа %2").arg(kindWord(kind)).arg(group.group);
    if (group.nameBefore != group.nameAfter)
        s.groups.push_back({QStringLiteral("%1: название %2 → %3").arg(prefix, quoted(group.nameBefore), quoted(group.nameAfter)), {}});
    for (const ChannelLabel &added : group.added)
        s.groups.push_back({QStringLiteral("%1: добавлен %2").arg(prefix, line(added.channel)), {}});
    for (const ChannelLabel &removed : group.removed)
        s.groups.push_back({QStringLiteral("%1: убран %2").arg(prefix, line(removed.channel)),
                            channelIn(first, kind, removed.number)});
    for (const PositionMove &move : group.moves)
        s.groups.push_back(
            {QStringLiteral("%1: %2 с № %3 на № %4").arg(prefix, line(move.channel)).arg(move.from).arg(move.to), {}});
}

void addSatellites(Sections &s, const DatabaseDiff &diff)
{
    for (const SatelliteDiff &added : diff.satellitesAdded)
        s.satellites.push_back({QStringLiteral("Добавлен спутник %1 %2").arg(added.number).arg(quoted(added.name)), {}});
    for (const SatelliteDiff &removed : diff.satellitesRemoved)
        s.satellites.push_back({QStringLiteral("Удалён спутник %1 %2").arg(removed.number).arg(quoted(removed.name)), {}});
    for (const SatelliteDiff &changed : diff.satellitesChanged)
        s.satellites.push_back(
            {QStringLiteral("Спутник %1 %2: %3").arg(changed.number).arg(quoted(changed.name), changesText(changed.changes)), {}});
}

void addTransponders(Sections &s, const DatabaseDiff &diff)
{
    for (const TransponderLabel &added : diff.transpondersAdded)
        s.transpondersAdded.push_back({QStringLiteral("№ %1: %2").arg(added.number).arg(transponderText(added)), {}});
    for (const TransponderLabel &removed : diff.transpondersRemoved)
        s.transpondersRemoved.push_back({QStringLiteral("№ %1: %2").arg(removed.number).arg(transponderText(removed)), {}});
    for (const TransponderDiff &changed : diff.transpondersChanged)
        s.transpondersChanged.push_back({QStringLiteral("№ %1: %2: %3")
                                             .arg(changed.before.number)
                                             .arg(transponderText(changed.before), changesText(changed.changes)),
                                         {}});
}

} // namespace

std::vector<ComparisonSection> comparisonSections(const DatabaseDiff &diff, const ChannelDatabase &first)
{
    Sections s;
    addSatellites(s, diff);
    addTransponders(s, diff);
    addKind(s, diff.tv, ChannelKind::Tv, first);
    addKind(s, diff.radio, ChannelKind::Radio, first);
    for (const GroupDiff &group : diff.groups)
        addGroup(s, group, first);

    std::vector<ComparisonSection> sections;
    const std::pair<const char *, std::vector<ComparisonLine> *> order[] = {
        {"Добавленные каналы", &s.added},
        {"Удалённые каналы", &s.removed},
        {"Переименованные каналы", &s.renamed},
        {"Перемещённые каналы", &s.moved},
        {"Изменённые каналы", &s.changed},
        {"Добавленные транспондеры", &s.transpondersAdded},
        {"Удалённые транспондеры", &s.transpondersRemoved},
        {"Изменённые транспондеры", &s.transpondersChanged},
        {"Изменённые группы избранного", &s.groups},
        {"Спутники", &s.satellites},
    };
    for (const auto &[title, lines] : order)
        if (!lines->empty())
            sections.push_back({QString::fromUtf8(title), std::move(*lines)});
    return sections;
}

} // namespace k510::ui
