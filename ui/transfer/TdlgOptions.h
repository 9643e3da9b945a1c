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

public slots:
    void OKBtnClick();

signals:
    void settingsStored(const k510::link::PortSettings &settings);

private:
    QComboBox *m_cbPort = nullptr;
    QComboBox *m_cbSpeed = nullptr;
    k510::link::SettingsFile m_settingsFile;
};

