// The memory switch pages: switch pairs in and out, the country list, kept and cleared switches,
// and the data check that every notice of a page's control raises before the page goes on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <array>
#include <memory>
#include <set>

#include "pages/CPage_MSW1.h"
#include "pages/CPage_MSW2.h"
#include "pages/CPage_MSW3.h"
#include "pages/CPage_MSW4.h"
#include "settings/FactoryImage.h"
#include "tests/support/PageHost.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

constexpr std::size_t kOffsets[] = {0, 4, 7, 10, 13};  // switch pair of MSW1..MSW4

std::unique_ptr<MswPage> MakePage(int n) {
    switch (n) {
        case 1:
            return std::make_unique<CPage_MSW1>();
        case 2:
            return std::make_unique<CPage_MSW2>();
        case 3:
            return std::make_unique<CPage_MSW3>();
        default:
            return std::make_unique<CPage_MSW4>();
    }
}

// Every byte differs from the factory image and from its neighbours, so a stray write shows.
settings::SettingsImage Pattern() {
    settings::SettingsImage image;
    for (std::size_t i = 0; i < settings::kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(0x5A ^ (i * 7));
    return image;
}

// One page in its stand-in main window, loaded with the factory image as at start-up.
struct HostedPage {
    explicit HostedPage(int n) : page(MakePage(n)), offset(kOffsets[n]) {
        host.storeOnDataCheck = false;
        host.Host(*page);
        page->LoadFromImage(settings::FactoryImage());
        host.storeOnDataCheck = true;
    }
    // Loads the two bytes, stores into a patterned image and returns the pair written; fails
    // the test when any other byte changed.
    std::pair<int, int> RoundTrip(int first, int second) {
        settings::SettingsImage in = settings::FactoryImage();
        in[offset] = static_cast<std::uint8_t>(first);
        in[offset + 1] = static_cast<std::uint8_t>(second);
        page->LoadFromImage(in);
        const settings::SettingsImage pattern = Pattern();
        settings::SettingsImage out = pattern;
        page->StoreToImage(out);
        for (std::size_t i = 0; i < settings::kImageSize; ++i) {
            if (i != offset && i != offset + 1) {
                EXPECT_EQ(out[i], pattern[i]) << "byte " << i;
            }
        }
        return {out[offset], out[offset + 1]};
    }
    int CurrentSwitch(int k) const { return (host.current[offset + (k <= 4 ? 0 : 1)] >> ((k - 1) % 4)) & 1; }

    PageHost host;  // outlives the page
    std::unique_ptr<MswPage> page;
    std::size_t offset;
};

QString CountryShown(const MswPage& page) {
    return qobject_cast<QComboBox*>(page.GetDlgItem(1010))->currentText();
}

class MswPages : public ::testing::Test {
protected:
    OldScriptedUser user;  // no page may show a message box
};

TEST_F(MswPages, CountryCodesShowAndStoreByTheTable) {
    HostedPage p(1);
    const struct {
        int code;
        const char* shown;
        int stored;
    } kCases[] = {{0, "日本", 0},   {1, "日本", 0},         {2, "アメリカ", 2}, {3, "イギリス", 3},
                  {4, "ドイツ", 4}, {5, "スウェーデン", 5}, {6, "日本", 0},     {7, "日本", 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(p.RoundTrip(c.code, 0x00), std::make_pair(c.stored, 0x00));
        EXPECT_EQ(CountryShown(*p.page), QString::fromUtf8(c.shown));
    }
    // 07 0F: Japan, MSW1-4 at its first button, MSW1-5..8 at their second buttons.
    EXPECT_EQ(p.RoundTrip(0x07, 0x0F), std::make_pair(0x00, 0x0F));
    EXPECT_EQ(CountryShown(*p.page), QStringLiteral("日本"));
    EXPECT_TRUE(p.page->IsDlgButtonChecked(1007));
    for (int id : {1235, 1012, 1234, 1015})
        EXPECT_TRUE(p.page->IsDlgButtonChecked(id)) << id;
}

TEST_F(MswPages, HiddenSwitchesAreKeptOrClearedAndUpperBitsDropped) {
    HostedPage msw2(2), msw3(3), msw4(4);
    EXPECT_EQ(msw2.RoundTrip(0xFF, 0xFF), std::make_pair(0x0F, 0x0F));  // MSW2-4 kept at 1
    EXPECT_EQ(msw2.RoundTrip(0xF7, 0x00), std::make_pair(0x07, 0x00));  // ... and at 0
    EXPECT_EQ(msw3.RoundTrip(0x01, 0x02), std::make_pair(0x01, 0x02));  // only MSW3-1, MSW3-6
    EXPECT_EQ(msw3.RoundTrip(0xFE, 0xFD), std::make_pair(0x0E, 0x0D));
    EXPECT_EQ(msw4.RoundTrip(0x0F, 0x0F), std::make_pair(0x0D, 0x09));  // MSW4-2, -6, -7 cleared

    // A kept switch also survives the stores that the main window makes after a click.
    msw3.page->LoadFromImage([] {
        settings::SettingsImage image = settings::FactoryImage();
        image[10] = 0x01;
        image[11] = 0x02;
        return image;
    }());
    Click(msw3.page->GetDlgItem(1235));  // MSW3-5 on
    EXPECT_EQ(msw3.host.current[10], 0x01);
    EXPECT_EQ(msw3.host.current[11], 0x03);
}

TEST_F(MswPages, FactoryImageComesBackUnchanged) {
    settings::SettingsImage image = settings::FactoryImage();
    for (int n = 1; n <= 4; ++n) {
        HostedPage p(n);  // loaded from the factory image
        p.page->StoreToImage(image);
    }
    EXPECT_EQ(image, settings::FactoryImage());
}

TEST_F(MswPages, EveryShownSwitchFollowsItsControls) {
    // Page, switch, control for value 0 and for value 1 (0: the first control is a check box).
    const struct {
        int page, k, off, on;
    } kShown[] = {
        {1, 4, 1007, 1009}, {1, 5, 1016, 1235}, {1, 6, 1008, 1012}, {1, 7, 1011, 1234}, {1, 8, 1014, 1015},
        {2, 1, 1016, 0},    {2, 2, 1017, 1018}, {2, 3, 1019, 1236}, {2, 5, 1020, 1235}, {2, 6, 1021, 1012},
        {2, 7, 1022, 1234}, {2, 8, 1024, 1015}, {3, 2, 1031, 1018}, {3, 3, 1027, 1236}, {3, 4, 1029, 1009},
        {3, 5, 1028, 1235}, {3, 7, 1026, 0},    {3, 8, 1030, 1015}, {4, 1, 1031, 1237}, {4, 3, 1033, 1236},
        {4, 4, 1034, 1009}, {4, 5, 1035, 1235}, {4, 8, 1039, 1015},
    };
    for (const auto& s : kShown) {
        SCOPED_TRACE(testing::Message() << "MSW" << s.page << "-" << s.k);
        HostedPage p(s.page);
        const int bit = 1 << ((s.k - 1) % 4);
        const bool inFirst = s.k <= 4;
        settings::SettingsImage image = settings::FactoryImage();

        // Only this switch set: the "1" control shows it.
        image[p.offset] = inFirst ? bit : 0;
        image[p.offset + 1] = inFirst ? 0 : bit;
        p.page->LoadFromImage(image);
        if (s.on == 0) {
            EXPECT_TRUE(p.page->IsDlgButtonChecked(s.off));
        } else {
            EXPECT_TRUE(p.page->IsDlgButtonChecked(s.on));
            EXPECT_FALSE(p.page->IsDlgButtonChecked(s.off));
        }
        // Every other switch set: the "0" control shows it.
        image[p.offset] = 0x0F ^ (inFirst ? bit : 0);
        image[p.offset + 1] = 0x0F ^ (inFirst ? 0 : bit);
        p.page->LoadFromImage(image);
        EXPECT_FALSE(p.page->IsDlgButtonChecked(s.on == 0 ? s.off : s.on));
        if (s.on != 0) {
            EXPECT_TRUE(p.page->IsDlgButtonChecked(s.off));
        }

        // The user's clicks reach the main window's image, one data check each. (The focus goes
        // to the page first: MSW1's list would report losing it.)
        FocusControl(p.page->GetDlgItem(s.off));
        const int checks = p.host.dataChecks;
        Click(p.page->GetDlgItem(s.on == 0 ? s.off : s.on));
        EXPECT_EQ(p.CurrentSwitch(s.k), 1);
        Click(p.page->GetDlgItem(s.off));
        EXPECT_EQ(p.CurrentSwitch(s.k), 0);
        EXPECT_EQ(p.host.dataChecks, checks + 2);
    }
}

TEST_F(MswPages, EveryNoticeOfAPageControlRaisesOneDataCheck) {
    const int kCodes[] = {BN_CLICKED, CBN_SELCHANGE, CBN_SETFOCUS, CBN_DROPDOWN, EN_KILLFOCUS};
    for (int n = 1; n <= 4; ++n) {
        SCOPED_TRACE(n);
        HostedPage p(n);
        p.host.storeOnDataCheck = false;
        std::set<int> ids;
        for (QWidget* w : p.page->GetSafeHwnd()->findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w))
                ids.insert(CWnd::GetDlgCtrlID(w));
        }
        EXPECT_EQ(ids.size(), n == 1 ? 11u : n == 2 ? 13u : n == 3 ? 11u : 10u);
        for (int id : ids) {
            for (int code : kCodes) {
                const int before = p.host.dataChecks;
                p.page->OnCommand(id, code);
                EXPECT_EQ(p.host.dataChecks, before + 1) << id << " code " << code;
            }
        }
        // Labels, group boxes and ids the page does not hold raise nothing.
        const int before = p.host.dataChecks;
        for (int id : {-1, 1000, 1013, 1023, 1036, 1238})
            p.page->OnCommand(id, BN_CLICKED);
        EXPECT_EQ(p.host.dataChecks, before);

        // The invisible name label.
        bool named = false;
        for (QLabel* label : p.page->GetSafeHwnd()->findChildren<QLabel*>())
            named |=
                label->text() == QStringLiteral("MSW%1").arg(n) && !label->isVisibleTo(p.page->GetSafeHwnd());
        EXPECT_TRUE(named);
    }
}

TEST_F(MswPages, BeforeTheFirstLoadNothingIsCheckedAndTheStoreWritesZeros) {
    PageHost host;
    CPage_MSW1 page;
    host.Host(page);
    for (int id : {1007, 1009, 1011, 1234, 1014, 1015})
        EXPECT_FALSE(page.IsDlgButtonChecked(id)) << id;
    EXPECT_EQ(qobject_cast<QComboBox*>(page.GetDlgItem(1010))->currentIndex(), -1);
    // No radio member holds a switch value yet; the bytes must still carry only switch bits.
    settings::SettingsImage image = Pattern();
    page.StoreToImage(image);
    EXPECT_EQ(image[4], 0x00);
    EXPECT_EQ(image[5], 0x00);
}

// MSW1 with handlers of its own, to see what the main window had collected by the time the
// page's own processing of a notice runs.
class RecordingMsw1 : public CPage_MSW1 {
public:
    PageHost* host = nullptr;
    int notices = 0;
    std::vector<std::array<int, 3>> handled;  // id, data checks so far, main window's byte 4

    bool OnCommand(int id, int code) override {
        if (id != res::ID_DATA_CHECK)
            ++notices;
        return CPage_MSW1::OnCommand(id, code);
    }
    void OnClicked(UINT id) { handled.push_back({static_cast<int>(id), host->dataChecks, host->current[4]}); }
    void OnCountry() { OnClicked(1010); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RecordingMsw1, CPage_MSW1)
ON_CONTROL_RANGE(BN_CLICKED, 1000, 1300, OnClicked)
ON_CBN_SELCHANGE(1010, OnCountry)
END_MESSAGE_MAP()

TEST_F(MswPages, ChangesAreCollectedBeforeThePageHandlesThem) {
    PageHost host;
    RecordingMsw1 page;
    page.host = &host;
    host.storeOnDataCheck = false;
    host.Host(page);
    page.LoadFromImage(settings::FactoryImage());
    host.storeOnDataCheck = true;
    FocusControl(page.GetDlgItem(1007));  // away from the list, which reports losing the focus
    host.dataChecks = 0;
    page.notices = 0;

    std::vector<int> seenChecked;
    host.onDataCheck = [&] { seenChecked.push_back(page.IsDlgButtonChecked(1009)); };
    Click(page.GetDlgItem(1009));  // "高速受信": MSW1-4
    EXPECT_EQ(seenChecked, std::vector<int>{1});
    ASSERT_EQ(page.handled.size(), 1u);
    EXPECT_EQ(page.handled[0], (std::array<int, 3>{1009, 1, 0x08}));
    host.onDataCheck = nullptr;

    ChooseComboItem(page.GetDlgItem(1010), 3);  // focus, then three steps down to "ドイツ"
    ASSERT_EQ(page.handled.size(), 4u);
    EXPECT_EQ(page.handled.back(), (std::array<int, 3>{1010, host.dataChecks, 0x0C}));
    EXPECT_EQ(CountryShown(page), QStringLiteral("ドイツ"));
    // Focus and selection notices alike: one data check each.
    EXPECT_EQ(host.dataChecks, page.notices);
    EXPECT_GE(host.dataChecks, 5);
}

}  // namespace
