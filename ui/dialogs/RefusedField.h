// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Puts the keyboard focus on a field whose text a command refused, with the
// whole text selected, so the user retypes it at once. A radio group takes
// the focus on its chosen button, or its first one when none is chosen.
// Works on a hidden dialog too: the field gets the focus when the dialog
// shows again.
void focusForCorrection(QWidget *field);

// Dialogs focus their first field the same way as they open.
