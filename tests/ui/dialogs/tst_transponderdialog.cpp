// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestHelpers.h"
#include "ui/dialogs/TtpEditDlg.h"

#include <QRadioButton>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(TransponderForm)

// The transponder dialog: its resting state, what loading keeps, and that
// nothing is cleared between uses.
class TransponderDialogTest : public QObject {
    Q_OBJECT
private slots:
    void startsEmpty();
    void loading_data();
    void loading();
    void keepsContentsBetweenUses();
};

void TransponderDialogTest::startsEmpty()
{
    TtpEditDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Параметры транспондера"));
    QCOMPARE(dialog.form(), (TransponderForm{.polarisation = -1, .frequency = "", .rate = "", .fec = 0}));
    QCOMPARE(child<QComboBox>(dialog, "cbFec")->currentText(), QStringLiteral("AUTO"));
}

void TransponderDialogTest::loading_data()
{
    QTest::addColumn<TransponderForm>("loaded");
    QTest::addColumn<TransponderForm>("shown");

    // The dialog showed V, 11475, 27500, "3/4" before.
    QTest::newRow("horizontal, 5/6")
        << TransponderForm{0, "12188", "27500", 4} << TransponderForm{0, "12188", "27500", 4};
    QTest::newRow("vertical, AUTO")
        << TransponderForm{1, "3900", "1000", 0} << TransponderForm{1, "3900", "1000", 0};
    QTest::newRow("FEC not in the list keeps the choice")
        << TransponderForm{0, "10700", "22000", -1} << TransponderForm{0, "10700", "22000", 3};
    QTest::newRow("FEC beyond the list keeps the choice")
        << TransponderForm{0, "10700", "22000", 6} << TransponderForm{0, "10700", "22000", 3};
    QTest::newRow("no polarisation clears it")
        << TransponderForm{-1, "", "", 1} << TransponderForm{-1, "", "", 1};
}

void TransponderDialogTest::loading()
{
    QFETCH(TransponderForm, loaded);
    QFETCH(TransponderForm, shown);
    TtpEditDlg dialog;
    dialog.load({1, "11475", "27500", 3});
    dialog.load(loaded);
    QCOMPARE(dialog.form(), shown);
    QCOMPARE(child<QRadioButton>(dialog, "rgPolarization_H")->isChecked(), shown.polarisation == 0);
    QCOMPARE(child<QRadioButton>(dialog, "rgPolarization_V")->isChecked(), shown.polarisation == 1);
}

void TransponderDialogTest::keepsContentsBetweenUses()
{
    TtpEditDlg dialog;
    dialog.setCaption(QStringLiteral("Редактирование транспондера"));
    dialog.load({0, "11475", "27500", 5});
    child<QPushButton>(dialog, "OKBtn")->click();

    // The add command shows the dialog again without loading it.
    dialog.setCaption(QStringLiteral("Добавление транспондера"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление транспондера"));
    QCOMPARE(dialog.form(), (TransponderForm{0, "11475", "27500", 5}));

    child<QRadioButton>(dialog, "rgPolarization_V")->click();
    typeInto(*child<QLineEdit>(dialog, "leFrequency"), QStringLiteral("12000"));
    typeInto(*child<QLineEdit>(dialog, "leRate"), QStringLiteral("30000"));
    child<QComboBox>(dialog, "cbFec")->setCurrentIndex(2);
    child<QPushButton>(dialog, "CancelBtn")->click();
    QCOMPARE(dialog.form(), (TransponderForm{1, "12000", "30000", 2}));
}

QTEST_MAIN(TransponderDialogTest)
#include "tst_transponderdialog.moc"
