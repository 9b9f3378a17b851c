// Parameter setting 1 page: its template, the head-centring edits' correction while typing, the
// pending corrections and their fix, and loading and storing its fields of the settings image.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "framework/CWinApp.h"
#include "framework/EditControl.h"
#include "framework/UpDownControl.h"
#include "pages/CPage_Param.h"
#include "settings/FactoryImage.h"
#include "tests/support/PageHost.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

constexpr int kCutSheet = 1061;
constexpr int kFrontTractor = 1062;
constexpr int kRearTractor = 1063;
constexpr int kKanji = 1066;
constexpr int kFont1 = 1058;
constexpr int kFont2 = 1059;

std::string Field(const settings::SettingsImage& image, std::size_t offset, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(image.data()) + offset, width);
}

void SetField(settings::SettingsImage& image, std::size_t offset, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[offset + i] = static_cast<std::uint8_t>(bytes[i]);
}

class ParamPage : public ::testing::Test {
protected:
    void SetUp() override {
        // Filling the page raises data checks that must not collect it half filled.
        host.storeOnDataCheck = false;
        host.Host(page);
        page.LoadFromImage(settings::FactoryImage());
        host.storeOnDataCheck = true;
        host.dataChecks = 0;
    }

    QWidget* Item(int id) { return page.GetDlgItem(id); }
    QString Text(int id) { return page.GetDlgItemText(id); }
    QString ComboText(int id) { return qobject_cast<QComboBox*>(Item(id))->currentText(); }
    bool Checked(int id) { return page.IsDlgButtonChecked(id); }
    // Loads an image while the focus rests on a control that is no head-centring edit.
    void LoadUnfocused(const settings::SettingsImage& image) { LoadFocused(kFont1, image); }
    void LoadFocused(int id, const settings::SettingsImage& image) {
        FocusControl(Item(id));
        host.storeOnDataCheck = false;
        page.LoadFromImage(image);
        host.storeOnDataCheck = true;
    }
    // Records the cut-sheet text and flag as each data check sees them.
    void RecordChecks() {
        host.onDataCheck = [this] {
            seenTexts.push_back(Text(kCutSheet));
            seenFlags.push_back(page.CutSheetPending());
        };
    }

    OldScriptedUser user;
    PageHost host;
    CPage_Param page;
    std::vector<QString> seenTexts;
    std::vector<int> seenFlags;
};

TEST_F(ParamPage, TemplateHoldsEveryControlInsideThePage) {
    const QStringList fonts{"標準", "イタリック", "クーリエ", "ゴシック", "OCR-B"};
    for (int id : {kFont1, kFont2}) {
        auto* combo = qobject_cast<QComboBox*>(Item(id));
        ASSERT_NE(combo, nullptr);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, fonts);
    }
    auto* kanji = qobject_cast<QComboBox*>(Item(kKanji));
    ASSERT_NE(kanji, nullptr);
    ASSERT_EQ(kanji->count(), 3);
    EXPECT_EQ(kanji->itemText(2), QStringLiteral("JIS1990年版"));

    // Each up-down control spins its own edit within 10..68.
    const int spins[][2] = {{1055, kCutSheet}, {1056, kFrontTractor}, {1057, kRearTractor}};
    for (const auto& pair : spins) {
        auto* spin = qobject_cast<UpDownControl*>(Item(pair[0]));
        ASSERT_NE(spin, nullptr);
        EXPECT_EQ(static_cast<QWidget*>(spin->GetBuddy()), Item(pair[1]));
        EXPECT_EQ(spin->GetRangeMin(), 10);
        EXPECT_EQ(spin->GetRangeMax(), 68);
    }

    // The two radio pairs are separate groups.
    auto* centre = qobject_cast<QRadioButton*>(Item(1238));
    auto* off = qobject_cast<QRadioButton*>(Item(1065));
    ASSERT_TRUE(centre && off && centre->group() && off->group());
    EXPECT_NE(centre->group(), off->group());
    EXPECT_EQ(centre->group()->buttons().value(1), Item(1236));
    EXPECT_EQ(off->group()->buttons().value(1), Item(1018));

    // The page name is there but never shown.
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
        QString text = CWnd::WindowTextOf(w).remove(QLatin1Char('&'));
        if (qobject_cast<QLabel*>(w)) {
            EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width()) << text.toStdString();
        }
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            EXPECT_LE(radio->sizeHint().width(), w->width()) << text.toStdString();
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
}

TEST_F(ParamPage, FactoryImageLoadsAndStoresBackUnchanged) {
    EXPECT_EQ(ComboText(kFont1), QStringLiteral("標準"));
    EXPECT_EQ(ComboText(kFont2), QStringLiteral("標準"));
    EXPECT_EQ(ComboText(kKanji), QStringLiteral("JIS1978年版"));
    EXPECT_TRUE(Checked(1065));
    EXPECT_FALSE(Checked(1018));
    EXPECT_TRUE(Checked(1238));
    EXPECT_FALSE(Checked(1236));
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("40"));
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("68"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("68"));
    EXPECT_FALSE(page.HasPendingCorrection());

    // Every byte of the page is written, and no other.
    settings::SettingsImage image = settings::FactoryImage();
    for (std::size_t offset : {16, 18, 20, 22, 24, 26, 27, 29, 30, 32, 33})
        image[offset] = 'x';
    page.StoreToImage(image);
    EXPECT_TRUE(image == settings::FactoryImage());
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(ParamPage, CodesOutsideTheirListsKeepThePreviousChoice) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 16, "4");
    SetField(image, 18, "3");
    SetField(image, 20, "2");
    SetField(image, 22, "1");
    SetField(image, 24, "1");
    LoadUnfocused(image);
    EXPECT_EQ(ComboText(kFont1), QStringLiteral("OCR-B"));
    EXPECT_EQ(ComboText(kFont2), QStringLiteral("ゴシック"));
    EXPECT_EQ(ComboText(kKanji), QStringLiteral("JIS1990年版"));
    EXPECT_TRUE(Checked(1018));
    EXPECT_TRUE(Checked(1236));

    SetField(image, 16, "7");
    SetField(image, 18, "/");
    SetField(image, 20, "3");
    SetField(image, 22, "2");
    SetField(image, 24, "L");
    LoadUnfocused(image);
    EXPECT_EQ(ComboText(kFont1), QStringLiteral("OCR-B"));
    EXPECT_EQ(ComboText(kFont2), QStringLiteral("ゴシック"));
    EXPECT_EQ(ComboText(kKanji), QStringLiteral("JIS1990年版"));
    EXPECT_TRUE(Checked(1018));
    EXPECT_FALSE(Checked(1065));
    EXPECT_TRUE(Checked(1236));

    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 16, 1), "4");
    EXPECT_EQ(Field(image, 18, 1), "3");
    EXPECT_EQ(Field(image, 20, 1), "2");
    EXPECT_EQ(Field(image, 22, 1), "1");
    EXPECT_EQ(Field(image, 24, 1), "1");
}

TEST_F(ParamPage, LoadedPositionsAreCorrectedOnlyInTheFocusedEdit) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 26, "05");
    SetField(image, 29, "99");
    SetField(image, 32, "07");
    LoadUnfocused(image);
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("5"));
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("99"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("7"));
    EXPECT_FALSE(page.HasPendingCorrection());
    settings::SettingsImage stored = settings::FactoryImage();
    page.StoreToImage(stored);
    EXPECT_EQ(Field(stored, 26, 8), "05,99,07");

    // The same values arriving in the edit that has the focus are judged as typed.
    const std::pair<int, const char*> cases[] = {
        {kCutSheet, "5"}, {kFrontTractor, "68"}, {kRearTractor, "10"}};
    for (const auto& [id, shown] : cases) {
        LoadUnfocused(settings::FactoryImage());
        LoadFocused(id, image);
        EXPECT_EQ(Text(id), QString::fromLatin1(shown)) << id;
        EXPECT_EQ(page.CutSheetPending(), id == kCutSheet ? 1 : 0) << id;
    }
}

TEST_F(ParamPage, OneDigitFromOneToSixIsFlaggedUntilTheNextChange) {
    RecordChecks();
    QWidget* edit = Item(kCutSheet);
    TypeReplacing(edit, QStringLiteral("5"));
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("5"));
    EXPECT_EQ(page.CutSheetPending(), 1);
    EXPECT_TRUE(page.HasPendingCorrection());
    EXPECT_EQ(Field(host.current, 26, 2), "05");

    QTest::keyClicks(edit, QStringLiteral("0"));
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("50"));
    EXPECT_FALSE(page.HasPendingCorrection());
    EXPECT_EQ(Field(host.current, 26, 2), "50");
    // The flag is already in place when the data check of its change runs.
    EXPECT_EQ(seenFlags, (std::vector<int>{1, 0}));
}

TEST_F(ParamPage, ImpossibleTypedValuesBecomeTheNearestLimitAtOnce) {
    QWidget* edit = Item(kFrontTractor);
    for (const char* typed : {"7", "8", "9", "0"}) {
        TypeReplacing(edit, QString::fromLatin1(typed));
        EXPECT_EQ(Text(kFrontTractor), QStringLiteral("10")) << typed;
        EXPECT_EQ(page.FrontTractorPending(), 0) << typed;
    }
    // So a value from 70 up cannot be typed digit by digit.
    TypeReplacing(edit, QStringLiteral("72"));
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("68"));
    EXPECT_EQ(Field(host.current, 29, 2), "68");

    TypeReplacing(edit, QString());
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("10"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("10"));
    EXPECT_EQ(Field(host.current, 29, 2), "10");
}

TEST_F(ParamPage, PastedNumbersComeToRestInRange) {
    QWidget* edit = Item(kRearTractor);
    FocusControl(edit);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    qobject_cast<QLineEdit*>(edit)->selectAll();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("68"));

    // Long texts are rewritten as their plain value, then judged.
    page.SetDlgItemText(kRearTractor, QStringLiteral("00045"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("45"));
    page.SetDlgItemText(kRearTractor, QStringLiteral("0003"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("3"));
    EXPECT_EQ(page.RearTractorPending(), 1);
    page.SetDlgItemText(kRearTractor, QStringLiteral("123456789012"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("68"));
    EXPECT_EQ(page.RearTractorPending(), 0);
    page.SetDlgItemText(kRearTractor, QStringLiteral("0000000005"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("10"));
    EXPECT_EQ(page.RearTractorPending(), 0);
    EXPECT_EQ(Field(host.current, 32, 2), "10");

    // Without the focus the text is only normalised, and it stays put.
    FocusControl(Item(kKanji));
    page.SetDlgItemText(kRearTractor, QStringLiteral("00045"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("45"));
    page.SetDlgItemText(kRearTractor, QStringLiteral("123456789012"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("123456789"));
}

TEST_F(ParamPage, LoadedBytesThatAreNoDigitsShowWithoutEndlessRewriting) {
    settings::SettingsImage image = settings::FactoryImage();
    image[26] = 0x00;
    image[27] = 0x00;
    image[29] = 0xFF;
    image[30] = 0xFF;
    LoadUnfocused(image);
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("-528"));
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("2277"));
    EXPECT_FALSE(page.HasPendingCorrection());
}

TEST_F(ParamPage, EveryRunOfTheChangeHandlerEndsInADataCheck) {
    RecordChecks();
    TypeReplacing(Item(kCutSheet), QStringLiteral("7"));
    // The replacement's own run checks first, then the run of the typed text.
    EXPECT_EQ(seenTexts, (std::vector<QString>{"10", "10"}));
    EXPECT_EQ(Field(host.current, 26, 2), "10");

    seenTexts.clear();
    FocusControl(Item(kCutSheet));
    page.SetDlgItemText(kCutSheet, QStringLiteral("00099"));
    // "00099" -> "99" -> "68": three runs, three checks, all after the last replacement.
    EXPECT_EQ(seenTexts, (std::vector<QString>{"68", "68", "68"}));

    seenTexts.clear();
    auto* spin = qobject_cast<UpDownControl*>(Item(1055));
    spin->Step(-1);
    EXPECT_EQ(seenTexts, (std::vector<QString>{"67"}));
    EXPECT_EQ(Field(host.current, 26, 2), "67");
    page.SetDlgItemText(kCutSheet, QStringLiteral("68"));
    spin->Step(+1);
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("68"));
}

TEST_F(ParamPage, ListAndRadioNotificationsSendTheDataCheck) {
    FocusControl(Item(kKanji));
    EXPECT_GE(host.dataChecks, 1);  // a focus notice is enough

    ChooseComboItem(Item(kFont2), 4);
    EXPECT_EQ(Field(host.current, 18, 1), "4");
    ChooseComboItem(Item(kKanji), 1);
    EXPECT_EQ(Field(host.current, 20, 1), "1");

    FocusControl(Item(kCutSheet));  // an edit's focus notices raise no check
    host.dataChecks = 0;
    Click(Item(1018));
    EXPECT_EQ(host.dataChecks, 1);
    EXPECT_EQ(Field(host.current, 22, 1), "1");
    Click(Item(1236));
    EXPECT_EQ(Field(host.current, 24, 1), "1");
    Click(Item(1065));
    Click(Item(1238));
    EXPECT_EQ(Field(host.current, 22, 1), "0");
    EXPECT_EQ(Field(host.current, 24, 1), "0");
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(ParamPage, CorrectionFixesEveryFlaggedEditAfterOneMessage) {
    TypeReplacing(Item(kCutSheet), QStringLiteral("3"));
    TypeReplacing(Item(kRearTractor), QStringLiteral("6"));
    FocusControl(Item(kFont1));
    ASSERT_EQ(page.CutSheetPending(), 1);
    ASSERT_EQ(page.RearTractorPending(), 1);

    user.AnswerBox(IDOK, [this](const OldShownBox& box) {
        EXPECT_EQ(box.owner, &page);
        EXPECT_EQ(box.text, QStringLiteral("用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n"
                                           "適正値に変更します。"));
        EXPECT_EQ(box.caption, QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置"));
        EXPECT_EQ(box.style, MB_OK | MB_ICONEXCLAMATION);
        // Nothing is corrected before the user has read the message.
        EXPECT_EQ(Text(kCutSheet), QStringLiteral("3"));
    });
    page.CorrectHeadCentring();
    EXPECT_EQ(user.Boxes().size(), 1u);
    EXPECT_EQ(Text(kCutSheet), QStringLiteral("10"));
    EXPECT_EQ(Text(kFrontTractor), QStringLiteral("68"));
    EXPECT_EQ(Text(kRearTractor), QStringLiteral("10"));
    EXPECT_FALSE(page.HasPendingCorrection());
    EXPECT_EQ(CWnd::GetFocus(), Item(kRearTractor));
    EXPECT_EQ(Field(host.current, 26, 8), "10,68,10");
}

TEST_F(ParamPage, EditWithoutAnIntegerStopsTheExchangeButTheBytesAreWritten) {
    host.storeOnDataCheck = false;
    FocusControl(Item(kKanji));
    qobject_cast<QComboBox*>(Item(kFont1))->setCurrentIndex(2);
    page.SetDlgItemText(kFrontTractor, QStringLiteral("20"));
    page.SetDlgItemText(kCutSheet, QString());
    page.CheckDlgButton(1018, true);
    page.SetDlgItemText(kRearTractor, QStringLiteral("30"));
    page.CheckDlgButton(1236, true);

    user.ExpectBox(QStringLiteral("整数を入力してください。"), AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION,
                   IDOK);
    settings::SettingsImage image = settings::FactoryImage();
    page.StoreToImage(image);
    // Exchanged before the failure: font 1 and the front tractor; from the cut sheet on, the
    // previous values are written.
    EXPECT_EQ(Field(image, 16, 1), "2");
    EXPECT_EQ(Field(image, 22, 10), "0,0,40,20,");
    EXPECT_EQ(Field(image, 32, 2), "68");
    EXPECT_EQ(CWnd::GetFocus(), Item(kCutSheet));
    EXPECT_EQ(Text(kCutSheet), QString());

    page.SetDlgItemText(kCutSheet, QStringLiteral("33"));
    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 22, 12), "1,1,33,20,30");
}

}  // namespace
