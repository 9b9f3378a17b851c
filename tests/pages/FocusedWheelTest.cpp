// The mouse wheel over every drop-down list of the pages and every slider of the format dialog:
// without the focus it changes nothing and takes no focus; with it, it moves the control and what
// the control stands for follows.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <memory>
#include <string>

#include "pages/FormatSettingsDialog.h"
#include "pages/MemorySwitchPage.h"
#include "pages/NumericEdit.h"
#include "pages/Param2Page.h"
#include "pages/ParamPage.h"
#include "pages/SelectPage.h"
#include "settings/FactoryImage.h"
#include "settings/FormatBlock.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

enum class Host { Select, Param, Param2, Msw1, FormatDialog };

struct WheelRow {
    Host host;
    const char* control;
    const char* elsewhere;  // holds the focus meanwhile
};

const WheelRow kRows[] = {
    {Host::Select, "reduction", "mincho"},
    {Host::Select, "format", "mincho"},
    {Host::Param, "font1", "cutSheet"},
    {Host::Param, "font2", "cutSheet"},
    {Host::Param, "kanjiTable", "cutSheet"},
    {Host::Param2, "sheetGuide", "intakeTime"},
    {Host::Param2, "sheetFeeder", "intakeTime"},
    {Host::Param2, "frontTractor", "intakeTime"},
    {Host::Param2, "rearTractor", "intakeTime"},
    {Host::Param2, "returnTime", "intakeTime"},
    {Host::Msw1, "country", "switch4off"},
    {Host::FormatDialog, "frontSlider", "paperLength"},
    {Host::FormatDialog, "rearSlider", "paperLength"},
    {Host::FormatDialog, "guideSlider", "paperLength"},
    {Host::FormatDialog, "feederSlider", "paperLength"},
    {Host::FormatDialog, "postcardSlider", "paperLength"},
};

// A page in its stand-in window loaded with the factory image, or the format dialog on format 0.
struct Hosted {
    explicit Hosted(Host host) {
        if (host == Host::FormatDialog) {
            settings::DecodeFormatBlocks(settings::FactoryImage(), blocks);
            dialog = std::make_unique<FormatSettingsDialog>(0, blocks, values);
            ShowAndActivate(dialog.get());
            return;
        }
        page = host == Host::Select   ? static_cast<SettingsPage*>(new SelectPage)
               : host == Host::Param  ? static_cast<SettingsPage*>(new ParamPage)
               : host == Host::Param2 ? static_cast<SettingsPage*>(new Param2Page)
                                      : static_cast<SettingsPage*>(new MemorySwitchPage(0));
        window = std::make_unique<PageWindow>(page);
        window->loadQuietly(settings::FactoryImage());
        window->dataChecks = 0;
    }
    QWidget* root() const { return dialog ? static_cast<QWidget*>(dialog.get()) : page; }
    // What the control shows, and what it stands for: the page's store of the factory image, or
    // the slider's edit.
    std::pair<int, std::string> state(QWidget* control) const {
        if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
            const std::string edit = control->objectName().chopped(6).toStdString();  // less "Slider"
            return {slider->value(), Child<NumericEdit>(dialog.get(), edit.c_str())->text().toStdString()};
        }
        settings::SettingsImage stored = settings::FactoryImage();
        page->store(stored);
        return {qobject_cast<QComboBox*>(control)->currentIndex(),
                FieldText(stored, 0, settings::kImageSize)};
    }

    ScriptedUser user;             // no message box is expected
    SettingsPage* page = nullptr;  // owned by the window
    std::unique_ptr<PageWindow> window;
    settings::FormatBlocks blocks;
    settings::FormatValues values;
    std::unique_ptr<FormatSettingsDialog> dialog;
};

void PrintTo(const WheelRow& row, std::ostream* out) {
    *out << row.control;
}

class WheelOverControls : public ::testing::TestWithParam<WheelRow> {};

TEST_P(WheelOverControls, MovesOnlyTheFocusedControlAndWhatItStandsForFollows) {
    const WheelRow& row = GetParam();
    Hosted host(row.host);
    QWidget* control = Child<QWidget>(host.root(), row.control);
    QWidget* elsewhere = Child<QWidget>(host.root(), row.elsewhere);
    FocusControl(elsewhere);
    const auto before = host.state(control);
    for (int steps : {1, -1}) {
        TurnWheelOver(control, steps);
        EXPECT_EQ(QApplication::focusWidget(), elsewhere);
        EXPECT_EQ(host.state(control), before) << steps;
    }
    if (host.window) {
        EXPECT_EQ(host.window->dataChecks, 0);
    }

    FocusControl(control);
    for (int steps : {1, -1}) {
        if (host.state(control).first == before.first)
            TurnWheelOver(control, steps);
    }
    const auto after = host.state(control);
    ASSERT_NE(after.first, before.first);
    if (host.window) {
        // The list's byte changed, and the data check carried it into the window's image.
        EXPECT_NE(after.second, before.second);
        EXPECT_EQ(FieldText(host.window->current, 0, settings::kImageSize), after.second);
    } else {
        const bool postcard = std::string(row.control) == "postcardSlider";
        EXPECT_EQ(after.second, std::to_string(settings::StopValue(after.first, postcard)));
    }
}

std::string RowName(const ::testing::TestParamInfo<WheelRow>& info) {
    static const char* const kHosts[] = {"Select", "Param", "Param2", "Msw1", "FormatDialog"};
    return std::string(kHosts[static_cast<int>(info.param.host)]) + "_" + info.param.control;
}

INSTANTIATE_TEST_SUITE_P(EveryListAndSlider, WheelOverControls, ::testing::ValuesIn(kRows), RowName);

}  // namespace
