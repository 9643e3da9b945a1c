// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesXmlCommand.h"

#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "WindowTitle.h"
#include "EditHistory.h"
#include "RefusalMessages.h"
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
#include <optional>

namespace k510::ui {

namespace {

// Real lists are 1-3 MB.
constexpr qint64 kLargestList = 16 * 1024 * 1024;
// A dialog lists this many unusable entries by name; the count says the rest.
constexpr qsizetype kUnusableShown = 10;

const char *const kPolarisationTexts[] = {"H", "V", "L", "R"};

QStringList namedEntries(const std::vector<UnusableEntry> &entries)
{
    QStringList named;
    for (const UnusableEntry &entry : entries) {
        if (named.size() == kUnusableShown) {
            named << QStringLiteral("…");
            break;
        }
        named << QString::fromStdString(entry.text());
    }
    return named;
}

// What the dialog shows of a list, planned once for each pair of satellites chosen.
class ListPlans {
public:
    ListPlans(const ChannelDatabase &database, const SatellitesList &list, UserDialogs &dialogs)
        : m_database(database), m_list(list), m_dialogs(dialogs)
    {
    }

    const TransponderUpdatePlan &plan(int listSatellite, int databaseSatellite)
    {
        if (!m_plan || m_plannedList != listSatellite || m_plan->satelliteIndex != databaseSatellite) {
            m_plan = planTransponderUpdate(m_database, databaseSatellite, m_list, listSatellite);
            m_plannedList = listSatellite;
        }
        return *m_plan;
    }

    int listSatelliteFor(int databaseSatellite) const
    {
        const auto position = satellitePosition(m_database.satellites.at(std::size_t(databaseSatellite)));
        return position ? listSatelliteAt(m_list, *position) : -1;
    }

    bool acceptsPair(int listSatellite, int databaseSatellite) const
    {
        const Satellite &target = m_database.satellites.at(std::size_t(databaseSatellite));
        const auto position = satellitePosition(target);
        if (listSatellite < 0 || !position || *position == m_list.satellites.at(std::size_t(listSatellite)).position)
            return true;
        const ListSatellite &source = m_list.satellites[std::size_t(listSatellite)];
        return m_dialogs.askYesNo(
            QStringLiteral("Спутник списка «%1» стоит на %2, а спутник базы «%3» — на %4 "
                           "Взять транспондеры с другой позиции?")
                .arg(QString::fromStdString(source.name), QString::fromStdString(positionText(source.position)),
                     fromWindows1251(target.name), QString::fromStdString(positionText(*position))),
            UserDialogs::DefaultAnswer::No);
    }

    SatellitesXmlDialog::Rows rows(int listSatellite, int databaseSatellite)
    {
        SatellitesXmlDialog::Rows shown;
        shown.notes = notes(listSatellite, databaseSatellite);
        if (listSatellite < 0) {
            shown.unusableCount = QString::fromStdString(unusableCountLine(m_list.unusable.size()));
            shown.unusable = namedEntries(m_list.unusable);
            return shown;
        }
        const TransponderUpdatePlan &planned = plan(listSatellite, databaseSatellite);
        const std::vector<bool> ticked = defaultChoice(planned);
        for (std::size_t index = 0; index < planned.rows.size(); ++index) {
            const PlannedTransponder &row = planned.rows[index];
            shown.rows.push_back({QString::fromLatin1(kPolarisationTexts[row.source.polarisation & 3]),
                                  QString::number(row.frequencyMhz), QString::number(row.symbolRateKs),
                                  QString::fromStdString(fecText(row.fec)), QString::fromStdString(row.text),
                                  isTickable(planned, index), ticked[index], row.fate == ListTransponderFate::DvbS2});
        }
        shown.unusableCount = QString::fromStdString(unusableCountLine(planned.unusable.size()));
        shown.unusable = namedEntries(planned.unusable);
        return shown;
    }

    QStringList counts(int listSatellite, int databaseSatellite, const std::vector<bool> &ticked)
    {
        return fromUtf8Lines(transponderUpdateCounts(plan(listSatellite, databaseSatellite), ticked));
    }

private:
    // Why nothing is offered, whose position differs, and what the reader replaced.
    QStringList notes(int listSatellite, int databaseSatellite) const
    {
        QStringList notes;
        const Satellite &target = m_database.satellites.at(std::size_t(databaseSatellite));
        const auto position = satellitePosition(target);
        if (listSatellite < 0 && position)
            notes << QStringLiteral("В списке нет спутника на позиции %1").arg(QString::fromStdString(positionText(*position)));
        else if (listSatellite < 0)
            notes << QStringLiteral("У спутника базы «%1» не указана долгота: выберите спутник списка.")
                         .arg(fromWindows1251(target.name));
        else if (position && *position != m_list.satellites.at(std::size_t(listSatellite)).position)
            notes << QStringLiteral("Спутник списка стоит на %1, спутник базы — на %2")
                         .arg(QString::fromStdString(positionText(m_list.satellites[std::size_t(listSatellite)].position)),
                              QString::fromStdString(positionText(*position)));
        if (!canHoldTransponders(databaseSatellite))
            notes << QStringLiteral("«%1» — %2-й спутник базы: %3.")
                         .arg(fromWindows1251(target.name))
                         .arg(databaseSatellite + 1)
                         .arg(QString::fromUtf8(kNoTranspondersPastCapacity));
        for (const int line : m_list.replacedBytesLines) {
            if (notes.size() == kUnusableShown) {
                notes << QStringLiteral("…");
                break;
            }
            notes << QString::fromStdString(replacedBytesText(line));
        }
        return notes;
    }

    const ChannelDatabase &m_database;
    const SatellitesList &m_list;
    UserDialogs &m_dialogs;
    std::optional<TransponderUpdatePlan> m_plan;
    int m_plannedList = -1;
};

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
                                       : QString::fromStdString(refusalText(*list.refusal))));
        return;
    }

    // The satellite chosen on the transponder page; the dialog finds the list's at its longitude.
    const int entry = m.transponders.selector()->currentIndex();
    const int databaseChoice = entry >= 1 && std::size_t(entry) <= m.database.satellites.size() ? entry - 1 : 0;
    QStringList listNames, databaseNames;
    for (const ListSatellite &satellite : list.satellites)
        listNames << QString::fromStdString(satellite.name);
    for (const Satellite &satellite : m.database.satellites)
        databaseNames << fromWindows1251(satellite.name);
    ListPlans plans(m.database, list, m.dialogs);
    m_dialog->load(shownPath(path), listNames, databaseNames, databaseChoice,
                   {[&](int l, int d) { return plans.rows(l, d); },
                    [&](int l, int d, const std::vector<bool> &ticked) { return plans.counts(l, d, ticked); },
                    [&](int d) { return plans.listSatelliteFor(d); },
                    [&](int l, int d) { return plans.acceptsPair(l, d); }});
    const bool accepted = m.dialogs.runDialog(*m_dialog);
    const int listSatellite = m_dialog->listSatellite();
    const int databaseSatellite = m_dialog->databaseSatellite();
    const std::vector<bool> ticked = m_dialog->ticked();
    m_dialog->clear();
    if (!accepted || listSatellite < 0 || databaseSatellite < 0 || std::find(ticked.begin(), ticked.end(), true) == ticked.end())
        return;
    const TransponderUpdatePlan &chosen = plans.plan(listSatellite, databaseSatellite);
    std::optional<Refusal> refusal;
    m.history.record(QStringLiteral("Транспондеры из списка"), [&] {
        if (const auto outcome = applyTransponderUpdate(m.database, chosen, ticked); !outcome)
            refusal = outcome.refusal();
    });
    if (refusal) {
        m.dialogs.showMessage(refusalMessage(*refusal));
        return;
    }
    m.showDatabaseAgain();
}

} // namespace k510::ui
