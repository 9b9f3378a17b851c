#pragma once
#include <QString>

#include "pages/OldSettingsPage.h"
#include "settings/PanelRules.h"

// Parameter setting 1: fonts, kanji code table, postcard mode, paper set position and the
// head-centring positions at paper intake. Typed positions are corrected while the edit has the
// focus; a one-digit value that may still grow into a valid one is only flagged, and the flags
// block saving and sending until CorrectHeadCentring has fixed them.
class CPage_Param : public OldSettingsPage {
public:
    CPage_Param();

    bool OnInitDialog() override;
    void LoadFromImage(const settings::SettingsImage& image) override;
    void StoreToImage(settings::SettingsImage& image) override;

    // Tells the user, sets every flagged position to 10 and leaves the focus in the last of them.
    void CorrectHeadCentring();

    bool HasPendingCorrection() const {
        return m_cutSheetPending != 0 || m_frontTractorPending != 0 || m_rearTractorPending != 0;
    }
    int CutSheetPending() const { return m_cutSheetPending; }
    int FrontTractorPending() const { return m_frontTractorPending; }
    int RearTractorPending() const { return m_rearTractorPending; }

    bool OnCommand(int id, int code) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChangeHeadCentring(UINT id);

    DECLARE_MESSAGE_MAP()

private:
    int& PendingFlag(int editId);

    int m_cutSheetPending = 0;
    int m_frontTractorPending = 0;
    int m_rearTractorPending = 0;
    settings::ParamValues m_values;
};
