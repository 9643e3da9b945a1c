// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/lists/ChannelTexts.h"

#include <QGroupBox>

class QLineEdit;

namespace k510::ui {

// The " Информация " frame beside a channel list: the selected channel's
// satellite, transponder, service id and PIDs in read-only, selectable fields.
// The fields are named after the page, e.g. prefix "TvFav" gives
// leTvFavSatInfo, leTvFavTpInfo, leTvFavSIDInfo, leTvFavPMTInfo, leTvFavVPid,
// leTvFavAPid and leTvFavPcrInfo.
class InfoPanel : public QGroupBox {
    Q_OBJECT
public:
    InfoPanel(const QString &namePrefix, QWidget *parent);

    void showInfo(const ChannelInfo &info);
    [[nodiscard]] ChannelInfo shown() const;

private:
    QLineEdit *m_satellite;
    QLineEdit *m_transponder;
    QLineEdit *m_serviceId;
    QLineEdit *m_pmtPid;
    QLineEdit *m_videoPid;
    QLineEdit *m_audioPid;
    QLineEdit *m_pcrPid;
};

} // namespace k510::ui
