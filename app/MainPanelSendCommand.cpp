// Sending the settings image to the chosen printer.
#include "app/BusyCursor.h"
#include "app/MainPanelDialog.h"
#include "app/Messages.h"
#include "app/SettingsTransmission.h"
#include "framework/Services.h"
#include "platform/PrinterSystem.h"

void MainPanelDialog::OnSendSettings() {
    if (CorrectPendingHeadCentring())
        return;
    if (m_printerName.isEmpty() || m_portName.isEmpty()) {
        MessageBox(this, msg::NoPrinterSelected(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
        OnSelectPrinter();
    }
    if (m_portName == QStringLiteral("FILE:")) {
        MessageBox(this, msg::FilePortRefused(), msg::Caption(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    StoreAllPages(m_current);
    const bool sent = [&] {
        BusyCursor busy;
        return SendSettingsImage(platform::CurrentPrinterSystem(), m_printerName.toStdString(), m_current)
            .accepted();
    }();
    // Whatever the spooler's reason, the user hears the one message and chooses again.
    if (sent) {
        MessageBox(this, msg::Sent(), msg::Caption(), MB_OK | MB_ICONINFORMATION);
        m_printerBaseline = m_current;
        SetSendEnabled(false);
        return;
    }
    MessageBox(this, msg::PrinterNotAvailable(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
    OnSelectPrinter();
}
