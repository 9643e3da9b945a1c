// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesXml.h"

#include <QRegularExpression>
#include <QStringDecoder>
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

// What is wrong with an integer attribute that is there: "позиция «1801» вне
// диапазона -1800…1800", "частота «11,7 GHz» не число"; empty when nothing is.
std::string valueProblem(const char *what, const QXmlStreamAttributes &attributes, const char *name,
                         std::optional<long long> value, long long low, long long high)
{
    const std::string shown = std::string(what) + " «" + utf8(attributes.value(QLatin1StringView(name))) + "»";
    if (!value)
        return shown + " не число";
    if (*value < low || *value > high)
        return shown + " вне диапазона " + std::to_string(low) + "…" + std::to_string(high);
    return {};
}

// Whether the list is meant as UTF-8: no declaration of another encoding and no UTF-16 byte order mark.
bool declaresUtf8(const QByteArray &data)
{
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return false;
    static const QRegularExpression declaration(QStringLiteral("^\\s*<\\?xml[^>]*\\bencoding\\s*=\\s*[\"']([^\"']*)"));
    const QRegularExpressionMatch match = declaration.match(QString::fromLatin1(data.left(256)));
    return !match.hasMatch() || match.captured(1).compare(QLatin1StringView("UTF-8"), Qt::CaseInsensitive) == 0
           || match.captured(1).compare(QLatin1StringView("UTF8"), Qt::CaseInsensitive) == 0;
}

// The lines (from 1) holding bytes that are no UTF-8.
std::vector<int> linesWithBadBytes(const QByteArray &data)
{
    std::vector<int> lines;
    int number = 1;
    for (qsizetype start = 0; start <= data.size(); ++number) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(QByteArrayView(data).sliced(start, end - start));
        if (decoder.hasError())
            lines.push_back(number);
        start = end + 1;
    }
    return lines;
}

class ListReader {
public:
    explicit ListReader(const QByteArray &data) : m_blank(data.trimmed().isEmpty())
    {
        // Bytes that are no UTF-8 in a UTF-8 list spoil a name, not the file:
        // read the text with them replaced, and say on which lines.
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString text = decoder(data);
        if (decoder.hasError() && declaresUtf8(data)) {
            m_list.replacedBytesLines = linesWithBadBytes(data);
            m_xml.addData(text);
        } else {
            m_xml.addData(data);
        }
    }

    SatellitesList read()
    {
        bool listEnded = false;
        if (m_xml.readNextStartElement()) {
            if (m_xml.name() != QLatin1StringView("satellites")) {
                m_wrongRoot = utf8(m_xml.name());
                m_xml.raiseError();
            } else {
                readSatellites();
                listEnded = !m_xml.hasError();
            }
        }
        // What follows the list must be blanks, comments and nothing else.
        while (!m_xml.atEnd())
            m_xml.readNext();
        if (m_xml.hasError()) {
            m_list = SatellitesList();
            m_list.refusal = ListRefusal{faultAt(listEnded), int(m_xml.lineNumber()), int(m_xml.columnNumber()),
                                         m_wrongRoot};
        }
        return std::move(m_list);
    }

private:
    [[nodiscard]] ListFault faultAt(bool listEnded) const
    {
        if (!m_wrongRoot.empty())
            return ListFault::WrongRoot;
        if (listEnded)
            return ListFault::AfterTheList;
        if (m_blank)
            return ListFault::Empty;
        return m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError ? ListFault::CutOff : ListFault::Malformed;
    }

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
        const std::string problem = !position && !bad
                                        ? std::string("позиция не указана")
                                        : valueProblem("позиция", attributes, "position", position, -1800, 1800);
        if (!problem.empty()) {
            m_list.unusable.push_back({satellite.line, "спутник «" + satellite.name + "»: " + problem
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
        const auto required = [&](const char *name, const char *what, const char *missingText, long long low,
                                  long long high) -> long long {
            bool bad = false;
            const auto value = integerAttribute(attributes, QLatin1StringView(name), &bad);
            if (!problem.empty())
                return 0;
            problem = !value && !bad ? std::string(missingText) : valueProblem(what, attributes, name, value, low, high);
            return value.value_or(0);
        };
        ListTransponder transponder;
        transponder.line = at;
        // 1 to 999999 MHz (ks/s) once rounded: what a six-digit field of the receiver holds.
        transponder.frequencyKhz
            = std::uint32_t(required("frequency", "частота", "транспондер без частоты", 500, 999'999'499));
        transponder.symbolRate = std::uint32_t(
            required("symbol_rate", "символьная скорость", "транспондер без символьной скорости", 500, 999'999'499));
        transponder.polarisation = int(required("polarization", "поляризация", "транспондер без поляризации", 0, 3));
        bool bad = false;
        // A missing FEC is AUTO; a code nobody knows stays out of the receiver's range and becomes AUTO there.
        const long long fec = integerAttribute(attributes, QLatin1StringView("fec_inner"), &bad).value_or(bad ? -1 : 0);
        transponder.fecInner = fec >= 0 && fec <= 255 ? int(fec) : -1;
        if (attributes.hasAttribute(QLatin1StringView("system")))
            transponder.system = int(required("system", "система", "", 0, 1));
        if (!problem.empty()) {
            satellite.unusable.push_back({at, problem});
            return;
        }
        satellite.transponders.push_back(transponder);
    }

    bool m_blank;
    std::string m_wrongRoot;
    QXmlStreamReader m_xml;
    SatellitesList m_list;
};

} // namespace

SatellitesList readSatellitesXml(const QByteArray &data) { return ListReader(data).read(); }

} // namespace k510
