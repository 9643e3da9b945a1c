// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferFailure.h"

namespace k510::link {

namespace {

QString prefixOf(Direction direction)
{
    return direction == Direction::Send ? QStringLiteral("Отправка настроек: ") : QStringLiteral("Получение настроек: ");
}

} // namespace

QString failureText(Direction direction, Failure failure)
{
    const QString prefix = prefixOf(direction);
    switch (failure) {
    case Failure::Allocation:
        return prefix + QStringLiteral("Ошибка выделения памяти!");
    case Failure::Open:
        return prefix + QStringLiteral("Невозможно открыть порт!");
    case Failure::NoLink:
        return prefix + QStringLiteral("Нет связи с ресивером!");
    case Failure::BadHeader:
        return prefix + QStringLiteral("Неправильный заголовок пакета!");
    case Failure::Disconnected:
        return prefix + QStringLiteral("Порт отключён во время передачи!");
    case Failure::NoAnswer:
        return prefix + QStringLiteral("Ресивер не ответил вовремя! Проверьте кабель, выбранный порт и скорость.");
    case Failure::Size:
        break;
    }
    return prefix + QStringLiteral("Размер данных при приеме/передаче не совпадает с требуемым!");
}

QString failureText(Direction direction, const BlockFault &fault)
{
    const QString damaged = QStringLiteral("данные повреждены при передаче. Повторите приём.");
    if (fault.kind == BlockFault::Kind::OutOfOrder)
        return prefixOf(direction)
               + QStringLiteral("Блок %1 пришёл вместо блока %2: ").arg(fault.block).arg(fault.expected) + damaged;
    return prefixOf(direction) + QStringLiteral("Ошибка контрольной суммы в блоке %1: ").arg(fault.block) + damaged;
}

} // namespace k510::link
