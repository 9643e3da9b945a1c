// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>

#include <functional>

class EditorSettings;
class QWidget;
class SatellitesXmlDialog;
class UserDialogs;

namespace k510::ui {

class EditHistory;
class TransponderPage;

// What the command works on, lent by the main window.
struct SatellitesXmlTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;              // the command is one step
    TransponderPage &transponders;     // its selector preselects the satellites
    EditorSettings &settings;          // the folder the file dialog starts in
    QWidget &window;                   // the parent of the file dialog and the dialog
    std::function<void()> showDatabaseAgain;
};

// "Правка" > "Транспондеры из списка satellites.xml...": asks for a list,
// shows what it would add to or change on a satellite of the database, and
// does the ticked rows on "OK" as one step.
class SatellitesXmlCommand : public QObject {
    Q_OBJECT
public:
    SatellitesXmlCommand(SatellitesXmlTargets targets, QObject *parent);

    void run();

private:
    SatellitesXmlTargets m;
    SatellitesXmlDialog *m_dialog;
};

} // namespace k510::ui
