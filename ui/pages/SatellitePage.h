// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QWidget>

namespace k510::ui {

class ReportList;

// Page 0, sheetSat: the satellites with their LNB and switching settings.
class SatellitePage : public QWidget {
    Q_OBJECT
public:
    explicit SatellitePage(QWidget *parent);

    [[nodiscard]] ReportList *list() const { return m_list; }
    // One row per satellite. Each row carries the satellite's index, since
    // sorting moves rows away from their position.
    void fill(const ChannelDatabase &db);
    // Rewrites the cells of the satellite's row in place, wherever sorting
    // has put it.
    void showSatellite(int satelliteIndex, const Satellite &satellite);
    void reset();

private:
    ReportList *m_list;
};

} // namespace k510::ui
