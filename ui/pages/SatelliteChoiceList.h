// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace k510::ui {

// The transponder page's satellite selector: an always-open list of entries
// under a field showing the chosen entry. The list carries the object name
// (cbTpSelectSat); choosing an entry by mouse or keyboard is announced by
// entryChosen, programmatic changes are not.
class SatelliteChoiceList : public QWidget {
    Q_OBJECT
public:
    SatelliteChoiceList(const QString &listObjectName, QWidget *parent);

    void clear();
    void addEntry(const QString &text);
    [[nodiscard]] int count() const;
    [[nodiscard]] QString entryText(int entry) const;
    // Renames an entry in place; the field follows when it is the chosen one.
    void setEntryText(int entry, const QString &text);
    [[nodiscard]] int currentIndex() const;
    void setCurrentIndex(int entry);
    [[nodiscard]] QString text() const;
    [[nodiscard]] QListWidget *list() const { return m_list; }

signals:
    void entryChosen(int entry);

private:
    QLineEdit *m_text;
    QListWidget *m_list;
};

} // namespace k510::ui
