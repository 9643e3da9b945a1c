// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatelliteChoiceList.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace k510::ui {

SatelliteChoiceList::SatelliteChoiceList(const QString &listObjectName, QWidget *parent)
    : QWidget(parent), m_text(new QLineEdit(this)), m_list(new QListWidget(this))
{
    m_list->setObjectName(listObjectName);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    // The field only echoes the choice; entries are chosen in the list.
    m_text->setReadOnly(true);
    m_text->setFocusProxy(m_list);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_text);
    layout->addWidget(m_list, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int entry) {
        m_text->setText(entryText(entry));
        emit entryChosen(entry);
    });
}

void SatelliteChoiceList::clear()
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_text->clear();
}

void SatelliteChoiceList::addEntry(const QString &text)
{
    const QSignalBlocker quiet(m_list);
    m_list->addItem(text);
}

int SatelliteChoiceList::count() const
{
    return m_list->count();
}

QString SatelliteChoiceList::entryText(int entry) const
{
    const QListWidgetItem *item = m_list->item(entry);
    return item ? item->text() : QString();
}

void SatelliteChoiceList::setEntryText(int entry, const QString &text)
{
    QListWidgetItem *item = m_list->item(entry);
    if (!item)
        return;
    item->setText(text);
    if (entry == currentIndex())
        m_text->setText(text);
}

int SatelliteChoiceList::currentIndex() const
{
    return m_list->currentRow();
}

void SatelliteChoiceList::setCurrentIndex(int entry)
{
    const QSignalBlocker quiet(m_list);
    m_list->setCurrentRow(entry);
    m_text->setText(entryText(entry));
}

QString SatelliteChoiceList::text() const
{
    return m_text->text();
}

} // namespace k510::ui
