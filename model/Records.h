// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The three record kinds of a channel database, held byte for byte as the
// receiver stores them. Names are held in Windows-1251 (the display character
// set); the image keeps them in the receiver's Cyrillic set (TextCodec.h).

namespace k510 {

constexpr std::size_t kSatelliteRecordSize = 32;
constexpr std::size_t kTransponderRecordSize = 12;
constexpr std::size_t kChannelRecordSize = 32;
constexpr std::size_t kNameCapacity = 16;

using NameBytes = std::array<std::uint8_t, kNameCapacity>;
using Bcd4 = std::array<std::uint8_t, 4>;   // three BCD bytes + one carried byte

namespace LnbFlag {
constexpr std::uint8_t Lnbp = 0x01;
constexpr std::uint8_t Power12V = 0x02;
constexpr std::uint8_t Tone22k = 0x04;
constexpr std::uint8_t SwitchTypeMask = 0x38;
constexpr int SwitchTypeShift = 3;
constexpr std::uint8_t West = 0x40;
constexpr std::uint8_t Carried = 0x80;   // not interpreted
}

enum class SwitchType : std::uint8_t { None = 0, Diseqc10 = 1, Diseqc11 = 2, Motor = 3, Usals = 4 };

// A satellite's switch type when the dialog was left without one: shown
// blank like the codes 5..7, and written as no switch type.
constexpr int kSwitchTypeNotChosen = -1;

// Packed-BCD longitude: tenths of a degree in six digits, most significant
// first ("36,0" is 00 03 60).
using Longitude = std::array<std::uint8_t, 3>;

// A satellite as the editor shows and writes it. Its row texts on the
// satellites page are computed from these fields (DisplayTexts.h) and its
// record is encoded from them. Where the page shows a record otherwise than
// it stands (a longitude past 180.0 degrees), decoding already gives the
// values shown.
struct Satellite {
    std::uint8_t number = 0;   // the receiver's numbering; also written as the copy in byte 26
    std::string name;          // Windows-1251, at most 16 bytes
    Bcd4 lnbHigh{};            // "Конечная", with its carried fourth byte
    Bcd4 lnbLow{};             // "Начальная"; zero for a single-oscillator LNB
    bool lnbp = false;
    bool power12v = false;
    bool tone22k = false;
    int switchType = 0;        // SwitchType 0..4, a code 5..7 as stored, or kSwitchTypeNotChosen
    int diseqc10Port = 0;      // 0 none, 1..4 A..D; 5..7 as stored (written as none)
    int diseqc11Port = 0;      // 0 none, 1..16; up to 31 as stored
    bool west = false;         // the hemisphere shown with the longitude
    Longitude usalsLongitude{};
    // Bits of byte 27 written back as they were read without meaning anything
    // here: bit 7, and the West bit of a longitude the reader mirrored into
    // the East. Any edit clears them.
    std::uint8_t carriedFlagBits = 0;

    std::vector<int> transponderIndices;   // derived, never stored in an image

    bool operator==(const Satellite &) const = default;
};

struct Transponder {
    std::uint8_t satNumber = 0;
    std::uint8_t polarisation = 0;   // 0 horizontal, anything else vertical
    Bcd4 frequency{};
    Bcd4 symbolRate{};
    std::uint8_t fec = 0;
    std::uint8_t reserved = 0;

    std::vector<int> tvChannelIndices;      // derived
    std::vector<int> radioChannelIndices;   // derived

    bool operator==(const Transponder &) const = default;
};

namespace ChannelFlag {
constexpr std::uint8_t Scrambled = 0x01;
constexpr std::uint8_t Locked = 0x02;
constexpr std::uint8_t ServiceTypeMask = 0x0C;
constexpr int ServiceTypeShift = 2;
}

namespace ServiceType {
constexpr int Tv = 1;
constexpr int Radio = 2;
}

struct Channel {
    std::uint16_t serviceId = 0;
    std::uint16_t tpNumber = 0;
    std::uint16_t pmtPid = 0;
    std::uint16_t videoPid = 0;
    std::uint16_t audioPid = 0;
    std::uint16_t pcrPid = 0;
    std::uint8_t nameLen = 0;
    NameBytes name{};
    std::uint8_t chFlags = 0;
    std::array<std::uint8_t, 2> reserved{};

    [[nodiscard]] std::string nameText() const;   // Windows-1251, nameLen bytes
    [[nodiscard]] int serviceType() const { return (chFlags & ChannelFlag::ServiceTypeMask) >> ChannelFlag::ServiceTypeShift; }
    [[nodiscard]] bool isScrambled() const { return chFlags & ChannelFlag::Scrambled; }
    [[nodiscard]] bool isLocked() const { return chFlags & ChannelFlag::Locked; }
    void setServiceType(int type);
    void setName(std::string_view windows1251);   // cut to 16 bytes

    bool operator==(const Channel &) const = default;
};

// Record codecs: bytes as they stand in an image. Names are copied as bytes;
// the character set conversion is the caller's business.
//
// A satellite record is decoded into the values the satellites page shows: a
// name longer than its field is cut to 16 bytes, and a longitude of 181.0 to
// 359.9 degrees is mirrored into the other hemisphere. Encoding
// writes the canonical record: byte 26 repeats the number, name bytes past
// the name are 0, a DiSEqC 1.0 port of 5..7 becomes none. So a record that
// was encoded decodes and encodes again to the same bytes.
[[nodiscard]] Satellite decodeSatellite(std::span<const std::uint8_t, kSatelliteRecordSize> bytes);
void encodeSatellite(const Satellite &sat, std::span<std::uint8_t, kSatelliteRecordSize> out);
[[nodiscard]] Transponder decodeTransponder(std::span<const std::uint8_t, kTransponderRecordSize> bytes);
[[nodiscard]] Channel decodeChannel(std::span<const std::uint8_t, kChannelRecordSize> bytes);
void encodeTransponder(const Transponder &tp, std::span<std::uint8_t, kTransponderRecordSize> out);
void encodeChannel(const Channel &ch, std::span<std::uint8_t, kChannelRecordSize> out);

// Little- and big-endian helpers shared by the record codecs, reader and writer.
[[nodiscard]] inline std::uint16_t loadLe16(const std::uint8_t *p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline void storeLe16(std::uint8_t *p, std::uint16_t v) { p[0] = std::uint8_t(v); p[1] = std::uint8_t(v >> 8); }

} // namespace k510
