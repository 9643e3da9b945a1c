// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatellitesList.h"

#include <algorithm>

namespace k510 {

namespace {

std::string faultText(const ListRefusal &refusal)
{
    switch (refusal.fault) {
    case ListFault::Empty:
        return "файл пуст";
    case ListFault::Malformed:
        return "ошибка в разметке XML";
    case ListFault::CutOff:
        return "файл обрывается, не закончив список";
    case ListFault::AfterTheList:
        return "после конца списка </satellites> идёт ещё текст (например, второй документ XML)";
    case ListFault::WrongRoot:
        return "корневой элемент <" + refusal.root + ">, а не <satellites>";
    }
    return {};
}

} // namespace

std::string refusalText(const ListRefusal &refusal)
{
    if (refusal.fault == ListFault::Empty)
        return "Файл не является списком satellites.xml: " + faultText(refusal);
    return "Файл не является списком satellites.xml: строка " + std::to_string(refusal.line) + ", столбец "
           + std::to_string(refusal.column) + ": " + faultText(refusal);
}

std::string replacedBytesText(int line)
{
    return "строка " + std::to_string(line) + ": байты не в кодировке UTF-8 заменены знаком «\uFFFD»";
}

int listSatelliteAt(const SatellitesList &list, int position)
{
    const auto at = std::find_if(list.satellites.begin(), list.satellites.end(),
                                 [position](const ListSatellite &satellite) { return satellite.position == position; });
    return at == list.satellites.end() ? -1 : int(at - list.satellites.begin());
}

} // namespace k510
