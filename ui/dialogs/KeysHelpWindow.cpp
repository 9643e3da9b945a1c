// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeysHelpWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Shortcut {
    const char *keys;
    const char *action;
};

constexpr Shortcut kShortcuts[] = {
    {"Ctrl+O", "Открыть"},
    {"Ctrl+S", "Сохранить"},
    {"Ctrl+Shift+S", "Сохранить как..."},
    {"Ctrl+Q", "Выход"},
    {"Ctrl+Z", "Отменить"},
    {"Ctrl+Y, Ctrl+Shift+Z", "Повторить"},
    {"Ctrl+F", "Поиск по названию; Esc — сбросить"},
    {"Enter, F2, двойной щелчок", "Редактировать"},
    {"Insert", "Добавить"},
    {"Delete", "Удалить"},
    {"Menu, Shift+F10", "Контекстное меню"},
    {"Home, End; Shift+Home, Shift+End", "К первой, к последней строке; выделить до неё"},
    {"Ctrl+\u2191, Ctrl+\u2193", "Переместить выделенные каналы на одно место"},
    {"Ctrl+Home, Ctrl+End", "Переместить выделенные каналы в начало, в конец"},
    {"Ctrl+G", "Переместить выделенные каналы на позицию..."},
    {"Alt+подчёркнутая буква, F10", "Главное меню"},
    {"F1", "Эта справка"},
};

} // namespace

QString KeysHelpWindow::keyTable()
{
    QString rows;
    for (const Shortcut &shortcut : kShortcuts)
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(shortcut.keys), QString::fromUtf8(shortcut.action));
    return QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(rows);
}

KeysHelpWindow::KeysHelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("keysHelp"));
    setWindowTitle(QStringLiteral("Клавиши"));
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("keysText"));
    text->setTextFormat(Qt::RichText);
    text->setText(keyTable());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

void KeysHelpWindow::showFor(QWidget *parent)
{
    auto *window = parent->findChild<KeysHelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new KeysHelpWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
}
