#include "TransferFailure.h"

namespace k510::link {

QString failureText(Direction direction, Failure failure)
{
    const QString prefix = direction == Direction::Send ? QStringLiteral("Отправка настроек: ")
                                                        : QStringLiteral("Получение настроек: ");
    switch (failure) {
    case Failure::Allocation:
        return prefix + QStringLiteral("Ошибка выделения памяти!");
    case Failure::Open:
        return prefix + QStringLiteral("Невозможно открыть порт!");
    case Failure::NoLink:
        return prefix + QStringLiteral("Нет связи с ресивером!");
    case Failure::BadHeader:
        return prefix + QStringLiteral("Неправильный заголовок пакета!");
    case Failure::Size:
        break;
    }
    return prefix + QStringLiteral("Размер данных при приеме/передаче не совпадает с требуемым!");
}

} // namespace k510::link
