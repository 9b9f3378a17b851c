#include "app/PanelApp.h"

#include <cstdio>

#include "app/MainPanelDialog.h"
#include "platform/SingleInstance.h"

bool PanelApp::InitInstance() {
    // One instance per application name: a second start brings the running window forward.
    platform::SingleInstance instance(m_pszAppName);
    const bool running = instance.Acquire();
    if (!instance.warning().isEmpty())
        std::fprintf(stderr, "%s: %s\n", qPrintable(m_pszAppName), qPrintable(instance.warning()));
    if (!running) {
        instance.ActivateRunning();
        return false;
    }
    MainPanelDialog dialog;
    m_pMainWnd = &dialog;
    instance.OnActivateRequest([&dialog] {
        if (QWidget* window = dialog.GetSafeHwnd()) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->show();
            window->raise();
            window->activateWindow();
        }
    });
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
