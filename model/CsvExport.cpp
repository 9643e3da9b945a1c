#include "CsvExport.h"

#include <array>
#include <string>
#include <string_view>

#include "Conversions.h"
#include "DisplayTexts.h"
#include "TextCodec.h"

namespace k510 {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kColumnCount = 14;
using Row = std::array<std::string, kColumnCount>;

const Row kHeader = {
    "№", "Название", "Спутник", "Частота", "Поляризация", "Скорость", "FEC",
    "Service ID", "PMT PID", "Video PID", "Audio PID", "PCR PID", "Закодирован", "Блок.",
};

// RFC 4180: a field holding a separator, a quote or a line break is quoted,
// its quotes doubled; any other field goes as it is.
void appendField(std::string &out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRow(std::string &out, const Row &row)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, row[i]);
    }
    out += "\r\n";
}

// Words rather than the pages' "+"/"-": a spreadsheet may take a cell
// starting with a sign for a formula.
std::string yesNo(bool value) { return value ? "да" : "нет"; }

// In the order of kHeader.
Row channelRow(const ChannelDatabase &db, const Channel &channel, int position)
{
    const Transponder *tp = db.transponderOf(channel);
    const Satellite *satellite = tp ? db.satelliteOf(*tp) : nullptr;
    return {
        std::to_string(position),
        windows1251ToUtf8(channel.nameText()),
        satellite ? windows1251ToUtf8(satellite->nameText()) : std::string(),
        tp ? bcdText(tp->frequency) : std::string(),
        tp ? polarisationText(tp->polarisation) : std::string(),
        tp ? bcdText(tp->symbolRate) : std::string(),
        tp ? fecText(tp->fec) : std::string(),
        std::to_string(channel.serviceId),
        std::to_string(channel.pmtPid),
        std::to_string(channel.videoPid),
        std::to_string(channel.audioPid),
        std::to_string(channel.pcrPid),
        yesNo(channel.isScrambled()),
        yesNo(channel.isLocked()),
    };
}

} // namespace

std::string channelListCsv(const ChannelDatabase &db, bool radio)
{
    std::string out(kByteOrderMark);
    appendRow(out, kHeader);
    const std::size_t entries = radio ? db.radioOrder.size() : db.tvOrder.size();
    for (std::size_t position = 0; position < entries; ++position) {
        const int index = radio ? db.channelIndexOfRadioOrder(int(position)) : db.channelIndexOfTvOrder(int(position));
        if (const Channel *channel = db.channelAt(index))
            appendRow(out, channelRow(db, *channel, int(position) + 1));
    }
    return out;
}

} // namespace k510
