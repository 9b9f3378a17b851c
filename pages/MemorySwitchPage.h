#pragma once
// The four memory-switch pages, MSW1..MSW4: one form each, one class for all. A switch is shown
// as a pair of radio buttons (the first for 0, the second for 1) or as a check box; MSW1-1..3 are
// one list of countries. Which switches no control shows, and whether those are kept or cleared,
// is the settings' rule.
#include <array>

#include "pages/SettingsPage.h"
#include "settings/PanelRules.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;

class MemorySwitchPage : public SettingsPage {
    Q_OBJECT
public:
    // msw: 0..3 for MSW1..MSW4.
    explicit MemorySwitchPage(int msw, QWidget* parent = nullptr);
    ~MemorySwitchPage() override;

    void load(const settings::SettingsImage& image) override;
    void store(settings::SettingsImage& image) override;

private:
    int m_msw;
    settings::Switches m_switches{};  // as last loaded or stored: the kept switches come from here
    std::array<QButtonGroup*, 8> m_pairs{};
    std::array<QCheckBox*, 8> m_checks{};
    QComboBox* m_country = nullptr;
};
