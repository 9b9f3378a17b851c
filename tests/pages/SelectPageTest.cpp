// Function select page: its template, loading and storing its bytes (the format blocks carried
// unread), the data check on every change and the format settings dialog run from its button.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <set>
#include <string>

#include "framework/CDialog.h"
#include "pages/CPage_Select.h"
#include "settings/FactoryImage.h"
#include "tests/support/PageHost.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

constexpr int kGothic = 1015;
constexpr int kHopper2 = 1018;
constexpr int kMincho = 1044;
constexpr int kFormat = 1056;
constexpr int kReduction = 1057;
constexpr int kHopper1 = 1239;
constexpr int kFormatButton = 1002;

std::string Field(const settings::SettingsImage& image, std::size_t offset, std::size_t width) {
    return std::string(reinterpret_cast<const char*>(image.data()) + offset, width);
}

void SetField(settings::SettingsImage& image, std::size_t offset, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[offset + i] = static_cast<std::uint8_t>(bytes[i]);
}

// The bytes the page owns: the four format blocks and the four codes.
std::set<std::size_t> OwnedOffsets() {
    std::set<std::size_t> owned{58, 60, 62, 70};
    for (std::size_t i = 35; i <= 56; ++i)
        owned.insert(i);
    for (std::size_t first : {72, 103, 134}) {
        for (std::size_t i = first; i < first + 30; ++i)
            owned.insert(i);
    }
    return owned;
}

// Offsets where two images differ.
std::set<std::size_t> Differences(const settings::SettingsImage& a, const settings::SettingsImage& b) {
    std::set<std::size_t> offsets;
    for (std::size_t i = 0; i < settings::kImageSize; ++i) {
        if (a[i] != b[i])
            offsets.insert(i);
    }
    return offsets;
}

class SelectPage : public ::testing::Test {
protected:
    void SetUp() override {
        // As at start-up: the pages are filled before any data check collects them.
        host.storeOnDataCheck = false;
        host.Host(page);
        page.LoadFromImage(settings::FactoryImage());
        page.RefreshFormatButton();
        host.storeOnDataCheck = true;
        host.dataChecks = 0;
    }

    QWidget* Item(int id) { return page.GetDlgItem(id); }
    QString ComboText(int id) {
        auto* combo = qobject_cast<QComboBox*>(Item(id));
        return combo->currentIndex() >= 0 ? combo->currentText() : QString();
    }
    bool Checked(int id) { return page.IsDlgButtonChecked(id); }
    QString ButtonText() { return page.GetDlgItemText(kFormatButton); }
    void Load(const settings::SettingsImage& image) {
        host.storeOnDataCheck = false;
        page.LoadFromImage(image);
        host.storeOnDataCheck = true;
    }

    OldScriptedUser user;
    PageHost host;
    CPage_Select page;
};

TEST_F(SelectPage, TemplateOffersTheChoicesInOrder) {
    const QStringList reductions{"縮小なし", "２／３縮小（左基準）", "２／３縮小（中央基準）",
                                 "４／５縮小（左基準）", "４／５縮小（中央基準）"};
    const QStringList formats{"書式０", "書式１", "書式２", "書式３"};
    const std::pair<int, QStringList> combos[] = {{kReduction, reductions}, {kFormat, formats}};
    for (const auto& [id, expected] : combos) {
        auto* combo = qobject_cast<QComboBox*>(Item(id));
        ASSERT_NE(combo, nullptr);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, expected);
    }
    auto* mincho = qobject_cast<QRadioButton*>(Item(kMincho));
    auto* hopper1 = qobject_cast<QRadioButton*>(Item(kHopper1));
    ASSERT_TRUE(mincho && hopper1 && mincho->group() && hopper1->group());
    EXPECT_NE(mincho->group(), hopper1->group());
    EXPECT_EQ(mincho->group()->buttons().value(1), Item(kGothic));
    EXPECT_EQ(hopper1->group()->buttons().value(1), Item(kHopper2));
    // Each radio button's text fits its rectangle in full.
    for (int id : {kMincho, kGothic, kHopper1, kHopper2})
        EXPECT_LE(Item(id)->sizeHint().width(), Item(id)->width()) << id;

    bool nameFound = false;
    for (QLabel* label : page.ControlParent()->findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("機能選択")) {
            nameFound = true;
            EXPECT_FALSE(label->isVisible());
        }
    }
    EXPECT_TRUE(nameFound);
}

TEST_F(SelectPage, FactoryImageShowsItsChoicesAndNamesTheFormat) {
    EXPECT_EQ(ComboText(kReduction), QStringLiteral("縮小なし"));
    EXPECT_TRUE(Checked(kMincho));
    EXPECT_FALSE(Checked(kGothic));
    EXPECT_TRUE(Checked(kHopper1));
    EXPECT_FALSE(Checked(kHopper2));
    EXPECT_EQ(ComboText(kFormat), QStringLiteral("書式０"));
    EXPECT_EQ(ButtonText(), QStringLiteral("書式０の設定(&D)"));
}

TEST_F(SelectPage, LoadThenStoreWritesBackOwnBytesOnly) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 58, "2");
    SetField(image, 60, "1");
    SetField(image, 62, "5");
    SetField(image, 70, "2");
    // Blocks are carried as they come, digits or not; the dialog was never opened.
    SetField(image, 35, "7:,0x0,999,-12,abc,,,,");
    SetField(image, 103, "01,135,136,040,132,1 2,AAA,000");
    Load(image);

    // Into an image that holds something else everywhere: only the page's bytes change.
    settings::SettingsImage target;
    for (std::size_t i = 0; i < settings::kImageSize; ++i)
        target[i] = 0xAA;
    page.StoreToImage(target);
    const std::set<std::size_t> owned = OwnedOffsets();
    for (std::size_t i = 0; i < settings::kImageSize; ++i) {
        if (owned.count(i))
            EXPECT_EQ(target[i], image[i]) << i;
        else
            EXPECT_EQ(target[i], 0xAA) << i;
    }

    // Every valid code of each field comes back as loaded.
    for (const char* reduction : {"0", "1", "3", "5", "7"}) {
        for (const char* format : {"0", "1", "2", "3"}) {
            SetField(image, 62, reduction);
            SetField(image, 70, format);
            SetField(image, 58, format[0] == '1' ? "2" : "1");
            SetField(image, 60, format[0] == '2' ? "0" : "1");
            Load(image);
            settings::SettingsImage stored = image;
            page.StoreToImage(stored);
            EXPECT_TRUE(Differences(stored, image).empty()) << reduction << format;
        }
    }
    EXPECT_TRUE(user.Boxes().empty());
}

TEST_F(SelectPage, ReducedPrintingShowsAndStoresItsCode) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 62, "1");
    Load(image);
    EXPECT_EQ(ComboText(kReduction), QStringLiteral("２／３縮小（左基準）"));

    ChooseComboItem(Item(kReduction), 4);
    EXPECT_EQ(Field(host.current, 62, 1), "7");
    EXPECT_GE(host.dataChecks, 1);

    // A code without a text leaves the shown choice, which the store writes.
    SetField(image, 62, "4");
    Load(image);
    EXPECT_EQ(ComboText(kReduction), QStringLiteral("４／５縮小（中央基準）"));
    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 62, 1), "7");
}

TEST_F(SelectPage, UnknownHopperCodeKeepsThePreviousChoice) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 58, "2");
    Load(image);
    EXPECT_TRUE(Checked(kHopper2));
    EXPECT_FALSE(Checked(kHopper1));
    settings::SettingsImage stored = settings::FactoryImage();
    page.StoreToImage(stored);
    EXPECT_EQ(Field(stored, 58, 1), "2");

    SetField(image, 58, "9");
    Load(image);
    EXPECT_TRUE(Checked(kHopper2));
    page.StoreToImage(image);
    EXPECT_EQ(Field(image, 58, 1), "2");
}

TEST_F(SelectPage, UnknownTypefaceCodeChecksNothingAndIsKept) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 60, "5");
    Load(image);
    EXPECT_FALSE(Checked(kMincho));
    EXPECT_FALSE(Checked(kGothic));
    settings::SettingsImage stored = settings::FactoryImage();
    page.StoreToImage(stored);
    EXPECT_EQ(Field(stored, 60, 1), "5");

    // Once the user picks a typeface, that is what goes out.
    Click(Item(kGothic));
    EXPECT_TRUE(Checked(kGothic));
    EXPECT_EQ(Field(host.current, 60, 1), "1");
}

TEST_F(SelectPage, EveryChoiceRaisesTheDataCheckAtOnce) {
    Click(Item(kGothic));
    EXPECT_EQ(host.dataChecks, 1);
    EXPECT_EQ(Field(host.current, 60, 1), "1");
    Click(Item(kHopper2));
    EXPECT_EQ(Field(host.current, 58, 1), "2");
    Click(Item(kMincho));
    EXPECT_EQ(Field(host.current, 60, 1), "0");
    Click(Item(kHopper1));
    EXPECT_EQ(Field(host.current, 58, 1), "1");
    EXPECT_EQ(host.dataChecks, 4);

    // The button itself raises none.
    FocusControl(Item(kMincho));
    const int before = host.dataChecks;
    page.OnCommand(kFormatButton, EN_SETFOCUS);
    EXPECT_EQ(host.dataChecks, before);
}

TEST_F(SelectPage, ChoosingAFormatStoresItAndRenamesTheButton) {
    // The caption follows the data check, so the held name it shows is the stored one.
    std::vector<QString> captionsAtCheck;
    host.onDataCheck = [&] { captionsAtCheck.push_back(ButtonText()); };
    ChooseComboItem(Item(kFormat), 3);
    EXPECT_EQ(Field(host.current, 70, 1), "3");
    EXPECT_EQ(ButtonText(), QStringLiteral("書式３の設定(&D)"));
    ASSERT_FALSE(captionsAtCheck.empty());
    EXPECT_EQ(captionsAtCheck.front(), QStringLiteral("書式０の設定(&D)"));
    EXPECT_NE(captionsAtCheck.back(), QStringLiteral("書式３の設定(&D)"));
    EXPECT_EQ(Differences(host.current, settings::FactoryImage()), std::set<std::size_t>{70});
}

TEST_F(SelectPage, FormatDialogOKCarriesTheBlockIntoTheImage) {
    int checksInDialog = -1;
    user.DriveDialog([&](CDialog& d) {
        EXPECT_EQ(d.GetWindowText(), QStringLiteral("書式の設定： 書式０"));
        EXPECT_EQ(d.GetDlgItemText(1054), QStringLiteral("66"));
        EXPECT_FALSE(d.GetDlgItem(1201)->isEnabled());
        ShowAndActivate(d.GetSafeHwnd());
        TypeReplacing(d.GetDlgItem(1054), QStringLiteral("72"));
        TypeReplacing(d.GetDlgItem(1064), QStringLiteral("60"));
        checksInDialog = host.dataChecks;
        Click(d.GetDlgItem(IDOK));
    });
    Click(Item(kFormatButton));
    EXPECT_EQ(user.DialogsRun(), 1);
    EXPECT_EQ(host.dataChecks, checksInDialog + 1);
    EXPECT_EQ(Field(host.current, 35, 22), "72,120,120,120,046,060");
    for (std::size_t offset : Differences(host.current, settings::FactoryImage())) {
        EXPECT_GE(offset, 35u);
        EXPECT_LE(offset, 56u);
    }

    // Cancel leaves every block as it was.
    const settings::SettingsImage before = host.current;
    user.DriveDialog([&](CDialog& d) {
        EXPECT_EQ(d.GetDlgItemText(1054), QStringLiteral("72"));
        d.SetDlgItemText(1054, QStringLiteral("10"));
        checksInDialog = host.dataChecks;
        d.OnCommand(IDCANCEL, 0);
    });
    Click(Item(kFormatButton));
    EXPECT_EQ(host.dataChecks, checksInDialog);
    settings::SettingsImage stored = before;
    page.StoreToImage(stored);
    EXPECT_TRUE(Differences(stored, before).empty());
}

TEST_F(SelectPage, TheSelectedFormatIsTheOneEdited) {
    settings::SettingsImage image = settings::FactoryImage();
    SetField(image, 103, "20,010,120,060,046,120,046,054");
    Load(image);
    ChooseComboItem(Item(kFormat), 2);
    EXPECT_EQ(Field(host.current, 70, 1), "2");

    user.DriveDialog([&](CDialog& d) {
        EXPECT_EQ(d.GetWindowText(), QStringLiteral("書式の設定： 書式２"));
        EXPECT_EQ(d.GetDlgItemText(1054), QStringLiteral("20"));
        EXPECT_EQ(d.GetDlgItemText(1201), QStringLiteral("10"));
        EXPECT_EQ(d.GetDlgItemText(1060), QStringLiteral("60"));
        EXPECT_TRUE(d.GetDlgItem(1202)->isEnabled());
        d.SetDlgItemText(1202, QStringLiteral("99"));
        d.OnCommand(IDOK, 0);
    });
    Click(Item(kFormatButton));
    EXPECT_EQ(Field(host.current, 103, 30), "20,010,099,060,046,120,046,054");
    EXPECT_EQ(Field(host.current, 72, 30), Field(image, 72, 30));
    EXPECT_EQ(Field(host.current, 134, 30), Field(image, 134, 30));
    EXPECT_EQ(Field(host.current, 35, 22), Field(image, 35, 22));
}

}  // namespace
