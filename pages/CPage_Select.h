#pragma once
#include <QString>
#include <cstdint>

#include "pages/OldFormatSettingsDialog.h"
#include "pages/OldSettingsPage.h"
#include "settings/PanelRules.h"

// Function select: typeface, hopper of the two-bin sheet feeder, reduced printing and the format
// in use. The page carries the four format blocks through its format settings dialog, which alone
// reads and writes the text inside them.
class CPage_Select : public OldSettingsPage {
public:
    CPage_Select();

    void LoadFromImage(const settings::SettingsImage& image) override;
    void StoreToImage(settings::SettingsImage& image) override;
    // The format button names the held format; the main window calls this after loading the pages.
    void RefreshFormatButton();

    bool OnCommand(int id, int code) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnFormatSettings();

    DECLARE_MESSAGE_MAP()

private:
    OldFormatSettingsDialog m_formatDialog;
    settings::SelectValues m_values;
};
