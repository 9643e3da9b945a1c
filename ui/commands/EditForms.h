// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/SatelliteSettings.h"
#include "ui/dialogs/DialogForms.h"

#include <QStringList>

#include <stdexcept>
#include <string>

// Between the database and the editing dialogs: what a dialog shows for a
// record, and the dialog's texts converted into model values. The
// conversions check every text before the command changes anything and
// throw RefusedField: the message the user is shown and the field to mend.

namespace k510::ui {

class RefusedField : public std::runtime_error {
public:
    RefusedField(FormField field, const std::string &message) : std::runtime_error(message), m_field(field) {}
    [[nodiscard]] FormField field() const { return m_field; }

private:
    FormField m_field;
};

// The satellite dialog as it opens, filled from the satellite: a switch type
// the dialog has no entry for opens with none chosen and such a port as
// "Нет", the longitude as its row shows it, the LNB type from the low
// oscillator.
[[nodiscard]] SatelliteForm satelliteFormOf(const Satellite &satellite);
// `shown` is what the dialog held when it opened: a longitude the row shows
// as stored ("FF FF FF") is kept when the user left the field as it was.
[[nodiscard]] SatelliteSettings satelliteSettingsOf(const Satellite &satellite, const SatelliteForm &typed,
                                                    const SatelliteForm &shown);

// Polarisation, frequency, symbol rate and FEC as the transponder dialog
// hands them back (the caller has checked that a polarisation and a FEC are
// chosen). Frequencies are 1..6 decimal digits.
struct TransponderValues {
    std::uint8_t polarisation = 0;
    Bcd4 frequency{};
    Bcd4 symbolRate{};
    std::uint8_t fec = 0;
};
[[nodiscard]] TransponderValues transponderValuesOf(const TransponderForm &form);
void applyTransponderValues(Transponder &transponder, const TransponderValues &values);
// The FEC code whose text a transponder row shows, or -1.
[[nodiscard]] int fecIndexOf(const QString &text);
// The transponder dialog filled as the transponder's row shows it.
[[nodiscard]] TransponderForm transponderFormOf(const Transponder &transponder);

// The channel dialogs: the five numbers in decimal and the name. A form
// without a Video PID (the radio add dialog) gives Video PID 0: a radio
// channel has no picture.
[[nodiscard]] ChannelForm channelFormOf(const Channel &channel);
struct ChannelValues {
    std::uint16_t serviceId = 0, pmtPid = 0, videoPid = 0, audioPid = 0, pcrPid = 0;
    std::string name;   // Windows-1251
};
[[nodiscard]] ChannelValues channelValuesOf(const ChannelForm &form);
void applyChannelValues(Channel &channel, const ChannelValues &values);

// The add dialog's transponder entries for a satellite: " H/11475/27500".
[[nodiscard]] QStringList transponderEntries(const ChannelDatabase &db, int satelliteIndex);

} // namespace k510::ui
