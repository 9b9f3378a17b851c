#pragma once
// The family of memory-switch pages: each maps the eight switches of one switch pair to its
// controls, described by a table.
#include <QString>
#include <array>
#include <vector>

#include "pages/SettingsPage.h"

struct MswSwitch {
    enum Kind {
        Radio,    // two-button group; the id is the group's first button
        Check,    // check box
        Country,  // MSW1-1..3 as one country list (first switch of the three)
        PartOfCountry,
        Kept,     // not on the page: the value of the last load goes back
        Cleared,  // not on the page: always written as 0
    };
    Kind kind;
    int id = 0;
};

struct MswLayout {
    int templateId;
    std::size_t offset;                 // first byte of the switch pair
    std::array<MswSwitch, 8> switches;  // MSWn-1 .. MSWn-8
    std::vector<int> notifyingIds;      // controls whose notices raise the data check
};

class MswPage : public SettingsPage {
public:
    explicit MswPage(const MswLayout& layout);

    void LoadFromImage(const settings::SettingsImage& image) override;
    void StoreToImage(settings::SettingsImage& image) override;
    void DoDataExchange(CDataExchange* pDX) override;
    bool OnCommand(int id, int code) override;

    // Switch values of the last load or store, MSWn-1 first.
    const std::array<int, 8>& Switches() const { return m_switches; }

private:
    const MswLayout& m_layout;
    std::array<int, 8> m_switches{};
    std::array<int, 8> m_members{};  // radio index or check state per switch shown on the page
    QString m_country;
};
