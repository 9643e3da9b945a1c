#include "AboutDialog.h"

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
    {"Ctrl+Z", "Отменить"},
    {"Ctrl+Y, Ctrl+Shift+Z", "Повторить"},
    {"Ctrl+F", "Поиск по названию; Esc — сбросить"},
    {"Enter, двойной щелчок", "Редактировать"},
    {"Insert", "Добавить"},
    {"Delete", "Удалить"},
    {"Menu, Shift+F10", "Контекстное меню"},
    {"Ctrl+\u2191, Ctrl+\u2193", "Переместить канал на одно место"},
    {"Ctrl+Home, Ctrl+End", "Переместить канал в начало, в конец"},
};

QString shortcutTable()
{
    QString rows;
    for (const Shortcut &shortcut : kShortcuts)
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(QString::fromUtf8(shortcut.keys), QString::fromUtf8(shortcut.action));
    return QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(rows);
}

} // namespace

QString AboutDialog::version()
{
    return QStringLiteral("2.00");
}

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDlg"));
    setWindowTitle(QStringLiteral("О программе"));
    auto *text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setText(QStringLiteral("<h3>Редактор Каналов Tessora K-510/560/565</h3>"
                                 "<p>Версия %1</p>"
                                 "<p>Клавиши:</p>%2")
                      .arg(version(), shortcutTable()));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}
