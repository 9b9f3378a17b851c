#pragma once
// Hosts one page in a window of its own, standing in for the main window: each changed() of the
// page stores it into the window's current image, and the checks are counted.
#include <QWidget>
#include <functional>

#include "settings/SettingsImage.h"

class SettingsPage;

class PageWindow : public QWidget {
public:
    // Takes the page as its child, lays it out, shows and activates the window.
    explicit PageWindow(SettingsPage* page);

    // Loads the page as the window does: the data checks that filling raises store nothing.
    void loadQuietly(const settings::SettingsImage& image);

    settings::SettingsImage current;
    int dataChecks = 0;
    bool storeOnDataCheck = true;
    // Runs first on every data check, before the store (to observe the order of events).
    std::function<void()> onDataCheck;

private:
    SettingsPage* m_page;
};
