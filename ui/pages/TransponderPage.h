// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QWidget>

namespace k510::ui {

class ReportList;
class SatelliteChoiceList;

// Page 1, sheetTp: the transponders of all satellites or of the one chosen
// in the always-open selector beside the list.
class TransponderPage : public QWidget {
    Q_OBJECT
public:
    explicit TransponderPage(QWidget *parent);

    [[nodiscard]] ReportList *list() const { return m_list; }
    [[nodiscard]] SatelliteChoiceList *selector() const { return m_selector; }

    // "#" counts the rows of this listing from 1.
    void refill(const ChannelDatabase &db);
    // The transponder index a row's "#" stands for under the chosen entry,
    // or -1.
    [[nodiscard]] int transponderIndexOfRow(const ChannelDatabase &db, int row) const;
    // Rewrites a row's cells from the transponder, "#" aside.
    void showTransponder(int row, const Transponder &transponder);
    // Appends a row numbered `number`; returns its position.
    int appendTransponderRow(const Transponder &transponder, int number);
    // Empties the list and leaves "ВСЕ СПУТНИКИ" as the selector's only entry.
    void reset();

private:
    ReportList *m_list;
    SatelliteChoiceList *m_selector;
};

} // namespace k510::ui
