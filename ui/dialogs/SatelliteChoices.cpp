// SPDX-License-Identifier: GPL-3.0-or-later
#include "SatelliteChoices.h"

QStringList lnbTypeItems()
{
    return {QStringLiteral("Single"), QStringLiteral("OCS"), QStringLiteral("Universal")};
}

QStringList switchTypeItems()
{
    return {QStringLiteral("Нет"), QStringLiteral("DiSEqC 1.0"), QStringLiteral("DiSEqC 1.1"),
            QStringLiteral("Motor"), QStringLiteral("USALS")};
}

QStringList diseqc10Items()
{
    return {QStringLiteral("Нет"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
            QStringLiteral("D")};
}

QStringList diseqc11Items()
{
    QStringList items{QStringLiteral("Нет")};
    for (int port = 1; port <= 16; ++port)
        items << QString::number(port);
    return items;
}

LnbPresets lnbPresets(int lnbType)
{
    switch (lnbType) {
    case LnbChoice::Single:
        return {false, {},
                {QStringLiteral("5150"), QStringLiteral("9750"), QStringLiteral("10000"), QStringLiteral("10050"),
                 QStringLiteral("10600"), QStringLiteral("10750"), QStringLiteral("11200"),
                 QStringLiteral("11475")}};
    case LnbChoice::Ocs:
        return {true, {QStringLiteral("5150")}, {QStringLiteral("5700"), QStringLiteral("5750")}};
    case LnbChoice::Universal:
        return {true, {QStringLiteral("9750")}, {QStringLiteral("10600"), QStringLiteral("10750")}};
    default:
        return {};
    }
}

SwitchPorts switchPorts(int switchType)
{
    switch (switchType) {
    case SwitchChoice::Diseqc10:
    case SwitchChoice::Motor:
        return {true, false, false};
    case SwitchChoice::Diseqc11:
        return {true, true, false};
    case SwitchChoice::Usals:
        return {true, false, true};
    default:
        return {};
    }
}
