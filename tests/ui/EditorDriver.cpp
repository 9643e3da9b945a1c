// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDriver.h"


#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using k510::ui::ReportList;

EditorDriver::EditorDriver(const std::function<void(const QString &)> &prepareConfig)
{
    // The window reads and writes "k510.ini" in the user's configuration
    // folder and keeps the transfer history in its data folder; keep both
    // in the scratch folder.
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
    if (prepareConfig)
        prepareConfig(m_dir.path());
    m_window = std::make_unique<TfrmMain>(m_dialogs);
    // The offscreen platform says so once for every main window shown.
    QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("the window was not exposed");
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString windowTitleFor(const QString &path)
{
    const QString title = QStringLiteral("Редактор Каналов Tessora K-510/560/565 v2.00");
    return path.isEmpty() ? title : title + QStringLiteral(" | ") + QDir::toNativeSeparators(path);
}

void renameFirstTvChannelTo(EditorDriver &editor, const QString &name)
{
    editor.clickTab(TfrmMain::PageTv);
    editor.clickRow(editor.list("lvTvCh"), 0);
    editor.dialogs().dialogScript.push_back([name](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("leName"))->setText(name);
        return true;
    });
    editor.window().pmChangeClick();
}

void renameFirstTvChannel(EditorDriver &editor)
{
    renameFirstTvChannelTo(editor, QStringLiteral("Другое имя"));
}

QString EditorDriver::writeImageFile(const k510::ChannelDatabase &db, const QString &fileName)
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write a test image");
    file.write(imageBytes(db));
    return file.fileName();
}

void EditorDriver::openThroughMenu(const QString &path)
{
    m_dialogs.openNames.append(path);
    m_window->findChild<QAction *>(QStringLiteral("mmFileOpen"))->trigger();
}

void EditorDriver::saveThroughMenu(const QString &typedName)
{
    m_dialogs.saveNames.append(typedName);
    m_window->findChild<QAction *>(QStringLiteral("N5"))->trigger();
}

void EditorDriver::clickTab(int page)
{
    QTabBar *bar = m_window->findChild<QTabWidget *>(QStringLiteral("Pages"))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void EditorDriver::choose(QComboBox *selector, int entry)
{
    // What a user's choice in the drop-down amounts to.
    selector->setCurrentIndex(entry);
    emit selector->activated(entry);
}

void EditorDriver::chooseTransponderSatellite(int entry)
{
    m_window->findChild<QListWidget *>(QStringLiteral("cbTpSelectSat"))->setCurrentRow(entry);
}

void EditorDriver::clickRow(ReportList *list, int row, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex cell = list->model()->index(row, 1);
    list->scrollTo(cell);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualRect(cell).center());
}

void EditorDriver::selectRows(ReportList *list, std::initializer_list<int> rows)
{
    selectRows(list, std::vector<int>(rows));
}

void EditorDriver::selectRows(ReportList *list, const std::vector<int> &rows)
{
    list->clearSelection();
    for (const int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void EditorDriver::clickColumnTitle(ReportList *list, int column)
{
    QHeaderView *titles = list->horizontalHeader();
    const QPoint point(titles->sectionViewportPosition(column) + titles->sectionSize(column) / 2, titles->height() / 2);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, point);
}

void EditorDriver::pressKey(ReportList *list, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(list, key, modifiers);
}

ReportList *EditorDriver::list(const char *objectName) const
{
    return m_window->findChild<ReportList *>(QString::fromLatin1(objectName));
}

QComboBox *EditorDriver::combo(const char *objectName) const
{
    return m_window->findChild<QComboBox *>(QString::fromLatin1(objectName));
}

QString EditorDriver::fieldText(const char *objectName) const
{
    return m_window->findChild<QLineEdit *>(QString::fromLatin1(objectName))->text();
}

QString EditorDriver::title() const
{
    QString shown = m_window->windowTitle();
    return shown.replace(QStringLiteral("[*]"), m_window->isWindowModified() ? QStringLiteral("*") : QString());
}

QString EditorDriver::statusPanel(int panel) const
{
    return m_window->findChild<QLabel *>(QStringLiteral("sbStatusPanel%1").arg(panel))->text();
}

QStringList EditorDriver::column(const ReportList *list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts.append(list->text(row, column));
    return texts;
}

std::vector<int> EditorDriver::selectedRows(const ReportList *list)
{
    return list->selectedRowNumbers();
}
