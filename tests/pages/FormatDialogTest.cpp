// Format settings dialog: opening on a block, the corrections while typing, the trackbars, the
// checks on OK and what OK and Cancel write into the block copies.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "framework/CWinApp.h"
#include "framework/EditControl.h"
#include "framework/TrackbarControl.h"
#include "framework/UpDownControl.h"
#include "pages/OldFormatSettingsDialog.h"
#include "settings/FactoryImage.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

constexpr int kFront = 1060;
constexpr int kRear = 1200;
constexpr int kGuide = 1062;
constexpr int kFeeder = 1066;
constexpr int kPostcard = 1064;
constexpr int kLength = 1054;
constexpr int kLeft = 1201;
constexpr int kRight = 1202;
constexpr int kFrontBar = 1094;
constexpr int kFeederBar = 1102;
constexpr int kPostcardBar = 1096;
const int kBars[] = {1094, 1100, 1095, 1102, 1096};

const QString kFormat0 = QStringLiteral("書式０");
const QString kFormat1 = QStringLiteral("書式１");

template <std::size_t N>
std::string Text(const std::array<std::uint8_t, N>& block) {
    return std::string(block.begin(), block.end());
}

template <std::size_t N>
void Fill(std::array<std::uint8_t, N>& block, const std::string& text) {
    ASSERT_EQ(text.size(), N);
    std::copy(text.begin(), text.end(), block.begin());
}

const std::string kFactory0 = "66,120,120,120,046,054";
const std::string kFactoryN = "66,000,136,120,120,120,046,054";

class FormatDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Fill(dialog.m_block0, kFactory0);
        for (int n = 1; n <= 3; ++n)
            Fill(BlockN(n), kFactoryN);
    }
    void TearDown() override { dialog.DestroyWindow(); }

    // Opens the dialog modeless on a block, shown and active so that typing reaches it.
    void Open(const QString& name) {
        if (name == kFormat0)
            dialog.DecodeFormat0(dialog.m_block0);
        else
            dialog.DecodeFormatN(BlockN(QStringLiteral("０１２３").indexOf(name.right(1))));
        dialog.m_formatName = name;
        ASSERT_TRUE(dialog.Create());
        ShowAndActivate(dialog.GetSafeHwnd());
    }

    OldFormatSettingsDialog::BlockN& BlockN(int n) {
        return n == 1 ? dialog.m_block1 : n == 2 ? dialog.m_block2 : dialog.m_block3;
    }
    QWidget* Item(int id) { return dialog.GetDlgItem(id); }
    QString TextOf(int id) { return dialog.GetDlgItemText(id); }
    int Stop(int id) { return qobject_cast<TrackbarControl*>(Item(id))->GetPos(); }
    void PressOK() { Click(Item(IDOK)); }
    void ExpectLowBox(const char* path) {
        user.ExpectBox(QString::fromUtf8(path) +
                           QStringLiteral("の吸入位置の値が下限を超えています。\n設定値を変更します。"),
                       QString::fromUtf8(path) + QStringLiteral("吸入位置"), MB_OK | MB_ICONEXCLAMATION,
                       IDOK);
    }
    void Paste(int id, const QString& text) {
        QApplication::clipboard()->setText(text);
        FocusControl(Item(id));
        qobject_cast<QLineEdit*>(Item(id))->selectAll();
        QTest::keyClick(Item(id), Qt::Key_V, Qt::ControlModifier);
    }

    OldScriptedUser user;
    OldFormatSettingsDialog dialog;
};

TEST_F(FormatDialog, FactoryFormat0OpensOnItsValuesWithoutMargins) {
    Open(kFormat0);
    EXPECT_EQ(dialog.GetWindowText(), QStringLiteral("書式の設定： 書式０"));
    EXPECT_EQ(TextOf(kLength), QStringLiteral("66"));
    const std::pair<int, const char*> edits[] = {
        {kFront, "120"}, {kRear, "120"}, {kGuide, "120"}, {kFeeder, "46"}, {kPostcard, "54"}};
    for (const auto& [id, text] : edits)
        EXPECT_EQ(TextOf(id), QString::fromLatin1(text)) << id;
    const int stops[] = {2, 2, 2, 0, 0};
    for (int i = 0; i < 5; ++i) {
        auto* bar = qobject_cast<TrackbarControl*>(Item(kBars[i]));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->GetPos(), stops[i]) << kBars[i];
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 2);
    }
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("0"));
    EXPECT_EQ(TextOf(kRight), QStringLiteral("136"));
    for (int id : {1209, 1201, 1203, 1210, 1211, 1202, 1204, 1212})
        EXPECT_FALSE(Item(id)->isEnabled()) << id;
    EXPECT_FALSE(dialog.RightMarginPending());

    // Each spin steps its own edit within its range.
    const int spins[][4] = {{1099, kFront, 40, 132},  {1101, kRear, 40, 132},     {1098, kGuide, 40, 132},
                            {1103, kFeeder, 40, 132}, {1065, kPostcard, 40, 132}, {1097, kLength, 1, 99},
                            {1203, kLeft, 0, 135},    {1204, kRight, 1, 136}};
    for (const auto& s : spins) {
        auto* spin = qobject_cast<UpDownControl*>(Item(s[0]));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(static_cast<QWidget*>(spin->GetBuddy()), Item(s[1])) << s[0];
        EXPECT_EQ(spin->GetRangeMin(), s[2]) << s[0];
        EXPECT_EQ(spin->GetRangeMax(), s[3]) << s[0];
    }
    auto* spin = qobject_cast<UpDownControl*>(Item(1099));
    spin->Step(+1);
    spin->Step(+1);
    EXPECT_EQ(TextOf(kFront), QStringLiteral("122"));
    for (int i = 0; i < 20; ++i)
        spin->Step(+1);
    EXPECT_EQ(TextOf(kFront), QStringLiteral("132"));
}

TEST_F(FormatDialog, ControlsLieInsideTheDialogWithoutOverlapping) {
    Open(kFormat1);
    QWidget* client = dialog.ControlParent();
    const QRect clientRect(QPoint(0, 0), client->size());
    std::vector<QWidget*> controls;
    for (QWidget* w : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible() || w->inherits("QGroupBox"))
            continue;
        EXPECT_TRUE(clientRect.contains(w->geometry())) << CWnd::WindowTextOf(w).toStdString();
        controls.push_back(w);
    }
    EXPECT_EQ(controls.size(), 5u * 10 + 12 + 2);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << CWnd::WindowTextOf(controls[i]).toStdString() << " / "
                << CWnd::WindowTextOf(controls[j]).toStdString();
        }
    }
    auto* ok = qobject_cast<QPushButton*>(Item(IDOK));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
}

TEST_F(FormatDialog, OtherFormatsOpenWithTheirMarginsEnabled) {
    Fill(BlockN(2), "12,007,099,12:,060,046,054,055");
    Open(QStringLiteral("書式２"));
    EXPECT_EQ(dialog.GetWindowText(), QStringLiteral("書式の設定： 書式２"));
    for (int id : {1209, 1201, 1203, 1210, 1211, 1202, 1204, 1212})
        EXPECT_TRUE(Item(id)->isEnabled()) << id;
    EXPECT_EQ(TextOf(kLength), QStringLiteral("12"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("7"));
    EXPECT_EQ(TextOf(kRight), QStringLiteral("99"));
    // A colon in the units place counts as ten.
    EXPECT_EQ(TextOf(kFront), QStringLiteral("130"));
    EXPECT_EQ(Stop(kFrontBar), 2);
    EXPECT_EQ(Stop(1100), 1);
    EXPECT_EQ(Stop(1095), 0);
    EXPECT_EQ(Stop(kFeederBar), 1);    // 54: nearer to 60 than to 46
    EXPECT_EQ(Stop(kPostcardBar), 0);  // 55: postcards stop at 54
}

TEST_F(FormatDialog, TypedPositionsAreCorrectedOnlyWhenTheyCannotGrowValid) {
    Open(kFormat0);
    QWidget* front = Item(kFront);
    TypeReplacing(front, QStringLiteral("2"));
    EXPECT_EQ(TextOf(kFront), QStringLiteral("40"));
    EXPECT_EQ(Stop(kFrontBar), 0);

    TypeReplacing(front, QStringLiteral("1"));
    EXPECT_EQ(TextOf(kFront), QStringLiteral("1"));
    QTest::keyClicks(front, QStringLiteral("33"));
    EXPECT_EQ(TextOf(kFront), QStringLiteral("132"));
    EXPECT_EQ(Stop(kFrontBar), 2);

    TypeReplacing(front, QStringLiteral("5"));
    EXPECT_EQ(TextOf(kFront), QStringLiteral("5"));
    QTest::keyClick(front, Qt::Key_5);
    EXPECT_EQ(TextOf(kFront), QStringLiteral("55"));
    EXPECT_EQ(Stop(kFrontBar), 1);
    TypeReplacing(front, QStringLiteral("50"));
    EXPECT_EQ(Stop(kFrontBar), 0);
    // Exactly between two stops the lower one wins.
    TypeReplacing(front, QStringLiteral("53"));
    EXPECT_EQ(Stop(kFrontBar), 0);
    TypeReplacing(front, QStringLiteral("90"));
    EXPECT_EQ(Stop(kFrontBar), 1);

    // A lone 4 may still become 40..49 on the four paths, but no postcard position starts so.
    TypeReplacing(front, QStringLiteral("4"));
    EXPECT_EQ(TextOf(kFront), QStringLiteral("4"));
    TypeReplacing(Item(kFeeder), QStringLiteral("4"));
    EXPECT_EQ(TextOf(kFeeder), QStringLiteral("4"));
    TypeReplacing(Item(kPostcard), QStringLiteral("4"));
    EXPECT_EQ(TextOf(kPostcard), QStringLiteral("40"));
    EXPECT_EQ(Stop(kPostcardBar), 0);
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(FormatDialog, EmptiedEditsGetTheirLowestValue) {
    Open(kFormat1);
    for (int id : {kFront, kRear, kGuide, kFeeder, kPostcard}) {
        TypeReplacing(Item(id), QString());
        EXPECT_EQ(TextOf(id), QStringLiteral("40")) << id;
    }
    TypeReplacing(Item(kLength), QString());
    EXPECT_EQ(TextOf(kLength), QStringLiteral("1"));
    TypeReplacing(Item(kRight), QString());
    EXPECT_EQ(TextOf(kRight), QStringLiteral("1"));
    TypeReplacing(Item(kLength), QStringLiteral("100"));
    EXPECT_EQ(TextOf(kLength), QStringLiteral("99"));
}

TEST_F(FormatDialog, OnlyTheFocusedTrackbarSetsItsEdit) {
    Open(kFormat0);
    QWidget* feederBar = Item(kFeederBar);
    FocusControl(feederBar);
    QTest::keyClick(feederBar, Qt::Key_End);
    EXPECT_EQ(TextOf(kFeeder), QStringLiteral("120"));
    QTest::keyClick(feederBar, Qt::Key_Home);
    EXPECT_EQ(TextOf(kFeeder), QStringLiteral("46"));
    EXPECT_EQ(Stop(kFeederBar), 0);
    QTest::keyClick(feederBar, Qt::Key_Right);
    EXPECT_EQ(TextOf(kFeeder), QStringLiteral("60"));

    QWidget* postcardBar = Item(kPostcardBar);
    FocusControl(postcardBar);
    QTest::keyClick(postcardBar, Qt::Key_End);
    QTest::keyClick(postcardBar, Qt::Key_Home);
    EXPECT_EQ(TextOf(kPostcard), QStringLiteral("54"));

    // A move while another control has the focus is dropped.
    FocusControl(Item(kLength));
    qobject_cast<TrackbarControl*>(Item(kFrontBar))->setValue(0);
    EXPECT_EQ(TextOf(kFront), QStringLiteral("120"));
}

TEST_F(FormatDialog, RightMarginNotAboveLeftIsReportedAtOK) {
    Open(kFormat1);
    TypeReplacing(Item(kLeft), QStringLiteral("10"));
    TypeReplacing(Item(kRight), QStringLiteral("5"));
    EXPECT_TRUE(dialog.RightMarginPending());
    EXPECT_TRUE(user.Boxes().empty());

    user.ExpectBox(
        QStringLiteral("ライトマージン幅はレフトマージン幅より大きくしてください。適正値に変更します。"),
        QStringLiteral("ライトマージン幅"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    PressOK();
    EXPECT_EQ(TextOf(kRight), QStringLiteral("11"));
    EXPECT_EQ(CWnd::GetFocus(), Item(kRight));
    EXPECT_FALSE(dialog.RightMarginPending());
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(Text(BlockN(1)), kFactoryN);

    // Typing on to a larger value clears it before OK.
    TypeReplacing(Item(kRight), QStringLiteral("1"));
    EXPECT_TRUE(dialog.RightMarginPending());
    QTest::keyClicks(Item(kRight), QStringLiteral("2"));
    EXPECT_FALSE(dialog.RightMarginPending());
    PressOK();
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.ResultCode(), IDOK);
    EXPECT_EQ(Text(BlockN(1)), "66,010,012,120,120,120,046,054");
}

TEST_F(FormatDialog, LeftMarginNotBelowRightIsReplacedAtOnce) {
    Open(kFormat1);
    TypeReplacing(Item(kRight), QStringLiteral("80"));
    const QString text =
        QStringLiteral("レフトマージン幅はライトマージン幅より小さくしてください。適正値に変更します。");
    user.ExpectBox(text, QStringLiteral("レフトマージン幅"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    TypeReplacing(Item(kLeft), QStringLiteral("80"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("79"));
    user.ExpectBox(text, QStringLiteral("レフトマージン幅"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    TypeReplacing(Item(kLeft), QStringLiteral("95"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("79"));
    EXPECT_EQ(user.Boxes().size(), 2u);

    // With no right margin above 0 (a stray block) the left margin rests at 0: a message that
    // changes nothing would only come back.
    dialog.SetDlgItemText(kRight, QStringLiteral("0"));
    user.ExpectBox(text, QStringLiteral("レフトマージン幅"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    TypeReplacing(Item(kLeft), QStringLiteral("7"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("0"));
    TypeReplacing(Item(kLeft), QStringLiteral("0"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("0"));
    EXPECT_EQ(user.Boxes().size(), 3u);
}

TEST_F(FormatDialog, LowPositionsAreFixedOnePerOKFrontMostFirst) {
    Open(kFormat0);
    TypeReplacing(Item(kFeeder), QStringLiteral("5"));
    TypeReplacing(Item(kRear), QStringLiteral("4"));
    QWidget* focused = Item(kRear);

    ExpectLowBox("リアトラクタ");
    // Enter presses the default button and leaves the focus where it is.
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_EQ(TextOf(kRear), QStringLiteral("40"));
    EXPECT_EQ(TextOf(kFeeder), QStringLiteral("5"));
    EXPECT_EQ(CWnd::GetFocus(), focused);
    EXPECT_FALSE(dialog.IsEnded());

    ExpectLowBox("シートフィーダ");
    PressOK();
    EXPECT_EQ(TextOf(kFeeder), QStringLiteral("40"));
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(Text(dialog.m_block0), kFactory0);

    PressOK();
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(Text(dialog.m_block0), "66,120,040,120,040,054");
}

TEST_F(FormatDialog, ValuesThatTypingCannotFixFailTheTransferAtOK) {
    Open(kFormat0);
    // Set by the program, the edit has no focus and nothing corrects it.
    dialog.SetDlgItemText(kGuide, QStringLiteral("150"));
    EXPECT_EQ(TextOf(kGuide), QStringLiteral("150"));
    user.ExpectBox(QStringLiteral("40 から 132 までの整数を入力してください。"), AfxGetAppName(),
                   MB_OK | MB_ICONEXCLAMATION, IDOK);
    PressOK();
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(CWnd::GetFocus(), Item(kGuide));
    EXPECT_EQ(qobject_cast<QLineEdit*>(Item(kGuide))->selectedText(), QStringLiteral("150"));
    EXPECT_EQ(Text(dialog.m_block0), kFactory0);

    dialog.SetDlgItemText(kGuide, QStringLiteral("60"));
    dialog.SetDlgItemText(kLength, QStringLiteral("0"));
    user.ExpectBox(QStringLiteral("1 から 99 までの整数を入力してください。"), AfxGetAppName(),
                   MB_OK | MB_ICONEXCLAMATION, IDOK);
    PressOK();
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(CWnd::GetFocus(), Item(kLength));
}

TEST_F(FormatDialog, LongTextsComeToRestInsideTheRange) {
    Open(kFormat1);
    Paste(kFront, QStringLiteral("123456789012345678901234567890"));
    EXPECT_EQ(TextOf(kFront), QStringLiteral("132"));
    EXPECT_EQ(Stop(kFrontBar), 2);
    Paste(kPostcard, QStringLiteral("0000000000000055"));
    EXPECT_EQ(TextOf(kPostcard), QStringLiteral("55"));
    EXPECT_EQ(Stop(kPostcardBar), 0);
    Paste(kRear, QStringLiteral("00007"));
    EXPECT_EQ(TextOf(kRear), QStringLiteral("40"));
    Paste(kLength, QStringLiteral("99999999999"));
    EXPECT_EQ(TextOf(kLength), QStringLiteral("99"));
    Paste(kLength, QStringLiteral("0000"));
    EXPECT_EQ(TextOf(kLength), QStringLiteral("1"));
    Paste(kRight, QStringLiteral("4294967295000"));
    EXPECT_EQ(TextOf(kRight), QStringLiteral("136"));
    Paste(kLeft, QStringLiteral("000000000000000000012"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("12"));
    EXPECT_TRUE(user.Boxes().empty());
    // A huge left margin is no smaller than the right one: said once, then the proper value.
    user.ExpectBox(
        QStringLiteral("レフトマージン幅はライトマージン幅より小さくしてください。適正値に変更します。"),
        QStringLiteral("レフトマージン幅"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    Paste(kLeft, QStringLiteral("4294967295000"));
    EXPECT_EQ(TextOf(kLeft), QStringLiteral("135"));
    EXPECT_EQ(user.Boxes().size(), 1u);

    // Without the focus a long number stays as it is, and the trackbar follows it.
    FocusControl(Item(kLength));
    dialog.SetDlgItemText(kGuide, QStringLiteral("0000045"));
    EXPECT_EQ(TextOf(kGuide), QStringLiteral("45"));
    EXPECT_EQ(Stop(1095), 0);
    dialog.SetDlgItemText(kGuide, QStringLiteral("0000200"));
    EXPECT_EQ(TextOf(kGuide), QStringLiteral("200"));
    EXPECT_EQ(Stop(1095), 2);
    dialog.SetDlgItemText(kGuide, QStringLiteral("12345678"));
    EXPECT_EQ(TextOf(kGuide), QStringLiteral("12345678"));
}

TEST_F(FormatDialog, OKWritesTheNamedBlockOnlyAndCancelWritesNothing) {
    dialog.DecodeFormatN(BlockN(1));
    dialog.m_formatName = kFormat1;
    user.DriveDialog([this](CDialog& d) {
        ShowAndActivate(d.GetSafeHwnd());
        const std::pair<int, const char*> typed[] = {{kLength, "72"}, {kLeft, "5"},     {kRight, "130"},
                                                     {kFront, "46"},  {kRear, "60"},    {kGuide, "120"},
                                                     {kFeeder, "46"}, {kPostcard, "54"}};
        for (const auto& [id, text] : typed)
            TypeReplacing(d.GetDlgItem(id), QString::fromLatin1(text));
        Click(d.GetDlgItem(IDOK));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Text(BlockN(1)), "72,005,130,046,060,120,046,054");
    EXPECT_EQ(Text(dialog.m_block0), kFactory0);
    EXPECT_EQ(Text(BlockN(2)), kFactoryN);
    EXPECT_EQ(Text(BlockN(3)), kFactoryN);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);

    dialog.DecodeFormat0(dialog.m_block0);
    dialog.m_formatName = kFormat0;
    user.DriveDialog([this](CDialog& d) {
        ShowAndActivate(d.GetSafeHwnd());
        TypeReplacing(d.GetDlgItem(kLength), QStringLiteral("12"));
        FocusControl(d.GetDlgItem(kFrontBar));
        QTest::keyClick(d.GetDlgItem(kFrontBar), Qt::Key_Home);
        Click(d.GetDlgItem(IDCANCEL));
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(Text(dialog.m_block0), kFactory0);
    EXPECT_EQ(Text(BlockN(1)), "72,005,130,046,060,120,046,054");

    // A name that names no block opens on the last values and writes nothing.
    dialog.m_formatName = QStringLiteral("書式９");
    user.DriveDialog([this](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(kLength), QStringLiteral("66"));
        EXPECT_EQ(d.GetDlgItemText(kFront), QStringLiteral("120"));
        d.OnCommand(IDOK, BN_CLICKED);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Text(dialog.m_block0), kFactory0);
    EXPECT_EQ(Text(BlockN(1)), "72,005,130,046,060,120,046,054");
}

}  // namespace
