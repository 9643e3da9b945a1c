// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelListPage.h"

namespace k510::ui {

class ChannelRows;

// Page 2 (sheetTv) or 3 (sheetRadio): the TV or radio channels in the user's
// order, or those of one satellite in transponder order.
class ChannelPage : public ChannelListPage {
    Q_OBJECT
public:
    ChannelPage(const ChannelDatabase &db, ChannelKind kind, QWidget *parent);

    [[nodiscard]] ReportList *list() const override { return m_list; }
    [[nodiscard]] InfoPanel *infoPanel() const override { return m_info; }
    [[nodiscard]] QComboBox *selector() const override { return m_selector; }
    [[nodiscard]] FindField *findField() const override { return m_find; }

    // True while the list shows the whole order list ("ВСЕ СПУТНИКИ").
    [[nodiscard]] bool showsWholeOrder() const;

    // The rows of the entry chosen, afresh. With "ВСЕ СПУТНИКИ", "#" is the
    // position in the order list; with one satellite, it is the channel
    // index + 1.
    void refill();
    void reset();
    // The selector with "ВСЕ СПУТНИКИ" alone; the rows stay.
    void resetSelector();
    void addSatelliteEntry(const QString &name);

private:
    ChannelRows *m_rows;
    ReportList *m_list;
    QComboBox *m_selector;
    InfoPanel *m_info;
    FindField *m_find;
};

} // namespace k510::ui
