// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

// What adding channels from another database would do, before anything
// changes: "OK" (the default, Enter) adds them, "Отмена" changes nothing.
class ImportSummaryDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportSummaryDialog(QWidget *parent = nullptr);
    void load(const QStringList &lines);

private:
    QLabel *m_lines;
};
