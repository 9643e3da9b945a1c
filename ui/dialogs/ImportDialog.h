// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace k510::ui {
class ImportRows;
class ReportList;
}

// "Добавить из другой базы...": another database's channels, TV and radio,
// to choose from as the editor's own pages show them (a satellite and a
// transponder selector, "Поиск" on the names), and for each of its
// satellites the satellite of this database its channels go to. Rows the
// database already has (as the import counts them, for the satellites
// chosen) say so, and "Только новые" hides them. It hands back the user's
// choice; planning and applying it is the command's job.
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
    // Asked on "Добавить": the dialog closes only when it answers true, so a
    // choice that is refused (said by the check) leaves everything as it was.
    void setAddCheck(std::function<bool()> check) { m_addCheck = std::move(check); }

    void accept() override;

private:
    void fillTransponderSelector();
    // Keeps the selected rows that are still listed.
    void fillRows();
    // Whether the rows list a channel of the source under the dialog's choices.
    [[nodiscard]] bool isListed(k510::ChannelKind kind, int number) const;
    [[nodiscard]] std::vector<int> targetSatellites() const;
    // Which source channels the database has, for the targets chosen now.
    void findChannelsThere();
    [[nodiscard]] bool isThere(k510::ChannelKind kind, int number) const;

    k510::ChannelDatabase m_source;
    k510::ChannelDatabase m_database;
    k510::PerKind<std::vector<bool>> m_there;   // by TV and by radio number of the source
    std::function<bool()> m_addCheck;
    QLabel *m_sourceName;
    QLabel *m_problems;
    QComboBox *m_satellite;
    QComboBox *m_transponder;
    QLineEdit *m_find;
    QCheckBox *m_onlyNew;
    k510::ui::ImportRows *m_rows;
    k510::ui::ReportList *m_channels;
    QWidget *m_targetsBox;
    std::vector<QComboBox *> m_targets;
    QCheckBox *m_insertAfterSelected;
};
