// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QBoxLayout;
class QDialog;

// Ends a dialog's layout with the "OK" (default, accepts; Alt+O) and
// "Отмена" (rejects; Alt+О) buttons every editing dialog has, right-aligned
// in a row.
void addOkCancelButtons(QDialog &dialog, QBoxLayout &layout);

// Makes the dialog at least as wide as its caption needs in a title bar
// (whose font is often bold) beside the title bar's buttons. Call it again
// when the caption changes.
void keepCaptionWhole(QDialog &dialog);
