// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TfrmMain.h"
#include "transfer/TransferHost.h"

// The main window as the transfer controller sees it. A separate adapter
// because TransferHost::window() would hide QWidget::window() in TfrmMain.
class MainWindowTransferHost : public TransferHost {
public:
    explicit MainWindowTransferHost(TfrmMain &window) : m_window(window) {}

    const k510::ChannelDatabase &database() const override { return m_window.database(); }
    void setTransferStatus(const QString &text) override { m_window.setTransferStatus(text); }
    bool loadReceivedImage(const QByteArray &image) override
    {
        return m_window.loadReceivedImage({reinterpret_cast<const std::uint8_t *>(image.constData()), std::size_t(image.size())});
    }
    bool mayDropChanges() override { return m_window.mayDropChanges(); }
    UserDialogs &dialogs() override { return m_window.dialogs(); }
    void reportSettingsProblem(const QString &problem) override { m_window.reportSettingsProblem(problem); }
    QWidget *window() override { return &m_window; }
    QString rememberedPort() const override { return m_window.editorSettings().port(); }
    void rememberPort(const QString &systemName) override { m_window.editorSettings().rememberPort(systemName); }

private:
    TfrmMain &m_window;
};
