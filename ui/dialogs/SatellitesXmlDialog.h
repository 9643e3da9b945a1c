// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QTreeWidget;

// "Транспондеры из списка satellites.xml": a satellite of the list, the
// database satellite it updates, and the list's transponders with what would
// happen to each, a check box per row. "OK" hands back the ticked rows;
// "Отмена" changes nothing.
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
        QStringList summary;    // counts, one line each
        QString unusableCount;  // "непригодных записей: 2"
        QStringList unusable;   // the entries that could not be read, each with its line
    };
    // The rows for a satellite of the list and one of the database, both as
    // indices into the selectors' entries.
    using Planner = std::function<Rows(int listSatellite, int databaseSatellite)>;

    explicit SatellitesXmlDialog(QWidget *parent = nullptr);

    void load(const QString &listFile, const QStringList &listSatellites, int listChoice,
              const QStringList &databaseSatellites, int databaseChoice, Planner planner);
    [[nodiscard]] int listSatellite() const;
    [[nodiscard]] int databaseSatellite() const;
    // Per row of the list shown: ticked and tickable.
    [[nodiscard]] std::vector<bool> ticked() const;

private:
    void showRows();

    Planner m_planner;
    QLabel *m_file;
    QComboBox *m_listSatellite;
    QComboBox *m_databaseSatellite;
    QTreeWidget *m_rows;
    QLabel *m_summary;
    QLabel *m_unusable;
};
