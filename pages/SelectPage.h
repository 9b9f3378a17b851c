#pragma once
// Function select: typeface, hopper of the two-bin sheet feeder, reduced printing and the format
// in use. The page holds the four format blocks as loaded; its format settings dialog alone edits
// the values inside them.
#include <memory>

#include "pages/FormatSettingsDialog.h"
#include "pages/SettingsPage.h"
#include "settings/FormatBlock.h"
#include "settings/PanelRules.h"

class QButtonGroup;

namespace Ui {
class SelectPage;
}

class SelectPage : public SettingsPage {
    Q_OBJECT
public:
    explicit SelectPage(QWidget* parent = nullptr);
    ~SelectPage() override;

    void load(const settings::SettingsImage& image) override;
    void store(settings::SettingsImage& image) override;
    // The format button names the held format; the window calls this after loading the pages.
    void refreshFormatButton();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editFormat();

    std::unique_ptr<Ui::SelectPage> m_ui;
    QButtonGroup* m_typefaces;
    QButtonGroup* m_hoppers;
    // As last loaded or stored: a code that names no choice keeps the one held.
    settings::SelectValues m_values;
    settings::FormatBlocks m_blocks;
    // The dialog's working values, kept from one run to the next.
    settings::FormatValues m_formatValues;
};
