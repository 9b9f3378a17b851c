#pragma once
#include "framework/CPropertyPage.h"
#include "res/ResourceIds.h"

namespace settings {
class SettingsImage;
}

// A tab page that edits its own fields of the settings image.
class OldSettingsPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;
    // Decode the page's fields into its members, then show them.
    virtual void LoadFromImage(const settings::SettingsImage& image) = 0;
    // Read the controls (with their validations), then write the page's bytes, even after a failure.
    virtual void StoreToImage(settings::SettingsImage& image) = 0;

protected:
    // Command 32805 to this page; the main window (its parent) collects every page.
    void SendDataCheck() { SendCommand(res::ID_DATA_CHECK); }
};
