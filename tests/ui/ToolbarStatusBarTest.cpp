// The main window's toolbar and status bar, hosted in a stand-in parent window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <cstring>
#include <memory>
#include <vector>

#include "res/Images.h"
#include "tests/support/WidgetHelpers.h"
#include "ui/PanelStatusBar.h"
#include "ui/PanelToolBar.h"

namespace {

const int kButtonIds[] = {2000, 2001, 2002, 2003, 2004};
const char* const kTips[] = {"設定ファイルの読み込み", "設定ファイルへの書き込み", "設定値をプリンタへ送信",
                             "工場出荷設定を表示", "プリンタの選択"};

// A parent window that records every command it receives.
class HostWindow : public CWnd {
public:
    HostWindow(int width = 490, int height = 300) {
        auto* client = new QWidget;
        client->setFixedSize(width, height);
        AttachWidget(client);
    }
    bool OnCommand(int id, int code) override {
        commands.push_back(id);
        codes.push_back(code);
        return true;
    }
    // The window's widget goes away while the bars still exist, as at the end of a modal run.
    void DestroyWindowFirst() { DestroyWidget(); }

    std::vector<int> commands;
    std::vector<int> codes;
};

QByteArray CodePage932(const QString& text) {
    QStringEncoder encoder("windows-31j");
    return encoder(text);
}

QToolButton* ButtonAt(CToolBarCtrl& bar, int index) {
    return qobject_cast<QToolButton*>(bar.GetSafeHwnd()->childAt(bar.GetItemRect(index).center()));
}

// What the tooltip shows after Qt asks the button for it.
QString ToolTipShownFor(QToolButton* button) {
    QHelpEvent e(QEvent::ToolTip, button->rect().center(), button->mapToGlobal(button->rect().center()));
    QApplication::sendEvent(button, &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

class ToolbarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bar.Create(&host));
        testing_support::ShowAndActivate(host.GetSafeHwnd());
    }
    void TearDown() override { QToolTip::hideText(); }

    HostWindow host;
    PanelToolBar bar;
};

TEST_F(ToolbarTest, NineItemsInLayoutOrderAcrossTheTop) {
    ASSERT_EQ(bar.GetButtonCount(), 9);
    const int ids[] = {0, 2000, 2001, 0, 2002, 0, 2003, 0, 2004};
    const int images[] = {0, 0, 1, 0, 2, 0, 3, 0, 4};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        TBBUTTON b;
        ASSERT_TRUE(bar.GetButton(i, &b));
        const bool separator = i == 0 || i == 3 || i == 5 || i == 7;
        EXPECT_EQ(b.fsStyle, separator ? TBSTYLE_SEP : TBSTYLE_BUTTON);
        EXPECT_EQ(b.idCommand, ids[i]);
        EXPECT_EQ(b.iBitmap, images[i]);
        EXPECT_EQ(b.fsState, TBSTATE_ENABLED);
        EXPECT_EQ(ButtonAt(bar, i) == nullptr, separator);
        if (i > 0) {
            EXPECT_EQ(bar.GetItemRect(i).left(), bar.GetItemRect(i - 1).right() + 1);
        }
    }
    EXPECT_FALSE(bar.GetButton(9, nullptr));
    EXPECT_EQ(bar.GetImageCount(), res::LoadBitmapResource(150).isNull() ? 0 : 5);

    QWidget* widget = bar.GetSafeHwnd();
    EXPECT_EQ(host.GetDlgItem(2016), widget);
    EXPECT_EQ(widget->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(widget->width(), 490);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_GE(widget->height(), bar.GetItemRect(1).bottom() + 1);
}

TEST_F(ToolbarTest, EachButtonShowsItsStringTableTooltipInBothForms) {
    for (bool wide : {true, false}) {
        bar.SetUnicodeToolTips(wide);
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(kButtonIds[k]);
            QToolButton* button = ButtonAt(bar, bar.CommandToIndex(kButtonIds[k]));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(ToolTipShownFor(button), QString::fromUtf8(kTips[k]));
        }
    }
}

TEST_F(ToolbarTest, TooltipRequestsFillTheInlineFieldAndLeaveTheResult) {
    NMTTDISPINFOA narrow;
    narrow.hdr.code = TTN_NEEDTEXTA;
    narrow.lpszText = narrow.szText;
    LRESULT result = 1234;
    EXPECT_TRUE(bar.OnNotify(2002, &narrow.hdr, &result));
    EXPECT_EQ(QByteArray(narrow.szText), CodePage932(QString::fromUtf8(kTips[2])));
    EXPECT_EQ(result, 1234);

    NMTTDISPINFOW wide;
    wide.hdr.code = TTN_NEEDTEXTW;
    wide.lpszText = wide.szText;
    EXPECT_TRUE(bar.OnNotify(2004, &wide.hdr, &result));
    EXPECT_EQ(QString::fromUtf16(wide.szText), QString::fromUtf8(kTips[4]));
    EXPECT_EQ(result, 1234);

    // Only the five buttons have tooltips.
    NMTTDISPINFOW other;
    other.hdr.code = TTN_NEEDTEXTW;
    EXPECT_FALSE(bar.OnNotify(2005, &other.hdr, &result));
    EXPECT_FALSE(bar.OnNotify(1999, &other.hdr, &result));
    EXPECT_EQ(other.szText[0], u'\0');
}

TEST(ToolTipText, CutTo79CodePage932BytesWithoutSplittingACharacter) {
    // 100 characters; the 79th byte would be the first half of a double-byte character.
    const QString mixed = QStringLiteral("ab") + QString(98, QChar(u'設'));
    const QByteArray cut = PanelToolBar::ToCodePage932(mixed);
    EXPECT_EQ(cut.size(), 78);
    EXPECT_EQ(QStringDecoder("windows-31j")(cut), QStringLiteral("ab") + QString(38, QChar(u'設')));

    // Here the limit falls between characters and all 79 bytes are kept.
    const QString even = QStringLiteral("a") + QString(99, QChar(u'定'));
    EXPECT_EQ(PanelToolBar::ToCodePage932(even).size(), 79);

    // Half-width katakana are single bytes.
    const QString kana = QString(60, QChar(u'ｱ')) + QString(40, QChar(u'プ'));
    const QByteArray kanaCut = PanelToolBar::ToCodePage932(kana);
    EXPECT_EQ(kanaCut.size(), 78);
    EXPECT_EQ(QStringDecoder("windows-31j")(kanaCut), QString(60, QChar(u'ｱ')) + QString(9, QChar(u'プ')));

    EXPECT_EQ(PanelToolBar::ToCodePage932(QString(100, QChar(u'x'))), QByteArray(79, 'x'));
    EXPECT_EQ(PanelToolBar::ToCodePage932(QString::fromUtf8(kTips[0])),
              CodePage932(QString::fromUtf8(kTips[0])));
}

// A toolbar whose map also answers notifications that are not tooltip requests.
class ToolbarWithMoreEntries : public PanelToolBar {
public:
    std::vector<int> clicks;
    void OnItemClick(UINT id, NMHDR*, LRESULT* result) {
        clicks.push_back(static_cast<int>(id));
        *result = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ToolbarWithMoreEntries, PanelToolBar)
ON_NOTIFY_RANGE(NM_CLICK, 2000, 2004, OnItemClick)
END_MESSAGE_MAP()

TEST(ToolbarNotify, OtherNotificationsTakeTheDefaultRoute) {
    HostWindow host;
    ToolbarWithMoreEntries bar;
    ASSERT_TRUE(bar.Create(&host));
    NMHDR hdr{nullptr, 2016, NM_CLICK};
    LRESULT result = 0;
    EXPECT_TRUE(bar.OnNotify(2003, &hdr, &result));
    EXPECT_EQ(result, 5);
    EXPECT_EQ(bar.clicks, std::vector<int>{2003});

    result = 0;
    hdr.code = NM_DBLCLK;
    EXPECT_FALSE(bar.OnNotify(2003, &hdr, &result));
    EXPECT_FALSE(bar.OnNotify(2016, nullptr, &result));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(bar.clicks.size(), 1u);
    EXPECT_TRUE(host.commands.empty());
}

TEST_F(ToolbarTest, LockedOutToolbarAnswersTooltipRequestsWithNothing) {
    QToolButton* button = ButtonAt(bar, 1);
    NMTTDISPINFOA info;
    info.hdr.code = TTN_NEEDTEXTA;
    LRESULT result = 0;
    {
        fw::NotifyLockout lockout(&bar);
        EXPECT_TRUE(bar.OnNotify(2000, &info.hdr, &result));
        EXPECT_EQ(info.szText[0], '\0');
        EXPECT_NE(ToolTipShownFor(button), QString::fromUtf8(kTips[0]));
    }
    {
        // Another window's lock-out does not concern the toolbar.
        fw::NotifyLockout lockout(&host);
        EXPECT_EQ(ToolTipShownFor(button), QString::fromUtf8(kTips[0]));
    }
    EXPECT_EQ(fw::NotifyLockoutWindow(), nullptr);
}

// Stands in for the toolbar's tooltip and takes back the request for one button.
class OwnTextToolTip : public CWnd {
public:
    void OnNeedText(UINT, NMHDR* hdr, LRESULT*) {
        reinterpret_cast<NMTTDISPINFOW*>(hdr)->lpszText = u"自前の説明";
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnTextToolTip, CWnd)
ON_NOTIFY_RANGE(TTN_NEEDTEXTW, 2003, 2003, OnNeedText)
END_MESSAGE_MAP()

TEST_F(ToolbarTest, TheSendingTooltipMayConsumeTheRequestFirst) {
    OwnTextToolTip tip;
    bar.SetToolTips(&tip);
    EXPECT_EQ(ToolTipShownFor(ButtonAt(bar, 6)), QStringLiteral("自前の説明"));
    EXPECT_EQ(ToolTipShownFor(ButtonAt(bar, 8)), QString::fromUtf8(kTips[4]));
    // A request that does not come from the tooltip is not offered to it.
    NMTTDISPINFOW direct;
    direct.hdr.code = TTN_NEEDTEXTW;
    direct.lpszText = direct.szText;
    LRESULT result = 0;
    EXPECT_TRUE(bar.OnNotify(2003, &direct.hdr, &result));
    EXPECT_EQ(QString::fromUtf16(direct.lpszText), QString::fromUtf8(kTips[3]));
    bar.SetToolTips(nullptr);
}

TEST_F(ToolbarTest, ClicksSendTheCommandIdToTheParentUnlessDisabled) {
    for (int k = 0; k < 5; ++k)
        QTest::mouseClick(ButtonAt(bar, bar.CommandToIndex(kButtonIds[k])), Qt::LeftButton);
    EXPECT_EQ(host.commands, std::vector<int>(std::begin(kButtonIds), std::end(kButtonIds)));
    EXPECT_EQ(host.codes, std::vector<int>(5, 0));

    host.commands.clear();
    EXPECT_TRUE(bar.EnableButton(2002, false));
    EXPECT_FALSE(bar.IsButtonEnabled(2002));
    EXPECT_TRUE(bar.IsButtonEnabled(2004));
    QTest::mouseClick(ButtonAt(bar, 4), Qt::LeftButton);
    EXPECT_TRUE(host.commands.empty());
    // A disabled button still explains itself.
    EXPECT_EQ(ToolTipShownFor(ButtonAt(bar, 4)), QString::fromUtf8(kTips[2]));

    EXPECT_TRUE(bar.EnableButton(2002, true));
    QTest::mouseClick(ButtonAt(bar, 4), Qt::LeftButton);
    EXPECT_EQ(host.commands, std::vector<int>{2002});
    EXPECT_FALSE(bar.EnableButton(2005, false));
}

TEST(ToolbarImages, ImageKIsTheKthSquareOfTheStripOnTheButtonFace) {
    HostWindow host;
    CToolBarCtrl bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CCS_TOP, QRect(), &host, 7));
    EXPECT_EQ(bar.AddBitmap(5, QPixmap()), -1);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};
    QImage strip(80, 16, QImage::Format_RGB32);
    for (int k = 0; k < 5; ++k) {
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y)
                strip.setPixelColor(k * 16 + x, y, y == 0 ? QColor(192, 192, 192) : colours[k]);
    }
    EXPECT_EQ(bar.AddBitmap(5, QPixmap::fromImage(strip)), 0);
    for (int k = 0; k < 5; ++k) {
        TBBUTTON b{4 - k, 100 + k, TBSTATE_ENABLED, TBSTYLE_BUTTON, 0};
        ASSERT_TRUE(bar.InsertButton(k, &b));
    }
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QImage shown = ButtonAt(bar, i)->icon().pixmap(16, 16).toImage();
        EXPECT_EQ(shown.pixelColor(8, 8), colours[4 - i]);
        EXPECT_EQ(shown.pixelColor(8, 0).alpha(), 0);
    }
}

TEST(ToolbarLifetime, BarsOutliveTheirParentsWindow) {
    auto host = std::make_unique<HostWindow>();
    PanelToolBar bar;
    PanelStatusBar status;
    ASSERT_TRUE(bar.Create(host.get()));
    ASSERT_TRUE(status.Create(host.get()));
    host->DestroyWindowFirst();
    EXPECT_FALSE(bar.EnableButton(2002, false));
    EXPECT_FALSE(status.SetText(0, QStringLiteral("x")));
    EXPECT_EQ(status.GetParts(0, nullptr), 0);
}

struct PartCase {
    int width;
    int firstRightEdge;
};

class StatusBarParts : public ::testing::TestWithParam<PartCase> {};

TEST_P(StatusBarParts, FirstPartEndsAtSixAndAHalfWholeTenths) {
    HostWindow host(GetParam().width, 200);
    PanelStatusBar bar;
    ASSERT_TRUE(bar.Create(&host));
    EXPECT_EQ(bar.GetWindowRect().width(), GetParam().width);
    int edges[3] = {7, 7, 7};
    EXPECT_EQ(bar.GetParts(3, edges), 2);
    EXPECT_EQ(edges[0], GetParam().firstRightEdge);
    EXPECT_EQ(edges[1], -1);
    EXPECT_EQ(edges[2], 7);
}

INSTANTIATE_TEST_SUITE_P(Widths, StatusBarParts,
                         ::testing::Values(PartCase{490, 318}, PartCase{499, 318}, PartCase{100, 65},
                                           PartCase{10, 6}, PartCase{9, 0}, PartCase{0, 0},
                                           PartCase{16777215, 10905186}));

TEST(StatusBar, TwoEmptyPartsAlongTheBottomThatHoldTheirTexts) {
    HostWindow host(490, 300);
    PanelStatusBar bar;
    ASSERT_TRUE(bar.Create(&host));
    QWidget* widget = bar.GetSafeHwnd();
    EXPECT_EQ(host.GetDlgItem(2016), widget);
    EXPECT_EQ(widget->geometry().bottom(), 299);
    EXPECT_EQ(widget->geometry().left(), 0);
    EXPECT_TRUE(widget->isVisibleTo(host.GetSafeHwnd()));
    EXPECT_EQ(bar.GetText(0), QString());
    EXPECT_EQ(bar.GetText(1), QString());

    const QString printer = QStringLiteral("プリンタ名： ORV 540QZ7");
    const QString port = QStringLiteral("接続先： usb://orv/540");
    EXPECT_TRUE(bar.SetText(0, printer));
    EXPECT_TRUE(bar.SetText(1, port));
    EXPECT_FALSE(bar.SetText(2, port));
    EXPECT_EQ(bar.GetText(0), printer);
    EXPECT_EQ(bar.GetText(1), port);

    QRect first;
    QRect second;
    ASSERT_TRUE(bar.GetRect(0, &first));
    ASSERT_TRUE(bar.GetRect(1, &second));
    EXPECT_EQ(first.left(), 0);
    EXPECT_EQ(first.right() + 1, 318);
    EXPECT_EQ(second.left(), 318);
    EXPECT_EQ(second.right() + 1, 490);

    // Fewer parts drop the texts of the parts that went; those that remain keep theirs.
    const int one = -1;
    EXPECT_TRUE(bar.SetParts(1, &one));
    EXPECT_EQ(bar.GetText(0), printer);
    EXPECT_EQ(bar.GetText(1), QString());
    EXPECT_FALSE(bar.SetParts(0, &one));
}

}  // namespace
