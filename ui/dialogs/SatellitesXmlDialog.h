// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// "Транспондеры из списка satellites.xml": a satellite of the list, the
// database satellite it updates, and the list's transponders with what would
// happen to each, a check box per row. The list's satellite follows the
// database's by position; with none there, none is chosen and nothing is
// ticked. "OK" hands back the ticked rows; "Отмена" changes nothing.
class SatellitesXmlDialog : public QDialog {
    Q_OBJECT
public:
    struct Row {
        QString polarisation;   // as the list says it: "H", "V", "L", "R"
        QString frequency;      // MHz
        QString symbolRate;     // ks/s
        QString fec;
        QString fate;           // "новый", "уже есть", "частота изменится: ..."
        bool tickable = true;
        bool ticked = false;
        bool greyed = false;    // not receivable at all
    };
    struct Rows {
        std::vector<Row> rows;
        QStringList notes;      // above the rows: why nothing is offered, what was replaced in the file
        QString unusableCount;  // "непригодных записей: 2"
        QStringList unusable;   // the entries that could not be read, each with its line
    };
    // What the dialog asks of its command. Satellites are indices into the
    // selectors' entries; the list's is -1 for none.
    struct Source {
        std::function<Rows(int listSatellite, int databaseSatellite)> rows;
        // The counts for the rows ticked, one line each.
        std::function<QStringList(int listSatellite, int databaseSatellite, const std::vector<bool> &ticked)> counts;
        // The list's satellite at the database satellite's position, or -1.
        std::function<int(int databaseSatellite)> listSatelliteFor;
        // Whether the user wants the pair chosen by hand (asked when their positions differ).
        std::function<bool(int listSatellite, int databaseSatellite)> acceptsPair;
    };

    explicit SatellitesXmlDialog(QWidget *parent = nullptr);

    void load(const QString &listFile, const QStringList &listSatellites, const QStringList &databaseSatellites,
              int databaseChoice, Source source);
    // Lets go of the source and its rows once the dialog has been answered.
    void clear();
    [[nodiscard]] int listSatellite() const;
    [[nodiscard]] int databaseSatellite() const;
    // Per row of the list shown: ticked and tickable.
    [[nodiscard]] std::vector<bool> ticked() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void databaseSatelliteChosen();
    void listSatelliteChosen();
    void showRows();
    void showCounts();
    // Ticks or unticks those of the items that can be ticked.
    void tick(const QList<QTreeWidgetItem *> &items, bool ticked);
    void toggleSelected();
    // Grows tall enough for kRowsShown rows and the notes shown, as far as the screen allows.
    void sizeForRows();

    Source m_source;
    int m_shownList = -1;   // the list satellite whose rows are shown
    QLabel *m_file;
    QComboBox *m_listSatellite;
    QComboBox *m_databaseSatellite;
    QLabel *m_notes;
    QTreeWidget *m_rows;
    QLabel *m_summary;
    QLabel *m_unusable;
};
