// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChannelFilterRow.h"

#include "ChannelTexts.h"
#include "ModelStrings.h"
#include "NewChannels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>

#include <memory>

namespace k510::ui {

namespace {

// The favourites condition's entries besides one per group.
constexpr int kAnyGroupEntry = 1;
constexpr int kFirstGroupEntry = 2;
constexpr int kNoGroupEntry = kFirstGroupEntry + kFavouriteGroupCount;

// A box as wide as `characters`, whatever its entries: entries named anew
// (another satellite's transponders, a renamed group) must not lay out the
// page and its 6000-row list again.
QComboBox *conditionBox(const QString &name, const QStringList &entries, int characters, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(entries);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(characters);
    return box;
}

std::optional<bool> chosenFlag(const QComboBox &box)
{
    switch (box.currentIndex()) {
    case 1: return true;
    case 2: return false;
    default: return std::nullopt;
    }
}

QString groupEntry(int group, const QString &name)
{
    return QStringLiteral("В избранных: в группе %1 «%2»").arg(group + 1).arg(name);
}

} // namespace

ChannelFilterRow::ChannelFilterRow(const QString &prefix, bool withTransponders, QWidget *parent)
    : QWidget(parent),
      m_scrambled(conditionBox(prefix + QStringLiteral("FilterScrambled"),
                               {QStringLiteral("Кодированные и открытые"), QStringLiteral("Кодированные"),
                                QStringLiteral("Открытые")},
                               20, this)),
      m_locked(conditionBox(prefix + QStringLiteral("FilterLocked"),
                            {QStringLiteral("Заблокированные и нет"), QStringLiteral("Заблокированные"),
                             QStringLiteral("Незаблокированные")},
                            19, this)),
      m_favourites(conditionBox(prefix + QStringLiteral("FilterFavourites"),
                                {QStringLiteral("В избранных и нет"), QStringLiteral("В избранных: в любой группе")},
                                26, this)),
      m_new(new QCheckBox(QStringLiteral("Новые"), this)),
      m_duplicates(new QCheckBox(QStringLiteral("Дубликаты"), this)),
      m_reset(new QPushButton(QStringLiteral("Сбросить"), this))
{
    setObjectName(prefix + QStringLiteral("Filter"));
    for (int group = 0; group < kFavouriteGroupCount; ++group)
        m_favourites->addItem(groupEntry(group, QString::number(group + 1)));
    m_favourites->addItem(QStringLiteral("В избранных: ни в одной"));
    m_new->setObjectName(prefix + QStringLiteral("FilterNew"));
    m_new->setToolTip(QStringLiteral("Каналы, которые добавило или нашло новыми последнее «Упорядочить по образцу...» "
                                     "или «Добавить из другой базы...»"));
    m_duplicates->setObjectName(prefix + QStringLiteral("FilterDuplicates"));
    m_duplicates->setToolTip(QStringLiteral("Копии каналов, стоящих раньше в списке, как их находит «Выделить дубликаты»"));
    m_reset->setObjectName(prefix + QStringLiteral("FilterReset"));
    m_reset->setToolTip(QStringLiteral("Показать все каналы (Esc)"));
    m_reset->setEnabled(false);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    if (withTransponders) {
        m_transponder = conditionBox(prefix + QStringLiteral("FilterTransponder"), {QStringLiteral("Все транспондеры")},
                                     15, this);
        m_transponder->setEnabled(false);
        m_transponder->setToolTip(QStringLiteral("Транспондер спутника, выбранного слева"));
        layout->addWidget(m_transponder);
        connect(m_transponder, &QComboBox::currentIndexChanged, this, &ChannelFilterRow::changed);
    }
    for (QComboBox *box : {m_scrambled, m_locked, m_favourites}) {
        layout->addWidget(box);
        connect(box, &QComboBox::currentIndexChanged, this, &ChannelFilterRow::changed);
    }
    for (QCheckBox *box : {m_new, m_duplicates}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &ChannelFilterRow::changed);
    }
    layout->addWidget(m_reset);
    layout->addStretch(1);
    connect(m_reset, &QPushButton::clicked, this, &ChannelFilterRow::resetRequested);
}

void ChannelFilterRow::offerTransponders(const ChannelDatabase &db, int satelliteIndex)
{
    if (!m_transponder)
        return;
    const int chosen = m_transponder->currentData().toInt();
    m_quiet = true;
    m_transponder->clear();
    m_transponder->addItem(QStringLiteral("Все транспондеры"), 0);
    if (satelliteIndex >= 0 && std::size_t(satelliteIndex) < db.satellites.size()) {
        for (const int index : db.satellites[std::size_t(satelliteIndex)].transponderIndices) {
            if (index < 0 || std::size_t(index) >= db.transponders.size())
                continue;
            const Transponder &transponder = db.transponders[std::size_t(index)];
            m_transponder->addItem(QStringLiteral("%1 %2 %3")
                                       .arg(frequencyText(transponder), transponder.polarisation ? "V" : "H",
                                            symbolRateText(transponder)),
                                   index + 1);
        }
    }
    m_transponder->setEnabled(m_transponder->count() > 1);
    m_transponder->setCurrentIndex(std::max(0, m_transponder->findData(chosen)));
    m_quiet = false;
    if (m_transponder->currentData().toInt() != chosen)
        changed();
}

void ChannelFilterRow::nameGroups(const ChannelDatabase &db, ChannelKind kind)
{
    for (int group = 0; group < kFavouriteGroupCount; ++group) {
        const QString entry = groupEntry(group, fromWindows1251(db.groupName(kind, group + 1)));
        if (m_favourites->itemText(kFirstGroupEntry + group) != entry)
            m_favourites->setItemText(kFirstGroupEntry + group, entry);
    }
}

ChannelConditions ChannelFilterRow::conditions() const
{
    ChannelConditions conditions;
    if (m_transponder && m_transponder->currentData().toInt() > 0)
        conditions.transponder = m_transponder->currentData().toInt();
    conditions.scrambled = chosenFlag(*m_scrambled);
    conditions.locked = chosenFlag(*m_locked);
    const int favourites = m_favourites->currentIndex();
    if (favourites == kAnyGroupEntry) {
        conditions.favourites = FavouriteCondition::InAnyGroup;
    } else if (favourites == kNoGroupEntry) {
        conditions.favourites = FavouriteCondition::InNoGroup;
    } else if (favourites >= kFirstGroupEntry) {
        conditions.favourites = FavouriteCondition::InGroup;
        conditions.group = favourites - kFirstGroupEntry;
    }
    conditions.duplicates = m_duplicates->isChecked();
    return conditions;
}

bool ChannelFilterRow::onlyNew() const
{
    return m_new->isChecked();
}

bool ChannelFilterRow::filters() const
{
    return onlyNew() || conditions().filters();
}

void ChannelFilterRow::clear()
{
    if (!filters())
        return;
    m_quiet = true;
    if (m_transponder)
        m_transponder->setCurrentIndex(0);
    for (QComboBox *box : {m_scrambled, m_locked, m_favourites})
        box->setCurrentIndex(0);
    m_new->setChecked(false);
    m_duplicates->setChecked(false);
    m_quiet = false;
    changed();
}

void ChannelFilterRow::setTextFiltering(bool filtering)
{
    m_textFiltering = filtering;
    offerReset();
}

void ChannelFilterRow::offerReset()
{
    m_reset->setEnabled(m_textFiltering || filters());
}

void ChannelFilterRow::changed()
{
    offerReset();
    if (!m_quiet)
        emit conditionsChanged();
}

std::function<std::function<bool(int)>()> channelRowTest(const ChannelDatabase &db, ChannelKind kind,
                                                        const ChannelFilterRow &filter, const NewChannels *newChannels)
{
    if (!filter.filters())
        return {};
    return [&db, kind, &filter, newChannels]() -> std::function<bool(int)> {
        ChannelConditions conditions = filter.conditions();
        if (filter.onlyNew())
            conditions.among = newChannels ? newChannels->indicesIn(db, kind) : std::vector<int>{};
        auto matcher = std::make_shared<const ChannelMatcher>(db, kind, conditions);
        return [matcher](int channelIndex) { return matcher->matches(channelIndex); };
    };
}

} // namespace k510::ui
