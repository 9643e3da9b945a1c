// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesXml.h"

#include <QXmlStreamReader>

#include <optional>

namespace k510 {

namespace {

std::string utf8(QStringView text) { return text.toString().toStdString(); }

// An integer attribute: nullopt when missing, and *bad set when present but not a number.
std::optional<long long> integerAttribute(const QXmlStreamAttributes &attributes, QLatin1StringView name, bool *bad)
{
    *bad = false;
    if (!attributes.hasAttribute(name))
        return std::nullopt;
    bool ok = false;
    const long long value = attributes.value(name).trimmed().toLongLong(&ok);
    if (!ok) {
        *bad = true;
        return std::nullopt;
    }
    return value;
}

class ListReader {
public:
    explicit ListReader(const QByteArray &data) : m_xml(data) {}

    SatellitesList read()
    {
        if (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1StringView("satellites"))
                m_xml.raiseError(QStringLiteral("the root element is <%1>, not <satellites>").arg(m_xml.name()));
            else
                readSatellites();
        }
        if (m_xml.hasError()) {
            m_list.satellites.clear();
            m_list.unusable.clear();
            m_list.error = "Файл не является списком satellites.xml: строка " + std::to_string(m_xml.lineNumber())
                           + ", столбец " + std::to_string(m_xml.columnNumber()) + ": "
                           + m_xml.errorString().toStdString();
        }
        return std::move(m_list);
    }

private:
    [[nodiscard]] int line() const { return int(m_xml.lineNumber()); }

    void unknownElement(std::vector<UnusableEntry> &into)
    {
        into.push_back({line(), "неизвестный элемент <" + utf8(m_xml.name()) + ">"});
        m_xml.skipCurrentElement();
    }

    void readSatellites()
    {
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1StringView("sat"))
                readSatellite();
            else
                unknownElement(m_list.unusable);
        }
    }

    void readSatellite()
    {
        ListSatellite satellite;
        satellite.line = line();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        satellite.name = utf8(attributes.value(QLatin1StringView("name")));
        bool bad = false;
        const auto position = integerAttribute(attributes, QLatin1StringView("position"), &bad);
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == QLatin1StringView("transponder"))
                readTransponder(satellite);
            else
                unknownElement(satellite.unusable);
        }
        if (!position || *position < -1800 || *position > 1800) {
            const std::string value = bad || position ? " «" + utf8(attributes.value(QLatin1StringView("position"))) + "»" : "";
            m_list.unusable.push_back({satellite.line, "спутник «" + satellite.name + "» без позиции" + value
                                                           + "; транспондеров пропущено: "
                                                           + std::to_string(satellite.transponders.size())});
            return;
        }
        satellite.position = int(*position);
        m_list.satellites.push_back(std::move(satellite));
    }

    void readTransponder(ListSatellite &satellite)
    {
        const int at = line();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        m_xml.skipCurrentElement();
        std::string problem;
        // The attribute's value, or a problem named for the list of unusable entries.
        const auto required = [&](const char *name, const char *missingText, long long low, long long high) -> long long {
            bool bad = false;
            const auto value = integerAttribute(attributes, QLatin1StringView(name), &bad);
            if (!problem.empty())
                return 0;
            if (!value && !bad)
                problem = missingText;
            else if (!value || *value < low || *value > high)
                problem = std::string(name) + " «" + utf8(attributes.value(QLatin1StringView(name))) + "» не подходит";
            return value.value_or(0);
        };
        ListTransponder transponder;
        transponder.line = at;
        // 1 to 999999 MHz (ks/s) once rounded: what a six-digit field of the receiver holds.
        transponder.frequencyKhz = std::uint32_t(required("frequency", "транспондер без частоты", 500, 999'999'499));
        transponder.symbolRate = std::uint32_t(required("symbol_rate", "транспондер без символьной скорости", 500, 999'999'499));
        transponder.polarisation = int(required("polarization", "транспондер без поляризации", 0, 3));
        bool bad = false;
        // A missing FEC is AUTO; a code nobody knows stays out of the receiver's range and becomes AUTO there.
        const long long fec = integerAttribute(attributes, QLatin1StringView("fec_inner"), &bad).value_or(bad ? -1 : 0);
        transponder.fecInner = fec >= 0 && fec <= 255 ? int(fec) : -1;
        if (attributes.hasAttribute(QLatin1StringView("system")))
            transponder.system = int(required("system", "", 0, 1));
        if (!problem.empty()) {
            satellite.unusable.push_back({at, problem});
            return;
        }
        satellite.transponders.push_back(transponder);
    }

    QXmlStreamReader m_xml;
    SatellitesList m_list;
};

} // namespace

SatellitesList readSatellitesXml(const QByteArray &data) { return ListReader(data).read(); }

} // namespace k510
