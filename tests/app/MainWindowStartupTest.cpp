// Start-up, tabs, accelerators and help of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "framework/TabControl.h"
#include "platform/HelpViewer.h"
#include "settings/FactoryImage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

TEST_F(MainWindowTest, StartUpLeavesFactoryImagesTabZeroAndSendEnabled) {
    StartMainWindow();
    EXPECT_EQ(main->CurrentImage(), settings::FactoryImage());
    EXPECT_EQ(main->FileBaseline(), settings::FactoryImage());
    EXPECT_EQ(main->PrinterBaseline(), settings::FactoryImage());
    EXPECT_EQ(main->StartupDone(), 1);
    EXPECT_EQ(main->CurrentPageIndex(), 0);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(main->Page(i).IsWindowVisible(), i == 0) << i;
    EXPECT_TRUE(SendEnabledInMenu());
    EXPECT_TRUE(SendEnabledInToolbar());
    EXPECT_EQ(main->PrinterName(), QStringLiteral("Quill"));
    EXPECT_EQ(main->PortName(), QStringLiteral("USB001"));
    // One printer listed: the printer command is grayed.
    EXPECT_EQ(main->Menu().GetMenuState(res::ID_SELECT_PRINTER), MF_GRAYED | MF_DISABLED);
    EXPECT_FALSE(main->ToolBar().IsButtonEnabled(res::ID_TB_PRINTER));
    EXPECT_EQ(main->StatusBar().GetText(0), QStringLiteral("プリンタ名： Quill"));
    EXPECT_EQ(main->StatusBar().GetText(1), QStringLiteral("接続先： USB001"));
    EXPECT_EQ(main->GetSafeHwnd()->windowTitle(), QStringLiteral("ORV Quillstrike 540QZ7 ブリンドルマーク"));
    // A fixed-size window: it can be minimised, not maximised or resized.
    const Qt::WindowFlags flags = main->GetSafeHwnd()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->GetSafeHwnd()->minimumSize(), main->GetSafeHwnd()->maximumSize());
    // Every tab is visible at once.
    TabControl* tabs = main->Tabs();
    ASSERT_EQ(tabs->GetItemCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(tabs->rect().contains(tabs->GetItemRect(i))) << i;
    EXPECT_EQ(tabs->GetItemText(3), QStringLiteral("ＭＳＷ１"));
    // The pages lie below the rows of tabs.
    const int tabsBottom = tabs->geometry().top() + tabs->DisplayRect().top();
    EXPECT_GE(main->Page(0).GetSafeHwnd()->geometry().top(), tabsBottom);
    // The selected tab, in the lower row, is drawn within its row: the display area under it
    // has the same colour as the rest of the display area.
    const QImage drawn = tabs->grab().toImage();
    const QRect selected = tabs->GetItemRect(0);
    const QPoint underTab(selected.center().x(), tabs->DisplayRect().top() + 20);
    const QPoint elsewhere(tabs->width() - 20, tabs->height() - 20);
    EXPECT_EQ(drawn.pixel(underTab * drawn.devicePixelRatio()),
              drawn.pixel(elsewhere * drawn.devicePixelRatio()));
}

TEST_F(MainWindowTest, PageAcceleratorsSwitchPagesWithoutADataCheck) {
    StartMainWindow();
    const int checks = main->DataChecksRun();
    const settings::SettingsImage before = main->CurrentImage();
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_P, 1}, {Qt::Key_L, 2}, {Qt::Key_1, 3}, {Qt::Key_2, 4},
                                            {Qt::Key_3, 5}, {Qt::Key_4, 6}, {Qt::Key_K, 0}};
    for (auto [key, page] : keys) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : main->GetSafeHwnd(), key,
                        Qt::ControlModifier);
        EXPECT_EQ(main->CurrentPageIndex(), page);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(main->Page(i).IsWindowVisible(), i == page);
    }
    EXPECT_EQ(main->DataChecksRun(), checks);
    EXPECT_EQ(main->CurrentImage(), before);
}

TEST_F(MainWindowTest, CtrlOneOnTheTabControlKeepsTheFocusThere) {
    StartMainWindow();
    QWidget* tabs = main->Tabs();
    FocusControl(tabs);
    QTest::keyClick(tabs, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(main->CurrentPageIndex(), 3);
    EXPECT_EQ(QApplication::focusWidget(), tabs);
    // A click on a tab shows its page and runs no data check either.
    const int checks = main->DataChecksRun();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, main->Tabs()->GetItemRect(1).center());
    EXPECT_EQ(main->CurrentPageIndex(), 1);
    EXPECT_TRUE(main->Page(1).IsWindowVisible());
    EXPECT_FALSE(main->Page(3).IsWindowVisible());
    EXPECT_EQ(main->DataChecksRun(), checks);
}

TEST_F(MainWindowTest, EnterEscAndTheCloseOfAnUnchangedWindow) {
    StartMainWindow();
    main->SelectPage(1);
    QWidget* edit = main->Page(1).GetDlgItem(1061);
    FocusControl(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(main->GetSafeHwnd(), Qt::Key_Escape);
    EXPECT_FALSE(main->IsEnded());
    EXPECT_TRUE(main->IsWindowVisible());
    // With nothing to send or save the close box closes at once.
    main->GetSafeHwnd()->close();
    EXPECT_TRUE(main->IsEnded());
    EXPECT_EQ(main->ResultCode(), IDOK);
}

TEST_F(MainWindowTest, HelpIsTheChmBesideTheExecutableGrayedWithoutItAndReportsAViewerFailure) {
    StartMainWindow();  // no help file in the executable's directory
    EXPECT_EQ(main->HelpPath(), TempPath(QStringLiteral("bmk540.chm")));
    EXPECT_EQ(main->Menu().GetMenuState(res::ID_HELP_CONTENTS), MF_GRAYED | MF_DISABLED);
    int opened = 0;
    platform::SetHelpOpenerForTesting([&](const QString&) { return ++opened, true; });
    QTest::keyClick(main->GetSafeHwnd(), Qt::Key_F1);
    EXPECT_EQ(opened, 0);  // a grayed command's accelerator is not delivered

    QFile help(TempPath(QStringLiteral("bmk540.chm")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    main.reset();
    StartMainWindow();
    EXPECT_EQ(main->Menu().GetMenuState(res::ID_HELP_CONTENTS), MF_ENABLED);
    QTest::keyClick(main->GetSafeHwnd(), Qt::Key_F1);
    EXPECT_EQ(opened, 1);
    platform::SetHelpOpenerForTesting([](const QString&) { return false; });
    user.ExpectBox(QStringLiteral("ヘルプファイルが見つかりません。"), QStringLiteral("Brindlemark"),
                   MB_OK | MB_ICONEXCLAMATION, IDOK);
    main->SendCommand(res::ID_HELP_CONTENTS);
}

TEST_F(MainWindowTest, AboutBoxShowsModelProductAndVersion) {
    StartMainWindow();
    user.DriveDialog([](CDialog& d) {
        EXPECT_EQ(d.TemplateId(), 100);
        EXPECT_EQ(d.GetSafeHwnd()->windowTitle(), QStringLiteral("バージョン情報"));
        QStringList texts;
        for (auto* label : d.GetSafeHwnd()->findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains(QStringLiteral("ORV Quillstrike 540QZ7")));
        EXPECT_TRUE(texts.contains(QStringLiteral("ブリンドルマーク")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Version 2.000")));
        Click(d.GetDlgItem(IDOK));
    });
    main->SendCommand(res::ID_APP_ABOUT);
}

}  // namespace
