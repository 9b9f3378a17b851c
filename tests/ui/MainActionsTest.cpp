// The main window's menu bar, toolbar and status bar parts, on the actions they share.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QHelpEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include "app/PageTable.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/ElidedLabel.h"
#include "ui/MainActions.h"
#include "ui/MenuBarStyle.h"

namespace {

class MainActionsTest : public ::testing::Test {
protected:
    MainActionsTest() : actions(CreateMainActions(&window, PageCommands())) {
        FillMenuBar(window.menuBar(), actions);
        ApplyMenuBarStyle(window.menuBar());
        toolBar = window.addToolBar(QString());
        FillToolBar(toolBar, actions);
        testing_support::ShowAndActivate(&window);
    }
    // "text|shortcut" per item, "-" per separator.
    static QStringList Items(const QMenu* menu) {
        QStringList items;
        for (const QAction* a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-")
                                       : a->text() + QLatin1Char('|') + a->shortcut().toString());
        return items;
    }
    QMainWindow window;
    MainActions actions;
    QToolBar* toolBar = nullptr;
};

TEST_F(MainActionsTest, ThreeDropDownsHoldTheCommandsWithTheirKeysAndPictures) {
    const QList<QAction*> titles = window.menuBar()->actions();
    ASSERT_EQ(titles.size(), 3);
    EXPECT_EQ(titles[0]->text(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(titles[1]->text(), QStringLiteral("メニュー(&M)"));
    EXPECT_EQ(titles[2]->text(), QStringLiteral("ヘルプ(&H)"));
    EXPECT_EQ(Items(titles[0]->menu()),
              QStringList({"設定ファイルの読み込み(&O)...|Ctrl+O", "設定ファイルへの書き込み(&S)...|Ctrl+S",
                           "-", "設定値をプリンタへ送信(&W)|Ctrl+W", "工場出荷設定を表示(&I)|Ctrl+I", "-",
                           "プリンタの選択(&C)...|Ctrl+C", "-", "終了(&X)\tAlt+F4|"}));
    EXPECT_EQ(
        Items(titles[1]->menu()),
        QStringList({"機能選択(&K)|Ctrl+K", "パラメータ設定１（&P）|Ctrl+P", "パラメータ設定２（&L）|Ctrl+L",
                     "メモリスイッチ１(&1)|Ctrl+1", "メモリスイッチ２(&2)|Ctrl+2",
                     "メモリスイッチ３(&3)|Ctrl+3", "メモリスイッチ４(&4)|Ctrl+4"}));
    EXPECT_EQ(Items(titles[2]->menu()), QStringList({"ヘルプ目次(&H)|F1", "-", "バージョン情報(&A)...|"}));
    for (QAction* a : {actions.load, actions.save, actions.send, actions.factory, actions.printer})
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    for (QAction* a : actions.pages)
        EXPECT_FALSE(a->icon().isNull()) << a->text().toStdString();
    // The pictures stand on a transparent face, not on the grey of the bitmaps.
    const QImage load = actions.load->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(load.pixel(0, 0)), 0);
}

TEST_F(MainActionsTest, ToolbarButtonsBetweenSeparatorsShowTheirTooltipsEvenGrayed) {
    QStringList layout;
    for (const QAction* a : toolBar->actions())
        layout << (a->isSeparator() ? QStringLiteral("-") : a->toolTip());
    EXPECT_EQ(layout,
              QStringList({"-", "設定ファイルの読み込み", "設定ファイルへの書き込み", "-",
                           "設定値をプリンタへ送信", "-", "工場出荷設定を表示", "-", "プリンタの選択"}));
    actions.send->setEnabled(false);
    auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(actions.send));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    const QPoint at = button->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
    QApplication::sendEvent(button, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("設定値をプリンタへ送信"));
    QToolTip::hideText();
}

// The mouse arrives on the grayed button while a dialog blocks the window; when the dialog
// closes, it rests there without a move, as after the message of a send made with the button.
TEST_F(MainActionsTest, AMouseAtRestOnAGrayedButtonAfterADialogGetsItsTooltip) {
    actions.send->setEnabled(false);
    QWidget* button = toolBar->widgetForAction(actions.send);
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    dialog.move(window.mapToGlobal(QPoint(0, window.height())));
    QCursor::setPos(button->mapToGlobal(button->rect().center()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(QToolTip::isVisible());
    dialog.close();
    QApplication::setActiveWindow(&window);  // what the window manager does
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("設定値をプリンタへ送信"));
    QToolTip::hideText();
}

TEST_F(MainActionsTest, TheMenuBarAnswersAltAndHighlightsGrayedItems) {
    const QStyle* style = window.menuBar()->style();
    EXPECT_TRUE(style->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, window.menuBar()));
    const QMenu* file = window.menuBar()->actions().first()->menu();
    EXPECT_TRUE(file->style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, nullptr, file));
    QTest::keyClick(&window, Qt::Key_F10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == file; }));
    // The grayed send command, reached by the keyboard, is drawn on the highlight like the others.
    actions.send->setEnabled(false);
    QMenu* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(shown, nullptr);
    const std::pair<Qt::Key, QAction*> steps[] = {
        {Qt::Key_Down, actions.send}, {Qt::Key_Down, actions.factory}, {Qt::Key_Up, actions.send}};
    shown->setActiveAction(actions.save);
    for (const auto& [key, item] : steps) {
        QTest::keyClick(shown, key);
        ASSERT_EQ(shown->activeAction(), item) << item->text().toStdString();
        const QRect row = shown->actionGeometry(item);
        const QImage drawn = shown->grab(row).toImage();
        EXPECT_EQ(drawn.pixelColor(row.width() - 4, row.height() / 2),
                  shown->palette().color(QPalette::Active, QPalette::Highlight))
            << item->text().toStdString();
    }
    QTest::keyClick(shown, Qt::Key_Escape);
}

TEST(ElidedLabelTest, ALongAddressIsCutInTheMiddleAndWholeInTheTooltip) {
    ElidedLabel label;
    const QString address =
        QStringLiteral("接続先： socket://127.0.0.1:9100/a/rather/long/path/to/the/printer");
    label.setFullText(address);
    label.resize(120, 20);
    label.show();
    EXPECT_TRUE(label.text().contains(QChar(0x2026)));
    EXPECT_TRUE(label.text().startsWith(QStringLiteral("接続先")));
    EXPECT_TRUE(label.text().endsWith(QStringLiteral("printer")));
    EXPECT_EQ(label.toolTip(), address);
    label.resize(2000, 20);
    EXPECT_EQ(label.text(), address);
}

TEST(ElidedLabelTest, ALastJobCutAtTheEndKeepsItsDate) {
    ElidedLabel label;
    label.setElideMode(Qt::ElideRight);
    label.setFullText(QStringLiteral("Last received: 2026/12/10 15:04  second-floor-settings.dat"));
    label.resize(
        label.fontMetrics().horizontalAdvance(QStringLiteral("Last received: 2026/12/10 15:04  sec")), 20);
    label.show();
    EXPECT_TRUE(label.text().startsWith(QStringLiteral("Last received: 2026/12/10 15:04")))
        << label.text().toStdString();
    EXPECT_TRUE(label.text().endsWith(QChar(0x2026)));
}

}  // namespace
