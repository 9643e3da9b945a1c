// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs behind the seam: message boxes without icons and with
// Russian buttons, a transfer failure that blocks nothing, the file dialogs
// listing and opening files without an extension, and Qt's own texts in
// Russian.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "ui/dialogs/DatabaseFileDialog.h"
#include "ui/translations/RussianLanguage.h"
#include "ui/QtUserDialogs.h"
#include "ui/commands/DatabaseFiles.h"
#include "ui/commands/WindowTitle.h"

namespace {

// Runs `act` on the modal box the code under test is about to show.
void onNextModalBox(std::function<void(QMessageBox *)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        act(box);
    });
}

QStringList buttonTexts(const QMessageBox *box)
{
    QStringList texts;
    for (const QAbstractButton *button : box->buttons())
        texts.append(button->text());
    texts.sort();
    return texts;
}

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// The names the dialog's file list shows.
QStringList listedNames(QFileDialog &dialog)
{
    auto *view = dialog.findChild<QListView *>(QStringLiteral("listView"));
    if (!view)
        return {};
    QStringList names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names.append(view->model()->index(row, 0, root).data().toString());
    names.sort();
    return names;
}

} // namespace

class DialogsSeamTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void modalBoxes_data();
    void modalBoxes();
    void transferFailureBlocksNothing();
    void allFilesListsNamesWithoutADot();
    void openTakesTheTypedNameFirst_data();
    void openTakesTheTypedNameFirst();
    void saveCarriesTheFilterInAndOut();
    void qtTextsAreRussian();

private:
    QtUserDialogs m_dialogs;
    QWidget m_window;
};

void DialogsSeamTest::initTestCase()
{
    QVERIFY2(useRussianLanguage(*QCoreApplication::instance()), "Debian's qt6-translations-l10n is missing");
    m_window.show();
    m_window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_window));
}

void DialogsSeamTest::modalBoxes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("defaultButton");
    QTest::newRow("question") << "question" << "Предупреждение" << QStringList{"Да", "Нет"} << "Да";
    QTest::newRow("destructive question") << "destructive question" << "Предупреждение" << QStringList{"Да", "Нет"}
                                          << "Нет";
    QTest::newRow("error") << "error" << "Ошибка в приложении" << QStringList{"OK"} << "OK";
    QTest::newRow("message") << "message" << k510::ui::editorTitle() << QStringList{"OK"} << "OK";
}

void DialogsSeamTest::modalBoxes()
{
    QFETCH(QString, kind);
    QString caption;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::Warning;
    onNextModalBox([&](QMessageBox *box) {
        caption = box->windowTitle();
        buttons = buttonTexts(box);
        icon = box->icon();
        if (box->defaultButton())
            defaultButton = box->defaultButton()->text();
        for (QAbstractButton *button : box->buttons())
            if (button->text() == QLatin1String("OK") || button->text() == QStringLiteral("Нет"))
                button->click();
    });
    if (kind == QLatin1String("question"))
        QVERIFY(!m_dialogs.askYesNo(QStringLiteral("Удалить?")));
    else if (kind == QLatin1String("destructive question"))
        QVERIFY(!m_dialogs.askYesNo(QStringLiteral("Удалить всё?"), UserDialogs::DefaultAnswer::No));
    else if (kind == QLatin1String("error"))
        m_dialogs.showError(QStringLiteral("Ошибка"));
    else
        m_dialogs.showMessage(QStringLiteral("Сообщение"));
    QTEST(caption, "caption");
    QTEST(buttons, "buttons");
    QTEST(defaultButton, "defaultButton");
    QCOMPARE(icon, QMessageBox::NoIcon);
}

void DialogsSeamTest::transferFailureBlocksNothing()
{
    int closed = 0;
    m_dialogs.showTransferFailure(QStringLiteral("Отправка настроек: Нет связи с ресивером!"), [&] { ++closed; });

    // Shown, and nothing is modal: the window's pages can still be used.
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *candidate = qobject_cast<QMessageBox *>(widget); candidate && candidate->isVisible())
            box = candidate;
    QVERIFY(box);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QCOMPARE(box->windowTitle(), QStringLiteral("Ошибка в приложении"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(buttonTexts(box), QStringList{"OK"});
    QCOMPARE(closed, 0);

    // Hiding the window (closing once a transfer ends) leaves it visible.
    m_window.hide();
    QVERIFY(box->isVisible());
    m_window.show();

    QPointer<QMessageBox> guard(box);
    box->buttons().constFirst()->click();
    QCOMPARE(closed, 1);
    QTRY_VERIFY(guard.isNull());   // released once closed
}

void DialogsSeamTest::allFilesListsNamesWithoutADot()
{
    QTemporaryDir dir;
    touch(dir.filePath(QStringLiteral("noext")));
    touch(dir.filePath(QStringLiteral("db.k5d")));
    touch(dir.filePath(QStringLiteral("notes.txt")));
    DatabaseFileDialog dialog(&m_window, QFileDialog::AcceptOpen, k510::ui::databaseFileOptions());
    dialog.setDirectory(dir.path());
    dialog.show();

    QTRY_COMPARE(listedNames(dialog), QStringList{"db.k5d"});
    dialog.selectNameFilter(QStringLiteral("Все файлы (*)"));
    QTRY_COMPARE(listedNames(dialog), (QStringList{"db.k5d", "noext", "notes.txt"}));
}

void DialogsSeamTest::openTakesTheTypedNameFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("opened");
    QTest::newRow("exists without extension") << "noext" << "noext";
    QTest::newRow("extension added when missing") << "list" << "list.k5d";
    QTest::newRow("both exist: as typed") << "both" << "both";
    QTest::newRow("typed with extension") << "list.k5d" << "list.k5d";
}

void DialogsSeamTest::openTakesTheTypedNameFirst()
{
    QFETCH(QString, typed);
    QFETCH(QString, opened);
    QTemporaryDir dir;
    for (const char *name : {"noext", "list.k5d", "both", "both.k5d"})
        touch(dir.filePath(QLatin1String(name)));
    DatabaseFileDialog dialog(&m_window, QFileDialog::AcceptOpen, k510::ui::databaseFileOptions());
    dialog.setDirectory(dir.path());
    dialog.show();
    dialog.selectNameFilter(QStringLiteral("Все файлы (*)"));
    auto *nameEdit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(nameEdit);
    nameEdit->setText(typed);

    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenFile(), dir.filePath(opened));
}

// The save dialog opens on the entry it is given and reports the entry the
// user leaves it on, with the default suffix added as before.
void DialogsSeamTest::saveCarriesTheFilterInAndOut()
{
    const QString semicolon = QStringLiteral("CSV, разделитель «;» (*.csv)");
    const QString comma = QStringLiteral("CSV, разделитель «,» (*.csv)");
    QTemporaryDir dir;
    const UserDialogs::FileDialogOptions options{semicolon + QStringLiteral(";;") + comma
                                                     + QStringLiteral(";;Все файлы (*)"),
                                                 QStringLiteral("csv"), dir.path(), comma};
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<DatabaseFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        offered = dialog->nameFilters();
        offered.prepend(dialog->selectedNameFilter());
        dialog->selectNameFilter(semicolon);
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("list"));
        dialog->accept();
    });
    const UserDialogs::FileChoice chosen = m_dialogs.saveFileChoice(&m_window, options);
    QCOMPARE(offered, (QStringList{comma, semicolon, comma, QStringLiteral("Все файлы (*)")}));
    QCOMPARE(chosen.path, dir.filePath(QStringLiteral("list.csv")));
    QCOMPARE(chosen.filter, semicolon);
}

void DialogsSeamTest::qtTextsAreRussian()
{
    DatabaseFileDialog dialog(&m_window, QFileDialog::AcceptOpen, k510::ui::databaseFileOptions());
    dialog.show();
    QStringList texts{dialog.windowTitle()};
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts.append(label->text());
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        texts.append(button->text());
    for (const char *english : {"Open", "Look in:", "File name:", "Files of type:", "&Open", "Cancel"})
        QVERIFY2(!texts.contains(QLatin1String(english)), qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY(texts.contains(QStringLiteral("Отмена")));
    QVERIFY(QLocale().formattedDataSize(0).contains(QStringLiteral("байт")));

    // The list's columns too, whatever the system's locale: a folder's
    // type, a file's size and date.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Папка1")));
    QFile file(dir.filePath(QStringLiteral("a.k5d")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(2048, 'x')) == 2048 && file.flush());
    QVERIFY(file.setFileTime(QDateTime(QDate(2024, 12, 9), QTime(14, 3)), QFileDevice::FileModificationTime));
    file.close();
    DatabaseFileDialog listing(&m_window, QFileDialog::AcceptOpen, k510::ui::databaseFileOptions(dir.path()));
    listing.show();
    const auto *view = listing.findChild<QTreeView *>(QStringLiteral("treeView"));
    QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 2);
    const auto cell = [view](const QString &name, int column) {
        const QAbstractItemModel *model = view->model();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            if (model->index(row, 0, view->rootIndex()).data().toString() == name)
                return model->index(row, column, view->rootIndex()).data().toString();
        }
        return QStringLiteral("no row %1").arg(name);
    };
    QCOMPARE(cell(QStringLiteral("Папка1"), 2), QStringLiteral("Папка"));
    QCOMPARE(cell(QStringLiteral("a.k5d"), 1), QStringLiteral("2,0 кБ"));
    QCOMPARE(cell(QStringLiteral("a.k5d"), 3), QStringLiteral("09.12.2024 14:03"));
}

QTEST_MAIN(DialogsSeamTest)
#include "tst_dialogs_seam.moc"
