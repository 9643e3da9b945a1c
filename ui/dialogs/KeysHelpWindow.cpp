// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeysHelpWindow.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A title bar and a border, for a window that has not been shown yet.
constexpr QSize kFrameAllowance(16, 40);

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
    {"Ctrl+F", "Поиск по названию"},
    {"Esc", "Сбросить «Поиск» и все условия над списком"},
    {"Ctrl+A", "Выделить все показанные строки"},
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

QPoint KeysHelpWindow::placeBeside(const QRect &mainFrame, const QSize &size, const QRect &screen)
{
    constexpr int kGap = 8;
    int x = mainFrame.right() + 1 + kGap;
    if (x + size.width() > screen.right() + 1)
        x = mainFrame.left() - kGap - size.width();
    if (x < screen.left())
        x = screen.right() + 1 - size.width();   // over the main window's right edge
    const int y = mainFrame.top();
    // Within the screen; a window larger than the screen keeps its top left corner on it.
    return {std::max(screen.left(), std::min(x, screen.right() + 1 - size.width())),
            std::max(screen.top(), std::min(y, screen.bottom() + 1 - size.height()))};
}

void KeysHelpWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            close();
            return;
        }
        break;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

void KeysHelpWindow::showFor(QWidget *parent)
{
    auto *window = parent->findChild<KeysHelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new KeysHelpWindow(parent);
    if (!window->isVisible()) {
        window->adjustSize();
        // The frame's size is known once the window has been shown; a title
        // bar and a border are allowed for until then.
        const QSize frame =
            window->windowHandle() ? window->frameGeometry().size() : window->size() + kFrameAllowance;
        const QRect screen = parent->screen()->availableGeometry();
        const QPoint frameAt = placeBeside(parent->frameGeometry(), frame, screen);
        window->move(frameAt);
    }
    window->show();
    window->raise();
    window->activateWindow();
}
