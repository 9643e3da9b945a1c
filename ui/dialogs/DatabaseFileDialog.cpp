// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseFileDialog.h"

#include "FileColumnTexts.h"

#include <QFileInfo>

DatabaseFileDialog::DatabaseFileDialog(QWidget *parent, AcceptMode mode,
                                       const UserDialogs::FileDialogOptions &options)
    : QFileDialog(parent)
    , m_defaultSuffix(options.defaultSuffix)
{
    setObjectName(mode == AcceptOpen ? QStringLiteral("openDialog") : QStringLiteral("saveDialog"));
    setOption(DontUseNativeDialog, true);
    setProxyModel(new FileColumnTexts(this));
    setAcceptMode(mode);
    setFileMode(mode == AcceptOpen ? ExistingFile : AnyFile);
    setNameFilter(options.filter);
    if (!options.selectedFilter.isEmpty())
        selectNameFilter(options.selectedFilter);
    if (!options.directory.isEmpty())
        setDirectory(options.directory);
    // Opening adds the suffix only on accepting: with it set, typing a name
    // would already select "name.k5d" in the list over "name" itself.
    if (mode == AcceptSave)
        setDefaultSuffix(m_defaultSuffix);
    // The save command asks itself, once the final name is known.
    setOption(DontConfirmOverwrite, true);
    setOption(ReadOnly, false);
}

QString DatabaseFileDialog::chosenFile() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

void DatabaseFileDialog::accept()
{
    if (acceptMode() == AcceptOpen) {
        // Look at the name as typed first; Qt would add the suffix to any
        // name without a dot.
        const QString typed = chosenFile();
        setDefaultSuffix(typed.isEmpty() || QFileInfo::exists(typed) ? QString() : m_defaultSuffix);
    }
    QFileDialog::accept();
}
