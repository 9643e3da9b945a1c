// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>

#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class QWidget;
class UserDialogs;

namespace k510::ui {

class EditHistory;
class PageTabs;
class RenameDialog;

struct SelectionTargets {
    ChannelDatabase &database;
    UserDialogs &dialogs;
    EditHistory &history;   // each command is one step
    PageTabs &pages;
    // The page shown reads its rows again, keeping its place, filter and selection.
    std::function<void()> showChanges;
};

// Commands on the channels selected (and shown) in the list of the page
// shown, TV, radio or favourites: the lock, the scrambled mark, a favourite
// group and renaming by rule. Each is one step; a refusal changes nothing
// and says why.
class SelectionCommands : public QObject {
    Q_OBJECT
public:
    SelectionCommands(SelectionTargets targets, QWidget *dialogParent);

    void setLocked(bool locked);         // "Заблокировать" / "Разблокировать"
    void setScrambled(bool scrambled);   // "Отметить как кодированные" / "... открытые"
    void addToGroup(int group);          // "Добавить в избранные" > a group, from 0
    void rename();                       // "Переименовать..."

    // The channels selected: their kind and TV channel numbers (radio
    // numbers) in the order shown, each once; nothing on another page or
    // with no channel selected.
    struct Chosen {
        ChannelKind kind = ChannelKind::Tv;
        std::vector<int> numbers;
        // What the list's "#" shows for each of them (the place in the order
        // or group, or the channel's number on one satellite), by number.
        std::unordered_map<int, int> shownNumbers;
    };
    [[nodiscard]] std::optional<Chosen> chosen() const;

private:
    // Runs a model change of the chosen channels as one step named `name`;
    // a refusal is shown and leaves no step.
    template <class Change>
    void changeChosen(const QString &name, const Chosen &chosen, Change change);

    SelectionTargets m;
    RenameDialog *m_rename;
};

} // namespace k510::ui
