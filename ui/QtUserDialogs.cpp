#include "QtUserDialogs.h"

#include "commands/FileCommands.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString chooseFile(QWidget *parent, QFileDialog::AcceptMode mode, const UserDialogs::FileDialogOptions &options)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    // The save command asks itself, once the final name is known.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtUserDialogs::showMessage(const QString &text)
{
    QMessageBox::information(QApplication::activeWindow(), k510::ui::editorTitle(), text);
}

void QtUserDialogs::showError(const QString &text)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Ошибка в приложении"), text);
}

bool QtUserDialogs::askYesNo(const QString &text)
{
    return QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Предупреждение"), text,
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

QString QtUserDialogs::openFileName(QWidget *parent, const FileDialogOptions &options)
{
    return chooseFile(parent, QFileDialog::AcceptOpen, options);
}

QString QtUserDialogs::saveFileName(QWidget *parent, const FileDialogOptions &options)
{
    return chooseFile(parent, QFileDialog::AcceptSave, options);
}
