// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileColumnTexts.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

} // namespace

QVariant FileColumnTexts::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files || (index.column() != kSizeColumn && index.column() != kDateColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QLocale locale;   // the editor's, not the system's
    if (index.column() == kDateColumn)
        return locale.toString(files->lastModified(source), QLocale::ShortFormat);
    return files->isDir(source) ? QString() : locale.formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
}
