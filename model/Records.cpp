// SPDX-License-Identifier: GPL-3.0-or-later
#include "Records.h"

#include <algorithm>
#include <cstring>

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

} // namespace

std::string Satellite::nameText() const { return nameBytes(name, nameLen); }
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
    s.satNumber = b[0];
    s.nameLen = b[1];
    s.name = copyBytes<16>(&b[2]);
    s.lnbHigh = copyBytes<4>(&b[18]);
    s.lnbLow = copyBytes<4>(&b[22]);
    s.satNumberCopy = b[26];
    s.lnbFlags = b[27];
    s.diseqcPorts = b[28];
    s.usalsLongitude = copyBytes<3>(&b[29]);
    return s;
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
