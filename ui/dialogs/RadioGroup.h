// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A captioned group of exclusive radio buttons laid out in columns, chosen by
// position. The group box carries the given object name and each button that
// name, "_" and its text (rgEW_E, rgEW_W), so tests and scripts find them.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &name, const QString &caption, const QStringList &items, int columns,
               QWidget *parent = nullptr);

    // The chosen position, -1 when nothing is chosen.
    [[nodiscard]] int checkedIndex() const;
    // Chooses a position; -1 or a position out of range leaves nothing chosen.
    void setCheckedIndex(int index);

signals:
    // The user clicked the button at this position.
    void indexClicked(int index);

private:
    QButtonGroup *m_buttons = nullptr;
};
