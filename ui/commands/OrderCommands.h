// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"
#include "model/ChannelKind.h"

#include <QObject>

#include <functional>

class EditorSettings;
class OrderSummaryDialog;
class QWidget;
class UserDialogs;

namespace k510::ui {

class ChannelPage;
class EditHistory;

// What the order commands work on, lent by the main window.
class NewChannels;

struct OrderTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;   // each command is one step
    ChannelPage &tv;
    ChannelPage &radio;
    EditorSettings &settings;   // the folder the file dialog starts in
    QWidget &window;        // the parent of the file and summary dialogs
    std::function<void(ChannelKind)> refill;   // cbTvSelectSatSelect / cbRadioSelectSatSelect
    // The orders and the groups changed: every page shows the database again.
    std::function<void()> showDatabaseAgain;
    NewChannels &newChannels;   // those the reference did not have, for "Новые"
};

// Commands that set the channel order as a whole: keeping a sorted view as
// the order, taking the order and the favourite groups of another database
// after a rescan, and finding the channels a rescan brought in twice.
class OrderCommands : public QObject {
    Q_OBJECT
public:
    OrderCommands(OrderTargets targets, QObject *parent);

    // "Упорядочить как показано": the TV or radio order becomes the order in
    // which the page's rows stand now. Only a page showing the whole order
    // unfiltered can do that; any other does nothing.
    void orderAsShown(ChannelKind kind);

    // "Упорядочить по образцу...": asks for another database (an image, or a
    // CSV list the editor exported, read as a list of `csvKind`), shows what
    // taking its order and groups would do, and does it on "OK" as one step.
    void orderByExample(ChannelKind csvKind);

    // "Выделить дубликаты": selects the page's rows whose channel is a copy
    // of one before it in the order (same transponder and service ID), so
    // "Удалить" takes the later copies. "Выделить похожие названия" selects
    // instead those that only share transponder and name with one before
    // them, for the user to look at. Each returns the note for the status
    // bar: how many it selected, and how many of the other case there are.
    QString selectDuplicates(ChannelKind kind);
    QString selectSimilarNames(ChannelKind kind);

private:
    [[nodiscard]] ChannelPage &pageOf(ChannelKind kind) const;
    // Selects the page's shown rows of these TV (radio) numbers alone, the
    // first of them current; returns how many.
    int selectChannels(ChannelKind kind, const std::vector<int> &numbers);

    OrderTargets m;
    OrderSummaryDialog *m_summary;
};

} // namespace k510::ui
