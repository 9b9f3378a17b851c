// The help menu of the main window: the help file beside the executable and the version box.
#include <QFileInfo>

#include "app/OldAboutDialog.h"
#include "app/HelpWindow.h"
#include "app/MainPanelDialog.h"
#include "app/Messages.h"
#include "framework/Services.h"
#include "platform/ExecutableDirectory.h"
#include "platform/HelpViewer.h"

void MainPanelDialog::InitHelpPath() {
    m_helpPath = platform::ExecutableDirectory() + QStringLiteral("bmk540.chm");
    if (!QFileInfo(m_helpPath).isFile())
        m_menu.EnableMenuItem(res::ID_HELP_CONTENTS, MF_GRAYED | MF_DISABLED);
}

void MainPanelDialog::OnHelpContents() {
#ifdef _WIN32
    const platform::HelpOpener ownViewer;  // Windows reads compiled help itself
#else
    // Other desktops seldom have a viewer for compiled help: the program shows the file itself.
    const platform::HelpOpener ownViewer = [this](const QString& path) {
        return ShowHelpWindow(GetSafeHwnd(), path);
    };
#endif
    if (!platform::OpenHelpFile(m_helpPath, ownViewer)) {
        MessageBox(this, msg::HelpNotFound(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
    }
}

void MainPanelDialog::OnAppAbout() {
    OldAboutDialog about;
    about.DoModal();
}
