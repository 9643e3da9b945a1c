// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/RenameRule.h"

#include <QDialog>

#include <unordered_map>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace k510::ui {

class RenamePreview;

// "Переименовать": one rule for the names of the channels selected, with a
// preview of every name before and after. Names the receiver could not hold
// (too long, empty, a character it cannot show) are marked and named, and
// "OK" waits until there are none.
class RenameDialog : public QDialog {
    Q_OBJECT
public:
    explicit RenameDialog(QWidget *parent);

    // The channels (TV channel numbers or radio numbers) the rule is for,
    // with the numbers the list shows them by; the rule typed last time stays.
    void prepare(const ChannelDatabase &db, ChannelKind kind, std::vector<int> numbers,
                 std::unordered_map<int, int> shownNumbers);
    [[nodiscard]] RenameRule rule() const;

private:
    void showPreview();

    QLineEdit *m_from;
    QLineEdit *m_to;
    QCheckBox *m_ignoreCase;
    QLineEdit *m_addPrefix;
    QLineEdit *m_removePrefix;
    QLineEdit *m_addSuffix;
    QLineEdit *m_removeSuffix;
    QCheckBox *m_trim;
    QComboBox *m_case;
    QTableView *m_previewView;
    RenamePreview *m_preview;
    QLabel *m_problems;
    const ChannelDatabase *m_db = nullptr;
    ChannelKind m_kind = ChannelKind::Tv;
    std::vector<int> m_numbers;
    std::unordered_map<int, int> m_shownOf;   // channel number -> the list's "#"
};

} // namespace k510::ui
