// Dialogs built from templates: controls by id, sizes in dialog units, and the notifications
// that real user actions and program actions do or do not raise.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "framework/ComboControl.h"
#include "framework/DialogUnits.h"
#include "framework/EditControl.h"
#include "framework/TrackbarControl.h"
#include "framework/UpDownControl.h"
#include "tests/framework/TestDialogs.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

class DialogControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create());
        ShowAndActivate(dlg.GetSafeHwnd());
        dlg.commands.clear();
    }
    OldScriptedUser user;
    ProbeDialog dlg;
};

TEST_F(DialogControls, ControlsSitAtTheirDialogUnitRectangles) {
    const DialogUnits& u = dlg.Units();
    EXPECT_GT(u.BaseX(), 0);
    EXPECT_GT(u.BaseY(), 0);
    QWidget* edit = dlg.GetDlgItem(12);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(),
              QRect(50 * u.BaseX() / 4, 35 * u.BaseY() / 8, 60 * u.BaseX() / 4, 12 * u.BaseY() / 8));
    EXPECT_EQ(dlg.ControlParent()->size(), QSize(200 * u.BaseX() / 4, 160 * u.BaseY() / 8));
    EXPECT_EQ(dlg.GetSafeHwnd()->windowTitle(), QStringLiteral("Probe"));
    EXPECT_EQ(dlg.GetDlgItem(9999), nullptr);
    // The label's mnemonic leads to the edit after it.
    auto* label = qobject_cast<QLabel*>(dlg.ControlParent()->findChildren<QLabel*>().value(0));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), dlg.GetDlgItem(10));
}

TEST_F(DialogControls, ControlsAreFoundByIdAfterOthersComeAndGo) {
    QWidget* edit = dlg.GetDlgItem(10);
    ASSERT_NE(edit, nullptr);
    QWidget* parent = edit->parentWidget();
    delete edit;
    EXPECT_EQ(dlg.GetDlgItem(10), nullptr);
    auto* replacement = new QLineEdit(parent);
    replacement->setProperty(fw::kCtrlIdProperty, 10);
    EXPECT_EQ(dlg.GetDlgItem(10), replacement);
    replacement->setParent(nullptr);
    EXPECT_EQ(dlg.GetDlgItem(10), nullptr);
    delete replacement;
    EXPECT_NE(dlg.GetDlgItem(12), nullptr);
}

TEST_F(DialogControls, TypingRaisesOneChangePerEditAndProgramTextAlwaysNotifies) {
    QWidget* edit = dlg.GetDlgItem(12);
    TypeReplacing(edit, QStringLiteral("ab"));
    EXPECT_EQ(dlg.CountCommands(12, EN_CHANGE), 2);
    EXPECT_EQ(dlg.CountCommands(12, EN_SETFOCUS), 1);
    dlg.SetDlgItemText(12, QStringLiteral("ab"));  // same text: still a change notice
    EXPECT_EQ(dlg.CountCommands(12, EN_CHANGE), 3);
    FocusControl(dlg.GetDlgItem(11));
    EXPECT_EQ(dlg.CountCommands(12, EN_KILLFOCUS), 1);
}

TEST_F(DialogControls, DigitsOnlyEditRefusesOtherCharacters) {
    QWidget* edit = dlg.GetDlgItem(10);
    TypeReplacing(edit, QStringLiteral("4a2"));
    EXPECT_EQ(dlg.GetDlgItemText(10), QStringLiteral("42"));
}

TEST_F(DialogControls, ComboNotifiesUserChoicesOnly) {
    auto* combo = qobject_cast<ComboControl*>(dlg.GetDlgItem(20));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), -1);
    combo->setCurrentIndex(2);
    EXPECT_EQ(dlg.CountCommands(20, CBN_SELCHANGE), 0);
    ChooseComboItem(combo, 1);
    EXPECT_EQ(dlg.CountCommands(20, CBN_SELCHANGE), 1);
    EXPECT_EQ(dlg.CountCommands(20, CBN_SETFOCUS), 1);
    EXPECT_EQ(combo->SelectString(QStringLiteral("ocr")), 2);
    EXPECT_EQ(combo->SelectString(QStringLiteral("x")), -1);
    EXPECT_EQ(combo->currentIndex(), 2);
    // Hiding the dialog closes no list that was never open.
    dlg.ShowWindow(false);
    EXPECT_EQ(dlg.CountCommands(20, CBN_CLOSEUP), 0);
}

TEST_F(DialogControls, RadioGroupsFollowGroupStartsAndClicksNotify) {
    auto* r30 = qobject_cast<QRadioButton*>(dlg.GetDlgItem(30));
    auto* r31 = qobject_cast<QRadioButton*>(dlg.GetDlgItem(31));
    auto* r32 = qobject_cast<QRadioButton*>(dlg.GetDlgItem(32));
    ASSERT_TRUE(r30 && r31 && r32);
    EXPECT_EQ(r30->group(), r31->group());
    EXPECT_NE(r30->group(), r32->group());
    dlg.CheckDlgButton(31, true);
    EXPECT_EQ(dlg.CountCommands(31, BN_CLICKED), 0);
    Click(r32);
    EXPECT_TRUE(r31->isChecked());  // another group is untouched
    EXPECT_TRUE(r32->isChecked());
    EXPECT_EQ(dlg.CountCommands(32, BN_CLICKED), 1);
}

TEST_F(DialogControls, UpDownStepsTheEditWithinItsRange) {
    auto* updown = qobject_cast<UpDownControl*>(dlg.GetDlgItem(15));
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(static_cast<QWidget*>(updown->GetBuddy()), dlg.GetDlgItem(10));
    updown->SetRange(10, 12);
    dlg.SetDlgItemText(10, QStringLiteral("11"));
    dlg.commands.clear();
    updown->Step(+1);
    EXPECT_EQ(dlg.GetDlgItemText(10), QStringLiteral("12"));
    updown->Step(+1);
    EXPECT_EQ(dlg.GetDlgItemText(10), QStringLiteral("12"));
    EXPECT_EQ(dlg.CountCommands(10, EN_CHANGE), 1);
    FocusControl(dlg.GetDlgItem(10));
    QTest::keyClick(dlg.GetDlgItem(10), Qt::Key_Down);
    EXPECT_EQ(dlg.GetDlgItemText(10), QStringLiteral("11"));
    dlg.SetDlgItemText(10, QStringLiteral("3"));
    updown->Step(-1);
    EXPECT_EQ(dlg.GetDlgItemText(10), QStringLiteral("10"));
}

TEST_F(DialogControls, TrackbarReportsUserMovesOnly) {
    auto* bar = qobject_cast<TrackbarControl*>(dlg.GetDlgItem(50));
    ASSERT_NE(bar, nullptr);
    bar->SetRange(0, 2);
    bar->SetPos(2);
    EXPECT_TRUE(dlg.scrolls.empty());
    FocusControl(bar);
    QTest::keyClick(bar, Qt::Key_Left);
    ASSERT_FALSE(dlg.scrolls.empty());
    EXPECT_EQ(dlg.scrolls.back(), 1);
}

TEST_F(DialogControls, ListDoubleClickNotifiesEvenOnEmptySpace) {
    QWidget* list = dlg.GetDlgItem(60);
    auto* view = qobject_cast<QAbstractItemView*>(list);
    ASSERT_NE(view, nullptr);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_FALSE(dlg.notifies.empty());
    EXPECT_EQ(dlg.notifies.back().id, 60);
    EXPECT_EQ(dlg.notifies.back().code, NM_DBLCLK);
}

TEST(DialogModal, InitThatEndsTheDialogSkipsTheLoop) {
    OldScriptedUser user;
    ProbeDialog dlg;
    dlg.endInInit = true;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(user.DialogsRun(), 0);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST(DialogModal, OkExchangesThenEndsAndEscCancels) {
    OldScriptedUser user;
    ProbeDialog dlg;
    user.DriveDialog([](CDialog& d) {
        d.SetDlgItemText(10, QStringLiteral("123"));
        Click(d.GetDlgItem(IDOK));
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_number, 123);
    user.DriveDialog([](CDialog& d) {
        ShowAndActivate(d.GetSafeHwnd());
        QTest::keyClick(d.GetSafeHwnd(), Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
