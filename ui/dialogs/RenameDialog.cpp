// SPDX-License-Identifier: GPL-3.0-or-later
#include "RenameDialog.h"

#include "DialogButtons.h"
#include "NameField.h"
#include "RenamePreview.h"
#include "ui/lists/ModelStrings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>


namespace k510::ui {

namespace {

// The problems named at most, the rest counted.
constexpr int kNumbersNamed = 20;

QLineEdit *ruleField(QWidget *parent, const QString &name, bool showableOnly)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(int(kNameCapacity));
    // The text searched for may be any the names hold; what goes into a name
    // must be one the receiver shows.
    if (showableOnly)
        field->setValidator(new ShowableTextValidator(field));
    return field;
}

QString problemsText(const std::vector<int> &numbers)
{
    if (numbers.empty())
        return {};
    QStringList named;
    for (std::size_t k = 0; k < numbers.size() && k < std::size_t(kNumbersNamed); ++k)
        named.append(QString::number(numbers[k]));
    QString text = QStringLiteral("Приёмник не сможет хранить новые имена каналов %1").arg(named.join(QStringLiteral(", ")));
    if (numbers.size() > std::size_t(kNumbersNamed))
        text += QStringLiteral(" и ещё %1").arg(numbers.size() - std::size_t(kNumbersNamed));
    return text + QStringLiteral(" (выделены красным): измените правило.");
}

} // namespace

RenameDialog::RenameDialog(QWidget *parent)
    : QDialog(parent), m_from(ruleField(this, QStringLiteral("leRenameFrom"), false)),
      m_to(ruleField(this, QStringLiteral("leRenameTo"), true)),
      m_ignoreCase(new QCheckBox(QStringLiteral("Без учёта ре&гистра"), this)),
      m_addPrefix(ruleField(this, QStringLiteral("leRenameAddPrefix"), true)),
      m_removePrefix(ruleField(this, QStringLiteral("leRenameRemovePrefix"), false)),
      m_addSuffix(ruleField(this, QStringLiteral("leRenameAddSuffix"), true)),
      m_removeSuffix(ruleField(this, QStringLiteral("leRenameRemoveSuffix"), false)),
      m_trim(new QCheckBox(QStringLiteral("Убрать &пробелы по краям"), this)), m_case(new QComboBox(this)),
      m_previewView(new QTableView(this)), m_preview(new RenamePreview(this)), m_problems(new QLabel(this))
{
    setObjectName(QStringLiteral("renameDlg"));
    setWindowTitle(QStringLiteral("Переименовать"));
    m_ignoreCase->setObjectName(QStringLiteral("chkRenameIgnoreCase"));
    m_trim->setObjectName(QStringLiteral("chkRenameTrim"));
    m_case->setObjectName(QStringLiteral("cbRenameCase"));
    m_case->addItems({QStringLiteral("не менять"), QStringLiteral("ПРОПИСНЫЕ"), QStringLiteral("строчные")});
    m_previewView->setObjectName(QStringLiteral("lvRenamePreview"));
    m_previewView->setModel(m_preview);
    m_previewView->setSelectionMode(QAbstractItemView::NoSelection);
    m_previewView->verticalHeader()->hide();
    m_previewView->setWordWrap(false);
    m_previewView->verticalHeader()->setDefaultSectionSize(m_previewView->fontMetrics().height() + 4);
    // Room for a whole name before and after.
    const int nameWidth = m_previewView->fontMetrics().horizontalAdvance(QString(int(kNameCapacity) + 2, QChar(u'Н')));
    m_previewView->horizontalHeader()->resizeSection(1, nameWidth);
    m_previewView->horizontalHeader()->resizeSection(2, nameWidth);
    m_previewView->horizontalHeader()->setStretchLastSection(true);
    m_previewView->setMinimumSize(520, 260);
    m_problems->setObjectName(QStringLiteral("lbRenameProblems"));
    m_problems->setWordWrap(true);
    m_problems->setStyleSheet(QStringLiteral("color: #b00000;"));

    auto *rule = new QGridLayout;
    const auto labelled = [this, rule](int row, int column, const QString &text, QWidget *field) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        rule->addWidget(label, row, column);
        rule->addWidget(field, row, column + 1);
    };
    labelled(0, 0, QStringLiteral("&Заменить:"), m_from);
    labelled(0, 2, QStringLiteral("&на:"), m_to);
    rule->addWidget(m_ignoreCase, 0, 4);
    labelled(1, 0, QStringLiteral("Добавить в &начало:"), m_addPrefix);
    labelled(1, 2, QStringLiteral("Убрать в н&ачале:"), m_removePrefix);
    labelled(2, 0, QStringLiteral("Добавить в &конец:"), m_addSuffix);
    labelled(2, 2, QStringLiteral("Убрать в к&онце:"), m_removeSuffix);
    labelled(3, 0, QStringLiteral("&Регистр:"), m_case);
    rule->addWidget(m_trim, 3, 2, 1, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rule);
    layout->addWidget(m_previewView, 1);
    layout->addWidget(m_problems);
    addOkCancelButtons(*this, *layout);

    for (QLineEdit *field : {m_from, m_to, m_addPrefix, m_removePrefix, m_addSuffix, m_removeSuffix})
        connect(field, &QLineEdit::textChanged, this, &RenameDialog::showPreview);
    for (QCheckBox *box : {m_ignoreCase, m_trim})
        connect(box, &QCheckBox::toggled, this, &RenameDialog::showPreview);
    connect(m_case, &QComboBox::currentIndexChanged, this, &RenameDialog::showPreview);
}

void RenameDialog::prepare(const ChannelDatabase &db, ChannelKind kind, std::vector<int> numbers,
                           std::unordered_map<int, int> shownNumbers)
{
    m_db = &db;
    m_kind = kind;
    m_numbers = std::move(numbers);
    m_shownOf = std::move(shownNumbers);
    setWindowTitle(QStringLiteral("Переименовать: %1 %2").arg(m_numbers.size()).arg(m_numbers.size() == 1 ? "канал" : "каналов"));
    showPreview();
    m_from->setFocus();
}

RenameRule RenameDialog::rule() const
{
    const auto bytes = [](const QLineEdit *field) { return toWindows1251(field->text()).toStdString(); };
    RenameRule rule;
    rule.replaceFrom = bytes(m_from);
    rule.replaceTo = bytes(m_to);
    rule.ignoreCase = m_ignoreCase->isChecked();
    rule.addPrefix = bytes(m_addPrefix);
    rule.removePrefix = bytes(m_removePrefix);
    rule.addSuffix = bytes(m_addSuffix);
    rule.removeSuffix = bytes(m_removeSuffix);
    rule.trim = m_trim->isChecked();
    rule.letterCase = m_case->currentIndex() == 1   ? LetterCase::Upper
                      : m_case->currentIndex() == 2 ? LetterCase::Lower
                                                    : LetterCase::Keep;
    return rule;
}

void RenameDialog::showPreview()
{
    if (!m_db)
        return;
    std::vector<RenamedRow> rows = previewRename(*m_db, m_kind, m_numbers, rule());
    // Each row as the list numbers it.
    for (RenamedRow &row : rows)
        if (const auto shown = m_shownOf.find(row.number); shown != m_shownOf.end())
            row.number = shown->second;
    m_preview->show(std::move(rows));
    const std::vector<int> marked = m_preview->markedNumbers();
    m_problems->setText(problemsText(marked));
    m_problems->setVisible(!marked.empty());
    if (auto *ok = findChild<QPushButton *>(QStringLiteral("OKBtn")))
        ok->setEnabled(marked.empty());
    m_previewView->resizeColumnToContents(0);
}

} // namespace k510::ui
