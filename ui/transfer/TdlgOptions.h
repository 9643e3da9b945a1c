#pragma once

#include <QDialog>

#include "link/PortSettings.h"
#include "link/SettingsFile.h"

class QComboBox;

// The port settings dialog, "Настройки связи". Created once at start-up: it
// reads "k510.ini" then and keeps its lists' selection from one showing to
// the next, even a cancelled one. "OK" stores the positions in the file and
// makes the shown texts active (settingsStored); "Отмена" changes nothing.
class TdlgOptions : public QDialog {
    Q_OBJECT
public:
    explicit TdlgOptions(k510::link::SettingsFile settingsFile = {}, QWidget *parent = nullptr);

    // The texts the two lists show (empty where nothing is selected).
    [[nodiscard]] k510::link::PortSettings shownSettings() const;
    // Why "k510.ini" could not be read at start-up; empty when it was.
    [[nodiscard]] const QString &loadProblem() const { return m_loadProblem; }

public slots:
    void OKBtnClick();

signals:
    void settingsStored(const k510::link::PortSettings &settings);
    // "OK" could not write the file; the settings are active all the same.
    void settingsNotWritten(const QString &problem);

private:
    QComboBox *m_cbPort = nullptr;
    QComboBox *m_cbSpeed = nullptr;
    k510::link::SettingsFile m_settingsFile;
    QString m_loadProblem;
};

