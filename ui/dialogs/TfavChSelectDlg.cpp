// SPDX-License-Identifier: GPL-3.0-or-later
#include "TfavChSelectDlg.h"

#include "model/Favourites.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/lists/DragEdgeScroll.h"
#include "ui/lists/ChannelFilterRow.h"
#include "ui/lists/ChannelRows.h"
#include "ui/lists/ChannelTexts.h"
#include "ui/lists/FavouriteRows.h"
#include "ui/lists/ReportList.h"

#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_set>

using k510::ChannelDatabase;
using k510::FavouriteGroup;
using k510::ChannelKind;
using k510::ui::ChannelRows;
using k510::ui::FavouriteRows;
using k510::ui::ReportList;

namespace {

constexpr int numberColumn = 0;
constexpr int numberWidth = 40;

// A list with its caption above it.
QVBoxLayout *captioned(const QString &caption, QWidget *list, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setBuddy(list);
    auto *column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list, 1);
    return column;
}

// The fixed columns, a name of the longest kind beside them, the scroll bar
// and the frame.
int widthForWholeNames(const ReportList &list)
{
    constexpr int nameColumn = 1;
    const QHeaderView &titles = *list.horizontalHeader();
    // Names are mostly capitals and wide small letters; capital En is a fair
    // measure of both.
    int width = list.fontMetrics().horizontalAdvance(QString(int(k510::kNameCapacity), QChar(u'Н'))) + 12;
    for (int column = 0; column < titles.count(); ++column) {
        if (column != nameColumn)
            width += titles.sectionSize(column);
    }
    return width + list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list) + 2 * list.frameWidth();
}

} // namespace

TfavChSelectDlg::TfavChSelectDlg(QWidget *parent)
    : QDialog(parent),
      m_lvSelectedCh(new ReportList(QStringLiteral("lvSelectedCh"), k510::ui::channelListColumns(numberWidth),
                                    ReportList::Selection::Multiple, nullptr, this)),
      m_lvFavCh(new ReportList(QStringLiteral("lvFavCh"), k510::ui::channelListColumns(numberWidth),
                               ReportList::Selection::Multiple, nullptr, this)),
      m_filter(new k510::ui::ChannelFilterRow(QStringLiteral("FavSelect"), false, this)),
      m_lbGroupName(new QLabel(this)),
      m_lbAlreadyInGroup(new QLabel(this))
{
    setObjectName(QStringLiteral("favChSelectDlg"));
    setWindowTitle(QStringLiteral("Выбор каналов для внесения в фаворитный список"));

    // The group's list keeps the group's order and takes drops; near its
    // edges a drag scrolls it, the faster the nearer.
    m_lvSelectedCh->horizontalHeader()->setSectionsClickable(false);
    m_lvSelectedCh->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_lvSelectedCh->setAutoScroll(false);
    m_edgeScroll = new k510::ui::DragEdgeScroll(*m_lvSelectedCh);
    m_lvSelectedCh->viewport()->setAcceptDrops(true);
    m_lvSelectedCh->viewport()->installEventFilter(this);
    m_lvSelectedCh->installEventFilter(this);

    // The channel list only gives: a drag from it is the list itself, and the
    // drop reads its selection.
    m_lvFavCh->setDragDropMode(QAbstractItemView::DragOnly);
    m_lvFavCh->setDefaultDropAction(Qt::CopyAction);
    m_lvFavCh->installEventFilter(this);
    connect(m_lvFavCh, &ReportList::columnClicked, this, &TfavChSelectDlg::lvFavChColumnClick);
    connect(m_lvFavCh, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { chooseFavChRows({index.row()}); });

    m_lbGroupName->setObjectName(QStringLiteral("lbGroupName"));
    m_lbGroupName->setTextFormat(Qt::PlainText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lbGroupName);
    auto *lists = new QHBoxLayout;
    layout->addLayout(lists, 1);
    lists->addLayout(captioned(QStringLiteral("Список избранных каналов"), m_lvSelectedCh, this), 1);
    QVBoxLayout *channels = captioned(QStringLiteral("Список каналов"), m_lvFavCh, this);
    channels->insertWidget(1, m_filter);
    lists->addLayout(channels, 1);
    connect(m_filter, &k510::ui::ChannelFilterRow::conditionsChanged, this, [this] {
        if (m_db)
            m_lvFavCh->setRowConditions(k510::ui::channelRowTest(*m_db, m_kind, *m_filter, m_newChannels));
    });
    connect(m_filter, &k510::ui::ChannelFilterRow::resetRequested, m_filter, &k510::ui::ChannelFilterRow::clear);
    // Esc clears the conditions first, and only then closes the dialog.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, m_filter, &k510::ui::ChannelFilterRow::clear);
    escape->setEnabled(false);
    connect(m_filter, &k510::ui::ChannelFilterRow::conditionsChanged, escape,
            [this, escape] { escape->setEnabled(m_filter->filters()); });
    m_lbAlreadyInGroup->setObjectName(QStringLiteral("lbAlreadyInGroup"));
    layout->addWidget(m_lbAlreadyInGroup);
    addOkCancelButtons(*this, *layout);

    // Both lists show all six columns with room for a whole name, and a
    // screenful of rows.
    const int rowHeight = m_lvFavCh->verticalHeader()->defaultSectionSize();
    for (ReportList *list : {m_lvSelectedCh, m_lvFavCh})
        list->setMinimumSize(widthForWholeNames(*list), rowHeight * 8);
    resize(sizeHint().width(), rowHeight * 26);
}

ReportList *TfavChSelectDlg::favouriteChannels() const
{
    return m_lvFavCh;
}

ReportList *TfavChSelectDlg::selectedChannels() const
{
    return m_lvSelectedCh;
}

void TfavChSelectDlg::fill(const ChannelDatabase &db, ChannelKind kind, const FavouriteGroup &group,
                           const k510::ui::NewChannels *newChannels)
{
    m_kind = kind;
    m_db = &db;
    m_newChannels = newChannels;
    m_filter->clear();
    m_filter->nameGroups(db, kind);
    // An entry of a damaged order list that names no channel is not offered.
    auto *channels = new ChannelRows(db, kind, this);
    m_lvFavCh->setRows(channels);
    channels->showWholeOrder(true);
    if (m_sortColumn != numberColumn)
        m_lvFavCh->sortRowsBy(m_sortColumn);
    m_entries = new FavouriteRows(db, kind, this);
    m_lvSelectedCh->setRows(m_entries);
    showAlreadyInGroup(0);
    showEntries(db, group);
}

void TfavChSelectDlg::showEntries(const ChannelDatabase &db, const FavouriteGroup &group)
{
    const std::unordered_set<int> held(group.begin(), group.end());
    k510::ui::ListRows &channels = m_lvFavCh->rows();
    for (int row = 0; row < channels.count(); ++row)
        channels.setMarked(row, held.contains(db.numberOf(m_kind, channels.identityOf(row))));
    m_entries->showEntries(group);
}

void TfavChSelectDlg::showAlreadyInGroup(int count)
{
    m_lbAlreadyInGroup->setText(count > 0 ? QStringLiteral("Уже в группе: %1").arg(count) : QString());
}

void TfavChSelectDlg::appendSelectedRow(const ChannelDatabase &db, int orderPosition)
{
    const auto &order = db.order(m_kind);
    if (orderPosition < 0 || std::size_t(orderPosition) >= order.size())
        return;
    m_entries->appendEntry(order[std::size_t(orderPosition)]);
    m_lvSelectedCh->scrollTo(m_lvSelectedCh->model()->index(m_lvSelectedCh->rowCount() - 1, numberColumn));
    k510::ui::ListRows &channels = m_lvFavCh->rows();
    for (int row = 0; row < channels.count(); ++row) {
        if (channels.placeOf(row) == orderPosition)
            channels.setMarked(row, true);
    }
}

void TfavChSelectDlg::showGroup(int number, const QString &name)
{
    m_lbGroupName->setText(name.isEmpty() ? QStringLiteral("Группа %1").arg(number)
                                          : QStringLiteral("Группа %1: %2").arg(number).arg(name));
}

bool TfavChSelectDlg::lvSelectedChDragOver(const QObject *source) const
{
    return source != m_lvSelectedCh && qobject_cast<const QAbstractItemView *>(source) != nullptr;
}

void TfavChSelectDlg::lvSelectedChDragDrop()
{
    std::vector<int> rows = m_lvFavCh->selectedRowNumbers();
    const int grabbed = m_lvFavCh->draggedRow();
    if (grabbed >= 0 && !std::binary_search(rows.begin(), rows.end(), grabbed))
        rows = {grabbed};
    chooseFavChRows(rows);
}

void TfavChSelectDlg::lvFavChColumnClick(int column)
{
    m_sortColumn = column;
    m_lvFavCh->sortRowsBy(column);
}

void TfavChSelectDlg::chooseFavChRows(const std::vector<int> &rows)
{
    QList<int> positions;
    for (const int row : rows) {
        const int place = m_lvFavCh->placeOf(row);
        if (place >= 0)
            positions.append(place);
    }
    if (!positions.isEmpty())
        emit channelsChosen(positions);
}

bool TfavChSelectDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lvSelectedCh->viewport())
        return handleSelectedChDrag(*event) || QDialog::eventFilter(watched, event);
    if (watched == m_lvFavCh)
        return handleFavChKey(*event) || QDialog::eventFilter(watched, event);
    if (watched == m_lvSelectedCh)
        return handleSelectedChKey(*event) || QDialog::eventFilter(watched, event);
    return QDialog::eventFilter(watched, event);
}

bool TfavChSelectDlg::handleSelectedChDrag(QEvent &event)
{
    switch (event.type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto &drag = static_cast<QDragMoveEvent &>(event);
        if (event.type() == QEvent::DragMove)
            m_edgeScroll->hover(drag.position().toPoint().y());
        if (lvSelectedChDragOver(drag.source()))
            drag.acceptProposedAction();
        else
            drag.ignore();
        return true;
    }
    case QEvent::DragLeave:
        m_edgeScroll->stop();
        return false;
    case QEvent::Drop: {
        m_edgeScroll->stop();
        auto &drop = static_cast<QDropEvent &>(event);
        if (!lvSelectedChDragOver(drop.source())) {
            drop.ignore();
            return true;
        }
        drop.acceptProposedAction();
        lvSelectedChDragDrop();
        return true;
    }
    default:
        return false;
    }
}

bool TfavChSelectDlg::handleFavChKey(QEvent &event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent &>(event).key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // Enter in the channel list adds the selected channels (the current one
    // when none is selected); it must not reach the default button and
    // close the dialog.
    std::vector<int> rows = m_lvFavCh->selectedRowNumbers();
    const QModelIndex current = m_lvFavCh->currentIndex();
    if (rows.empty() && current.isValid())
        rows = {current.row()};
    chooseFavChRows(rows);
    return true;
}

bool TfavChSelectDlg::handleSelectedChKey(QEvent &event)
{
    if (event.type() != QEvent::KeyPress || static_cast<QKeyEvent &>(event).key() != Qt::Key_Delete)
        return false;
    QList<int> positions;
    for (const int row : m_lvSelectedCh->selectedRowNumbers())
        positions.append(m_lvSelectedCh->placeOf(row) + 1);
    if (!positions.isEmpty())
        emit entriesRemoved(positions);
    return true;
}
