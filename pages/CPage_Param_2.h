#pragma once
#include <QString>

#include "pages/OldSettingsPage.h"
#include "settings/PanelRules.h"

// Parameter setting 2: the LF pitch correction of the four paper paths, the automatic return time
// from the continuous-paper cut position and the paper intake time from the sheet guide. A typed
// intake time is corrected into 2..5 at once while its edit has the focus; a loaded one is shown as
// it comes and checked when the page is stored.
class CPage_Param_2 : public OldSettingsPage {
public:
    CPage_Param_2();

    bool OnInitDialog() override;
    void LoadFromImage(const settings::SettingsImage& image) override;
    void StoreToImage(settings::SettingsImage& image) override;

    bool OnCommand(int id, int code) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChangeIntakeTime();

    DECLARE_MESSAGE_MAP()

private:
    settings::Param2Values m_values;
};
