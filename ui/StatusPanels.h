#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

namespace k510::ui {

// The main window's status bar, sbStatus: five panels numbered 0 to 4 from
// the left. Panel 0 belongs to transfers; panels 1 to 4 show counts.
class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    static constexpr int kPanelCount = 5;

    explicit StatusPanels(QWidget *parent);

    void setPanelText(int panel, const QString &text);
    [[nodiscard]] QString panelText(int panel) const;

private:
    std::array<QLabel *, kPanelCount> m_panels{};
};

} // namespace k510::ui
