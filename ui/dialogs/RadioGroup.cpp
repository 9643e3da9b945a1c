// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &name, const QString &caption, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this))
{
    setObjectName(name);
    auto *grid = new QGridLayout(this);
    for (int index = 0; index < items.size(); ++index) {
        auto *button = new QRadioButton(items[index], this);
        button->setObjectName(name + QLatin1Char('_') + items[index]);
        m_buttons->addButton(button, index);
        grid->addWidget(button, index / columns, index % columns);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::indexClicked);
}

int RadioGroup::checkedIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setCheckedIndex(int index)
{
    if (QAbstractButton *button = m_buttons->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    m_buttons->setExclusive(false);
    if (QAbstractButton *checked = m_buttons->checkedButton())
        checked->setChecked(false);
    m_buttons->setExclusive(true);
}
