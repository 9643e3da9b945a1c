// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusPanels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace k510::ui {

namespace {

// A panel's frame and padding, with a little room to spare.
constexpr int kTextMargin = 12;
// Widths on a 96-dpi screen, and the longest text each panel shows whole:
// for panel 0 a note on a file whose name has 40 characters (digits stand
// for a name's letters), longer than the transfer's "Передача данных 100%".
constexpr std::array<int, StatusPanels::kPanelCount> kPanelWidths = {180, 100, 100, 100, 90};
constexpr int kWholeFileNameChars = 40;
const std::array<QString, StatusPanels::kPanelCount> kWidestTexts = {
    QStringLiteral("Экспортировано: ") + QString(kWholeFileNameChars, QLatin1Char('0')),
    QStringLiteral("Элементов: 65535"), QStringLiteral("Спутников: 255"),
    QStringLiteral("Трансп.: 65535"), QStringLiteral("Каналов: 65535"),
};

} // namespace

StatusPanels::StatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatus"));
    setSizeGripEnabled(true);
    // Each panel framed on its own, so the empty transfer panel shows too.
    setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"
                                 "QLabel { border: 1px solid palette(mid); padding: 0px 3px; }"));
    const double scale = logicalDpiX() / 96.0;
    for (int i = 0; i < kPanelCount; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbStatusPanel%1").arg(i));
        // A panel never cuts its longest text, whatever the font.
        const int textWidth = panel->fontMetrics().horizontalAdvance(kWidestTexts[size_t(i)]) + kTextMargin;
        panel->setFixedWidth(std::max(int(kPanelWidths[size_t(i)] * scale), textWidth));
        addWidget(panel);
        m_panels[size_t(i)] = panel;
    }
    m_transferProgress = new QProgressBar(this);
    m_transferProgress->setObjectName(QStringLiteral("sbTransferProgress"));
    m_transferProgress->setRange(0, 100);
    m_transferProgress->setTextVisible(false);   // panel 0 says the percentage
    m_transferProgress->setFixedWidth(int(100 * scale));
    insertWidget(1, m_transferProgress);
    m_transferProgress->hide();

    // After the counts, so that showing it moves none of them.
    m_selectedCount = new QLabel(this);
    m_selectedCount->setObjectName(QStringLiteral("sbStatusSelected"));
    addWidget(m_selectedCount);
    m_selectedCount->hide();
    m_shownCount = new QLabel(this);
    m_shownCount->setObjectName(QStringLiteral("sbStatusShown"));
    addWidget(m_shownCount);
    m_shownCount->hide();
}

void StatusPanels::showSelectedCount(int count)
{
    m_selectedCount->setVisible(count > 1);
    if (count > 1)
        m_selectedCount->setText(QStringLiteral("Выделено: %1").arg(count));
}

void StatusPanels::showShownCount(int shown, int total)
{
    m_shownCount->setVisible(shown >= 0);
    if (shown >= 0)
        m_shownCount->setText(QStringLiteral("Показано: %1 из %2").arg(shown).arg(total));
}

void StatusPanels::showTransferProgress(int percent)
{
    m_transferProgress->setVisible(percent >= 0);
    if (percent >= 0)
        m_transferProgress->setValue(percent);
}

void StatusPanels::setPanelText(int panel, const QString &text, const QString &toolTip)
{
    if (panel < 0 || panel >= kPanelCount)
        return;
    m_panels[size_t(panel)]->setText(text);
    m_panels[size_t(panel)]->setToolTip(toolTip);
    if (panel == 0) {
        m_noteShown = false;
        m_fileNoteShown = false;
        ++m_panel0Writes;
    }
}

void StatusPanels::showFileNote(const QString &what, const QString &fileName, const QString &path)
{
    QLabel *panel = m_panels[0];
    const QString prefix = what + QStringLiteral(": ");
    const QFontMetrics metrics = panel->fontMetrics();
    const int room = panel->minimumWidth() - kTextMargin - metrics.horizontalAdvance(prefix);
    setPanelText(0, prefix + metrics.elidedText(fileName, Qt::ElideMiddle, room), path);
    m_noteShown = true;
    m_fileNoteShown = true;
}

void StatusPanels::showNote(const QString &text, int shownMs)
{
    setPanelText(0, text);
    m_noteShown = true;
    if (shownMs <= 0)
        return;
    QTimer::singleShot(shownMs, this, [this, shown = m_panel0Writes] {
        if (m_panel0Writes == shown)
            clearNote();
    });
}

void StatusPanels::clearNote()
{
    if (m_noteShown)
        setPanelText(0, {});
}

void StatusPanels::clearFileNote()
{
    if (m_fileNoteShown)
        setPanelText(0, {});
}

QString StatusPanels::panelText(int panel) const
{
    return panel >= 0 && panel < kPanelCount ? m_panels[size_t(panel)]->text() : QString();
}

void StatusPanels::showProblemOnce(const QString &problem)
{
    constexpr int kShownMs = 20000;
    if (m_problemsShown.contains(problem))
        return;
    m_problemsShown.append(problem);
    // A problem met at start-up waits until the window is shown: a status
    // bar that is not visible yet would draw the message over its panels.
    QTimer::singleShot(0, this, [this, problem] { showMessage(problem, kShownMs); });
}

} // namespace k510::ui
