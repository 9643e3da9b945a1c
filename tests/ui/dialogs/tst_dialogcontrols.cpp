// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogTestHelpers.h"
#include "ui/dialogs/TsatEditDlg.h"
#include "ui/dialogs/TsvcAddDlg.h"
#include "ui/dialogs/TsvcEditDlg.h"
#include "ui/dialogs/TtpEditDlg.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<QDialog> makeDialog(const QString &kind)
{
    if (kind == QLatin1String("satellite"))
        return std::make_unique<TsatEditDlg>();
    if (kind == QLatin1String("transponder"))
        return std::make_unique<TtpEditDlg>();
    if (kind == QLatin1String("add channel"))
        return std::make_unique<TsvcAddDlg>();
    return std::make_unique<TsvcEditDlg>();
}

} // namespace

// What every editing dialog owes its callers: each control findable by its
// name, Return accepting through the default button, Escape cancelling.
class DialogControlsTest : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void captionsFitTheDialogs_data();
    void captionsFitTheDialogs();
};

void DialogControlsTest::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("returnIn"); // an edit where Return accepts

    const QStringList channel{"leName", "leSIDInfo", "lePMTInfo", "leVPid",
                              "leAPid", "lePcrInfo", "OKBtn", "CancelBtn"};
    QTest::newRow("satellite") << "satellite"
                               << QStringList{"leSatName", "cb22KHZ", "cb12V", "cbLNBP", "cbSwitchType", "cbDS10",
                                              "cbDS11", "rgEW", "rgEW_E", "rgEW_W", "leUSALS", "rgLnbType",
                                              "rgLnbType_Single", "rgLnbType_OCS", "rgLnbType_Universal",
                                              "leLnbLow", "leLnbHigh", "OKBtn", "CancelBtn"}
                               << "leSatName";
    QTest::newRow("transponder") << "transponder"
                                 << QStringList{"rgPolarization", "rgPolarization_H", "rgPolarization_V", "leFrequency",
                                                "leRate", "cbFec", "OKBtn", "CancelBtn"}
                                 << "leRate";
    QTest::newRow("add channel") << "add channel" << channel + QStringList{"cbSelTp", "boxFTA"} << "lePcrInfo";
    QTest::newRow("edit channel") << "edit channel" << channel << "leName";
}

void DialogControlsTest::controls()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, names);
    QFETCH(QString, returnIn);

    const auto dialog = makeDialog(kind);
    for (const QString &name : names)
        QVERIFY2(dialog->findChildren<QWidget *>(name).size() == 1, qPrintable(name));

    QVERIFY(showWithoutExec(*dialog));
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    QTest::keyClick(child<QLineEdit>(*dialog, returnIn), Qt::Key_Return);
    QCOMPARE(accepted.count(), 1);
    dialog->show();
    QTest::keyClick(child<QWidget>(*dialog, names.first()), Qt::Key_Escape);
    QCOMPARE(rejected.count(), 1);
}

void DialogControlsTest::captionsFitTheDialogs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");   // set by the command, when not the dialog's own
    QTest::newRow("transponder add") << "transponder" << "Добавление транспондера";
    QTest::newRow("transponder edit") << "transponder" << "Редактирование транспондера";
    QTest::newRow("TV add") << "add channel" << "";
    QTest::newRow("radio add") << "add radio" << "";
    QTest::newRow("channel edit") << "edit channel" << "";
}

// A shown dialog is wide enough for its caption in a bold title-bar font
// beside the title bar's buttons, so it is never cut to "Добавл… ндера".
void DialogControlsTest::captionsFitTheDialogs()
{
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    std::unique_ptr<QDialog> dialog;
    if (kind == QLatin1String("add radio"))
        dialog = std::make_unique<TsvcAddDlg>(k510::ChannelKind::Radio);
    else
        dialog = makeDialog(kind);
    if (!caption.isEmpty())
        static_cast<TtpEditDlg &>(*dialog).setCaption(caption);
    QVERIFY(showWithoutExec(*dialog));
    QFont bold = dialog->font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    QVERIFY2(dialog->width() >= title.horizontalAdvance(dialog->windowTitle()) + 4 * title.height(),
             qPrintable(QStringLiteral("%1: %2 px").arg(dialog->windowTitle()).arg(dialog->width())));
    dialog->reject();
}

QTEST_MAIN(DialogControlsTest)
#include "tst_dialogcontrols.moc"
