// Parameter setting 2 page: its template, the LF pitch corrections in image order, the return time,
// the intake time's correction while typing and its range check when the page is stored.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "framework/CWinApp.h"
#include "framework/EditControl.h"
#include "framework/UpDownControl.h"
#include "pages/CPage_Param_2.h"
#include "settings/FactoryImage.h"
#include "tests/support/PageHost.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

constexpr int kIntake = 1064;
constexpr int kSpin = 1060;
constexpr int kReturnTime = 1068;
constexpr int kSheetGuide = 1067;
constexpr int kSheetFeeder = 1071;
constexpr int kFrontTractor = 1072;
constexpr int kRearTractor = 1073;

const QStringList kCorrectionItems{"-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4", "+5"};

std::string Field(const settings::SettingsImage& image, std::size_t offset, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(image.data()) + offset, width);
}

void SetField(settings::SettingsImage& image, std::size_t offset, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[offset + i] = static_cast<std::uint8_t>(bytes[i]);
}

// Stands in for the main window with its guard: a data check raised while one is running (by the
// focus moves of a validation message, say) is ignored.
class GuardedHost : public PageHost {
public:
    bool inDataCheck = false;
    int ignoredChecks = 0;

    void OnGuardedDataCheck() {
        if (inDataCheck) {
            ++ignoredChecks;
            return;
        }
        inDataCheck = true;
        OnDataCheck();
        inDataCheck = false;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(GuardedHost, PageHost)
ON_COMMAND(res::ID_DATA_CHECK, OnGuardedDataCheck)
END_MESSAGE_MAP()

class Param2Page : public ::testing::Test {
protected:
    void SetUp() override {
        // As at start-up: creating and filling the page collects nothing.
        host.storeOnDataCheck = false;
        host.Host(page);
        Load(settings::FactoryImage());
        host.dataChecks = 0;
    }

    QWidget* Item(int id) { return page.GetDlgItem(id); }
    QString Text(int id) { return page.GetDlgItemText(id); }
    // Filling the page raises data checks that must not collect it half filled.
    void Load(const settings::SettingsImage& image) {
        host.storeOnDataCheck = false;
        page.LoadFromImage(image);
        host.storeOnDataCheck = true;
    }
    void ExpectRangeMessage() {
        user.ExpectBox(kRangeMessage, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION, IDOK);
    }
    // The range message as a real box shows it: it takes the focus away from the page and
    // gives it back when it closes.
    void ExpectRangeMessageTakingFocus() {
        user.AnswerBox(IDOK, [this](const OldShownBox& box) {
            EXPECT_EQ(box.text, kRangeMessage);
            EXPECT_EQ(box.caption, AfxGetAppName());
            EXPECT_EQ(box.style, MB_OK | MB_ICONEXCLAMATION);
            EXPECT_EQ(box.owner, &page);
            QWidget standIn;
            standIn.resize(200, 80);
            ShowAndActivate(&standIn);
            standIn.hide();
            ShowAndActivate(host.GetSafeHwnd());
        });
    }

    const QString kRangeMessage = QStringLiteral("2 から 5 までの整数を入力してください。");

    OldScriptedUser user;
    GuardedHost host;
    CPage_Param_2 page;
};

TEST_F(Param2Page, TemplateHoldsEveryControlInsideThePage) {
    for (int id : {kSheetGuide, kSheetFeeder, kFrontTractor, kRearTractor}) {
        auto* combo = qobject_cast<QComboBox*>(Item(id));
        ASSERT_NE(combo, nullptr) << id;
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, kCorrectionItems) << id;
    }
    auto* returnTime = qobject_cast<QComboBox*>(Item(kReturnTime));
    ASSERT_NE(returnTime, nullptr);
    ASSERT_EQ(returnTime->count(), 3);
    EXPECT_EQ(returnTime->itemText(0), QStringLiteral("自動戻り無し"));
    EXPECT_EQ(returnTime->itemText(1), QStringLiteral("８秒"));
    EXPECT_EQ(returnTime->itemText(2), QStringLiteral("１５秒"));

    auto* spin = qobject_cast<UpDownControl*>(Item(kSpin));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(static_cast<QWidget*>(spin->GetBuddy()), Item(kIntake));
    EXPECT_EQ(spin->GetRangeMin(), 2);
    EXPECT_EQ(spin->GetRangeMax(), 5);

    // The four lists sit inside their group box.
    QGroupBox* group = nullptr;
    for (QGroupBox* g : page.ControlParent()->findChildren<QGroupBox*>()) {
        if (g->title() == QStringLiteral("ＬＦピッチ補正"))
            group = g;
    }
    ASSERT_NE(group, nullptr);
    for (int id : {kSheetGuide, kSheetFeeder, kFrontTractor, kRearTractor})
        EXPECT_TRUE(group->geometry().contains(Item(id)->geometry())) << id;

    QLabel* name = nullptr;
    for (QLabel* label : page.ControlParent()->findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("パラメータ設定"))
            name = label;
    }
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->isVisible());

    // Visible controls stay inside the page, do not overlap, and show their texts whole.
    const QRect pageRect(QPoint(0, 0), page.ControlParent()->size());
    std::vector<QWidget*> controls;
    for (QWidget* w : page.ControlParent()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!w->isVisible() || w->inherits("QGroupBox"))
            continue;
        EXPECT_TRUE(pageRect.contains(w->geometry())) << CWnd::WindowTextOf(w).toStdString();
        const QString text = CWnd::WindowTextOf(w).remove(QLatin1Char('&'));
        if (qobject_cast<QLabel*>(w)) {
            EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width()) << text.toStdString();
        }
        controls.push_back(w);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                << CWnd::WindowTextOf(controls[i]).toStdString() << " / "
                << CWnd::WindowTextOf(controls[j]).toStdString();
        }
    }
    // Each list is wide enough for its longest item.
    for (int id : {kSheetGuide, kReturnTime}) {
        auto* combo = qobject_cast<QComboBox*>(Item(id));
        EXPECT_GE(combo->width(), combo->sizeHint().width()) << id;
    }
}

TEST_F(Param2Page, FactoryImageLoadsAndStoresBackUnchanged) {
    EXPECT_EQ(Text(kReturnTime), QStringLiteral("８秒"));
    EXPECT_EQ(Text(kIntake), QStringLiteral("2"));
    for (int id : {kSheetGuide, kSheetFeeder, kFrontTractor, kRearTractor})
        EXPECT_EQ(Text(id), QStringLiteral("0")) << id;

    // Every byte of the page is written, and no other.
    settings::SettingsImage image = settings::FactoryImage();
    for (std::size_t offset : {165, 166, 168, 173, 174, 176, 177, 179, 180, 182, 183})
        image[offset] = 'x';
    page.StoreToImage(image);
    EXPECT_TRUE(image == settings::FactoryImage());
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(Param2Page, CorrectionsLoadFromTheirPitchPairsInImageOrder) {
    const std::pair<const char*, const char*> frontTractor[] = {{"FB", "-5"}, {"03", "+3"}, {"00", "0"}};
    for (const auto& [pair, shown] : frontTractor) {
        settings::SettingsImage image = settings::FactoryImage();
        SetField(image, 173, pair);
        Load(image);
        EXPECT_EQ(Text(kFrontTractor), QString::fromLatin1(shown)) << pair;
        settings::SettingsImage stored = settings::FactoryImage();
        page.StoreToImage(stored);
        EXPECT_EQ(Field(stored, 173, 2), pair);
    }

    // Image order (front, rear, sheet guide, sheet feeder) differs from the order on the page.
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 173, "02");
    SetField(image, 176, "FD");
    SetField(image, 179, "FF");
    SetField(image, 182, "05");
    Load(image);
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("+2"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("-3"));
    EXPECT_EQ(Text(kSheetGuide), QStringLiteral("-1"));
    EXPECT_EQ(Text(kSheetFeeder), QStringLiteral("+5"));
    settings::SettingsImage stored = settings::FactoryImage();
    page.StoreToImage(stored);
    EXPECT_EQ(Field(stored, 173, 11), "02,FD,FF,05");

    // A pair of no known kind, or a value beyond the list, leaves the previous choice; the store
    // writes that choice.
    SetField(image, 173, "07");
    SetField(image, 176, "X1");
    SetField(image, 179, "F@");
    SetField(image, 182, "  ");
    Load(image);
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("+2"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("-3"));
    EXPECT_EQ(Text(kSheetGuide), QStringLiteral("-1"));
    EXPECT_EQ(Text(kSheetFeeder), QStringLiteral("+5"));
    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 173, 11), "02,FD,FF,05");
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(Param2Page, ChosenCorrectionsAreWrittenAsPitchPairs) {
    ChooseComboItem(Item(kFrontTractor), kCorrectionItems.indexOf("-1"));
    EXPECT_EQ(Field(host.current, 173, 2), "FF");
    ChooseComboItem(Item(kFrontTractor), kCorrectionItems.indexOf("+5"));
    EXPECT_EQ(Field(host.current, 173, 2), "05");

    ChooseComboItem(Item(kRearTractor), kCorrectionItems.indexOf("-5"));
    ChooseComboItem(Item(kSheetGuide), kCorrectionItems.indexOf("+1"));
    ChooseComboItem(Item(kSheetFeeder), kCorrectionItems.indexOf("-4"));
    EXPECT_EQ(Field(host.current, 173, 11), "05,FB,01,FC");
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(Param2Page, ReturnTimeOutsideItsListKeepsThePreviousChoice) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 165, "10");
    Load(image);
    EXPECT_EQ(Text(kReturnTime), QStringLiteral("８秒"));
    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 165, 2), "08");

    SetField(image, 165, "15");
    Load(image);
    EXPECT_EQ(Text(kReturnTime), QStringLiteral("１５秒"));
    SetField(image, 165, "10");
    Load(image);
    EXPECT_EQ(Text(kReturnTime), QStringLiteral("１５秒"));
    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 165, 2), "15");

    SetField(image, 165, "00");
    Load(image);
    EXPECT_EQ(Text(kReturnTime), QStringLiteral("自動戻り無し"));
    ChooseComboItem(Item(kReturnTime), 2);
    EXPECT_EQ(Field(host.current, 165, 2), "15");
    ChooseComboItem(Item(kReturnTime), 0);
    EXPECT_EQ(Field(host.current, 165, 2), "00");
}

TEST_F(Param2Page, TypedIntakeTimesAreCorrectedIntoRangeAtOnce) {
    QWidget* edit = Item(kIntake);
    TypeReplacing(edit, QStringLiteral("7"));
    EXPECT_EQ(Text(kIntake), QStringLiteral("5"));
    EXPECT_EQ(Field(host.current, 168, 1), "5");
    TypeReplacing(edit, QStringLiteral("0"));
    EXPECT_EQ(Text(kIntake), QStringLiteral("2"));
    TypeReplacing(edit, QStringLiteral("4"));
    EXPECT_EQ(Text(kIntake), QStringLiteral("4"));
    EXPECT_EQ(Field(host.current, 168, 1), "4");
    TypeReplacing(edit, QString());
    EXPECT_EQ(Text(kIntake), QStringLiteral("2"));
    EXPECT_EQ(Field(host.current, 168, 1), "2");
    // A second digit makes a value above 5.
    QTest::keyClicks(edit, QStringLiteral("3"));
    EXPECT_EQ(Text(kIntake), QStringLiteral("5"));

    // Pasted and long texts come to rest in range too.
    QApplication::clipboard()->setText(QStringLiteral("0003"));
    qobject_cast<QLineEdit*>(edit)->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kIntake), QStringLiteral("3"));
    page.SetDlgItemText(kIntake, QStringLiteral("123456789012"));
    EXPECT_EQ(Text(kIntake), QStringLiteral("5"));
    EXPECT_EQ(Field(host.current, 168, 1), "5");

    // The up-down control steps within 2..5.
    auto* spin = qobject_cast<UpDownControl*>(Item(kSpin));
    spin->Step(+1);
    EXPECT_EQ(Text(kIntake), QStringLiteral("5"));
    spin->Step(-1);
    EXPECT_EQ(Field(host.current, 168, 1), "4");
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(Param2Page, LongLoadedIntakeTimesShowWithoutEndlessRewriting) {
    FocusControl(Item(kSheetGuide));
    settings::SettingsImage image = settings::FactoryImage();
    image[168] = 0xFF;
    Load(image);
    EXPECT_EQ(Text(kIntake), QStringLiteral("207"));
    image[168] = 0x00;
    Load(image);
    EXPECT_EQ(Text(kIntake), QStringLiteral("-48"));

    // The range check fails, and the byte goes back as it came.
    host.storeOnDataCheck = false;
    ExpectRangeMessage();
    settings::SettingsImage stored = settings::FactoryImage();
    page.StoreToImage(stored);
    EXPECT_EQ(stored[168], 0x00);
}

TEST_F(Param2Page, LoadedIntakeTimeOutOfRangeRaisesOneMessagePerUserAction) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 165, "15");
    SetField(image, 168, "9");
    SetField(image, 179, "FE");
    FocusControl(Item(kSheetGuide));
    Load(image);
    // Shown as loaded while another control has the focus.
    EXPECT_EQ(Text(kIntake), QStringLiteral("9"));
    EXPECT_EQ(Text(kSheetGuide), QStringLiteral("-2"));

    // The user picks another correction: one check, one message.
    host.dataChecks = 0;
    ExpectRangeMessageTakingFocus();
    ChooseComboItem(Item(kSheetGuide), kCorrectionItems.indexOf("-1"));
    EXPECT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(host.dataChecks, 1);
    // The box's focus moves and the message's own move to the edit raised checks of their own.
    EXPECT_GE(host.ignoredChecks, 2);
    EXPECT_EQ(CWnd::GetFocus(), Item(kIntake));
    EXPECT_EQ(qobject_cast<QLineEdit*>(Item(kIntake))->selectedText(), QStringLiteral("9"));
    // Written as loaded; the exchange stopped there, so the return time and the corrections are
    // written from their previous values although the list shows the new choice.
    EXPECT_EQ(Field(host.current, 165, 4), "15,9");
    EXPECT_EQ(Field(host.current, 179, 2), "FE");
    EXPECT_EQ(Text(kSheetGuide), QStringLiteral("-1"));

    // Leaving the edit for another list is the next action: again exactly one message.
    ExpectRangeMessageTakingFocus();
    Item(kSheetFeeder)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(user.Boxes().size(), 2u);
    EXPECT_EQ(host.dataChecks, 2);
    EXPECT_EQ(CWnd::GetFocus(), Item(kIntake));
    EXPECT_EQ(Field(host.current, 168, 1), "9");

    // A typed value in range ends it: no message, every field written from the controls.
    QTest::keyClicks(Item(kIntake), QStringLiteral("4"));
    EXPECT_EQ(user.Boxes().size(), 2u);
    EXPECT_EQ(Field(host.current, 165, 4), "15,4");
    EXPECT_EQ(Field(host.current, 179, 2), "FF");
}

}  // namespace
