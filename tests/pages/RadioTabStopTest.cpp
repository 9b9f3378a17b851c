// Tab enters every radio group of the pages on its checked button after a load, whichever button
// the user had chosen before.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QTest>
#include <functional>

#include "pages/MemorySwitchPage.h"
#include "pages/ParamPage.h"
#include "pages/SelectPage.h"
#include "settings/FactoryImage.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

struct PageRow {
    const char* name;
    std::function<SettingsPage*()> make;
};

const PageRow kPages[] = {
    {"Select", [] { return new SelectPage; }},        {"Param", [] { return new ParamPage; }},
    {"Msw1", [] { return new MemorySwitchPage(0); }}, {"Msw2", [] { return new MemorySwitchPage(1); }},
    {"Msw3", [] { return new MemorySwitchPage(2); }}, {"Msw4", [] { return new MemorySwitchPage(3); }},
};

void PrintTo(const PageRow& row, std::ostream* out) {
    *out << row.name;
}

// Tab, or Shift+Tab, from the focus until it lands in the group; the button it lands on.
QAbstractButton* TabInto(const QButtonGroup* group, Qt::KeyboardModifiers modifiers) {
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (button && button->group() == group)
            return button;
    }
    return nullptr;
}

class RadioTabStops : public ::testing::TestWithParam<PageRow> {};

TEST_P(RadioTabStops, TabEntersEveryGroupOnItsCheckedButtonAfterALoad) {
    ScriptedUser user;
    SettingsPage* page = GetParam().make();
    PageWindow window(page);
    window.loadQuietly(settings::FactoryImage());
    const QList<QButtonGroup*> groups = page->findChildren<QButtonGroup*>();
    ASSERT_FALSE(groups.isEmpty());
    // The user chooses the other button of every group, which takes the focus and the tab stop;
    // the load then checks the first one again.
    for (QButtonGroup* group : groups) {
        for (QAbstractButton* button : group->buttons()) {
            if (!button->isChecked()) {
                Click(button);
                break;
            }
        }
    }
    window.loadQuietly(settings::FactoryImage());
    for (QButtonGroup* group : groups) {
        QAbstractButton* checked = group->checkedButton();
        ASSERT_NE(checked, nullptr);
        const std::string name = checked->objectName().toStdString();
        EXPECT_EQ(TabInto(group, Qt::NoModifier), checked) << name;
        // Out of it and back from the other side.
        QTest::keyClick(checked, Qt::Key_Tab);
        EXPECT_EQ(TabInto(group, Qt::ShiftModifier), checked) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPageWithGroups, RadioTabStops, ::testing::ValuesIn(kPages),
                         [](const ::testing::TestParamInfo<PageRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
