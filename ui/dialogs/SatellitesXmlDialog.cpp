// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesXmlDialog.h"

#include "DialogButtons.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { Polarisation, Frequency, SymbolRate, Fec, Fate, ColumnCount };

} // namespace

SatellitesXmlDialog::SatellitesXmlDialog(QWidget *parent)
    : QDialog(parent)
    , m_file(new QLabel(this))
    , m_listSatellite(new QComboBox(this))
    , m_databaseSatellite(new QComboBox(this))
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
    m_rows->setObjectName(QStringLiteral("lvListTransponders"));
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setColumnCount(ColumnCount);
    m_rows->setHeaderLabels({QStringLiteral("Пол."), QStringLiteral("Частота"), QStringLiteral("Скорость"),
                             QStringLiteral("FEC"), QStringLiteral("Что будет")});
    m_rows->setMinimumSize(fontMetrics().averageCharWidth() * 80, fontMetrics().height() * 16);
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

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_file);
    layout->addLayout(choices);
    layout->addWidget(m_rows, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_unusable);
    addOkCancelButtons(*this, *layout);
    keepCaptionWhole(*this);

    connect(m_listSatellite, &QComboBox::currentIndexChanged, this, &SatellitesXmlDialog::showRows);
    connect(m_databaseSatellite, &QComboBox::currentIndexChanged, this, &SatellitesXmlDialog::showRows);
}

void SatellitesXmlDialog::load(const QString &listFile, const QStringList &listSatellites, int listChoice,
                               const QStringList &databaseSatellites, int databaseChoice, Planner planner)
{
    m_planner = std::move(planner);
    m_file->setText(QStringLiteral("Список: %1").arg(QFileInfo(listFile).fileName()));
    m_file->setToolTip(listFile);
    {
        const QSignalBlocker listBlocker(m_listSatellite);
        const QSignalBlocker databaseBlocker(m_databaseSatellite);
        m_listSatellite->clear();
        m_listSatellite->addItems(listSatellites);
        m_listSatellite->setCurrentIndex(listChoice);
        m_databaseSatellite->clear();
        m_databaseSatellite->addItems(databaseSatellites);
        m_databaseSatellite->setCurrentIndex(databaseChoice);
    }
    showRows();
}

int SatellitesXmlDialog::listSatellite() const { return m_listSatellite->currentIndex(); }
int SatellitesXmlDialog::databaseSatellite() const { return m_databaseSatellite->currentIndex(); }

std::vector<bool> SatellitesXmlDialog::ticked() const
{
    std::vector<bool> ticked;
    ticked.reserve(std::size_t(m_rows->topLevelItemCount()));
    for (int row = 0; row < m_rows->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_rows->topLevelItem(row);
        ticked.push_back((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(Polarisation) == Qt::Checked);
    }
    return ticked;
}

void SatellitesXmlDialog::showRows()
{
    m_rows->clear();
    if (!m_planner || listSatellite() < 0 || databaseSatellite() < 0)
        return;
    const Rows shown = m_planner(listSatellite(), databaseSatellite());
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
    m_summary->setText(shown.summary.join(QLatin1Char('\n')));
    m_unusable->setText((QStringList{shown.unusableCount} + shown.unusable).join(QLatin1Char('\n')));
}
