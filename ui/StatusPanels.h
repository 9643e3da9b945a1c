// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStatusBar>
#include <QStringList>

#include <array>

class QLabel;
class QProgressBar;

namespace k510::ui {

// The main window's status bar, sbStatus: five panels numbered 0 to 4 from
// the left. Panel 0 belongs to transfers; panels 1 to 4 show counts.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 5;

    explicit StatusPanels(QWidget *parent);

    // A panel's width is fixed; a long text can be read whole in the tooltip.
    void setPanelText(int panel, const QString &text, const QString &toolTip = {});
    [[nodiscard]] QString panelText(int panel) const;
    // The bar beside panel 0 while a transfer runs; a negative value hides it.
    void showTransferProgress(int percent);
    // A problem the editor works on despite (a settings file it cannot
    // read), said once over the panels for a while; said again, it is not
    // shown again.
    void showProblemOnce(const QString &problem);

private:
    std::array<QLabel *, kPanelCount> m_panels{};
    QProgressBar *m_transferProgress = nullptr;
    QStringList m_problemsShown;
};

} // namespace k510::ui
