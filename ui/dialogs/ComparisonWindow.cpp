// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComparisonWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Where a line's item finds its line: section and line index.
constexpr int kSectionRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;

} // namespace

namespace k510::ui {

ComparisonWindow::ComparisonWindow(QWidget *parent, SelectChannel selectChannel)
    : QWidget(parent, Qt::Window)
    , m_selectChannel(std::move(selectChannel))
{
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Сравнение баз"));
    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lbCompareTitle"));
    m_title->setWordWrap(true);
    layout->addWidget(m_title);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvDifferences"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    layout->addWidget(m_tree);
    auto *close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { lineChosen(item); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { lineChosen(item); });
    resize(640, 480);
}

void ComparisonWindow::showComparison(const ChannelDatabase &open, const ChannelDatabase &other,
                                      const QString &whereOther)
{
    m_sections = comparisonSections(diffDatabases(open, other), open);
    m_title->setText(QStringLiteral("Что %1 иначе, чем в открытой базе:").arg(whereOther));
    m_tree->clear();
    if (m_sections.empty())
        m_tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Нет различий")}));
    QList<QTreeWidgetItem *> branches;
    for (std::size_t s = 0; s < m_sections.size(); ++s) {
        const ComparisonSection &section = m_sections[s];
        auto *branch =
            new QTreeWidgetItem(QStringList{QStringLiteral("%1: %2").arg(section.title).arg(section.lines.size())});
        QList<QTreeWidgetItem *> lines;
        lines.reserve(qsizetype(section.lines.size()));
        for (std::size_t l = 0; l < section.lines.size(); ++l) {
            auto *item = new QTreeWidgetItem(QStringList{section.lines[l].text});
            item->setData(0, kSectionRole, int(s));
            item->setData(0, kLineRole, int(l));
            lines.append(item);
        }
        branch->addChildren(lines);
        branches.append(branch);
    }
    m_tree->addTopLevelItems(branches);
    // A few changes are seen at once; thousands are opened section by section.
    if (m_sections.size() == 1 || (!m_sections.empty() && m_sections.front().lines.size() <= 50))
        m_tree->topLevelItem(0)->setExpanded(true);
    show();
    raise();
    activateWindow();
}

void ComparisonWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ComparisonWindow::lineChosen(QTreeWidgetItem *item)
{
    if (!item || !item->data(0, kLineRole).isValid())
        return;
    const auto &line = m_sections[std::size_t(item->data(0, kSectionRole).toInt())]
                           .lines[std::size_t(item->data(0, kLineRole).toInt())];
    if (line.channel && m_selectChannel)
        m_selectChannel(*line.channel);
}

} // namespace k510::ui
