#pragma once
// Parameter setting 2: the LF pitch correction of the four paper paths, the automatic return time
// from the continuous-paper cut position and the paper intake time from the sheet guide. A typed
// intake time is corrected into its range at once while its edit is the user's focus; a loaded
// one is shown as it comes and checked when the page is stored.
#include <memory>

#include "pages/SettingsPage.h"
#include "settings/PanelRules.h"

namespace Ui {
class Param2Page;
}

class Param2Page : public SettingsPage {
    Q_OBJECT
public:
    explicit Param2Page(QWidget* parent = nullptr);
    ~Param2Page() override;

    void load(const settings::SettingsImage& image) override;
    void store(settings::SettingsImage& image) override;

private:
    // In the page's order; an intake time outside its range has shown its message and stops it.
    void readControls();
    void onIntakeTimeChanged();

    std::unique_ptr<Ui::Param2Page> m_ui;
    settings::Param2Values m_values;  // as last loaded or stored: a failed store keeps the rest
};
