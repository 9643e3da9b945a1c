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

// The nine texts of a satellite's row on the satellites page. They belong to
// the satellite and are what the writer encodes number, name, switching and
// longitude from.
struct SatelliteRowTexts {
    std::string number;       // "№"
    std::string name;         // "Название" (Windows-1251)
    std::string lnbType;      // "Тип LNB"
    std::string power12v;     // "0/12В"
    std::string switchType;   // "DiSEqC"
    std::string diseqc10;     // "1.0"
    std::string diseqc11;     // "1.1"
    std::string hemisphere;   // "E/W"
    std::string longitude;    // "USALS"

    bool operator==(const SatelliteRowTexts &) const = default;
};

namespace LnbFlag {
constexpr std::uint8_t Lnbp = 0x01;
constexpr std::uint8_t Power12V = 0x02;
constexpr std::uint8_t Tone22k = 0x04;
constexpr std::uint8_t SwitchTypeMask = 0x38;
constexpr int SwitchTypeShift = 3;
constexpr std::uint8_t West = 0x40;
}

enum class SwitchType : std::uint8_t { None = 0, Diseqc10 = 1, Diseqc11 = 2, Motor = 3, Usals = 4 };

struct Satellite {
    std::uint8_t satNumber = 0;
    std::uint8_t nameLen = 0;
    NameBytes name{};
    Bcd4 lnbHigh{};
    Bcd4 lnbLow{};
    std::uint8_t satNumberCopy = 0;
    std::uint8_t lnbFlags = 0;
    std::uint8_t diseqcPorts = 0;
    std::array<std::uint8_t, 3> usalsLongitude{};

    SatelliteRowTexts rowTexts;
    std::vector<int> transponderIndices;   // derived, never stored in an image

    [[nodiscard]] std::string nameText() const;   // Windows-1251, nameLen bytes
    [[nodiscard]] int switchTypeCode() const { return (lnbFlags & LnbFlag::SwitchTypeMask) >> LnbFlag::SwitchTypeShift; }
    [[nodiscard]] int diseqc10Port() const { return diseqcPorts & 0x07; }
    [[nodiscard]] int diseqc11Port() const { return diseqcPorts >> 3; }

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
[[nodiscard]] Satellite decodeSatellite(std::span<const std::uint8_t, kSatelliteRecordSize> bytes);
[[nodiscard]] Transponder decodeTransponder(std::span<const std::uint8_t, kTransponderRecordSize> bytes);
[[nodiscard]] Channel decodeChannel(std::span<const std::uint8_t, kChannelRecordSize> bytes);
void encodeTransponder(const Transponder &tp, std::span<std::uint8_t, kTransponderRecordSize> out);
void encodeChannel(const Channel &ch, std::span<std::uint8_t, kChannelRecordSize> out);

// Little- and big-endian helpers shared by the record codecs, reader and writer.
[[nodiscard]] inline std::uint16_t loadLe16(const std::uint8_t *p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline void storeLe16(std::uint8_t *p, std::uint16_t v) { p[0] = std::uint8_t(v); p[1] = std::uint8_t(v >> 8); }

} // namespace k510
