#pragma once

#include <QDialog>

#include "ui/dialogs/ChannelEdits.h"
#include "ui/dialogs/DialogForms.h"

class QCheckBox;
class QComboBox;

// The dialog that adds a TV channel, "Добавить канал": a transponder of the
// chosen satellite, the channel's name, identifiers and FTA. What the user
// typed stays for the next use; only the transponder list is refilled.
class TsvcAddDlg : public QDialog {
    Q_OBJECT
public:
    explicit TsvcAddDlg(QWidget *parent = nullptr);

    // Replaces the transponder list and chooses its first entry, if any.
    void setTransponders(const QStringList &entries);
    [[nodiscard]] ChannelForm form() const;

private:
    QComboBox *m_cbSelTp = nullptr;
    ChannelEdits m_edits;
    QCheckBox *m_boxFTA = nullptr;
};
