// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileMessages.h"

#include <algorithm>

namespace k510::ui {

void showReadWarnings(UserDialogs &dialogs, const std::vector<std::string> &warnings)
{
    constexpr std::size_t kShownSingly = 3;
    for (std::size_t i = 0; i < warnings.size() && i < kShownSingly; ++i)
        dialogs.showMessage(QString::fromStdString(warnings[i]));
    if (warnings.size() > kShownSingly) {
        dialogs.showMessage(QString::fromStdString(warnings.back())
                            + QStringLiteral("\nТакая же ошибка ещё у %1 каналов.").arg(warnings.size() - kShownSingly));
    }
}

void showChannelTypeErrors(UserDialogs &dialogs, int count)
{
    showReadWarnings(dialogs, std::vector<std::string>(std::size_t(std::max(count, 0)), "Ошибка типа канала!"));
}

void showFileProblem(UserDialogs &dialogs, const QString &text)
{
    dialogs.showMessage(text);
}

} // namespace k510::ui
