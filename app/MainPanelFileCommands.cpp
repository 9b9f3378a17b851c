// Loading and saving settings files from the main window.
#include "app/MainPanelDialog.h"
#include "app/Messages.h"
#include "framework/Services.h"
#include "platform/ExecutableDirectory.h"
#include "settings/SettingsFile.h"

std::optional<QString> MainPanelDialog::AskFileName(bool open) {
    FileDialogRequest request;
    request.open = open;
    request.owner = this;
    request.filterName = msg::SettingsFileFilter();
    request.filterPattern = QStringLiteral("*.dat");
    request.defaultExtension = QStringLiteral("dat");
    request.initialName = QStringLiteral("*.dat");
    request.initialDirectory = platform::ExecutableDirectory();
    request.overwritePrompt = !open;
    return fw::FileDialogs().Run(request);
}

void MainPanelDialog::OnLoadSettings() {
    if (m_printerDlg.startupDone == 1) {
        StoreAllPages(m_current);
        // Unsent changes are what a load would lose.
        if (m_current != m_printerBaseline &&
            MessageBox(this, msg::DiscardChanges(), msg::Caption(), MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
            return;
        }
    }
    std::optional<QString> path = AskFileName(true);
    if (!path)
        return;
    std::optional<settings::SettingsImage> loaded = settings::LoadSettingsFile(path->toStdString());
    if (!loaded) {
        // The current image stays what the pages held when the command began.
        MessageBox(this, msg::NotASettingsFile(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_current = *loaded;
    LoadAllPages(m_current);
    m_fileBaseline = m_current;
    DataCheck();
    m_pageSelect.RefreshFormatButton();
}

void MainPanelDialog::OnSaveSettings() {
    SaveSettings();
}

bool MainPanelDialog::SaveSettings() {
    if (CorrectPendingHeadCentring())
        return false;
    StoreAllPages(m_current);
    std::optional<QString> path = AskFileName(false);
    while (path) {
        switch (settings::SaveSettingsFile(path->toStdString(), m_current)) {
            case settings::SaveResult::Saved:
                m_fileBaseline = m_current;
                return true;
            case settings::SaveResult::AccessDenied:
                MessageBox(this, msg::SaveAccessDenied(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
                path = AskFileName(false);
                continue;
            case settings::SaveResult::Failed:
                MessageBox(this, msg::SaveFailed(), msg::Caption(), MB_OK | MB_ICONHAND);
                return false;
        }
    }
    return false;
}
