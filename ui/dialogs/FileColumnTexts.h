// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIdentityProxyModel>

// The file dialogs' list as Qt shows it, but with sizes and dates in the
// editor's language: Qt's file system model writes them for the system's
// locale, so an English system would show "9 Dec" in a Russian dialog.
class FileColumnTexts : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
