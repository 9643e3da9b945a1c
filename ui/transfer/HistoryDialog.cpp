// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using k510::storage::HistoryCopy;
using k510::storage::TransferKind;

namespace {

QString countText(int count)
{
    return count < 0 ? QStringLiteral("—") : QString::number(count);
}

} // namespace

HistoryDialog::HistoryDialog(QWidget *parent, std::vector<HistoryCopy> copies)
    : QDialog(parent)
    , m_copies(std::move(copies))
{
    setObjectName(QStringLiteral("dlgHistory"));
    setWindowTitle(QStringLiteral("История обмена"));
    auto *layout = new QVBoxLayout(this);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvHistory"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("Дата и время"), QStringLiteral("Обмен"), QStringLiteral("Спутников"),
                             QStringLiteral("Трансп."), QStringLiteral("ТВ"), QStringLiteral("Радио"),
                             QStringLiteral("Открытый файл")});
    QList<QTreeWidgetItem *> rows;
    rows.reserve(qsizetype(m_copies.size()));
    for (const HistoryCopy &copy : m_copies)
        rows.append(new QTreeWidgetItem(QStringList{timeText(copy.when), kindText(copy.kind), countText(copy.satellites),
                                                    countText(copy.transponders), countText(copy.tvChannels),
                                                    countText(copy.radioChannels),
                                                    QDir::toNativeSeparators(copy.openFile)}));
    m_list->addTopLevelItems(rows);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list);
    if (m_copies.empty())
        layout->addWidget(new QLabel(QStringLiteral("Копий пока нет: они появятся после обмена с ресивером."), this));

    auto *buttons = new QHBoxLayout;
    const auto addButton = [this, buttons](const char *name, const char *text) {
        auto *button = new QPushButton(QString::fromUtf8(text), this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    QPushButton *open = addButton("btnOpen", "Открыть");
    QPushButton *compare = addButton("btnCompare", "Сравнить с текущей");
    QPushButton *send = addButton("btnSend", "Отправить в ресивер");
    QPushButton *folder = addButton("btnShowFolder", "Показать папку");
    buttons->addStretch();
    QPushButton *close = addButton("btnClose", "Закрыть");
    layout->addLayout(buttons);
    m_copyButtons = {open, compare, send};

    connect(open, &QPushButton::clicked, this, [this] { choose(Action::Open); });
    connect(compare, &QPushButton::clicked, this, [this] { choose(Action::Compare); });
    connect(send, &QPushButton::clicked, this, [this] { choose(Action::Send); });
    connect(folder, &QPushButton::clicked, this, &HistoryDialog::showFolderRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &HistoryDialog::updateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { choose(Action::Compare); });
    if (!m_copies.empty())
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButtons();
    resize(720, 400);
}

QString HistoryDialog::kindText(TransferKind kind)
{
    switch (kind) {
    case TransferKind::Received: return QStringLiteral("получено");
    case TransferKind::Sent: return QStringLiteral("отправлено");
    case TransferKind::SendBroken: return QStringLiteral("прервано");
    }
    return {};
}

QString HistoryDialog::timeText(const QDateTime &when)
{
    return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

void HistoryDialog::choose(Action action)
{
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || !m_list->currentItem()->isSelected())
        return;
    m_choice = Choice{action, std::size_t(row)};
    accept();
}

void HistoryDialog::updateButtons()
{
    const bool selected = !m_list->selectedItems().isEmpty();
    for (QPushButton *button : std::as_const(m_copyButtons))
        button->setEnabled(selected);
}
