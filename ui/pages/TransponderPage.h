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
    // Empties the list and leaves "ВСЕ СПУТНИКИ" as the selector's only entry.
    void reset();

private:
    ReportList *m_list;
    SatelliteChoiceList *m_selector;
};

} // namespace k510::ui
