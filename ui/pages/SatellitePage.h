// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QWidget>

namespace k510::ui {

class ReportList;
class SatelliteRows;

// Page 0, sheetSat: the satellites with their LNB and switching settings.
class SatellitePage : public QWidget {
    Q_OBJECT
public:
    SatellitePage(const ChannelDatabase &db, QWidget *parent);

    [[nodiscard]] ReportList *list() const { return m_list; }
    // One row per satellite, afresh; each row stands for its satellite index.
    void fill();
    // The rows read again after the database changed, keeping the sort and
    // the selection.
    void showChanges();
    void reset();

private:
    SatelliteRows *m_rows;
    ReportList *m_list;
};

} // namespace k510::ui
