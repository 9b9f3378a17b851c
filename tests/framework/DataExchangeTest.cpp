// Data exchange: values both ways, and a failure's message, focus, selection and members.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "framework/CWinApp.h"
#include "tests/framework/TestDialogs.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create());
        ShowAndActivate(dlg.GetSafeHwnd());
    }
    OldScriptedUser user;
    ProbeDialog dlg;
};

TEST_F(DataExchange, LoadShowsMembersAndSaveReadsControls) {
    dlg.m_choice = QStringLiteral("イタ");
    dlg.m_radio = 1;
    dlg.m_check = 1;
    ASSERT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(dlg.GetDlgItemText(10), QStringLiteral("7"));
    EXPECT_EQ(dlg.GetDlgItemText(12), QStringLiteral("before"));
    EXPECT_EQ(qobject_cast<QComboBox*>(dlg.GetDlgItem(20))->currentIndex(), 1);
    EXPECT_TRUE(dlg.IsDlgButtonChecked(31));
    EXPECT_TRUE(dlg.IsDlgButtonChecked(40));

    dlg.SetDlgItemText(10, QStringLiteral(" -15 "));
    dlg.CheckDlgButton(40, false);
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_number, -15);
    EXPECT_EQ(dlg.m_choice, QStringLiteral("イタリック"));
    EXPECT_EQ(dlg.m_radio, 1);
    EXPECT_EQ(dlg.m_check, 0);
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(DataExchange, NoneCheckedAndUnknownChoiceKeepWhatIsShown) {
    dlg.m_radio = 0;
    dlg.m_choice = QStringLiteral("OCR-B");
    ASSERT_TRUE(dlg.UpdateData(false));
    dlg.m_radio = -1;
    dlg.m_choice = QStringLiteral("ゴシック");
    ASSERT_TRUE(dlg.UpdateData(false));
    EXPECT_FALSE(dlg.IsDlgButtonChecked(30));
    EXPECT_FALSE(dlg.IsDlgButtonChecked(31));
    EXPECT_EQ(qobject_cast<QComboBox*>(dlg.GetDlgItem(20))->currentText(), QStringLiteral("OCR-B"));
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_radio, -1);
    EXPECT_EQ(dlg.m_choice, QStringLiteral("OCR-B"));
}

TEST_F(DataExchange, TextThatIsNoIntegerStopsTheExchangeAtItsControl) {
    ASSERT_TRUE(dlg.UpdateData(false));
    dlg.SetDlgItemText(11, QString());
    dlg.SetDlgItemText(10, QStringLiteral("12"));
    dlg.SetDlgItemText(12, QStringLiteral("after"));
    FocusControl(dlg.GetDlgItem(12));
    user.ExpectBox(QStringLiteral("整数を入力してください。"), AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION,
                   IDOK);
    EXPECT_FALSE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_number, 12);                      // exchanged before the failure
    EXPECT_EQ(dlg.m_range, 50);                       // the failing member keeps its value
    EXPECT_EQ(dlg.m_text, QStringLiteral("before"));  // later members are not reached
    EXPECT_EQ(QApplication::focusWidget(), dlg.GetDlgItem(11));
    ASSERT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(user.Boxes()[0].owner, &dlg);
}

TEST_F(DataExchange, RangeFailureNamesTheBoundsAndSelectsTheText) {
    dlg.exchangeRange = true;
    dlg.m_range = 60;
    ASSERT_TRUE(dlg.UpdateData(false));
    dlg.SetDlgItemText(11, QStringLiteral("133"));
    user.ExpectBox(QStringLiteral("40 から 132 までの整数を入力してください。"), AfxGetAppName(),
                   MB_OK | MB_ICONEXCLAMATION, IDOK);
    EXPECT_FALSE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_range, 133);  // the value that failed the range check
    auto* edit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(11));
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("133"));
}

TEST_F(DataExchange, LoadingAnUnchangedNumberRaisesNoChange) {
    ASSERT_TRUE(dlg.UpdateData(false));
    dlg.commands.clear();
    ASSERT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(dlg.CountCommands(10, EN_CHANGE), 0);
    dlg.m_number = 8;
    ASSERT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(dlg.CountCommands(10, EN_CHANGE), 1);
}

}  // namespace
