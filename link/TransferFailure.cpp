// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferFailure.h"

#include "SerialPort.h"

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

QString failureText(Direction direction, const OpenProblem &problem)
{
    const QString first = failureText(direction, Failure::Open) + QLatin1Char('\n');
    if (problem.kind == OpenProblem::Kind::NoName)
        return first + QStringLiteral("Порт не выбран.");
    // A device path given as the port is named once.
    const QString port = problem.device.isEmpty() || problem.device == problem.portName
                             ? problem.portName
                             : QStringLiteral("%1 (%2)").arg(problem.portName, problem.device);
    QString reason;
    switch (problem.kind) {
    case OpenProblem::Kind::NotFound: reason = QStringLiteral("такого порта нет"); break;
    case OpenProblem::Kind::Busy: reason = QStringLiteral("занят другой программой"); break;
    case OpenProblem::Kind::Denied: reason = QStringLiteral("нет прав на доступ к нему"); break;
    default:
        reason = problem.systemReason.isEmpty() ? QStringLiteral("система не назвала причину") : problem.systemReason;
        break;
    }
    return first + port + QStringLiteral(": ") + reason;
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
