// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportCommands.h"

#include "ui/lists/NewChannels.h"

#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "WindowTitle.h"
#include "EditHistory.h"
#include "RefusalMessages.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelImport.h"
#include "model/ImageCheck.h"
#include "model/ImageReader.h"
#include "ui/EditorSettings.h"
#include "ui/UserDialogs.h"
#include "ui/lists/ModelStrings.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/ImportSummaryDialog.h"
#include "ui/StatusPanels.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/PageTabs.h"

#include <algorithm>

namespace k510::ui {

ImportCommands::ImportCommands(ImportTargets targets, QObject *parent)
    : QObject(parent),
      m(std::move(targets)),
      m_dialog(new ImportDialog(&m.window)),
      m_summary(new ImportSummaryDialog(&m.window))
{
}

void ImportCommands::importFromOtherDatabase(std::optional<SelectedOrderRow> selected)
{
    if (m.database.satellites.empty())
        return;
    const auto file = chooseAndReadDatabase(m.dialogs, &m.window, m.settings.lastFolder());
    if (!file)
        return;
    const QString &path = file->path;
    // Read as "Открыть" reads it; a damaged image is offered as it stands,
    // its numbering problems named, every channel with a record still listed.
    const std::span<const std::uint8_t> image{reinterpret_cast<const std::uint8_t *>(file->bytes.constData()),
                                              std::size_t(file->bytes.size())};
    const ReadResult read = readImage(image);
    if (!read.ok()) {
        showFileProblem(m.dialogs, QStringLiteral("«%1»: %2").arg(shownPath(path), QString::fromStdString(read.error)));
        return;
    }
    const ChannelDatabase &source = *read.database;
    const CheckResult check = checkImage(image);
    const QString problemsHeading = check.beyondNumbering ? QStringLiteral("Ошибки в базе:")
                                                          : QStringLiteral("Нумерация этой базы нарушена:");
    const std::vector<int> automatic = defaultTargetSatellites(m.database, source);
    m_dialog->load(shownPath(path), source, m.database, withRememberedTargets(source, automatic), problemsHeading,
                   fromUtf8Lines(check.problems), selected.has_value());
    std::optional<ImportPlan> plan;
    m_dialog->setAddCheck([&] {
        plan = confirmedPlan(source, selected, automatic);
        return plan.has_value();
    });
    const bool added = m.dialogs.runDialog(*m_dialog);
    m_dialog->setAddCheck({});
    if (!added || !plan || (plan->channelCount() == 0 && !plan->updateTransponders))
        return;
    std::optional<Refusal> refusal;
    m.history.record(channelsStepName(QStringLiteral("Добавление"), plan->channelCount()), [&] {
        if (const Outcome<Applied> applied = applyImport(m.database, *plan); !applied)
            refusal = applied.refusal();
    });
    if (refusal) {
        m.dialogs.showMessage(refusalMessage(*refusal));
        return;
    }
    PerKind<std::vector<int>> newChannels;
    for (const ChannelKind kind : kBothKinds) {
        const OrderSpan span = addedPositions(*plan, kind);
        newChannels[kind] = channelsAtPlaces(m.database, kind, span.first, span.count);
    }
    m.pages.newChannels().note(m.database, newChannels);
    showAdded(*plan);
}

std::optional<ImportPlan> ImportCommands::confirmedPlan(const ChannelDatabase &source,
                                                        std::optional<SelectedOrderRow> selected,
                                                        const std::vector<int> &automatic)
{
    const ImportDialog::Choice choice = m_dialog->choice();
    rememberTargets(source, automatic, choice.targetSatellites);
    if (choice.tv.empty() && choice.radio.empty()) {
        m.dialogs.showMessage(QStringLiteral("Выделите каналы, которые нужно добавить."));
        return std::nullopt;
    }
    ImportRequest request{choice.tv, choice.radio, choice.targetSatellites, std::nullopt};
    if (choice.insertAfterSelected && selected)
        request.insertion = ImportInsertion{selected->kind, selected->position};
    const ImportPlan keeping = planImport(m.database, source, request);
    const QStringList summary = fromUtf8Lines(importSummary(keeping));
    if (keeping.refused()) {
        m.dialogs.showMessage(summary.join(QLatin1Char('\n')));
        return std::nullopt;
    }
    // Taking the other database's parameters never adds a transponder, so
    // that plan fits whenever this one does.
    request.updateTransponders = true;
    const ImportPlan taking = keeping.retunes.empty() ? keeping : planImport(m.database, source, request);
    m_summary->load(summary, keeping.retunes.empty() ? QStringList() : fromUtf8Lines(importSummary(taking)));
    if (!m.dialogs.runDialog(*m_summary))
        return std::nullopt;
    return m_summary->takesParameters() ? taking : keeping;
}

std::optional<SelectedOrderRow> ImportCommands::selectedOrderRow() const
{
    const int current = m.pages.currentIndex();
    ChannelPage *page = current == m.pages.indexOf(m.pages.tv)      ? m.pages.tv
                        : current == m.pages.indexOf(m.pages.radio) ? m.pages.radio
                                                                    : nullptr;
    if (!page)
        return std::nullopt;
    const ChannelKind kind = page == m.pages.radio ? ChannelKind::Radio : ChannelKind::Tv;
    const int index = page->channelIndexOfRow(page->list()->firstSelectedRow());
    const int place = m.database.placeOf(kind, m.database.numberOf(kind, index));
    return place < 0 ? std::nullopt : std::optional(SelectedOrderRow{kind, place + 1});
}

void ImportCommands::showAdded(const ImportPlan &plan)
{
    // The page the user is on shows them where it lists their kind; else the
    // TV page, or the radio page when only radio channels came.
    const int current = m.pages.currentIndex();
    const bool onRadioPage = current == m.pages.indexOf(m.pages.radio);
    const bool radio = plan.tv.empty() || (onRadioPage && !plan.radio.empty());
    ChannelPage &page = radio ? *m.pages.radio : *m.pages.tv;
    const bool stays = current == m.pages.indexOf(&page);

    // The page the user stays on keeps its sort; another one is shown afresh.
    m.showDatabaseAgain();
    if (!stays)
        m.showPage(m.pages.indexOf(&page));
    const OrderSpan span = addedPositions(plan, kindOf(radio));
    std::vector<int> indices;
    for (int position = span.first; position < span.first + span.count; ++position)
        indices.push_back(radio ? m.database.channelIndexOfRadioOrder(position)
                                : m.database.channelIndexOfTvOrder(position));
    std::sort(indices.begin(), indices.end());
    page.selectChannels(indices);
    m.status.showNote(QStringLiteral("Добавлено каналов: %1").arg(plan.channelCount()), 10000);
}

// The user's own choice for a source satellite, remembered by its name, goes
// before the automatic one while this database has a satellite of that name.
std::vector<int> ImportCommands::withRememberedTargets(const ChannelDatabase &source, std::vector<int> targets) const
{
    for (std::size_t s = 0; s < source.satellites.size() && s < targets.size(); ++s) {
        const QString remembered = m.settings.importTarget(importKey(source.satellites[s]));
        if (remembered.isEmpty())
            continue;
        const std::vector<int> named = satellitesNamed(m.database, toWindows1251(remembered).toStdString());
        if (named.size() == 1)
            targets[s] = named.front();
    }
    return targets;
}

void ImportCommands::rememberTargets(const ChannelDatabase &source, const std::vector<int> &automatic,
                                     const std::vector<int> &chosen)
{
    for (std::size_t s = 0; s < source.satellites.size() && s < chosen.size() && s < automatic.size(); ++s) {
        if (chosen[s] < 0 || std::size_t(chosen[s]) >= m.database.satellites.size())
            continue;   // "не добавлять" names no satellite to remember
        const QString target = chosen[s] == automatic[s]
                                   ? QString()
                                   : fromWindows1251(m.database.satellites[std::size_t(chosen[s])].name);
        m.settings.rememberImportTarget(importKey(source.satellites[s]), target);
    }
}

QString ImportCommands::importKey(const Satellite &satellite)
{
    return fromWindows1251(satelliteNameKey(satellite.name));
}

} // namespace k510::ui
