// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintCommands.h"

#include "DatabaseFiles.h"
#include "FileMessages.h"
#include "SaveFlow.h"
#include "WindowTitle.h"
#include "model/Conversions.h"
#include "ui/EditorSettings.h"
#include "ui/UserDialogs.h"
#include "ui/dialogs/PrintChoiceDlg.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"
#include "ui/pages/ChannelPage.h"
#include "ui/pages/FavouritesPage.h"
#include "ui/pages/PageTabs.h"
#include "ui/pages/SatelliteChoiceList.h"
#include "ui/pages/SatellitePage.h"
#include "ui/pages/TransponderPage.h"
#include "ui/print/ChannelPrintRows.h"
#include "ui/print/PrintOutput.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace k510::ui {

namespace {

enum PageNumber { Satellites, Transponders, Tv, Radio, FavouriteTv, FavouriteRadio };

// The filter and the sort the list shows its rows by, for the notes.
QStringList listNotes(const ReportList &list)
{
    QStringList notes;
    if (list.filtering())
        notes.append(QStringLiteral("Поиск: «%1» — показано %2 из %3.")
                         .arg(list.filterText())
                         .arg(list.rowCount())
                         .arg(list.rows().count()));
    if (const int column = list.sortedColumn(); column >= 0)
        notes.append(QStringLiteral("Сортировка по столбцу «%1», %2.")
                         .arg(list.rows().columnTitles().value(column),
                              list.sortDirection() == SortDirection::Ascending ? QStringLiteral("по возрастанию")
                                                                               : QStringLiteral("по убыванию")));
    return notes;
}

// A list whose rows are printed as its cells read, column titles and all.
PrintDocument tableDocument(const ReportList &list, const QString &title)
{
    PrintDocument document;
    document.title = title;
    document.notes = listNotes(list);
    for (const QString &columnTitle : list.rows().columnTitles())
        document.columns.push_back({columnTitle, document.columns.empty()});
    PrintSection section;
    for (int row = 0; row < list.rowCount(); ++row)
        section.rows.push_back(list.cells(row));
    document.sections.push_back(std::move(section));
    return document;
}

// The satellites as the page lists them, with what the page leaves to the
// satellite dialog beside the LNB type: the oscillator frequencies as the
// dialog shows them and the 22 kHz tone.
PrintDocument satelliteDocument(const ChannelDatabase &db, const SatellitePage &page)
{
    PrintDocument document = tableDocument(*page.list(), QStringLiteral("Спутники"));
    const auto lnbType = std::find_if(document.columns.begin(), document.columns.end(), [](const PrintColumn &column) {
        return column.title == QStringLiteral("Тип LNB");
    });
    const auto at = lnbType == document.columns.end() ? document.columns.size()
                                                      : size_t(lnbType - document.columns.begin()) + 1;
    document.columns.insert(document.columns.begin() + qsizetype(at),
                            {{QStringLiteral("Начальная"), true},
                             {QStringLiteral("Конечная"), true},
                             {QStringLiteral("22КГц")}});
    std::vector<QStringList> &printed = document.sections.front().rows;
    for (size_t i = 0; i < printed.size(); ++i) {
        const int index = page.list()->identityOf(int(i));
        const Satellite *satellite = index >= 0 && size_t(index) < db.satellites.size() ? &db.satellites[size_t(index)]
                                                                                         : nullptr;
        const QStringList lnb = satellite ? QStringList{QString::fromStdString(bcdText(satellite->lnbLow)),
                                                        QString::fromStdString(bcdText(satellite->lnbHigh)),
                                                        satellite->tone22k ? QStringLiteral("+") : QStringLiteral("-")}
                                          : QStringList{{}, {}, {}};
        for (qsizetype j = 0; j < lnb.size(); ++j)
            printed[i].insert(qsizetype(at) + j, lnb[j]);
    }
    return document;
}

PrintDocument transponderDocument(const ChannelDatabase &db, const TransponderPage &page)
{
    const bool allSatellites = page.selector()->currentIndex() <= 0;
    PrintDocument document = tableDocument(
        *page.list(), QStringLiteral("Транспондеры — %1")
                          .arg(allSatellites ? QStringLiteral("все спутники") : page.selector()->entryText(page.selector()->currentIndex())));
    for (PrintColumn &column : document.columns)
        column.alignRight = column.alignRight || column.title == QStringLiteral("Частота")
                            || column.title == QStringLiteral("Скорость");
    if (!allSatellites)
        return document;
    // Every satellite's transponders in one list: each row names its satellite.
    document.columns.insert(document.columns.begin() + 1, PrintColumn{QStringLiteral("Спутник")});
    std::vector<QStringList> &printed = document.sections.front().rows;
    for (size_t i = 0; i < printed.size(); ++i) {
        const int transponder = page.transponderIndexOfRow(int(i));
        const Satellite *satellite = transponder >= 0 && size_t(transponder) < db.transponders.size()
                                         ? db.satelliteOf(db.transponders[size_t(transponder)])
                                         : nullptr;
        printed[i].insert(1, satellite ? fromWindows1251(satellite->name) : QString());
    }
    return document;
}

PrintDocument channelDocument(const ChannelDatabase &db, const ChannelListPage &page, const QString &title)
{
    PrintDocument document;
    document.title = title;
    document.notes = listNotes(*page.list());
    document.notes.append(scrambledMarkNote());
    document.columns = channelPrintColumns();
    PrintSection section;
    for (int row = 0; row < page.list()->rowCount(); ++row)
        section.rows.push_back(channelPrintCells(db, page.list()->text(row, 0), page.channelIndexOfRow(row)));
    document.sections.push_back(std::move(section));
    return document;
}

bool isTv(int page)
{
    return page == Tv || page == FavouriteTv;
}

const FavouriteGroups &groupsOf(const ChannelDatabase &db, int page)
{
    return isTv(page) ? db.tvFavourites : db.radioFavourites;
}

QString groupName(const ChannelDatabase &db, int page, int group)
{
    return fromWindows1251(isTv(page) ? db.tvGroupName(group + 1) : db.radioGroupName(group + 1));
}

int nonEmptyGroupCount(const ChannelDatabase &db, int page)
{
    const FavouriteGroups &groups = groupsOf(db, page);
    return int(std::count_if(groups.begin(), groups.end(), [](const FavouriteGroup &group) { return !group.empty(); }));
}

// Every group that holds channels, in full and in its own order, under its
// number and name.
PrintDocument allGroupsDocument(const ChannelDatabase &db, int page, const QString &pageTitle)
{
    PrintDocument document;
    document.title = QStringLiteral("%1 — все группы").arg(pageTitle);
    document.notes.append(scrambledMarkNote());
    document.columns = channelPrintColumns();
    const FavouriteGroups &groups = groupsOf(db, page);
    for (int g = 0; g < kFavouriteGroupCount; ++g) {
        const FavouriteGroup &group = groups[size_t(g)];
        if (group.empty())
            continue;
        PrintSection section;
        section.heading = QStringLiteral("%1. %2").arg(g + 1).arg(groupName(db, page, g));
        for (size_t j = 0; j < group.size(); ++j) {
            const int channel = isTv(page) ? db.tvChannelIndex(group[j]) : db.radioChannelIndex(group[j]);
            section.rows.push_back(channelPrintCells(db, QString::number(j + 1), channel));
        }
        document.sections.push_back(std::move(section));
    }
    if (document.sections.empty()) {
        // Rather than the column titles over an empty table.
        document.columns.clear();
        document.notes = QStringList{QStringLiteral("Нет групп с каналами")};
    }
    return document;
}

QString fileNameOf(const QString &path)
{
    return path.isEmpty() ? QStringLiteral("База не сохранена в файл") : QFileInfo(path).fileName();
}

} // namespace

PrintCommands::PrintCommands(PrintTargets targets, QObject *parent) : QObject(parent), m_targets(std::move(targets))
{
}

PrintDocument PrintCommands::documentOfPage(int page, bool allGroups) const
{
    const ChannelDatabase &db = m_targets.database;
    const PageTabs &pages = m_targets.pages;
    const QString pageTitle = pages.tabText(page).trimmed();
    PrintDocument document;
    switch (page) {
    case Satellites: document = satelliteDocument(db, *pages.satellites); break;
    case Transponders: document = transponderDocument(db, *pages.transponders); break;
    case Tv:
    case Radio: {
        const ChannelPage &channels = page == Tv ? *pages.tv : *pages.radio;
        const QComboBox *selector = channels.selector();
        document = channelDocument(db, channels,
                                   selector->currentIndex() > 0
                                       ? QStringLiteral("%1 — %2").arg(pageTitle, selector->currentText())
                                       : pageTitle);
        break;
    }
    case FavouriteTv:
    case FavouriteRadio: {
        const FavouritesPage &favourites = page == FavouriteTv ? *pages.favouriteTv : *pages.favouriteRadio;
        document = allGroups ? allGroupsDocument(db, page, pageTitle)
                             : channelDocument(db, favourites,
                                               QStringLiteral("%1 — группа «%2»")
                                                   .arg(pageTitle, groupName(db, page, favourites.groupIndex())));
        break;
    }
    default: break;
    }
    document.fileName = fileNameOf(m_targets.filePath());
    return document;
}

std::optional<PrintDocument> PrintCommands::documentToPrint()
{
    const int page = m_targets.pages.currentIndex();
    bool allGroups = false;
    if (page == FavouriteTv || page == FavouriteRadio) {
        const FavouritesPage &favourites = page == FavouriteTv ? *m_targets.pages.favouriteTv
                                                               : *m_targets.pages.favouriteRadio;
        PrintChoiceDlg choice(groupName(m_targets.database, page, favourites.groupIndex()),
                              nonEmptyGroupCount(m_targets.database, page), &m_targets.window);
        if (!m_targets.dialogs.runDialog(choice))
            return std::nullopt;
        allGroups = choice.allGroups();
    }
    return documentOfPage(page, allGroups);
}

void PrintCommands::print()
{
    const std::optional<PrintDocument> document = documentToPrint();
    if (!document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    useDocumentPage(printer);
    printer.setDocName(document->title);
    QPrintPreviewDialog preview(&printer, &m_targets.window);
    preview.setObjectName(QStringLiteral("printPreviewDlg"));
    preview.setWindowTitle(QStringLiteral("Печать — %1").arg(document->title));
    preview.resize(m_targets.window.size());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &document](QPrinter *target) {
        if (!printDocument(*document, *target))
            m_targets.dialogs.showError(
                QStringLiteral("Не удалось начать печать на принтере «%1».").arg(target->printerName()));
    });
    m_targets.dialogs.runDialog(preview);
}

QString PrintCommands::writePdf(const PrintDocument &document, const QString &path)
{
    const QByteArray pdf = pdfBytes(document);
    if (pdf.isEmpty())
        return QStringLiteral("Не удалось составить PDF-файл «%1».").arg(shownPath(path));
    return writeFileText(path, pdf);
}

void PrintCommands::exportPdf()
{
    const std::optional<PrintDocument> document = documentToPrint();
    if (!document)
        return;
    const UserDialogs::FileDialogOptions options{QStringLiteral("Файлы PDF (*.pdf);;Все файлы (*)"),
                                                 QStringLiteral("pdf"), m_targets.settings.lastFolder()};
    const QString path = chooseExportFile(m_targets.dialogs, &m_targets.window, options, m_targets.filePath()).path;
    if (path.isEmpty())
        return;
    if (const QString error = writePdf(*document, path); !error.isEmpty()) {
        showFileProblem(m_targets.dialogs, error);
        return;
    }
    m_targets.settings.rememberFolder(path);
    m_targets.fileWritten(QStringLiteral("Экспортировано"), path);
}

} // namespace k510::ui
