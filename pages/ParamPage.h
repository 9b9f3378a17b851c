#pragma once
// Parameter setting 1: fonts, kanji code table, postcard mode, paper set position and the
// head-centring positions at paper intake. A typed position is corrected while its edit is the
// user's focus; a one-digit value that may still grow into a valid one is only flagged, and the
// flags hold back saving and sending until correctHeadCentring() has fixed them.
#include <memory>

#include "pages/SettingsPage.h"
#include "settings/PanelRules.h"

class NumericEdit;
class QButtonGroup;

namespace Ui {
class ParamPage;
}

class ParamPage : public SettingsPage {
    Q_OBJECT
public:
    explicit ParamPage(QWidget* parent = nullptr);
    ~ParamPage() override;

    void load(const settings::SettingsImage& image) override;
    void store(settings::SettingsImage& image) override;

    bool hasPendingCorrection() const {
        return m_cutSheetPending || m_frontTractorPending || m_rearTractorPending;
    }
    // Shows the page, tells the user, sets every flagged position to 10 and leaves the focus in
    // the last of them.
    void correctHeadCentring();

    bool cutSheetPending() const { return m_cutSheetPending; }
    bool frontTractorPending() const { return m_frontTractorPending; }
    bool rearTractorPending() const { return m_rearTractorPending; }

private:
    // In the page's order; the first edit without a number has shown its message and stops it.
    void readControls();
    void onHeadCentringChanged(NumericEdit* edit, bool& pending);

    std::unique_ptr<Ui::ParamPage> m_ui;
    QButtonGroup* m_postcard;
    QButtonGroup* m_paperSet;
    bool m_cutSheetPending = false;
    bool m_frontTractorPending = false;
    bool m_rearTractorPending = false;
    settings::ParamValues m_values;  // as last loaded or stored: a failed store keeps the rest
};
