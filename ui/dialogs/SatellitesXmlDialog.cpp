// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesXmlDialog.h"

#include "DialogButtons.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Polarisation, Frequency, SymbolRate, Fec, Fate, ColumnCount };

// A satellite's transponders at a glance: most have fewer.
constexpr int kRowsShown = 30;

bool isTicked(const QTreeWidgetItem &item)
{
    return (item.flags() & Qt::ItemIsUserCheckable) && item.checkState(Polarisation) == Qt::Checked;
}

QList<QTreeWidgetItem *> allItems(const QTreeWidget &tree)
{
    QList<QTreeWidgetItem *> items;
    for (int row = 0; row < tree.topLevelItemCount(); ++row)
        items << tree.topLevelItem(row);
    return items;
}

} // namespace

SatellitesXmlDialog::SatellitesXmlDialog(QWidget *parent)
    : QDialog(parent)
    , m_file(new QLabel(this))
    , m_listSatellite(new QComboBox(this))
    , m_databaseSatellite(new QComboBox(this))
    , m_notes(new QLabel(this))
    , m_rows(new QTreeWidget(this))
    , m_summary(new QLabel(this))
    , m_unusable(new QLabel(this))
{
    setObjectName(QStringLiteral("satellitesXmlDlg"));
    setWindowTitle(QStringLiteral("Транспондеры из списка satellites.xml"));
    m_file->setObjectName(QStringLiteral("lbListFile"));
    m_file->setTextFormat(Qt::PlainText);
    m_listSatellite->setObjectName(QStringLiteral("cbListSatellite"));
    m_databaseSatellite->setObjectName(QStringLiteral("cbDatabaseSatellite"));
    m_notes->setObjectName(QStringLiteral("lbListNotes"));
    m_notes->setTextFormat(Qt::PlainText);
    m_notes->setWordWrap(true);
    m_rows->setObjectName(QStringLiteral("lvListTransponders"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_rows->setColumnCount(ColumnCount);
    m_rows->setHeaderLabels({QStringLiteral("Пол."), QStringLiteral("Частота"), QStringLiteral("Скорость"),
                             QStringLiteral("FEC"), QStringLiteral("Что будет")});
    m_rows->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 10);
    m_rows->installEventFilter(this);
    m_summary->setObjectName(QStringLiteral("lbListSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_unusable->setObjectName(QStringLiteral("lbUnusable"));
    m_unusable->setTextFormat(Qt::PlainText);

    auto *choices = new QFormLayout;
    auto *listLabel = new QLabel(QStringLiteral("&Спутник списка:"), this);
    listLabel->setBuddy(m_listSatellite);
    auto *databaseLabel = new QLabel(QStringLiteral("&Обновить спутник базы:"), this);
    databaseLabel->setBuddy(m_databaseSatellite);
    choices->addRow(listLabel, m_listSatellite);
    choices->addRow(databaseLabel, m_databaseSatellite);

    auto *tickAll = new QPushButton(QStringLiteral("Отметить все"), this);
    tickAll->setObjectName(QStringLiteral("btnTickAll"));
    tickAll->setAutoDefault(false);
    auto *untickAll = new QPushButton(QStringLiteral("Снять все"), this);
    untickAll->setObjectName(QStringLiteral("btnUntickAll"));
    untickAll->setAutoDefault(false);
    auto *ticks = new QHBoxLayout;
    ticks->addWidget(tickAll);
    ticks->addWidget(untickAll);
    ticks->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_file);
    layout->addLayout(choices);
    layout->addWidget(m_notes);
    layout->addWidget(m_rows, 1);
    layout->addLayout(ticks);
    layout->addWidget(m_summary);
    layout->addWidget(m_unusable);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);

    connect(m_listSatellite, &QComboBox::currentIndexChanged, this, &SatellitesXmlDialog::listSatelliteChosen);
    connect(m_databaseSatellite, &QComboBox::currentIndexChanged, this, &SatellitesXmlDialog::databaseSatelliteChosen);
    connect(m_rows, &QTreeWidget::itemChanged, this, &SatellitesXmlDialog::showCounts);
    connect(tickAll, &QPushButton::clicked, this, [this] { tick(allItems(*m_rows), true); });
    connect(untickAll, &QPushButton::clicked, this, [this] { tick(allItems(*m_rows), false); });
}

void SatellitesXmlDialog::load(const QString &listFile, const QStringList &listSatellites,
                               const QStringList &databaseSatellites, int databaseChoice, Source source)
{
    m_source = std::move(source);
    m_file->setText(QStringLiteral("Список: %1").arg(QFileInfo(listFile).fileName()));
    m_file->setToolTip(listFile);
    {
        const QSignalBlocker listBlocker(m_listSatellite);
        const QSignalBlocker databaseBlocker(m_databaseSatellite);
        m_listSatellite->clear();
        m_listSatellite->addItems(listSatellites);
        m_databaseSatellite->clear();
        m_databaseSatellite->addItems(databaseSatellites);
        m_databaseSatellite->setCurrentIndex(databaseChoice);
    }
    databaseSatelliteChosen();
    sizeForRows();
}

void SatellitesXmlDialog::clear()
{
    m_source = Source();
    const QSignalBlocker listBlocker(m_listSatellite);
    const QSignalBlocker databaseBlocker(m_databaseSatellite);
    m_listSatellite->clear();
    m_databaseSatellite->clear();
    showRows();
}

int SatellitesXmlDialog::listSatellite() const { return m_listSatellite->currentIndex(); }
int SatellitesXmlDialog::databaseSatellite() const { return m_databaseSatellite->currentIndex(); }

std::vector<bool> SatellitesXmlDialog::ticked() const
{
    std::vector<bool> ticked;
    ticked.reserve(std::size_t(m_rows->topLevelItemCount()));
    for (int row = 0; row < m_rows->topLevelItemCount(); ++row)
        ticked.push_back(isTicked(*m_rows->topLevelItem(row)));
    return ticked;
}

bool SatellitesXmlDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_rows && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            toggleSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The list's satellite follows the database's: the one at its position, or none.
void SatellitesXmlDialog::databaseSatelliteChosen()
{
    const int listChoice = m_source.listSatelliteFor && databaseSatellite() >= 0
                               ? m_source.listSatelliteFor(databaseSatellite())
                               : -1;
    {
        const QSignalBlocker blocker(m_listSatellite);
        m_listSatellite->setCurrentIndex(listChoice);
    }
    showRows();
}

// A list satellite chosen by hand is taken only once the user agrees to its position.
void SatellitesXmlDialog::listSatelliteChosen()
{
    if (m_source.acceptsPair && !m_source.acceptsPair(listSatellite(), databaseSatellite())) {
        const QSignalBlocker blocker(m_listSatellite);
        m_listSatellite->setCurrentIndex(m_shownList);
        return;
    }
    showRows();
}

void SatellitesXmlDialog::showRows()
{
    m_shownList = listSatellite();
    const QSignalBlocker blocker(m_rows);
    m_rows->clear();
    const Rows shown = m_source.rows && databaseSatellite() >= 0 ? m_source.rows(m_shownList, databaseSatellite()) : Rows();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(shown.rows.size()));
    for (const Row &row : shown.rows) {
        auto *item = new QTreeWidgetItem(QStringList{row.polarisation, row.frequency, row.symbolRate, row.fec, row.fate});
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (row.tickable) {
            flags |= Qt::ItemIsUserCheckable;
            item->setCheckState(Polarisation, row.ticked ? Qt::Checked : Qt::Unchecked);
        }
        if (row.greyed)
            flags &= ~Qt::ItemIsEnabled;
        item->setFlags(flags);
        for (const int column : {Frequency, SymbolRate})
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    m_rows->addTopLevelItems(items);
    for (int column = 0; column < ColumnCount; ++column)
        m_rows->resizeColumnToContents(column);
    m_notes->setText(shown.notes.join(QLatin1Char('\n')));
    m_notes->setVisible(!shown.notes.isEmpty());
    m_unusable->setText((QStringList{shown.unusableCount} + shown.unusable).join(QLatin1Char('\n')));
    showCounts();
}

void SatellitesXmlDialog::showCounts()
{
    const bool planned = m_source.counts && m_shownList >= 0 && databaseSatellite() >= 0;
    m_summary->setText(planned ? m_source.counts(m_shownList, databaseSatellite(), ticked()).join(QLatin1Char('\n'))
                               : QString());
    m_summary->setVisible(planned);
}

void SatellitesXmlDialog::tick(const QList<QTreeWidgetItem *> &items, bool ticked)
{
    {
        const QSignalBlocker blocker(m_rows);
        for (QTreeWidgetItem *item : items)
            if (item->flags() & Qt::ItemIsUserCheckable)
                item->setCheckState(Polarisation, ticked ? Qt::Checked : Qt::Unchecked);
    }
    showCounts();
}

// Space on several selected rows ticks them all, or unticks them all when the current one is ticked.
void SatellitesXmlDialog::toggleSelected()
{
    QList<QTreeWidgetItem *> chosen = m_rows->selectedItems();
    QTreeWidgetItem *current = m_rows->currentItem();
    if (chosen.isEmpty() && current)
        chosen << current;
    if (chosen.isEmpty())
        return;
    const QTreeWidgetItem *leading = current && chosen.contains(current) ? current : chosen.front();
    tick(chosen, !isTicked(*leading));
}

void SatellitesXmlDialog::sizeForRows()
{
    // One row as a ticked row shows, measured on a row put in and taken out again.
    const QSignalBlocker blocker(m_rows);
    auto *probe = new QTreeWidgetItem(m_rows, QStringList{QStringLiteral("H"), QStringLiteral("11727")});
    probe->setCheckState(Polarisation, Qt::Checked);
    const int rowHeight = m_rows->sizeHintForRow(m_rows->indexOfTopLevelItem(probe));
    delete probe;
    // A long "Что будет" brings the horizontal scroll bar.
    const int rowsHeight = m_rows->header()->sizeHint().height() + kRowsShown * rowHeight + 2 * m_rows->frameWidth()
                           + m_rows->horizontalScrollBar()->sizeHint().height();
    // The dialog's size with room for the rows and what it shows besides,
    // then the usual minimum back, so that it can be made smaller.
    const int usualMinimum = m_rows->minimumHeight();
    m_rows->setMinimumHeight(rowsHeight);
    const QSize wanted = sizeHint();
    m_rows->setMinimumHeight(usualMinimum);
    const int room = screen() ? screen()->availableGeometry().height() * 9 / 10 : wanted.height();
    // Grows only: a size the user gave it stays.
    resize(std::max(width(), wanted.width()), std::max(height(), std::min(wanted.height(), room)));
}
