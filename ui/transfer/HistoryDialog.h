// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/TransferHistory.h"

#include <QDialog>

#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

// "Связь" > "История обмена...": the copies of the transfer history, newest
// first, with what can be done with the one selected. "Открыть", "Сравнить
// с текущей" and "Отправить в ресивер" close the dialog with that choice,
// which the window's commands then carry out; "Показать папку" leaves it
// open.
class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Action { Open, Compare, Send };
    struct Choice {
        Action action = Action::Open;
        std::size_t copy = 0;   // index into the copies shown
    };

    HistoryDialog(QWidget *parent, std::vector<k510::storage::HistoryCopy> copies);

    [[nodiscard]] const std::vector<k510::storage::HistoryCopy> &copies() const { return m_copies; }
    // What the dialog was closed with; nothing after "Закрыть".
    [[nodiscard]] std::optional<Choice> choice() const { return m_choice; }

    // "получено", "отправлено", "прервано".
    [[nodiscard]] static QString kindText(k510::storage::TransferKind kind);
    // "10.12.2026 14:05:09".
    [[nodiscard]] static QString timeText(const QDateTime &when);

signals:
    void showFolderRequested();

private:
    void choose(Action action);
    void updateButtons();

    std::vector<k510::storage::HistoryCopy> m_copies;
    std::optional<Choice> m_choice;
    QTreeWidget *m_list = nullptr;
    QList<QPushButton *> m_copyButtons;
};
