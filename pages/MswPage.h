#pragma once
// The family of memory-switch pages: each maps the eight switches of one memory switch to its
// controls, as a table describes them. Which switches no control shows, and whether those are
// kept or cleared, is the settings' rule.
#include <array>
#include <vector>

#include "pages/OldSettingsPage.h"
#include "settings/PanelRules.h"

struct MswSwitch {
    enum Kind {
        Radio,   // two-button group; the id is the group's first button
        Check,   // check box
        Own,     // shown by the derived page itself (MSW1's country list)
        Hidden,  // not on the page
    };
    Kind kind;
    int id = 0;
};

struct MswLayout {
    int templateId;
    int msw;                            // memory switch 0..3 (MSW1..MSW4)
    std::array<MswSwitch, 8> switches;  // MSWn-1 .. MSWn-8
    std::vector<int> notifyingIds;      // controls whose notices raise the data check
};

class MswPage : public OldSettingsPage {
public:
    void LoadFromImage(const settings::SettingsImage& image) override;
    void StoreToImage(settings::SettingsImage& image) override;
    bool OnCommand(int id, int code) override;

protected:
    // The layout must outlive the page (the pages keep theirs in static storage).
    explicit MswPage(const MswLayout& layout);

    void DoDataExchange(CDataExchange* pDX) override;
    // Switches of kind Own: into the derived page's members after a load decoded m_switches, and
    // back into m_switches after a store read the controls.
    virtual void ShowOwnSwitches() {}
    virtual void TakeOwnSwitches() {}

    settings::Switches m_switches{};  // MSWn-1 .. MSWn-8, 0 or 1
    // One per radio group (checked button's index, -1 for none) or check box, in switch order.
    std::vector<int> m_exchange;

private:
    const MswLayout& m_layout;
};
