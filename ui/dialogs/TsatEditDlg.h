// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "ui/dialogs/DialogForms.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class RadioGroup;

// The satellite dialog, "Параметры спутника": name, LNB type and oscillator
// frequencies, supply options, switching and USALS positioner data. Created
// once and reused; load() sets everything it shows, form() reads it back.
class TsatEditDlg : public QDialog {
    Q_OBJECT
public:
    explicit TsatEditDlg(QWidget *parent = nullptr);

    // Fills the dialog for one satellite. The LNB type's locked "0" and the
    // port reset of "Нет" are user actions: opening runs the first only when
    // the LNB type differs from the one shown before, and never the second.
    void load(const SatelliteForm &form);
    // What the dialog shows, disabled boxes included.
    [[nodiscard]] SatelliteForm form() const;
    // Puts the focus on the first field, as the dialog opens.
    void focusFirstField();
    // Focuses a refused field with its text selected.
    void markRefused(FormField field);

public slots:
    // The user picked an LNB type: offer its presets, lock "0" for Single.
    void rgLnbTypeClick();
    // The user picked a switch type: enable the boxes it needs; "Нет" also
    // resets both DiSEqC ports.
    void cbSwitchTypeSelect();

private:
    // Each builds one captioned group of controls, owned by the dialog.
    [[nodiscard]] QGroupBox *lnbGroup();
    [[nodiscard]] QGroupBox *switchGroup();
    [[nodiscard]] QGroupBox *usalsGroup();
    void applyLnbType(bool lockSingleLow);
    void enableSwitchPorts(int switchType);

    QLineEdit *m_leSatName = nullptr;
    QCheckBox *m_cb22KHZ = nullptr;
    QCheckBox *m_cb12V = nullptr;
    QCheckBox *m_cbLNBP = nullptr;
    QComboBox *m_cbSwitchType = nullptr;
    QComboBox *m_cbDS10 = nullptr;
    QComboBox *m_cbDS11 = nullptr;
    RadioGroup *m_rgEW = nullptr;
    QLineEdit *m_leUSALS = nullptr;
    RadioGroup *m_rgLnbType = nullptr;
    QComboBox *m_leLnbLow = nullptr;
    QComboBox *m_leLnbHigh = nullptr;
};
