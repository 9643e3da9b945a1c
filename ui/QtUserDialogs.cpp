// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtUserDialogs.h"

#include "ui/dialogs/DatabaseFileDialog.h"
#include "commands/WindowTitle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace {

const QString kErrorCaption = QStringLiteral("Ошибка в приложении");

struct BoxButton {
    QMessageBox::StandardButton answer;
    QString text;
    QMessageBox::ButtonRole role;
};

const BoxButton kOk{QMessageBox::Ok, QStringLiteral("OK"), QMessageBox::AcceptRole};
const BoxButton kYes{QMessageBox::Yes, QStringLiteral("Да"), QMessageBox::YesRole};
const BoxButton kNo{QMessageBox::No, QStringLiteral("Нет"), QMessageBox::NoRole};
const BoxButton kCancel{QMessageBox::Cancel, QStringLiteral("Отмена"), QMessageBox::RejectRole};

// A box without an icon whose buttons read in Russian whether or not Qt's
// own translation is installed (buttons of our own, which Qt does not
// retranslate). The default button is the one given, else the first one.
QMessageBox *makeBox(const QString &caption, const QString &text, std::initializer_list<BoxButton> buttons,
                     QWidget *parent, QMessageBox::StandardButton defaultAnswer = QMessageBox::NoButton)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::NoButton, parent);
    for (const BoxButton &button : buttons) {
        QPushButton *shown = box->addButton(button.text, button.role);
        shown->setProperty("answer", int(button.answer));
        if (defaultAnswer == QMessageBox::NoButton ? &button == buttons.begin() : button.answer == defaultAnswer)
            box->setDefaultButton(shown);
    }
    return box;
}

QMessageBox::StandardButton runBox(const QString &caption, const QString &text,
                                   std::initializer_list<BoxButton> buttons,
                                   QMessageBox::StandardButton defaultAnswer = QMessageBox::NoButton)
{
    std::unique_ptr<QMessageBox> box(makeBox(caption, text, buttons, QApplication::activeWindow(), defaultAnswer));
    box->exec();
    const QAbstractButton *clicked = box->clickedButton();
    return clicked ? QMessageBox::StandardButton(clicked->property("answer").toInt()) : QMessageBox::NoButton;
}

} // namespace

void QtUserDialogs::showMessage(const QString &text)
{
    runBox(k510::ui::editorTitle(), text, {kOk});
}

void QtUserDialogs::showError(const QString &text)
{
    runBox(kErrorCaption, text, {kOk});
}

void QtUserDialogs::showTransferFailure(const QString &text, std::function<void()> closed)
{
    QMessageBox *box = makeBox(kErrorCaption, text, {kOk}, QApplication::activeWindow());
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box, [closed = std::move(closed)] { closed(); });
    box->show();
}

bool QtUserDialogs::askYesNo(const QString &text, DefaultAnswer defaultAnswer)
{
    const auto preset = defaultAnswer == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes;
    return runBox(QStringLiteral("Предупреждение"), text, {kYes, kNo}, preset) == QMessageBox::Yes;
}

UserDialogs::Answer QtUserDialogs::askYesNoCancel(const QString &text, Answer defaultAnswer)
{
    const auto preset = defaultAnswer == Answer::Yes  ? QMessageBox::Yes
                        : defaultAnswer == Answer::No ? QMessageBox::No
                                                      : QMessageBox::Cancel;
    switch (runBox(QStringLiteral("Предупреждение"), text, {kYes, kNo, kCancel}, preset)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

bool QtUserDialogs::runDialog(QDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

QString QtUserDialogs::openFileName(QWidget *parent, const FileDialogOptions &options)
{
    DatabaseFileDialog dialog(parent, QFileDialog::AcceptOpen, options);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenFile() : QString();
}

UserDialogs::FileChoice QtUserDialogs::saveFileChoice(QWidget *parent, const FileDialogOptions &options)
{
    DatabaseFileDialog dialog(parent, QFileDialog::AcceptSave, options);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {dialog.chosenFile(), dialog.selectedNameFilter()};
}
