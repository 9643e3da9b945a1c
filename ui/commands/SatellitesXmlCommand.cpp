// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesXmlCommand.h"

#include "DatabaseFiles.h"
#include "EditHistory.h"
#include "lists/SatellitesXml.h"
#include "model/DisplayTexts.h"
#include "model/TransponderUpdate.h"
#include "ui/EditorSettings.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/SatellitesXmlDialog.h"
#include "ui/lists/ModelStrings.h"
#include "ui/pages/SatelliteChoiceList.h"
#include "ui/pages/TransponderPage.h"

#include <algorithm>

namespace k510::ui {

namespace {

// Real lists are 1-3 MB.
constexpr qint64 kLargestList = 16 * 1024 * 1024;
// A dialog lists this many unusable entries by name; the count says the rest.
constexpr qsizetype kUnusableShown = 10;

const char *const kPolarisationTexts[] = {"H", "V", "L", "R"};

SatellitesXmlDialog::Rows rowsOf(const TransponderUpdatePlan &plan, const std::vector<UnusableEntry> &elsewhere)
{
    SatellitesXmlDialog::Rows shown;
    const std::vector<bool> ticked = defaultChoice(plan);
    for (std::size_t index = 0; index < plan.rows.size(); ++index) {
        const PlannedTransponder &row = plan.rows[index];
        shown.rows.push_back({QString::fromLatin1(kPolarisationTexts[row.source.polarisation & 3]),
                              QString::number(row.frequencyMhz), QString::number(row.symbolRateKs),
                              QString::fromStdString(fecText(row.fec)), QString::fromStdString(row.text),
                              isTickable(row), ticked[index], row.fate == ListTransponderFate::DvbS2});
    }
    shown.summary = fromUtf8Lines(transponderUpdateCounts(plan));
    std::vector<UnusableEntry> unusable = plan.unusable;
    unusable.insert(unusable.end(), elsewhere.begin(), elsewhere.end());
    shown.unusableCount = QString::fromStdString(unusableCountLine(unusable.size()));
    for (const UnusableEntry &entry : unusable) {
        if (shown.unusable.size() == kUnusableShown) {
            shown.unusable << QStringLiteral("…");
            break;
        }
        shown.unusable << QString::fromStdString(entry.text());
    }
    return shown;
}

} // namespace

SatellitesXmlCommand::SatellitesXmlCommand(SatellitesXmlTargets targets, QObject *parent)
    : QObject(parent), m(std::move(targets)), m_dialog(new SatellitesXmlDialog(&m.window))
{
}

void SatellitesXmlCommand::run()
{
    if (m.database.satellites.empty())
        return;
    const UserDialogs::FileDialogOptions options{QStringLiteral("Списки satellites.xml (*.xml);;Все файлы (*)"), QString(),
                                                 m.settings.lastFolder()};
    const QString path = m.dialogs.openFileName(&m.window, options);
    if (path.isEmpty())
        return;
    const FileBytes file = readFileToOpen(path, kLargestList, QStringLiteral("«%1» — не список satellites.xml: файл больше %2."));
    if (!file.ok()) {
        showFileProblem(m.dialogs, file.error);
        return;
    }
    const SatellitesList list = readSatellitesXml(file.bytes);
    if (!list.ok() || list.satellites.empty()) {
        showFileProblem(m.dialogs, QStringLiteral("«%1»: %2").arg(
            shownPath(path), list.ok() ? QStringLiteral("в списке нет ни одного спутника с позицией.")
                                       : QString::fromStdString(list.error)));
        return;
    }

    // The satellite chosen on the transponder page, and the list's satellite at its longitude.
    const int entry = m.transponders.selector()->currentIndex();
    const int databaseChoice = entry >= 1 && std::size_t(entry) <= m.database.satellites.size() ? entry - 1 : 0;
    int listChoice = 0;
    if (const auto position = satellitePosition(m.database.satellites[std::size_t(databaseChoice)])) {
        const auto at = std::find_if(list.satellites.begin(), list.satellites.end(),
                                     [&](const ListSatellite &satellite) { return satellite.position == *position; });
        listChoice = at == list.satellites.end() ? 0 : int(at - list.satellites.begin());
    }
    QStringList listNames, databaseNames;
    for (const ListSatellite &satellite : list.satellites)
        listNames << QString::fromStdString(satellite.name);
    for (const Satellite &satellite : m.database.satellites)
        databaseNames << fromWindows1251(satellite.rowTexts.name);
    const auto plan = [&](int listSatellite, int databaseSatellite) {
        return planTransponderUpdate(m.database, databaseSatellite, list.satellites.at(std::size_t(listSatellite)));
    };
    m_dialog->load(shownPath(path), listNames, listChoice, databaseNames, databaseChoice,
                   [&](int listSatellite, int databaseSatellite) {
                       return rowsOf(plan(listSatellite, databaseSatellite), list.unusable);
                   });
    if (!m.dialogs.runDialog(*m_dialog) || m_dialog->listSatellite() < 0 || m_dialog->databaseSatellite() < 0)
        return;
    const TransponderUpdatePlan chosen = plan(m_dialog->listSatellite(), m_dialog->databaseSatellite());
    const std::vector<bool> ticked = m_dialog->ticked();
    bool fits = true;
    m.history.record(QStringLiteral("Транспондеры из списка"),
                     [&] { fits = applyTransponderUpdate(m.database, chosen, ticked).has_value(); });
    if (!fits) {
        m.dialogs.showMessage(QString::fromUtf8(kNoRoomForListTransponders));
        return;
    }
    m.showDatabaseAgain();
}

} // namespace k510::ui
