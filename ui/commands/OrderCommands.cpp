// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderCommands.h"

#include "ui/lists/NewChannels.h"

#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "WindowTitle.h"
#include "EditHistory.h"
#include "RefusalMessages.h"
#include "model/Duplicates.h"
#include "model/ReferenceFile.h"
#include "model/ReferenceOrder.h"
#include "model/Reordering.h"
#include "ui/EditorSettings.h"
#include "ui/UserDialogs.h"
#include "ui/lists/ModelStrings.h"
#include "ui/dialogs/OrderSummaryDialog.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"

#include <QItemSelectionModel>

#include <set>

namespace k510::ui {

namespace {

// An exported list of all channels of a full database stays far below this.
constexpr qint64 kLargestReference = 16 * 1024 * 1024;

struct LoadedReference {
    std::optional<ChannelReference> reference;
    QString error;
};

// A list of one kind chosen on the page of the other: what it is, and where
// each kind of list is used.
QString otherKindOfList(const QString &path, bool radioWanted)
{
    return QStringLiteral("«%1» — список %2, а здесь упорядочиваются %3.\n"
                          "Список ТВ-каналов выбирайте на странице «Каналы ТВ», "
                          "список радиоканалов — на странице «Каналы Радио».")
        .arg(shownPath(path), radioWanted ? QStringLiteral("ТВ-каналов") : QStringLiteral("радиоканалов"),
             radioWanted ? QStringLiteral("радиоканалы") : QStringLiteral("ТВ-каналы"));
}

LoadedReference loadReference(const QString &path, bool radioCsv)
{
    const FileBytes file = readFileToOpen(
        path, kLargestReference, QStringLiteral("«%1» — не база каналов и не список каналов CSV: файл больше %2."));
    if (!file.ok())
        return {{}, file.error};
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(file.bytes.constData());
    ReferenceFileResult read = readReferenceFile({bytes, std::size_t(file.bytes.size())}, kindOf(radioCsv));
    if (read.otherKind)
        return {{}, otherKindOfList(path, radioCsv)};
    if (!read.ok())
        return {{}, QStringLiteral("«%1»: %2").arg(shownPath(path), QString::fromStdString(read.error))};
    return {std::move(read.reference), {}};
}

QStringList channelLines(const std::vector<ReferenceChannel> &tv, const std::vector<ReferenceChannel> &radio)
{
    QStringList lines;
    for (const ReferenceChannel &channel : tv)
        lines << QStringLiteral("ТВ: ") + QString::fromStdString(channelLine(channel));
    for (const ReferenceChannel &channel : radio)
        lines << QStringLiteral("Радио: ") + QString::fromStdString(channelLine(channel));
    return lines;
}

} // namespace

OrderCommands::OrderCommands(OrderTargets targets, QObject *parent)
    : QObject(parent), m(std::move(targets)), m_summary(new OrderSummaryDialog(&m.window))
{
}

ChannelPage &OrderCommands::pageOf(ChannelKind kind) const
{
    return kind == ChannelKind::Tv ? m.tv : m.radio;
}

void OrderCommands::orderAsShown(ChannelKind kind)
{
    ChannelPage &page = pageOf(kind);
    const ReportList &list = *page.list();
    if (!page.showsWholeOrder() || list.filtering())
        return;
    // While the page shows the whole order, a row stands for its place there.
    std::vector<int> shownPositions;
    shownPositions.reserve(std::size_t(list.rowCount()));
    for (int row = 0; row < list.rowCount(); ++row)
        shownPositions.push_back(list.placeOf(row) + 1);
    std::vector<std::uint16_t> &order = m.database.order(kind);
    std::optional<std::vector<std::uint16_t>> shown = k510::orderAsShown(order, shownPositions);
    if (!shown || *shown == order)
        return;
    m.history.record(QStringLiteral("Упорядочивание как показано"), [&] { order = std::move(*shown); });
    m.refill(kind);
}

void OrderCommands::orderByExample(ChannelKind csvKind)
{
    if (m.database.channels.empty())
        return;
    const UserDialogs::FileDialogOptions options{
        QStringLiteral("Базы и списки каналов (*.k5d *.csv);;Файлы Tessora (*.k5d);;Файлы CSV (*.csv);;Все файлы (*)"),
        QString(), m.settings.lastFolder()};
    const QString path = m.dialogs.openFileName(&m.window, options);
    if (path.isEmpty())
        return;
    const LoadedReference loaded = loadReference(path, csvKind == ChannelKind::Radio);
    if (!loaded.reference) {
        showFileProblem(m.dialogs, loaded.error);
        return;
    }
    const OrderPlan plan = planOrder(m.database, *loaded.reference);
    m_summary->load({shownPath(path), fromUtf8Lines(orderSummary(plan, true)), fromUtf8Lines(orderSummary(plan, false)),
                     channelLines(plan.tv.unmatchedReference, plan.radio.unmatchedReference),
                     channelLines(plan.tv.newChannels, plan.radio.newChannels), plan.favouritesAvailable,
                     !matchesNothing(plan)});
    if (!m.dialogs.runDialog(*m_summary) || matchesNothing(plan))
        return;
    const bool replaceGroups = m_summary->replaceGroups();
    std::optional<Refusal> refusal;
    m.history.record(QStringLiteral("Упорядочивание по образцу"), [&] {
        if (const Outcome<Applied> applied = applyOrder(m.database, plan, replaceGroups); !applied)
            refusal = applied.refusal();
    });
    if (refusal) {
        m.dialogs.showMessage(refusalMessage(*refusal));
        return;
    }
    // The channels without partner end their lists.
    PerKind<std::vector<int>> found;
    for (const ChannelKind kind : kBothKinds) {
        const KindOrderPlan &planned = isRadio(kind) ? plan.radio : plan.tv;
        const int count = int(planned.newChannels.size());
        found[kind] = channelsAtPlaces(m.database, kind, int(m.database.order(kind).size()) - count, count);
    }
    m.newChannels.note(m.database, found);
    m.showDatabaseAgain();
}

QString OrderCommands::selectDuplicates(ChannelKind kind)
{
    const DuplicateChannels found = duplicateChannels(m.database, kind);
    const int copies = selectChannels(kind, found.copies);
    QString note = copies > 0 ? QStringLiteral("Выделено дубликатов: %1").arg(copies) : QStringLiteral("Дубликатов нет");
    if (!found.similarNames.empty())
        note += QStringLiteral(" · Похожие названия: %1 (не выделены)").arg(found.similarNames.size());
    return note;
}

QString OrderCommands::selectSimilarNames(ChannelKind kind)
{
    const DuplicateChannels found = duplicateChannels(m.database, kind);
    const int similar = selectChannels(kind, found.similarNames);
    QString note = similar > 0 ? QStringLiteral("Похожие названия: %1").arg(similar)
                               : QStringLiteral("Похожих названий нет");
    if (!found.copies.empty())
        note += QStringLiteral(" · Дубликатов: %1 (не выделены)").arg(found.copies.size());
    return note;
}

int OrderCommands::selectChannels(ChannelKind kind, const std::vector<int> &numbers)
{
    const std::set<int> wanted(numbers.begin(), numbers.end());
    ChannelPage &page = pageOf(kind);
    ReportList &list = *page.list();
    std::vector<int> rows;
    for (int row = 0; row < list.rowCount(); ++row) {
        const int index = page.channelIndexOfRow(row);
        if (index >= 0 && wanted.contains(m.database.numberOf(kind, index)))
            rows.push_back(row);
    }
    list.selectRows(rows);
    return int(rows.size());
}

} // namespace k510::ui
