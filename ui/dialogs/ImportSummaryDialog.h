// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;

// What adding channels from another database would do, before anything
// changes: "OK" (the default, Enter) adds them, "Отмена" changes nothing.
// Where the other database gives some of this one's transponders another
// symbol rate or FEC, "взять параметры из другой базы" chooses between the
// two summaries.
class ImportSummaryDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportSummaryDialog(QWidget *parent = nullptr);
    // `takingParameters` empty: no choice to offer.
    void load(const QStringList &keepingParameters, const QStringList &takingParameters);
    [[nodiscard]] bool takesParameters() const;

private:
    void showChosen();

    QLabel *m_lines;
    QCheckBox *m_takeParameters;
    QStringList m_keeping;
    QStringList m_taking;
};
