// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "link/PortList.h"
#include "link/PortSettings.h"
#include "storage/SettingsFile.h"

#include <memory>

class QComboBox;
class QLabel;

// The port settings dialog, "Настройки связи". Created once at start-up: it
// reads "k510.ini" then and keeps its lists' selection from one showing to
// the next, even a cancelled one. "OK" stores the positions in the file and
// makes the shown texts active (settingsStored); "Отмена" changes nothing.
//
// The port list is COM1..COM4 followed by the ports the system reports and
// the remembered port, if that is none of them ("(не подключён)"). A port
// beyond COM1..COM4 has no position in "k510.ini": choosing it leaves "Port"
// as it was, and the caller remembers the port elsewhere. "Обновить" reads
// the system's ports again.
class TdlgOptions : public QDialog {
    Q_OBJECT
public:
    // `rememberedPort` is selected instead of the file's "Port" when given;
    // `ports` defaults to the system's.
    explicit TdlgOptions(k510::storage::SettingsFile settingsFile = {}, QWidget *parent = nullptr,
                         const QString &rememberedPort = {},
                         std::shared_ptr<const k510::link::PortLister> ports = {});

    // The port name and speed text the two lists show (empty where nothing
    // is selected).
    [[nodiscard]] k510::link::PortSettings shownSettings() const;
    // Why "k510.ini" could not be read at start-up; empty when it was.
    [[nodiscard]] const QString &loadProblem() const { return m_loadProblem; }

public slots:
    void OKBtnClick();
    // "Обновить": the list anew, the selection kept.
    void RefreshBtnClick();

signals:
    void settingsStored(const k510::link::PortSettings &settings);
    // "OK" could not write the file; the settings are active all the same.
    void settingsNotWritten(const QString &problem);

private:
    void fillPorts(const QString &kept);
    void showDevice();

    QComboBox *m_cbPort = nullptr;
    QComboBox *m_cbSpeed = nullptr;
    QLabel *m_device = nullptr;
    k510::storage::SettingsFile m_settingsFile;
    std::shared_ptr<const k510::link::PortLister> m_ports;
    QString m_loadProblem;
};
