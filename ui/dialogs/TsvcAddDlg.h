// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/dialogs/ChannelEdits.h"
#include "ui/dialogs/DialogForms.h"
#include "model/ChannelKind.h"

class QCheckBox;
class QComboBox;

// The dialog that adds a channel: a transponder of the chosen satellite, the
// channel's name, identifiers and FTA. The TV face, "Добавить канал", keeps
// what the user typed for the next use; only the transponder list is
// refilled. The radio face, "Добавить радиоканал", has no Video PID, and the
// command empties it before each add.
class TsvcAddDlg : public QDialog {
    Q_OBJECT
public:
    explicit TsvcAddDlg(k510::ChannelKind kind = k510::ChannelKind::Tv, QWidget *parent = nullptr);

    // Replaces the transponder list and chooses its first entry, if any.
    void setTransponders(const QStringList &entries);
    // Empties every edit and clears FTA.
    void clearFields();
    [[nodiscard]] ChannelForm form() const;
    // Puts the focus on the first field, as the dialog opens.
    void focusFirstField();
    // Focuses a refused field with its text selected.
    void markRefused(FormField field);

private:
    QComboBox *m_cbSelTp = nullptr;
    ChannelEdits m_edits;
    QCheckBox *m_boxFTA = nullptr;
};
