// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Упорядочить по образцу": what taking another database's order would do,
// before anything changes. "OK" applies it, "Отмена" changes nothing.
class OrderSummaryDialog : public QDialog {
    Q_OBJECT
public:
    struct Summary {
        QString reference;                 // the file the order comes from
        QStringList linesReplacingGroups;  // the summary when the groups are replaced
        QStringList linesKeepingGroups;    // and when they are kept
        QStringList unmatched;             // reference channels without partner
        QStringList newChannels;           // channels without partner, going to the end
        bool groupsAvailable = false;      // the reference brings favourite groups
        bool applicable = true;            // false: nothing matched, "OK" is disabled
    };

    explicit OrderSummaryDialog(QWidget *parent = nullptr);

    // Shows a plan; "Заменить избранные группы" starts checked where the
    // reference has groups and is greyed where it has none.
    void load(const Summary &summary);
    [[nodiscard]] bool replaceGroups() const;

private:
    void showSummary();
    void showLists();

    Summary m_summary;
    QLabel *m_source;
    QLabel *m_lines;
    QCheckBox *m_replaceGroups;
    QPushButton *m_show;
    QPlainTextEdit *m_lists;
    QPushButton *m_ok = nullptr;
};
