// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/lists/ListRows.h"

#include <functional>

// The channels another database offers for import, as the import dialog
// lists them.

namespace k510::ui {

// One row per channel the source lists, TV then radio, each in the source's
// order, of those `shown` lets through. A row stands for the TV channel
// number, or minus the radio number. "#" counts every listed channel, so a
// row keeps its number under every choice of the dialog.
class ImportRows : public ListRows {
    Q_OBJECT
public:
    // Whether a channel (radio or not, by number) is listed, and whether the
    // database has it already.
    using ChannelTest = std::function<bool(ChannelKind kind, int number)>;

    ImportRows(const ChannelDatabase &source, QStringList columnTitles, ChannelTest shown, ChannelTest there,
               QObject *parent);

protected:
    [[nodiscard]] std::vector<Row> readRows() const override;
    [[nodiscard]] QString cellText(const Row &row, int column) const override;

private:
    const ChannelDatabase &m_source;
    ChannelTest m_shown;
    ChannelTest m_there;
};

// As the channel pages show a transponder: "10992 V 27500".
[[nodiscard]] QString transponderText(const Transponder &tp);

} // namespace k510::ui
