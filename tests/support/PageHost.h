#pragma once
// Hosts one page in a window of its own, standing in for the main window: it answers the data
// check command by storing the page into its current image, and counts the checks.
#include <QWidget>
#include <functional>
#include <memory>

#include "framework/CWnd.h"
#include "pages/OldSettingsPage.h"
#include "settings/SettingsImage.h"

class PageHost : public CWnd {
public:
    PageHost();
    ~PageHost() override;

    // Creates the page inside the host, shows and activates the window.
    void Host(OldSettingsPage& page);

    settings::SettingsImage current;
    int dataChecks = 0;
    bool storeOnDataCheck = true;
    // Runs first on every data check, before the store (to observe the order of events).
    std::function<void()> onDataCheck;

    void OnDataCheck();
    DECLARE_MESSAGE_MAP()

private:
    OldSettingsPage* m_page = nullptr;
};
