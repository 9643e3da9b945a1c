// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsatEditDlg.h"

#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/RadioGroup.h"
#include "ui/dialogs/RefusedField.h"
#include "ui/dialogs/SatelliteChoices.h"
#include "ui/dialogs/UsalsText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int nameLength = 16;
constexpr int eastIndex = 0;
constexpr int westIndex = 1;

template <typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QComboBox *dropDownList(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *list = named(new QComboBox(parent), name);
    list->addItems(items);
    return list;
}

// An oscillator box: a preset list the user may type over. Typed values are
// not added to the presets.
QComboBox *frequencyBox(const QString &name, QWidget *parent)
{
    auto *box = named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// Replaces the offers without touching the text the box shows.
void setPresets(QComboBox &box, const QStringList &presets)
{
    const QString shown = box.currentText();
    box.clear();
    box.addItems(presets);
    box.setCurrentIndex(-1);
    box.setEditText(shown);
}

void setIndexOrFirst(QComboBox &list, int index)
{
    list.setCurrentIndex(index >= 0 && index < list.count() ? index : 0);
}

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

TsatEditDlg::TsatEditDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("satEditDlg"));
    setWindowTitle(QStringLiteral("Параметры спутника"));

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *grid = new QGridLayout;
    layout->addLayout(grid);

    auto *nameRow = new QHBoxLayout;
    grid->addLayout(nameRow, 0, 0, 1, 2);
    m_leSatName = named(new QLineEdit(this), QStringLiteral("leSatName"));
    m_leSatName->setMaxLength(nameLength);
    nameRow->addWidget(labelFor(QStringLiteral("Название"), m_leSatName, this));
    nameRow->addWidget(m_leSatName, 1);

    grid->addWidget(lnbGroup(), 1, 0);
    auto *supplyRow = new QHBoxLayout;
    grid->addLayout(supplyRow, 2, 0);
    m_cb22KHZ = named(new QCheckBox(QStringLiteral("22КГц"), this), QStringLiteral("cb22KHZ"));
    m_cb12V = named(new QCheckBox(QStringLiteral("0/12В"), this), QStringLiteral("cb12V"));
    m_cbLNBP = named(new QCheckBox(QStringLiteral("LNBP"), this), QStringLiteral("cbLNBP"));
    supplyRow->addWidget(m_cb22KHZ);
    supplyRow->addWidget(m_cb12V);
    supplyRow->addWidget(m_cbLNBP);
    supplyRow->addStretch();

    grid->addWidget(switchGroup(), 1, 1);
    grid->addWidget(usalsGroup(), 2, 1, 2, 1);
    grid->setRowStretch(3, 1);
    addOkCancelButtons(*this, *layout);

    connect(m_rgLnbType, &RadioGroup::indexClicked, this, &TsatEditDlg::rgLnbTypeClick);
    connect(m_cbSwitchType, &QComboBox::activated, this, &TsatEditDlg::cbSwitchTypeSelect);
    enableSwitchPorts(m_cbSwitchType->currentIndex());
}

QGroupBox *TsatEditDlg::lnbGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Частоты конвертора (LNB, МГц) "), this);
    auto *layout = new QVBoxLayout(group);
    m_rgLnbType = new RadioGroup(QStringLiteral("rgLnbType"), QStringLiteral("Тип конвертора "), lnbTypeItems(), 3,
                                 group);
    layout->addWidget(m_rgLnbType);

    auto *frequencies = new QFormLayout;
    layout->addLayout(frequencies);
    m_leLnbLow = frequencyBox(QStringLiteral("leLnbLow"), group);
    m_leLnbHigh = frequencyBox(QStringLiteral("leLnbHigh"), group);
    frequencies->addRow(labelFor(QStringLiteral("Начальная"), m_leLnbLow, group), m_leLnbLow);
    frequencies->addRow(labelFor(QStringLiteral("Конечная"), m_leLnbHigh, group), m_leLnbHigh);
    return group;
}

QGroupBox *TsatEditDlg::switchGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Настройки переключения "), this);
    auto *layout = new QFormLayout(group);
    m_cbSwitchType = dropDownList(QStringLiteral("cbSwitchType"), switchTypeItems(), group);
    m_cbSwitchType->setCurrentIndex(-1);
    m_cbDS10 = dropDownList(QStringLiteral("cbDS10"), diseqc10Items(), group);
    m_cbDS11 = dropDownList(QStringLiteral("cbDS11"), diseqc11Items(), group);
    layout->addRow(m_cbSwitchType);
    layout->addRow(labelFor(QStringLiteral("Порт DiSeqC 1.0"), m_cbDS10, group), m_cbDS10);
    layout->addRow(labelFor(QStringLiteral("Порт DiSeqC 1.1"), m_cbDS11, group), m_cbDS11);
    return group;
}

QGroupBox *TsatEditDlg::usalsGroup()
{
    auto *group = new QGroupBox(QStringLiteral("Параметры USALS "), this);
    auto *layout = new QHBoxLayout(group);
    m_rgEW = new RadioGroup(QStringLiteral("rgEW"), QStringLiteral("Долгота "),
                            {QStringLiteral("E"), QStringLiteral("W")}, 2, group);
    m_rgEW->setCheckedIndex(eastIndex);
    layout->addWidget(m_rgEW);

    m_leUSALS = named(new QLineEdit(group), QStringLiteral("leUSALS"));
    m_leUSALS->setInputMask(QString::fromLatin1(usalsInputMask));
    // Wide enough for the five places and the frame, not for a whole line.
    m_leUSALS->setFixedWidth(m_leUSALS->fontMetrics().horizontalAdvance(QStringLiteral("0000,00")) + 12);
    layout->addWidget(labelFor(QStringLiteral("Градус"), m_leUSALS, group));
    layout->addWidget(m_leUSALS);
    layout->addStretch();
    return group;
}

void TsatEditDlg::load(const SatelliteForm &form)
{
    m_leLnbLow->setEditText(form.lnbLow);
    m_leLnbHigh->setEditText(form.lnbHigh);
    m_leSatName->setText(form.name);

    const int shownType = m_rgLnbType->checkedIndex();
    m_rgLnbType->setCheckedIndex(form.lnbType);
    applyLnbType(m_rgLnbType->checkedIndex() != shownType);

    m_cb22KHZ->setChecked(form.tone22k);
    m_cb12V->setChecked(form.power12v);
    m_cbLNBP->setChecked(form.lnbp);

    m_cbSwitchType->setCurrentIndex(-1);
    if (form.switchType >= 0 && form.switchType < m_cbSwitchType->count())
        m_cbSwitchType->setCurrentIndex(form.switchType);
    enableSwitchPorts(m_cbSwitchType->currentIndex());

    setIndexOrFirst(*m_cbDS10, form.diseqc10);
    setIndexOrFirst(*m_cbDS11, form.diseqc11);

    m_leUSALS->setText(usalsDisplayText(form.longitude));
    m_rgEW->setCheckedIndex(form.west ? westIndex : eastIndex);
}

SatelliteForm TsatEditDlg::form() const
{
    SatelliteForm form;
    form.name = m_leSatName->text();
    form.lnbLow = m_leLnbLow->currentText();
    form.lnbHigh = m_leLnbHigh->currentText();
    form.lnbType = m_rgLnbType->checkedIndex();
    form.tone22k = m_cb22KHZ->isChecked();
    form.power12v = m_cb12V->isChecked();
    form.lnbp = m_cbLNBP->isChecked();
    form.switchType = m_cbSwitchType->currentIndex();
    form.diseqc10 = m_cbDS10->currentIndex();
    form.diseqc11 = m_cbDS11->currentIndex();
    form.west = m_rgEW->checkedIndex() == westIndex;
    form.longitude = usalsLongitude(m_leUSALS->displayText());
    return form;
}

void TsatEditDlg::markRefused(FormField field)
{
    switch (field) {
    case FormField::Name: return focusForCorrection(m_leSatName);
    case FormField::LnbLow: return focusForCorrection(m_leLnbLow);
    case FormField::LnbHigh: return focusForCorrection(m_leLnbHigh);
    case FormField::Longitude: return focusForCorrection(m_leUSALS);
    default: return;
    }
}

void TsatEditDlg::rgLnbTypeClick()
{
    applyLnbType(true);
}

void TsatEditDlg::cbSwitchTypeSelect()
{
    const int switchType = m_cbSwitchType->currentIndex();
    enableSwitchPorts(switchType);
    if (switchType == SwitchChoice::None) {
        m_cbDS10->setCurrentIndex(0);
        m_cbDS11->setCurrentIndex(0);
    }
}

void TsatEditDlg::applyLnbType(bool lockSingleLow)
{
    const LnbPresets presets = lnbPresets(m_rgLnbType->checkedIndex());
    setPresets(*m_leLnbLow, presets.low);
    setPresets(*m_leLnbHigh, presets.high);
    m_leLnbLow->setEnabled(presets.lowEditable);
    if (!presets.lowEditable && lockSingleLow)
        m_leLnbLow->setEditText(QStringLiteral("0"));
}

void TsatEditDlg::enableSwitchPorts(int switchType)
{
    const SwitchPorts ports = switchPorts(switchType);
    m_cbDS10->setEnabled(ports.diseqc10);
    m_cbDS11->setEnabled(ports.diseqc11);
    m_leUSALS->setEnabled(ports.usals);
    m_rgEW->setEnabled(ports.usals);
}

void TsatEditDlg::focusFirstField()
{
    focusForCorrection(m_leSatName);
}
