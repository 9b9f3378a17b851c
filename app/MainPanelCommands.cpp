// The guarded commands of the main window: switching printer, factory settings and exit. Each asks
// before unsent or unsaved settings are lost.
#include "app/MainPanelDialog.h"
#include "app/Messages.h"
#include "framework/Services.h"
#include "settings/FactoryImage.h"

bool MainPanelDialog::CorrectPendingHeadCentring() {
    if (!m_pageParam.HasPendingCorrection())
        return false;
    if (CurrentPageIndex() != 1)
        SelectPage(1);
    m_pageParam.CorrectHeadCentring();
    return true;
}

bool MainPanelDialog::SettleChanges(const QString& sendQuestion, const QString& saveQuestion) {
    StoreAllPages(m_current);
    const bool toSend = m_current != m_printerBaseline;
    const bool toSave = m_current != m_fileBaseline;
    if (toSend) {
        const int answer =
            MessageBox(this, sendQuestion, msg::Caption(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (answer == IDCANCEL)
            return false;
        if (answer == IDYES) {
            const bool pending = m_pageParam.HasPendingCorrection();
            const settings::SettingsImage asked = m_current;
            OnSendSettings();
            if (pending)
                return false;
            // A failed send chooses a printer again, which settles the changes itself and shows
            // the factory settings; a save question now would save other settings than it asks about.
            if (m_current != asked)
                return false;
        }
    }
    if (toSave) {
        const int answer =
            MessageBox(this, saveQuestion, msg::Caption(), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (answer == IDCANCEL)
            return false;
        // Yes to saving that wrote no file (pending correction, cancelled or failed save) ends
        // here, so nothing unsaved is lost.
        if (answer == IDYES && !SaveSettings())
            return false;
    }
    return true;
}

void MainPanelDialog::OnSelectPrinter() {
    if (m_printerDlg.startupDone == 1 && !SettleChanges(msg::SendBeforeSwitch(), msg::SaveBeforeSwitch()))
        return;
    m_printerDlg.printerName = m_printerName;
    m_printerDlg.portName = m_portName;
    const int result = m_printerDlg.DoModal();
    if (result == IDOK) {
        SetPrinterCommandEnabled(m_printerDlg.printerCount > 1);
        m_statusBar.SetText(0, msg::StatusPrinter(m_printerDlg.printerName));
        m_statusBar.SetText(1, msg::StatusPort(m_printerDlg.portName));
        m_printerName = m_printerDlg.printerName;
        m_portName = m_printerDlg.portName;
        if (m_printerDlg.startupDone == 1)
            ShowFactorySettings();
    } else if (result == IDCANCEL) {
        const bool nothingHeld = m_printerDlg.printerName.isEmpty() && m_printerDlg.portName.isEmpty();
        const bool fileAtStartup =
            m_printerDlg.portName == QStringLiteral("FILE:") && m_printerDlg.startupDone == 0;
        if (nothingHeld || fileAtStartup)
            ClosePanel();
    }
}

void MainPanelDialog::OnFactorySettings() {
    if (MessageBox(this, msg::FactoryQuestion(), msg::Caption(), MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    ShowFactorySettings();
}

void MainPanelDialog::ShowFactorySettings() {
    m_current = settings::FactoryImage();
    LoadAllPages(m_current);
    SelectPage(0);
    MessageBox(this, msg::FactoryShown(), msg::Caption(), MB_OK | MB_ICONINFORMATION);
    DataCheck();
    m_pageSelect.RefreshFormatButton();
}

void MainPanelDialog::OnExitApp() {
    if (SettleChanges(msg::SendBeforeExit(), msg::SaveBeforeExit()))
        ClosePanel();
}
