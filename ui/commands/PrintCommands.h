// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "ui/print/PrintDocument.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class EditorSettings;
class QWidget;
class UserDialogs;

namespace k510::ui {

class PageTabs;

struct PrintTargets {
    const ChannelDatabase &database;
    UserDialogs &dialogs;
    EditorSettings &settings;
    PageTabs &pages;
    QWidget &window;   // the parent of the preview and the file dialog
    // The window's file, for the header; empty when the database lives in none.
    std::function<QString()> filePath;
    // A PDF file was written: "Экспортировано" and its path.
    std::function<void(const QString &what, const QString &path)> fileWritten;
};

// "Печать..." and "Экспорт в PDF...": what the page shown holds, as it shows
// it (sorted, filtered, one satellite's or all), on paper or in a PDF file.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    PrintCommands(PrintTargets targets, QObject *parent);

    // The print preview, from which the user prints or sets the page up.
    void print();
    // The same document to a PDF file, written as safely as a database.
    void exportPdf();

    // The document of page 0..5 of the tabs as it shows now; on a
    // favourites page the group shown, or every group holding channels.
    [[nodiscard]] PrintDocument documentOfPage(int page, bool allGroups) const;
    // Writes the document as a PDF file, replacing one only once the new
    // one is complete. The error text, empty when the file was written.
    [[nodiscard]] static QString writePdf(const PrintDocument &document, const QString &path);

private:
    // The document of the page shown; on a favourites page the user first
    // chooses the group or all of them. Nothing when the user cancelled.
    [[nodiscard]] std::optional<PrintDocument> documentToPrint();

    PrintTargets m_targets;
};

} // namespace k510::ui
