// Accelerators reach the target window before the focused control, except for grayed commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "framework/AcceleratorFilter.h"
#include "framework/CMenu.h"
#include "tests/framework/TestDialogs.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

TEST(Accelerators, CtrlKeysBecomeCommandsEvenInsideAnEdit) {
    OldScriptedUser user;
    ProbeDialog dlg;
    ASSERT_TRUE(dlg.Create());
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(142));
    AcceleratorFilter filter(dlg, 142);
    filter.SetMenu(&menu);
    ShowAndActivate(dlg.GetSafeHwnd());
    QWidget* edit = dlg.GetDlgItem(12);
    TypeReplacing(edit, QStringLiteral("abc"));
    qobject_cast<QLineEdit*>(edit)->selectAll();
    dlg.commands.clear();

    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(dlg.CountCommands(32798, 0), 1);
    EXPECT_EQ(dlg.CountCommands(32773, 0), 1);
    EXPECT_EQ(dlg.CountCommands(32806, 0), 1);
    EXPECT_EQ(dlg.GetDlgItemText(12), QStringLiteral("abc"));  // the edit saw none of them

    // A grayed menu command's accelerator is not delivered; plain keys pass through.
    menu.EnableMenuItem(32784, MF_GRAYED | MF_DISABLED);
    EXPECT_EQ(menu.GetMenuState(32784), MF_GRAYED | MF_DISABLED);
    QTest::keyClick(edit, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(dlg.CountCommands(32784, 0), 0);
    menu.EnableMenuItem(32784, MF_ENABLED);
    QTest::keyClick(edit, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(dlg.CountCommands(32784, 0), 1);
    QTest::keyClick(edit, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dlg.CountCommands(32771, 0), 0);
}

TEST(Menus, LoadBuildsTheThreeDropDownsAndItemsSendCommands) {
    ProbeDialog dlg;
    ASSERT_TRUE(dlg.Create());
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(999));
    ASSERT_TRUE(menu.LoadMenu(142));
    menu.SetCommandTarget(&dlg);
    auto* bar = menu.MenuBarWidget();
    ASSERT_EQ(bar->actions().size(), 3);
    EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(bar->actions()[1]->text(), QStringLiteral("メニュー(&M)"));
    EXPECT_EQ(bar->actions()[2]->text(), QStringLiteral("ヘルプ(&H)"));
    EXPECT_EQ(bar->actions()[0]->menu()->actions().size(), 9);
    EXPECT_EQ(bar->actions()[1]->menu()->actions().size(), 7);
    EXPECT_EQ(bar->actions()[2]->menu()->actions().size(), 3);
    menu.FindCommand(32785)->trigger();
    EXPECT_EQ(dlg.CountCommands(32785, 0), 1);
    EXPECT_EQ(menu.GetMenuState(4242), 0xFFFFFFFFu);
}

}  // namespace
