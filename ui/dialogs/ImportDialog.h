// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace k510::ui {
class ReportList;
}

// "Добавить из другой базы...": another database's channels, TV and radio,
// to choose from as the editor's own pages show them (a satellite and a
// transponder selector, "Поиск" on the names), and for each of its
// satellites the satellite of this database its channels go to. It hands
// back the user's choice; planning and applying it is the command's job.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        std::vector<int> tv;      // TV channel numbers of the source, as selected
        std::vector<int> radio;   // radio numbers of the source
        std::vector<int> targetSatellites;   // per source satellite: a satellite index here, or kNotImported
        bool insertAfterSelected = false;
    };

    explicit ImportDialog(QWidget *parent = nullptr);

    // `targets` starts each source satellite's selector; `problems` are what
    // is wrong in the source, named above the list under `problemsHeading`.
    // "Вставить после выделенного" is offered only when canInsertAfterSelected.
    void load(const QString &sourcePath, const k510::ChannelDatabase &source, const k510::ChannelDatabase &db,
              const std::vector<int> &targets, const QString &problemsHeading, const QStringList &problems,
              bool canInsertAfterSelected);
    [[nodiscard]] Choice choice() const;
    [[nodiscard]] k510::ui::ReportList *channels() const { return m_channels; }

private:
    void fillTransponderSelector();
    void fillRows();

    k510::ChannelDatabase m_source;
    QLabel *m_sourceName;
    QLabel *m_problems;
    QComboBox *m_satellite;
    QComboBox *m_transponder;
    QLineEdit *m_find;
    k510::ui::ReportList *m_channels;
    QWidget *m_targetsBox;
    std::vector<QComboBox *> m_targets;
    QCheckBox *m_insertAfterSelected;
};
