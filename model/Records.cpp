// SPDX-License-Identifier: GPL-3.0-or-later
#include "Records.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "Conversions.h"

namespace k510 {

namespace {

std::string nameBytes(const NameBytes &name, std::uint8_t nameLen)
{
    const auto used = std::min<std::size_t>(nameLen, kNameCapacity);
    return std::string(reinterpret_cast<const char *>(name.data()), used);
}

template <std::size_t N>
std::array<std::uint8_t, N> copyBytes(const std::uint8_t *from)
{
    std::array<std::uint8_t, N> out{};
    std::memcpy(out.data(), from, N);
    return out;
}

constexpr std::uint8_t kDiseqc10PortMask = 0x07;
constexpr int kDiseqc10PortMax = 4;
constexpr int kDiseqc11PortShift = 3;

// The longitude the satellites page shows for a stored one of 181.0 to
// 359.9 degrees: mirrored into the other hemisphere (200,3 is shown as
// 159,7 and 200,0 as 160,0). Nothing for any other longitude.
std::optional<Longitude> mirroredLongitude(const Longitude &stored)
{
    const std::optional<int> tenths = longitudeTenths(stored);
    if (!tenths || *tenths < 1810 || *tenths >= 3600)
        return std::nullopt;
    const int degrees = *tenths / 10;
    const int tenth = *tenths % 10;
    return longitudeOfTenths(tenth != 0 ? (359 - degrees) * 10 + (10 - tenth) : (360 - degrees) * 10);
}

} // namespace

std::string Channel::nameText() const { return nameBytes(name, nameLen); }

void Channel::setServiceType(int type)
{
    chFlags = std::uint8_t((chFlags & ~ChannelFlag::ServiceTypeMask)
                           | ((type << ChannelFlag::ServiceTypeShift) & ChannelFlag::ServiceTypeMask));
}

void Channel::setName(std::string_view windows1251)
{
    name.fill(0);
    nameLen = std::uint8_t(std::min(windows1251.size(), kNameCapacity));
    std::memcpy(name.data(), windows1251.data(), nameLen);
}

Satellite decodeSatellite(std::span<const std::uint8_t, kSatelliteRecordSize> b)
{
    Satellite s;
    s.number = b[0];
    s.name = std::string(reinterpret_cast<const char *>(&b[2]), std::min<std::size_t>(b[1], kNameCapacity));
    s.lnbHigh = copyBytes<4>(&b[18]);
    s.lnbLow = copyBytes<4>(&b[22]);
    const std::uint8_t flags = b[27];
    s.lnbp = flags & LnbFlag::Lnbp;
    s.power12v = flags & LnbFlag::Power12V;
    s.tone22k = flags & LnbFlag::Tone22k;
    s.switchType = (flags & LnbFlag::SwitchTypeMask) >> LnbFlag::SwitchTypeShift;
    s.west = flags & LnbFlag::West;
    s.carriedFlagBits = flags & LnbFlag::Carried;
    s.diseqc10Port = b[28] & kDiseqc10PortMask;
    s.diseqc11Port = b[28] >> kDiseqc11PortShift;
    s.usalsLongitude = copyBytes<3>(&b[29]);
    if (const auto mirrored = mirroredLongitude(s.usalsLongitude)) {
        // Shown in the other hemisphere; the stored West bit is written back
        // all the same, so it stays set whichever hemisphere the page shows.
        s.usalsLongitude = *mirrored;
        if (s.west)
            s.carriedFlagBits |= LnbFlag::West;
        s.west = !s.west;
    }
    return s;
}

void encodeSatellite(const Satellite &s, std::span<std::uint8_t, kSatelliteRecordSize> out)
{
    std::fill(out.begin(), out.end(), 0);
    out[0] = s.number;
    const std::size_t nameLength = std::min(s.name.size(), kNameCapacity);
    out[1] = std::uint8_t(nameLength);
    std::memcpy(&out[2], s.name.data(), nameLength);
    std::memcpy(&out[18], s.lnbHigh.data(), 4);
    std::memcpy(&out[22], s.lnbLow.data(), 4);
    out[26] = s.number;
    const int switchBits = s.switchType == kSwitchTypeNotChosen ? 0 : s.switchType << LnbFlag::SwitchTypeShift;
    out[27] = std::uint8_t((s.lnbp ? LnbFlag::Lnbp : 0) | (s.power12v ? LnbFlag::Power12V : 0)
                           | (s.tone22k ? LnbFlag::Tone22k : 0) | (switchBits & LnbFlag::SwitchTypeMask)
                           | (s.west ? LnbFlag::West : 0) | s.carriedFlagBits);
    const int port10 = s.diseqc10Port <= kDiseqc10PortMax ? s.diseqc10Port : 0;
    out[28] = std::uint8_t((port10 & kDiseqc10PortMask) | (s.diseqc11Port << kDiseqc11PortShift));
    std::memcpy(&out[29], s.usalsLongitude.data(), 3);
}

Transponder decodeTransponder(std::span<const std::uint8_t, kTransponderRecordSize> b)
{
    Transponder t;
    t.satNumber = b[0];
    t.polarisation = b[1];
    t.frequency = copyBytes<4>(&b[2]);
    t.symbolRate = copyBytes<4>(&b[6]);
    t.fec = b[10];
    t.reserved = b[11];
    return t;
}

void encodeTransponder(const Transponder &t, std::span<std::uint8_t, kTransponderRecordSize> out)
{
    out[0] = t.satNumber;
    out[1] = t.polarisation;
    std::memcpy(&out[2], t.frequency.data(), 4);
    std::memcpy(&out[6], t.symbolRate.data(), 4);
    out[10] = t.fec;
    out[11] = t.reserved;
}

Channel decodeChannel(std::span<const std::uint8_t, kChannelRecordSize> b)
{
    Channel c;
    c.serviceId = loadLe16(&b[0]);
    c.tpNumber = loadLe16(&b[2]);
    c.pmtPid = loadLe16(&b[4]);
    c.videoPid = loadLe16(&b[6]);
    c.audioPid = loadLe16(&b[8]);
    c.pcrPid = loadLe16(&b[10]);
    c.nameLen = b[12];
    c.name = copyBytes<16>(&b[13]);
    c.chFlags = b[29];
    c.reserved = copyBytes<2>(&b[30]);
    return c;
}

void encodeChannel(const Channel &c, std::span<std::uint8_t, kChannelRecordSize> out)
{
    storeLe16(&out[0], c.serviceId);
    storeLe16(&out[2], c.tpNumber);
    storeLe16(&out[4], c.pmtPid);
    storeLe16(&out[6], c.videoPid);
    storeLe16(&out[8], c.audioPid);
    storeLe16(&out[10], c.pcrPid);
    out[12] = c.nameLen;
    std::memcpy(&out[13], c.name.data(), 16);
    out[29] = c.chFlags;
    std::memcpy(&out[30], c.reserved.data(), 2);
}

} // namespace k510
