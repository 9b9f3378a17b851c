// Start-up, tabs, status bar, keys and help of the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "help/HelpViewer.h"
#include "pages/NumericEdit.h"
#include "settings/FactoryImage.h"
#include "tests/app/MainWindowFixture.h"
#include "ui/ElidedLabel.h"

using namespace testing_support;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QStringList kTabs{"機能選択", "パラメータ設定１", "パラメータ設定２", "ＭＳＷ１",
                        "ＭＳＷ２", "ＭＳＷ３",         "ＭＳＷ４"};

TEST_F(MainWindowTest, StartUpShowsTheFactorySettingsThePrinterAndEveryTabInOneRow) {
    StartMainWindow();
    EXPECT_EQ(main->currentImage(), settings::FactoryImage());
    EXPECT_EQ(main->fileBaseline(), settings::FactoryImage());
    EXPECT_EQ(main->printerBaseline(), settings::FactoryImage());
    EXPECT_TRUE(main->startupDone());
    EXPECT_EQ(main->currentPageIndex(), 0);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(main->page(i)->isVisible(), i == 0) << i;
    EXPECT_TRUE(SendEnabled());
    EXPECT_EQ(main->printerName(), QStringLiteral("Quill"));
    EXPECT_EQ(main->portName(), QStringLiteral("USB001"));
    // One printer listed: the printer command is grayed.
    EXPECT_FALSE(main->actions().printer->isEnabled());
    EXPECT_EQ(Child<QLabel>(main.get(), "printerName")->text(), QStringLiteral("プリンタ名： Quill"));
    EXPECT_EQ(Child<QLabel>(main.get(), "port")->text(), QStringLiteral("接続先： USB001"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("ORV Quillstrike 540QZ7 ブリンドルマーク"));
    // A fixed-size window: it can be minimised, not maximised or resized.
    const Qt::WindowFlags flags = main->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main->minimumSize(), main->maximumSize());
    // Every tab whole and in one row, the pages below it.
    QTabWidget* tabs = main->tabs();
    const QTabBar* bar = tabs->tabBar();
    ASSERT_EQ(tabs->count(), 7);
    EXPECT_TRUE(tabs->rect().contains(bar->geometry()));
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << i;
        EXPECT_EQ(bar->tabRect(i).top(), bar->tabRect(0).top()) << i;
        EXPECT_EQ(tabs->tabText(i), kTabs[i]);
    }
    EXPECT_GE(main->page(0)->mapTo(main.get(), QPoint()).y(),
              bar->mapTo(main.get(), QPoint(0, bar->height())).y());
}

TEST_F(MainWindowTest, PageKeysSwitchPagesWithoutADataCheck) {
    StartMainWindow();
    const int checks = main->dataChecksRun();
    const settings::SettingsImage before = main->currentImage();
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_P, 1}, {Qt::Key_L, 2}, {Qt::Key_1, 3}, {Qt::Key_2, 4},
                                            {Qt::Key_3, 5}, {Qt::Key_4, 6}, {Qt::Key_K, 0}};
    for (auto [key, page] : keys) {
        Press(key);
        EXPECT_EQ(main->currentPageIndex(), page);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(main->page(i)->isVisible(), i == page) << page;
    }
    EXPECT_EQ(main->dataChecksRun(), checks);
    EXPECT_EQ(main->currentImage(), before);
}

TEST_F(MainWindowTest, CtrlOneOnTheTabBarKeepsTheFocusThere) {
    StartMainWindow();
    QTabBar* bar = main->tabs()->tabBar();
    FocusControl(bar);
    QTest::keyClick(bar, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(main->currentPageIndex(), 3);
    EXPECT_EQ(QApplication::focusWidget(), bar);
    // A click on a tab shows its page and runs no data check either.
    const int checks = main->dataChecksRun();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    EXPECT_EQ(main->currentPageIndex(), 1);
    EXPECT_TRUE(main->page(1)->isVisible());
    EXPECT_FALSE(main->page(3)->isVisible());
    EXPECT_EQ(main->dataChecksRun(), checks);
}

TEST_F(MainWindowTest, EnterAndEscapeDoNothingAndTheCloseBoxClosesAnUnchangedWindow) {
    StartMainWindow();
    main->selectPage(1);
    NumericEdit* edit = CutSheet();
    FocusControl(edit);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Escape);
    QTest::keyClick(main.get(), Qt::Key_Escape);
    EXPECT_FALSE(main->hasClosed());
    EXPECT_TRUE(main->isVisible());
    // With nothing to send or save the close box closes at once.
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(main->hasClosed());
    EXPECT_FALSE(main->isVisible());
}

// A control's mnemonic wins over the menu bar's, press after press; where no control has the
// letter, it opens the menu.
TEST_F(MainWindowTest, AltFGoesToTheControlWithThatLetterElseToTheFileMenu) {
    StartMainWindow();
    main->selectPage(2);
    auto* frontTractor = Control<QComboBox>(2, "frontTractor");
    for (int press = 1; press <= 3; ++press) {
        FocusControl(Control<QComboBox>(2, "sheetGuide"));
        Press(Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), frontTractor) << press;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << press;
    }
    Press(Qt::Key_K);
    ASSERT_EQ(main->currentPageIndex(), 0);
    Press(Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
    if (QWidget* menu = QApplication::activePopupWidget()) {
        EXPECT_EQ(static_cast<QMenu*>(menu)->title(), QStringLiteral("ファイル(&F)"));
        QTest::keyClick(menu, Qt::Key_Escape);
    }
}

TEST_F(MainWindowTest, TheStatusBarShortensALongAddressInTheMiddleAndTipsItWhole) {
    const std::string device = "socket://127.0.0.1:63123/very/long/path/to/a/printer/far/away/end";
    printers.removePrinter("Quill");
    printers.addPrinter(ModelPrinter("Quill", device));
    StartMainWindow();
    const QString whole = QStringLiteral("接続先： ") + QString::fromStdString(device);
    const auto* port = Child<ElidedLabel>(main.get(), "port");
    EXPECT_EQ(main->statusText(1), whole);
    EXPECT_EQ(port->toolTip(), whole);
    const QString shown = port->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("接続先： soc"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("/end"))) << shown.toStdString();
    EXPECT_LE(port->fontMetrics().horizontalAdvance(shown), port->contentsRect().width());
}

TEST_F(MainWindowTest, HelpIsTheChmBesideTheExecutableGrayedWithoutItAndReportsAViewerFailure) {
    StartMainWindow();  // no help file in the executable's directory
    EXPECT_EQ(main->helpPath(), TempPath(QStringLiteral("bmk540.chm")));
    EXPECT_FALSE(main->actions().helpContents->isEnabled());
    int opened = 0;
    help::SetHelpOpenerForTesting([&](const QString&) { return ++opened, true; });
    Press(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(opened, 0);  // a grayed command's key does nothing

    QFile help(TempPath(QStringLiteral("bmk540.chm")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    main.reset();
    StartMainWindow();
    EXPECT_TRUE(main->actions().helpContents->isEnabled());
    Press(Qt::Key_F1, Qt::NoModifier);
    EXPECT_EQ(opened, 1);
    help::SetHelpOpenerForTesting([](const QString&) { return false; });
    user.expectWarning(QStringLiteral("ヘルプファイルが見つかりません。"), kCaption);
    main->actions().helpContents->trigger();
    EXPECT_EQ(user.boxes().size(), 1u);
}

TEST_F(MainWindowTest, AboutBoxShowsModelProductAndVersion) {
    StartMainWindow();
    user.driveDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("バージョン情報"));
        QStringList texts;
        for (auto* label : d.findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains(QStringLiteral("ORV Quillstrike 540QZ7")));
        EXPECT_TRUE(texts.contains(QStringLiteral("ブリンドルマーク")));
        EXPECT_TRUE(texts.contains(QStringLiteral("Version 2.000")));
        Click(Child<QPushButton>(&d, "ok"));
    });
    main->actions().about->trigger();
    EXPECT_EQ(user.dialogsRun(), 1);
}

}  // namespace
