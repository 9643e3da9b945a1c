// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportCommands.h"

#include "DatabaseFiles.h"
#include "EditHistory.h"
#include "model/ChannelImport.h"
#include "model/ImageCheck.h"
#include "model/ImageReader.h"
#include "ui/EditorSettings.h"
#include "ui/UserDialogs.h"
#include "ui/lists/ModelStrings.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/ImportSummaryDialog.h"

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
    const QString path = chooseDatabaseToOpen(m.dialogs, &m.window, m.settings.lastFolder());
    if (path.isEmpty())
        return;
    const FileBytes file = readDatabaseFile(path);
    if (!file.ok()) {
        showFileProblem(m.dialogs, file.error);
        return;
    }
    // Read as "Открыть" reads it; a damaged image is offered as it stands,
    // its numbering problems named, every channel with a record still listed.
    const std::span<const std::uint8_t> image{reinterpret_cast<const std::uint8_t *>(file.bytes.constData()),
                                              std::size_t(file.bytes.size())};
    const ReadResult read = readImage(image);
    if (!read.ok()) {
        showFileProblem(m.dialogs, QStringLiteral("«%1»: %2").arg(shownPath(path), QString::fromStdString(read.error)));
        return;
    }
    const ChannelDatabase &source = *read.database;
    const CheckResult check = checkImage(image);
    const QString problemsHeading = check.beyondNumbering ? QStringLiteral("Ошибки в базе:")
                                                          : QStringLiteral("Нумерация этой базы нарушена:");
    m_dialog->load(shownPath(path), source, m.database, defaultTargetSatellites(m.database, source), problemsHeading,
                   fromUtf8Lines(check.problems), selected.has_value());
    if (!m.dialogs.runDialog(*m_dialog))
        return;
    const ImportDialog::Choice choice = m_dialog->choice();
    if (choice.tv.empty() && choice.radio.empty()) {
        m.dialogs.showMessage(QStringLiteral("Выделите каналы, которые нужно добавить."));
        return;
    }
    ImportRequest request{choice.tv, choice.radio, choice.targetSatellites, std::nullopt};
    if (choice.insertAfterSelected && selected)
        request.insertion = ImportInsertion{selected->kind == ChannelKind::Radio, selected->position};
    const ImportPlan plan = planImport(m.database, source, request);
    const QStringList summary = fromUtf8Lines(importSummary(plan));
    if (!plan.fits) {
        m.dialogs.showError(summary.join(QLatin1Char('\n')));
        return;
    }
    m_summary->load(summary);
    if (!m.dialogs.runDialog(*m_summary) || plan.channelCount() == 0)
        return;
    m.history.record(channelsStepName(QStringLiteral("Добавление"), plan.channelCount()),
                     [&] { static_cast<void>(applyImport(m.database, plan)); });
    m.showDatabaseAgain();
}

} // namespace k510::ui
