// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QWidget>

namespace k510::ui {

class ReportList;
class TransponderRows;
class SatelliteChoiceList;

// Page 1, sheetTp: the transponders of all satellites or of the one chosen
// in the always-open selector beside the list.
class TransponderPage : public QWidget {
    Q_OBJECT
public:
    TransponderPage(const ChannelDatabase &db, QWidget *parent);

    [[nodiscard]] ReportList *list() const { return m_list; }
    [[nodiscard]] SatelliteChoiceList *selector() const { return m_selector; }

    // The rows of the entry chosen, afresh: every transponder, "#" its
    // number, or those of one satellite, "#" counting them from 1.
    void refill();
    // The rows read again after the database changed, keeping the sort,
    // the scroll place and the selection.
    void showChanges();
    // The transponder index a row (as shown) stands for, or -1.
    [[nodiscard]] int transponderIndexOfRow(int row) const;
    // Empties the list and leaves "ВСЕ СПУТНИКИ" as the selector's only entry.
    void reset();
    // The selector with "ВСЕ СПУТНИКИ" alone; the rows stay.
    void resetSelector();

private:
    TransponderRows *m_rows;
    ReportList *m_list;
    SatelliteChoiceList *m_selector;
};

} // namespace k510::ui
