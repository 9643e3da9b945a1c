// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The one seam through which the editor asks and tells the user anything
// modal: message boxes, Yes/No questions and file dialogs. The window uses
// the real dialogs; tests plug in a scripted implementation and read back
// every message, so no test ever waits in a modal loop.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // An information box with one OK button.
    virtual void showMessage(const QString &text) = 0;
    // A modal failure box captioned "Ошибка в приложении" with one OK button.
    virtual void showError(const QString &text) = 0;
    // A transfer's failure: the same box, but it blocks nothing, so the
    // window goes on working while it is shown; `closed` runs on the window
    // thread once the user has closed it.
    virtual void showTransferFailure(const QString &text, std::function<void()> closed) = 0;
    // A Yes/No box captioned "Предупреждение"; true only for Yes. Enter
    // gives the default answer: "Нет" where "Да" would destroy at once
    // what the user may still want.
    enum class DefaultAnswer { Yes, No };
    virtual bool askYesNo(const QString &text, DefaultAnswer defaultAnswer) = 0;
    bool askYesNo(const QString &text) { return askYesNo(text, DefaultAnswer::Yes); }
    // The same box with "Да", "Нет" and "Отмена" (Escape); Enter gives the
    // default answer.
    enum class Answer { Yes, No, Cancel };
    virtual Answer askYesNoCancel(const QString &text, Answer defaultAnswer) = 0;
    Answer askYesNoCancel(const QString &text) { return askYesNoCancel(text, Answer::Yes); }

    // Shows one of the editor's own dialogs modally, as it has been filled;
    // true when it was closed with "OK". Tests fill its controls by object
    // name and choose instead.
    virtual bool runDialog(QDialog &dialog) = 0;

    // The file dialogs only choose a path. Questions about replacing or
    // creating the chosen file are asked by the command through askYesNo,
    // after it has applied the default suffix, so they are scripted in tests
    // like every other question.
    struct FileDialogOptions {
        QString filter;             // Qt filter text, entries separated by ";;"
        QString defaultSuffix;      // appended to a typed name that has none
        QString directory;          // where the dialog starts; empty: the current folder
        QString selectedFilter = {};   // the entry of `filter` selected at first; empty: the first one
    };
    struct FileChoice {
        QString path;     // empty when the user cancelled
        QString filter;   // the entry of `filter` selected when the dialog was accepted
    };
    // The chosen path, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    QString saveFileName(QWidget *parent, const FileDialogOptions &options)
    {
        return saveFileChoice(parent, options).path;
    }
    // The save dialog with the filter entry chosen, for a command whose
    // output depends on it (a CSV file's field separator).
    virtual FileChoice saveFileChoice(QWidget *parent, const FileDialogOptions &options) = 0;
};
