// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// A satellites.xml list of 3 MB, the size the largest real lists reach:
// satellites of 200 transponders with the attributes real lists carry, the
// first of them of kLargestListSatellite.
inline constexpr int kLargestListSatellite = 1500;

inline QByteArray threeMegabyteList()
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by the benchmark -->\n<satellites>\n";
    for (int s = 0; xml.size() < 3 * 1024 * 1024; ++s) {
        const int count = s == 0 ? kLargestListSatellite : 200;
        xml += "\t<sat name=\"Satellite " + QByteArray::number(s) + "\" flags=\"1\" position=\""
               + QByteArray::number(s % 3600 - 1800) + "\">\n";
        for (int t = 0; t < count; ++t)
            xml += "\t\t<transponder frequency=\"" + QByteArray::number(10700000 + t * 1000) + "\" symbol_rate=\"27500000\""
                   " polarization=\"" + QByteArray::number(t % 4) + "\" fec_inner=\"" + QByteArray::number(t % 10)
                   + "\" system=\"" + QByteArray::number(t % 20 == 0) + "\" modulation=\"1\" tsid=\"" + QByteArray::number(t)
                   + "\" onid=\"1\"/>\n";
        xml += "\t</sat>\n";
    }
    return xml + "</satellites>\n";
}
