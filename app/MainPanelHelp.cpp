// The help menu of the main window: the help file beside the executable and the version box.
#include <QFileInfo>

#include "app/AboutDialog.h"
#include "app/MainPanelDialog.h"
#include "app/Messages.h"
#include "framework/Services.h"
#include "platform/ExecutableDirectory.h"
#include "platform/HelpViewer.h"
#include "platform/PlatformVersion.h"

void MainPanelDialog::InitHelpPath() {
    using platform::PlatformFamily;
    const platform::PlatformVersion v = platform::CurrentPlatformVersion();
    // WinHelp only on the old shells; compiled HTML help everywhere else, Linux included.
    const bool winHelp = (v.family == PlatformFamily::Win9x && v.major < 5 && v.minor < 10) ||
                         (v.family == PlatformFamily::NT && v.major < 5);
    m_helpFormat = winHelp ? 0 : 1;
    m_helpPath = platform::ExecutableDirectory() +
                 (winHelp ? QStringLiteral("bmk540.hlp") : QStringLiteral("bmk540.chm"));
    if (!QFileInfo(m_helpPath).isFile())
        m_menu.EnableMenuItem(res::ID_HELP_CONTENTS, MF_GRAYED | MF_DISABLED);
}

void MainPanelDialog::OnHelpContents() {
    if (!platform::OpenHelpFile(m_helpPath)) {
        MessageBox(this, msg::HelpNotFound(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
    }
}

void MainPanelDialog::OnAppAbout() {
    AboutDialog about;
    about.DoModal();
}
