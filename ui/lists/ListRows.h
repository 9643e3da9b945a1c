// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace k510::ui {

// What a row stands for, read with these data roles: the index of the
// database object it shows (a satellite, transponder or channel index; -1
// for an entry that names nothing) and its place in the list the rows show
// in order (a place in the order list or a group; -1 where the rows follow
// no such list).
inline constexpr int RowIdentityRole = Qt::UserRole;
inline constexpr int RowPlaceRole = Qt::UserRole + 1;

// The rows of one report list, read from the database on demand: a row
// holds what it stands for and its number, and its cells are made when they
// are shown. Nothing here is a copy of the database; after the database
// changed, refresh() reads the rows again and says so with one reset.
class ListRows : public QAbstractTableModel {
    Q_OBJECT
public:
    ListRows(QStringList columnTitles, QObject *parent);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;

    [[nodiscard]] int count() const { return int(m_rows.size()); }
    [[nodiscard]] const QStringList &columnTitles() const { return m_titles; }
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QStringList cells(int row) const;
    [[nodiscard]] int identityOf(int row) const;
    [[nodiscard]] int placeOf(int row) const;
    // The number "#" shows for a row; 0 for none.
    [[nodiscard]] int numberOf(int row) const;
    // The largest number any row shows.
    [[nodiscard]] int largestNumber() const { return m_largestNumber; }
    // What follows a row across a change of the database: equal for the
    // same record before and after, whatever its index became. Taken when
    // the rows are read, while they agree with the database.
    [[nodiscard]] std::uint64_t followKey(int row) const;

    // A column after the others that the user may show or hide ("Спутник"):
    // its title, and whether it is shown. Its cells are the rows' cellText
    // for the column past the fixed ones.
    void setOptionalColumn(const QString &title) { m_optionalTitle = title; }
    void showOptionalColumn(bool shown);
    [[nodiscard]] bool showsOptionalColumn() const { return m_titles.size() > m_fixedColumns; }

    // Rows shown in bold (a channel the group being filled holds).
    [[nodiscard]] bool isMarked(int row) const;
    void setMarked(int row, bool marked);

    // Reads the same rows again after the database changed: one reset,
    // announced before and after so a view keeps its place and selection.
    void refresh();
    // Reads the rows that the list now shows afresh, as when another
    // satellite or group is chosen.
    void refill();
    // No rows at all, until the next refill (a page not shown yet).
    void clear();

signals:
    void aboutToRefresh();
    void refreshed();
    // Other rows come (another satellite or group chosen): a view shows them
    // afresh, in their own order.
    void aboutToRefill();

protected:
    struct Row {
        int identity = -1;
        int number = 0;
        int place = -1;
        std::uint64_t key = 0;   // see followKey; the identity unless keyOf says otherwise
    };
    // The rows as the database holds them now.
    [[nodiscard]] virtual std::vector<Row> readRows() const = 0;
    // The text of one cell besides "#"; called only for a row that exists.
    [[nodiscard]] virtual QString cellText(const Row &row, int column) const = 0;
    // The follow key of a row just read; its identity by default.
    [[nodiscard]] virtual std::uint64_t keyOf(const Row &row) const;
    // What a row says when the pointer rests on it; nothing by default.
    [[nodiscard]] virtual QString toolTipOf(const Row &row) const;

private:
    enum class Place { Kept, Anew };
    void replaceRows(std::vector<Row> rows, Place place);

    QStringList m_titles;
    qsizetype m_fixedColumns;
    QString m_optionalTitle;
    std::vector<Row> m_rows;
    std::vector<bool> m_marked;
    int m_largestNumber = 0;
};

// Mixes a value into a follow key.
[[nodiscard]] std::uint64_t mixedKey(std::uint64_t key, std::uint64_t value);

} // namespace k510::ui
