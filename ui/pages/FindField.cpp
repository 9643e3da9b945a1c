// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindField.h"

#include <QKeyEvent>

namespace k510::ui {

FindField::FindField(const QString &objectName, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setPlaceholderText(QStringLiteral("Поиск"));
    setToolTip(QStringLiteral("Показать только каналы, в названии которых есть этот текст (Ctrl+F, Esc — сбросить)"));
    setClearButtonEnabled(true);
    setMaxLength(16);
    connect(this, &QLineEdit::textChanged, this, &FindField::showWhetherFiltering);
}

void FindField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FindField::showWhetherFiltering()
{
    const bool filtering = !text().isEmpty();
    if (property("filtering").toBool() == filtering)
        return;
    setProperty("filtering", filtering);
    setStyleSheet(filtering ? QStringLiteral("QLineEdit { background: #fff2a8; }") : QString());
}

} // namespace k510::ui
