// The memory switch pages: switch pairs in and out, the country list, kept and cleared switches,
// and the data check that comes before a control's own notice.
#include <gtest/gtest.h>

#include <QComboBox>

#include "pages/CPage_MSW1.h"
#include "pages/CPage_MSW2.h"
#include "pages/CPage_MSW3.h"
#include "pages/CPage_MSW4.h"
#include "settings/FactoryImage.h"
#include "tests/support/PageHost.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

template <class Page>
class MswPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.storeOnDataCheck = false;  // a load must not store half-filled values
        host.Host(page);
        page.LoadFromImage(settings::FactoryImage());
        host.storeOnDataCheck = true;
        host.dataChecks = 0;
    }
    // Loads the two bytes, stores back, and returns what was written.
    std::pair<int, int> RoundTrip(std::size_t offset, int first, int second) {
        settings::SettingsImage image = settings::FactoryImage();
        image[offset] = static_cast<std::uint8_t>(first);
        image[offset + 1] = static_cast<std::uint8_t>(second);
        page.LoadFromImage(image);
        settings::SettingsImage out = settings::FactoryImage();
        page.StoreToImage(out);
        for (std::size_t i = 0; i < settings::kImageSize; ++i) {
            if (i != offset && i != offset + 1) {
                EXPECT_EQ(out[i], settings::FactoryImage()[i]) << i;
            }
        }
        return {out[offset], out[offset + 1]};
    }
    QString Country() { return qobject_cast<QComboBox*>(page.GetDlgItem(1010))->currentText(); }

    ScriptedUser user;
    PageHost host;
    Page page;
};

using Msw1 = MswPageTest<CPage_MSW1>;
using Msw2 = MswPageTest<CPage_MSW2>;
using Msw3 = MswPageTest<CPage_MSW3>;
using Msw4 = MswPageTest<CPage_MSW4>;

TEST_F(Msw1, CountryCodesShowAndStoreByTheTable) {
    EXPECT_EQ(Country(), QStringLiteral("日本"));
    EXPECT_EQ(RoundTrip(4, 0x03, 0x00), std::make_pair(0x03, 0x00));
    EXPECT_EQ(Country(), QStringLiteral("イギリス"));
    EXPECT_EQ(RoundTrip(4, 0x01, 0x00), std::make_pair(0x00, 0x00));
    EXPECT_EQ(Country(), QStringLiteral("日本"));
    EXPECT_EQ(RoundTrip(4, 0x05, 0x00), std::make_pair(0x05, 0x00));
    EXPECT_EQ(Country(), QStringLiteral("スウェーデン"));
    // 07 0F: Japan, MSW1-4 on its first button, MSW1-5..8 on their second buttons.
    EXPECT_EQ(RoundTrip(4, 0x07, 0x0F), std::make_pair(0x00, 0x0F));
    EXPECT_EQ(Country(), QStringLiteral("日本"));
    EXPECT_TRUE(page.IsDlgButtonChecked(1007));
    for (int id : {1235, 1012, 1234, 1015}) EXPECT_TRUE(page.IsDlgButtonChecked(id)) << id;
}

TEST_F(Msw2, UpperNibblesClearAndTheHiddenSwitchIsKept) {
    EXPECT_EQ(RoundTrip(7, 0xFF, 0xFF), std::make_pair(0x0F, 0x0F));
    EXPECT_EQ(RoundTrip(7, 0x00, 0x00), std::make_pair(0x00, 0x00));
    EXPECT_EQ(RoundTrip(7, 0x02, 0x00), std::make_pair(0x02, 0x00));  // factory: MSW2-2 "常時"
    EXPECT_TRUE(page.IsDlgButtonChecked(1018));
}

TEST_F(Msw3, KeptSwitchesComeBackAsLoaded) {
    EXPECT_EQ(RoundTrip(10, 0x01, 0x02), std::make_pair(0x01, 0x02));
    EXPECT_EQ(RoundTrip(10, 0x0E, 0x0D), std::make_pair(0x0E, 0x0D));
    EXPECT_TRUE(page.IsDlgButtonChecked(1018));
    EXPECT_TRUE(page.IsDlgButtonChecked(1026));
}

TEST_F(Msw4, HiddenSwitchesAreCleared) {
    EXPECT_EQ(RoundTrip(13, 0x0F, 0x0F), std::make_pair(0x0D, 0x09));
    EXPECT_EQ(RoundTrip(13, 0x0C, 0x00), std::make_pair(0x0C, 0x00));
}

TEST_F(Msw2, ClickingRecollectsBeforeThePageGoesOn) {
    std::vector<int> seen;
    host.onDataCheck = [&] { seen.push_back(page.IsDlgButtonChecked(1012)); };
    Click(page.GetDlgItem(1012));  // "７ビット"
    ASSERT_EQ(host.dataChecks, 1);
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(host.current[8], 0x02);  // MSW2-6 is bit 1 of the second byte
    Click(page.GetDlgItem(1016));      // the check box
    EXPECT_EQ(host.dataChecks, 2);
    EXPECT_EQ(host.current[7], 0x03);
}

TEST_F(Msw1, ChoosingACountryRecollects) {
    ChooseComboItem(page.GetDlgItem(1010), 3);  // ドイツ
    EXPECT_GE(host.dataChecks, 1);
    EXPECT_EQ(host.current[4], 0x04);
    Click(page.GetDlgItem(1009));
    EXPECT_EQ(host.current[4], 0x0C);
}

TEST_F(Msw4, OnlyTheListedControlsRaiseTheCheck) {
    Click(page.GetDlgItem(1237));
    EXPECT_EQ(host.dataChecks, 1);
    EXPECT_EQ(host.current[13], 0x0D);
    page.OnCommand(4242, BN_CLICKED);
    EXPECT_EQ(host.dataChecks, 1);
}

}  // namespace
