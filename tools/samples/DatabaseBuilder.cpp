// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseBuilder.h"

#include <algorithm>
#include <numeric>

#include "model/Conversions.h"
#include "model/TextCodec.h"

namespace k510::samples {

namespace {

Channel makeChannel(int tpNumber, const ChannelParams &params, int serviceType)
{
    Channel ch;
    ch.serviceId = std::uint16_t(params.serviceId);
    ch.tpNumber = std::uint16_t(tpNumber);
    ch.pmtPid = std::uint16_t(params.pmtPid);
    ch.videoPid = std::uint16_t(params.videoPid);
    ch.audioPid = std::uint16_t(params.audioPid);
    ch.pcrPid = std::uint16_t(params.pcrPid);
    ch.setName(utf8ToWindows1251(params.name));
    ch.chFlags = std::uint8_t((params.scrambled ? ChannelFlag::Scrambled : 0) | (params.locked ? ChannelFlag::Locked : 0));
    ch.setServiceType(serviceType);
    return ch;
}

} // namespace

Bcd4 bcdOf(int value)
{
    std::uint32_t packed = 0;
    for (int shift = 0; value > 0; shift += 4, value /= 10)
        packed |= std::uint32_t(value % 10) << shift;
    return {std::uint8_t(packed >> 16), std::uint8_t(packed >> 8), std::uint8_t(packed), 0};
}

int DatabaseBuilder::addSatellite(const SatelliteParams &params)
{
    Satellite sat;
    sat.number = std::uint8_t(m_db.satellites.size() + 1);
    sat.name = utf8ToWindows1251(params.name).substr(0, kNameCapacity);
    sat.lnbLow = bcdOf(params.lnbLowMhz);
    sat.lnbHigh = bcdOf(params.lnbHighMhz);
    sat.lnbp = params.lnbp;
    sat.power12v = params.power12v;
    sat.tone22k = params.tone22k;
    sat.switchType = int(params.switchType);
    sat.diseqc10Port = params.diseqc10Port;
    sat.diseqc11Port = params.diseqc11Port;
    sat.west = params.west;
    sat.usalsLongitude = longitudeOfTenths(params.longitudeTenths);
    m_db.satellites.push_back(std::move(sat));
    return int(m_db.satellites.size());
}

int DatabaseBuilder::addTransponder(int satNumber, int frequencyMhz, char polarisation, int symbolRate, int fec)
{
    Transponder tp;
    tp.satNumber = std::uint8_t(satNumber);
    tp.polarisation = polarisation == 'H' ? 0 : 1;
    tp.frequency = bcdOf(frequencyMhz);
    tp.symbolRate = bcdOf(symbolRate);
    tp.fec = std::uint8_t(fec);
    m_db.transponders.push_back(std::move(tp));
    return int(m_db.transponders.size());
}

int DatabaseBuilder::addTv(int tpNumber, const ChannelParams &params)
{
    m_tv.push_back(makeChannel(tpNumber, params, ServiceType::Tv));
    return int(m_tv.size());
}

int DatabaseBuilder::addRadio(int tpNumber, const ChannelParams &params)
{
    m_radio.push_back(makeChannel(tpNumber, params, ServiceType::Radio));
    return int(m_radio.size());
}

void DatabaseBuilder::setTvGroup(int group, std::string_view name, std::vector<std::uint16_t> entries)
{
    m_db.setTvGroupName(group, utf8ToWindows1251(name));
    m_db.tvFavourites.at(std::size_t(group - 1)) = std::move(entries);
}

void DatabaseBuilder::setRadioGroup(int group, std::string_view name, std::vector<std::uint16_t> entries)
{
    m_db.setRadioGroupName(group, utf8ToWindows1251(name));
    m_db.radioFavourites.at(std::size_t(group - 1)) = std::move(entries);
}

ChannelDatabase DatabaseBuilder::build() const
{
    ChannelDatabase db = m_db;
    db.channels = m_tv;
    db.channels.insert(db.channels.end(), m_radio.begin(), m_radio.end());
    if (db.tvOrder.size() != m_tv.size()) {
        db.tvOrder.resize(m_tv.size());
        std::iota(db.tvOrder.begin(), db.tvOrder.end(), std::uint16_t(1));
    }
    if (db.radioOrder.size() != m_radio.size()) {
        db.radioOrder.resize(m_radio.size());
        std::iota(db.radioOrder.begin(), db.radioOrder.end(), std::uint16_t(1));
    }
    db.rebuildTransponderIndices();
    db.rebuildChannelIndices();
    return db;
}

} // namespace k510::samples
