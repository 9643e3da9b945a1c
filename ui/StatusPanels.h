// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>
#include <QStringList>

#include <array>

class QLabel;
class QProgressBar;

namespace k510::ui {

// The main window's status bar, sbStatus: five panels numbered 0 to 4 from
// the left. Panel 0 shows transfers and notes on files written; panels 1
// to 4 show counts.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 5;

    explicit StatusPanels(QWidget *parent);

    // A panel's width is fixed; a long text can be read whole in the tooltip.
    void setPanelText(int panel, const QString &text, const QString &toolTip = {});
    [[nodiscard]] QString panelText(int panel) const;
    // A note in panel 0 on what was last done with the database shown: a
    // file written ("Сохранено: " and its name, whole up to 40 characters,
    // the middle of a longer one elided, the whole path in the tooltip) or a command's outcome. Unlike
    // a message, a note leaves the counts in view. A timed note goes after
    // that many milliseconds, unless something else was written meanwhile.
    void showFileNote(const QString &what, const QString &fileName, const QString &path);
    void showNote(const QString &text, int shownMs = 0);
    // Another database is shown: a note on the previous one goes; a
    // transfer's text stays.
    void clearNote();
    // The database changed again: a note on a file written goes, since the
    // file no longer holds what is shown.
    void clearFileNote();
    // "Выделено: N" beside the counts while more than one row is selected.
    void showSelectedCount(int count);
    // "Показано: N из M" while a filter hides rows of the list shown; a
    // negative shown count hides it.
    void showShownCount(int shown, int total);
    // The bar beside panel 0 while a transfer runs; a negative value hides it.
    void showTransferProgress(int percent);
    // A problem the editor works on despite (a settings file it cannot
    // read), said once over the panels for a while; said again, it is not
    // shown again.
    void showProblemOnce(const QString &problem);

private:
    std::array<QLabel *, kPanelCount> m_panels{};
    QProgressBar *m_transferProgress = nullptr;
    QLabel *m_selectedCount = nullptr;
    QLabel *m_shownCount = nullptr;
    bool m_noteShown = false;
    bool m_fileNoteShown = false;
    // Counts the texts panel 0 was given, so a timed note knows it is still shown.
    unsigned m_panel0Writes = 0;
    QStringList m_problemsShown;
};

} // namespace k510::ui
