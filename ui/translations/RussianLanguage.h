// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Qt's own texts (the file dialogs, their messages, standard buttons and
// context menus), dates and file sizes in Russian, to match the editor's,
// whatever the system's language. Qt's Russian translation comes from Qt's
// translations folder; returns whether it was found (without it those texts
// stay English). The few texts it lacks come with the editor.
bool useRussianLanguage(QCoreApplication &application);
