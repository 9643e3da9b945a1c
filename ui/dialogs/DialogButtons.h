// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QBoxLayout;
class QDialog;

// Ends a dialog's layout with the "OK" (default, accepts) and "Отмена"
// (rejects) buttons every editing dialog has, right-aligned in a row.
void addOkCancelButtons(QDialog &dialog, QBoxLayout &layout);
