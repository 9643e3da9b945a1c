// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImportDialog.h"

#include "model/TransponderUpdate.h"

#include "DialogButtons.h"
#include "model/ChannelImport.h"
#include "model/ChannelIdentity.h"
#include "model/Conversions.h"
#include "model/DisplayTexts.h"
#include "model/TransponderUpdate.h"
#include "ImportRows.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/ModelStrings.h"
#include "ui/lists/ReportList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>

using k510::ChannelKind;
using k510::kindOf;
using k510::ui::ReportColumn;
using k510::ui::ReportList;

namespace {

constexpr int kNameColumn = 1;
constexpr int kThereColumn = 6;
constexpr int kShownProblems = 10;

// A satellite as the mapping names it: "Astra 1 (19,2° в.д.)", with the
// position it is matched by, when it has one.
QString satelliteWithPosition(const k510::Satellite &satellite)
{
    const QString name = k510::ui::fromWindows1251(satellite.name);
    const std::optional<int> position = k510::satellitePosition(satellite);
    if (!position)
        return name;
    return QStringLiteral("%1 (%2)").arg(name, QString::fromStdString(k510::positionText(*position)));
}

std::vector<ReportColumn> importColumns()
{
    using k510::ui::ColumnOrder;
    return {{QStringLiteral("#"), 45, ColumnOrder::Numeric},
            {QStringLiteral("Название"), 150, ColumnOrder::Text},
            {QStringLiteral("Вид"), 50, ColumnOrder::Text},
            {QStringLiteral("Спутник"), 120, ColumnOrder::Text},
            {QStringLiteral("Транспондер"), 110, ColumnOrder::Text},
            {QStringLiteral("FTA"), 35, ColumnOrder::Text},
            {QStringLiteral("В базе"), 60, ColumnOrder::Text, true}};
}

// The selector's order: by frequency, then polarisation and symbol rate.
auto selectorOrder(const k510::Transponder &tp)
{
    return std::tuple(k510::bcdDigitsValue(k510::bcdValue(tp.frequency)), tp.polarisation,
                      k510::bcdDigitsValue(k510::bcdValue(tp.symbolRate)));
}

} // namespace

ImportDialog::ImportDialog(QWidget *parent)
    : QDialog(parent),
      m_sourceName(new QLabel(this)),
      m_problems(new QLabel(this)),
      m_satellite(new QComboBox(this)),
      m_transponder(new QComboBox(this)),
      m_find(new QLineEdit(this)),
      m_onlyNew(new QCheckBox(QStringLiteral("Только новые"), this)),
      m_rows(new k510::ui::ImportRows(
          m_source, k510::ui::titlesOf(importColumns()),
          [this](ChannelKind kind, int number) { return isListed(kind, number); },
          [this](ChannelKind kind, int number) { return isThere(kind, number); }, this)),
      m_channels(new ReportList(QStringLiteral("lvImportCh"), importColumns(), ReportList::Selection::Multiple, m_rows,
                                this)),
      m_targetsBox(new QGroupBox(QStringLiteral("Куда добавлять каналы спутников"), this)),
      m_insertAfterSelected(new QCheckBox(QStringLiteral("Вставить после выделенного"), this))
{
    setObjectName(QStringLiteral("importDlg"));
    setWindowTitle(QStringLiteral("Добавить из другой базы"));
    m_sourceName->setObjectName(QStringLiteral("lbImportSource"));
    m_problems->setObjectName(QStringLiteral("lbImportProblems"));
    m_problems->setWordWrap(true);
    m_satellite->setObjectName(QStringLiteral("cbImportSat"));
    m_transponder->setObjectName(QStringLiteral("cbImportTp"));
    m_find->setObjectName(QStringLiteral("edImportFind"));
    m_onlyNew->setObjectName(QStringLiteral("cbImportOnlyNew"));
    m_insertAfterSelected->setObjectName(QStringLiteral("cbInsertAfterSelected"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sourceName);
    layout->addWidget(m_problems);
    auto *selectors = new QHBoxLayout;
    selectors->addWidget(m_satellite, 2);
    selectors->addWidget(m_transponder, 1);
    auto *findLabel = new QLabel(QStringLiteral("П&оиск"), this);
    findLabel->setBuddy(m_find);
    selectors->addWidget(findLabel);
    selectors->addWidget(m_find, 1);
    selectors->addWidget(m_onlyNew);
    layout->addLayout(selectors);
    // A source may have dozens of satellites: their selectors scroll beside
    // the list rather than squeeze it.
    new QFormLayout(m_targetsBox);
    auto *targets = new QScrollArea(this);
    targets->setObjectName(QStringLiteral("saImportTargets"));
    targets->setWidgetResizable(true);
    targets->setWidget(m_targetsBox);
    targets->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_channels, 3);
    middle->addWidget(targets, 2);
    layout->addLayout(middle, 1);
    layout->addWidget(m_insertAfterSelected);
    addOkCancelButtons(*this, *layout);
    findChild<QPushButton *>(QStringLiteral("OKBtn"))->setText(QStringLiteral("&Добавить"));
    resize(1040, 520);   // every column of the list in view beside the satellites

    connect(m_satellite, &QComboBox::currentIndexChanged, this, [this] {
        fillTransponderSelector();
        fillRows();
    });
    connect(m_transponder, &QComboBox::currentIndexChanged, this, [this] { fillRows(); });
    connect(m_onlyNew, &QCheckBox::toggled, this, [this] { fillRows(); });
    connect(m_find, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_channels->setRowFilter(kNameColumn, text); });
}

void ImportDialog::load(const QString &sourcePath, const k510::ChannelDatabase &source, const k510::ChannelDatabase &db,
                        const std::vector<int> &targets, const QString &problemsHeading, const QStringList &problems,
                        bool canInsertAfterSelected)
{
    m_source = source;
    m_database = db;
    m_sourceName->setText(QStringLiteral("Каналы базы «%1»:").arg(sourcePath));
    QStringList shown = problems.mid(0, kShownProblems);
    if (problems.size() > kShownProblems)
        shown << QStringLiteral("… и ещё %1").arg(problems.size() - kShownProblems);
    m_problems->setText(problems.isEmpty() ? QString()
                                           : problemsHeading + QLatin1Char('\n') + shown.join('\n'));
    m_problems->setVisible(!problems.isEmpty());

    {
        const QSignalBlocker blocker(m_satellite);
        m_satellite->clear();
        m_satellite->addItem(QStringLiteral("ВСЕ СПУТНИКИ"));
        for (const k510::Satellite &satellite : m_source.satellites)
            m_satellite->addItem(k510::ui::fromWindows1251(satellite.name));
    }
    m_find->clear();
    fillTransponderSelector();

    auto *form = static_cast<QFormLayout *>(m_targetsBox->layout());
    while (form->rowCount() > 0)
        form->removeRow(0);
    m_targets.clear();
    for (std::size_t s = 0; s < m_source.satellites.size(); ++s) {
        auto *target = new QComboBox(m_targetsBox);
        target->setObjectName(QStringLiteral("cbImportTarget%1").arg(s + 1));
        for (const k510::Satellite &satellite : db.satellites)
            target->addItem(satelliteWithPosition(satellite));
        target->addItem(QStringLiteral("не добавлять"));
        const int chosen = s < targets.size() ? targets[s] : k510::kNotImported;
        target->setCurrentIndex(chosen >= 0 ? chosen : int(db.satellites.size()));
        form->addRow(satelliteWithPosition(m_source.satellites[s]) + QStringLiteral(" →"), target);
        m_targets.push_back(target);
        // Another target satellite may have, or lack, the same channels.
        connect(target, &QComboBox::currentIndexChanged, this, [this] {
            findChannelsThere();
            fillRows();
        });
    }
    findChannelsThere();
    m_channels->clearSelection();
    fillRows();

    m_insertAfterSelected->setChecked(false);
    m_insertAfterSelected->setVisible(canInsertAfterSelected);
}

void ImportDialog::fillTransponderSelector()
{
    const QSignalBlocker blocker(m_transponder);
    m_transponder->clear();
    m_transponder->addItem(QStringLiteral("ВСЕ ТРАНСПОНДЕРЫ"), 0);
    const int satellite = m_satellite->currentIndex();
    m_transponder->setEnabled(satellite > 0);
    if (satellite <= 0)
        return;
    std::map<int, int> channelCounts;   // by transponder number, of the rows the list can show
    for (const ChannelKind kind : k510::kBothKinds)
        for (const int number : k510::listedNumbers(m_source, kind))
            ++channelCounts[m_source.channel(kind, number)->tpNumber];
    std::vector<int> indices;
    for (std::size_t k = 0; k < m_source.transponders.size(); ++k)
        if (m_source.transponders[k].satNumber == satellite)
            indices.push_back(int(k));
    std::stable_sort(indices.begin(), indices.end(), [this](int a, int b) {
        return selectorOrder(m_source.transponders[std::size_t(a)]) < selectorOrder(m_source.transponders[std::size_t(b)]);
    });
    for (const int k : indices)
        m_transponder->addItem(QStringLiteral("%1 (%2)").arg(k510::ui::transponderText(m_source.transponders[std::size_t(k)]))
                                   .arg(channelCounts[k + 1]),
                               k + 1);
}

// The rows follow the dialog's choices; the selected channels that are
// still listed stay selected.
void ImportDialog::fillRows()
{
    m_rows->refresh();
}

bool ImportDialog::isListed(ChannelKind kind, int number) const
{
    const int satellite = m_satellite->currentIndex();
    const int transponder = m_transponder->currentData().toInt();
    const k510::Channel *channel = m_source.channel(kind, number);
    if (!channel)
        return false;
    const k510::Transponder *tp = m_source.transponderOf(*channel);
    return !(satellite > 0 && (!tp || tp->satNumber != satellite))
           && !(transponder > 0 && channel->tpNumber != transponder) && !(m_onlyNew->isChecked() && isThere(kind, number));
}

std::vector<int> ImportDialog::targetSatellites() const
{
    std::vector<int> targets;
    for (const QComboBox *target : m_targets) {
        const bool none = target->currentIndex() == target->count() - 1;
        targets.push_back(none ? k510::kNotImported : target->currentIndex());
    }
    return targets;
}

void ImportDialog::findChannelsThere()
{
    const k510::ImportRequest everything{k510::listedNumbers(m_source, ChannelKind::Tv), k510::listedNumbers(m_source, ChannelKind::Radio),
                                         targetSatellites(), std::nullopt};
    const k510::ImportPlan plan = k510::planImport(m_database, m_source, everything);
    for (const ChannelKind kind : k510::kBothKinds) {
        std::vector<bool> &there = m_there[kind];
        there.assign(m_source.channels.size() + 1, false);
        for (const int number : isRadio(kind) ? plan.radioThere : plan.tvThere)
            there[std::size_t(number)] = true;
    }
}

bool ImportDialog::isThere(ChannelKind kind, int number) const
{
    const std::vector<bool> &there = m_there[kind];
    return number > 0 && std::size_t(number) < there.size() && there[std::size_t(number)];
}

void ImportDialog::accept()
{
    if (!m_addCheck || m_addCheck())
        QDialog::accept();
}

ImportDialog::Choice ImportDialog::choice() const
{
    Choice choice;
    for (const int row : m_channels->selectedRowNumbers()) {
        const int tag = m_channels->identityOf(row);
        (tag < 0 ? choice.radio : choice.tv).push_back(tag < 0 ? -tag : tag);
    }
    choice.targetSatellites = targetSatellites();
    choice.insertAfterSelected = !m_insertAfterSelected->isHidden() && m_insertAfterSelected->isChecked();
    return choice;
}
