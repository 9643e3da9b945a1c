// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/UserDialogs.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTest>

#include <vector>

// Stands in for every modal dialog: records what the editor shows and asks,
// answers questions and file dialogs from a script, never blocks. A question
// the script has no answer for fails the running test (outside a test, as in
// a benchmark, it ends the program): a test must say what the user answers.
class ScriptedDialogs : public UserDialogs {
public:
    void showMessage(const QString &text) override { messages.append(text); }
    void showError(const QString &text) override { errors.append(text); }
    // Transfer failures are listed with the errors and closed at once,
    // unless the test keeps them open to close them itself.
    void showTransferFailure(const QString &text, std::function<void()> closed) override
    {
        errors.append(text);
        if (keepTransferFailuresOpen)
            openTransferFailures.push_back(std::move(closed));
        else
            closed();
    }
    using UserDialogs::askYesNo;
    bool askYesNo(const QString &text, DefaultAnswer defaultAnswer) override
    {
        questions.append(text);
        questionDefaults.append(defaultAnswer);
        if (answers.isEmpty()) {
            unscripted(text);
            return false;
        }
        return answers.takeFirst();
    }
    // Answered from threeWayAnswers.
    using UserDialogs::askYesNoCancel;
    Answer askYesNoCancel(const QString &text, Answer defaultAnswer) override
    {
        questions.append(text);
        questionDefaults.append(defaultAnswer == Answer::No ? DefaultAnswer::No : DefaultAnswer::Yes);
        threeWayDefaults.append(defaultAnswer);
        if (threeWayAnswers.isEmpty()) {
            unscripted(text);
            return Answer::Cancel;
        }
        return threeWayAnswers.takeFirst();
    }
    // The next step of the dialog script fills the dialog and answers OK
    // (true) or Отмена; with the script run out, the dialog is cancelled.
    bool runDialog(QDialog &dialog) override
    {
        shownDialogs.append(dialog.objectName());
        if (dialogScript.empty())
            return false;
        const auto step = std::move(dialogScript.front());
        dialogScript.erase(dialogScript.begin());
        return step(dialog);
    }
    QString openFileName(QWidget *, const FileDialogOptions &options) override
    {
        openOptions.push_back(options);
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    FileChoice saveFileChoice(QWidget *, const FileDialogOptions &options) override
    {
        saveOptions.push_back(options);
        const QString filter = saveFilters.isEmpty() ? options.selectedFilter : saveFilters.takeFirst();
        return {saveNames.isEmpty() ? QString() : saveNames.takeFirst(), filter};
    }

    QStringList messages;
    QStringList errors;
    QStringList questions;
    QList<DefaultAnswer> questionDefaults;   // the default answer of each question, in order
    QList<bool> answers;
    QList<Answer> threeWayAnswers;
    QList<Answer> threeWayDefaults;   // the default answer of each three-way question, in order
    QStringList openNames;     // cancel when the script has run out
    QStringList saveNames;
    QStringList saveFilters;   // the entry selected at first when the script has run out
    std::vector<FileDialogOptions> openOptions;
    std::vector<FileDialogOptions> saveOptions;
    QStringList shownDialogs;                                   // object names, in order
    std::vector<std::function<bool(QDialog &)>> dialogScript;
    bool keepTransferFailuresOpen = false;
    std::vector<std::function<void()>> openTransferFailures;

private:
    // The answer given then (Нет, Отмена) only lets the command end.
    static void unscripted(const QString &question)
    {
        const QByteArray message = "no answer scripted for the question: " + question.toUtf8();
        if (!QTest::currentTestFunction())
            qFatal("%s", message.constData());
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
};
