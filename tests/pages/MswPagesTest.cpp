// The memory switch pages: switch pairs in and out, the country list, kept and cleared switches,
// the data check on the user's choices only, and the keys that move about the pages.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <utility>

#include "pages/MemorySwitchPage.h"
#include "settings/FactoryImage.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

constexpr std::size_t kOffsets[] = {4, 7, 10, 13};  // switch pair of MSW1..MSW4

// Every byte differs from the factory image and from its neighbours, so a stray write shows.
settings::SettingsImage Pattern() {
    settings::SettingsImage image;
    for (std::size_t i = 0; i < settings::kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(0x5A ^ (i * 7));
    return image;
}

// One page (msw 0..3) in its stand-in main window, loaded with the factory image as at start-up.
struct Hosted {
    explicit Hosted(int msw, bool loaded = true)
        : page(new MemorySwitchPage(msw)), window(page), offset(kOffsets[msw]) {
        if (loaded)
            page->load(settings::FactoryImage());
    }
    // Loads the two bytes, stores into a patterned image and returns the pair written; fails
    // the test when any other byte changed.
    std::pair<int, int> RoundTrip(int first, int second) {
        settings::SettingsImage in = settings::FactoryImage();
        in[offset] = static_cast<std::uint8_t>(first);
        in[offset + 1] = static_cast<std::uint8_t>(second);
        page->load(in);
        const settings::SettingsImage pattern = Pattern();
        settings::SettingsImage out = pattern;
        page->store(out);
        for (std::size_t i = 0; i < settings::kImageSize; ++i) {
            if (i != offset && i != offset + 1) {
                EXPECT_EQ(out[i], pattern[i]) << "byte " << i;
            }
        }
        return {out[offset], out[offset + 1]};
    }
    int CurrentSwitch(int k) const {
        return (window.current[offset + (k <= 4 ? 0 : 1)] >> ((k - 1) % 4)) & 1;
    }
    template <class T = QAbstractButton>
    T* Control(const QString& name) const {
        return Child<T>(page, name.toLatin1().constData());
    }

    MemorySwitchPage* page;  // owned by the window
    PageWindow window;
    std::size_t offset;
};

QString Switch(int k, const char* which = "") {
    return QStringLiteral("switch%1%2").arg(k).arg(QLatin1String(which));
}

class MswPages : public ::testing::Test {
protected:
    ScriptedUser user;  // no page may show a message box
};

TEST_F(MswPages, CountryCodesShowAndStoreByTheTable) {
    Hosted p(0);
    auto* country = p.Control<QComboBox>(QStringLiteral("country"));
    const struct {
        int code;
        const char* shown;
        int stored;
    } kCases[] = {{0, "日本", 0},   {1, "日本", 0},         {2, "アメリカ", 2}, {3, "イギリス", 3},
                  {4, "ドイツ", 4}, {5, "スウェーデン", 5}, {6, "日本", 0},     {7, "日本", 0}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(p.RoundTrip(c.code, 0x00), std::make_pair(c.stored, 0x00));
        EXPECT_EQ(country->currentText(), QString::fromUtf8(c.shown));
    }
    // 07 0F: Japan, MSW1-4 at its first button, MSW1-5..8 at their second buttons.
    EXPECT_EQ(p.RoundTrip(0x07, 0x0F), std::make_pair(0x00, 0x0F));
    EXPECT_EQ(country->currentText(), QStringLiteral("日本"));
    EXPECT_TRUE(p.Control(Switch(4, "off"))->isChecked());
    for (int k : {5, 6, 7, 8})
        EXPECT_TRUE(p.Control(Switch(k, "on"))->isChecked()) << k;
    EXPECT_EQ(p.window.dataChecks, 0);  // loads raise no data check

    // Each step of the user's choice is one data check; taking the focus is none.
    FocusControl(country);
    EXPECT_EQ(p.window.dataChecks, 0);
    ChooseComboItem(country, 3);
    EXPECT_EQ(p.window.dataChecks, 3);
    EXPECT_EQ(country->currentText(), QStringLiteral("ドイツ"));
    EXPECT_EQ(p.window.current[4], 0x04);
}

TEST_F(MswPages, HiddenSwitchesAreKeptOrClearedAndUpperBitsDropped) {
    Hosted msw2(1), msw3(2), msw4(3);
    EXPECT_EQ(msw2.RoundTrip(0xFF, 0xFF), std::make_pair(0x0F, 0x0F));  // MSW2-4 kept at 1
    EXPECT_EQ(msw2.RoundTrip(0xF7, 0x00), std::make_pair(0x07, 0x00));  // ... and at 0
    EXPECT_EQ(msw3.RoundTrip(0x01, 0x02), std::make_pair(0x01, 0x02));  // only MSW3-1, MSW3-6
    EXPECT_EQ(msw3.RoundTrip(0xFE, 0xFD), std::make_pair(0x0E, 0x0D));
    EXPECT_EQ(msw4.RoundTrip(0x0F, 0x0F), std::make_pair(0x0D, 0x09));  // MSW4-2, -6, -7 cleared

    // A kept switch also survives the stores that the main window makes after a click.
    msw3.page->load(With({{10, std::string("\x01\x02", 2)}}));
    ShowAndActivate(&msw3.window);
    Click(msw3.Control(Switch(5, "on")));
    EXPECT_EQ(msw3.window.current[10], 0x01);
    EXPECT_EQ(msw3.window.current[11], 0x03);
}

TEST_F(MswPages, FactoryImageComesBackUnchanged) {
    settings::SettingsImage image = settings::FactoryImage();
    for (int msw = 0; msw < 4; ++msw) {
        Hosted p(msw);
        p.page->store(image);
    }
    EXPECT_EQ(image, settings::FactoryImage());
}

TEST_F(MswPages, EveryShownSwitchFollowsItsControls) {
    // Page, switch, and how it is shown: a check box or a pair of radio buttons.
    const struct {
        int msw, k;
        char shown;
    } kShown[] = {
        {0, 4, 'P'}, {0, 5, 'P'}, {0, 6, 'P'}, {0, 7, 'P'}, {0, 8, 'P'}, {1, 1, 'C'},
        {1, 2, 'P'}, {1, 3, 'P'}, {1, 5, 'P'}, {1, 6, 'P'}, {1, 7, 'P'}, {1, 8, 'P'},
        {2, 2, 'P'}, {2, 3, 'P'}, {2, 4, 'P'}, {2, 5, 'P'}, {2, 7, 'C'}, {2, 8, 'P'},
        {3, 1, 'P'}, {3, 3, 'P'}, {3, 4, 'P'}, {3, 5, 'P'}, {3, 8, 'P'},
    };
    for (const auto& s : kShown) {
        SCOPED_TRACE(testing::Message() << "MSW" << s.msw + 1 << "-" << s.k);
        Hosted p(s.msw);
        const bool check = s.shown == 'C';
        QAbstractButton* on = p.Control(Switch(s.k, check ? "" : "on"));
        QAbstractButton* off = check ? on : p.Control(Switch(s.k, "off"));
        const int bit = 1 << ((s.k - 1) % 4);
        const bool inFirst = s.k <= 4;

        // Only this switch set: the "1" control shows it; every other one set: the "0" control.
        p.page->load(With({{p.offset, {char(inFirst ? bit : 0), char(inFirst ? 0 : bit)}}}));
        EXPECT_TRUE(on->isChecked());
        EXPECT_EQ(off->isChecked(), check);
        p.page->load(
            With({{p.offset, {char(0x0F ^ (inFirst ? bit : 0)), char(0x0F ^ (inFirst ? 0 : bit))}}}));
        EXPECT_FALSE(on->isChecked());
        EXPECT_EQ(off->isChecked(), !check);

        // The user's clicks reach the main window's image, one data check each.
        Click(on);
        EXPECT_EQ(p.CurrentSwitch(s.k), 1);
        Click(off);
        EXPECT_EQ(p.CurrentSwitch(s.k), 0);
        EXPECT_EQ(p.window.dataChecks, 2);
    }
}

TEST_F(MswPages, BeforeTheFirstLoadNothingIsCheckedAndTheStoreWritesZeros) {
    const int kControls[] = {11, 13, 11, 10};  // buttons and lists of each page
    for (int msw = 0; msw < 4; ++msw) {
        SCOPED_TRACE(msw);
        Hosted p(msw, false);
        const auto buttons = p.page->findChildren<QAbstractButton*>();
        const auto lists = p.page->findChildren<QComboBox*>();
        EXPECT_EQ(buttons.size() + lists.size(), kControls[msw]);
        for (QAbstractButton* button : buttons)
            EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
        for (QComboBox* list : lists)
            EXPECT_EQ(list->currentIndex(), -1);
        // No group has a button checked: the bytes still carry nothing but switch bits.
        settings::SettingsImage image = Pattern();
        p.page->store(image);
        EXPECT_EQ(image[p.offset], 0x00);
        EXPECT_EQ(image[p.offset + 1], 0x00);

        // The page's name, never shown.
        auto* name = p.Control<QLabel>(QStringLiteral("pageName"));
        EXPECT_EQ(name->text(), QStringLiteral("MSW%1").arg(msw + 1));
        EXPECT_FALSE(name->isVisible());
    }
}

TEST_F(MswPages, TabVisitsTheGroupsInTheOldOrderAndArrowsChoose) {
    const char* const kTabOrder[] = {
        "country switch4off switch5off switch6off switch8off switch7off",
        "switch1 switch2off switch3off switch5off switch6off switch7off switch8off",
        "switch2off switch3off switch4off switch5off switch7 switch8off",
        "switch1off switch3off switch4off switch5off switch8off",
    };
    for (int msw = 0; msw < 4; ++msw) {
        SCOPED_TRACE(msw);
        Hosted p(msw);
        p.page->load(With({{p.offset, std::string(2, '\0')}}));
        const QStringList order = QString::fromLatin1(kTabOrder[msw]).split(QLatin1Char(' '));
        FocusControl(p.Control<QWidget>(order.front()));
        ExpectTabRound(order);
        // An arrow key moves to the group's other button and chooses it, as a click does.
        const QString first = *std::find_if(order.begin(), order.end(), [](const QString& name) {
            return name.endsWith(QLatin1String("off"));
        });
        FocusControl(p.Control(first));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QAbstractButton* other = p.Control(QString(first).replace(QLatin1String("off"), QLatin1String("on")));
        EXPECT_EQ(QApplication::focusWidget(), other);
        EXPECT_TRUE(other->isChecked());
        EXPECT_EQ(p.window.dataChecks, 1);
    }
}

TEST_F(MswPages, EveryMnemonicReachesItsControl) {
    for (int msw = 0; msw < 4; ++msw) {
        SCOPED_TRACE(msw);
        Hosted p(msw);
        p.page->load(With({{p.offset, std::string(2, '\0')}}));
        // Each mnemonic takes the focus at once and clicks a moment later, as Qt animates it; a
        // letter two controls shared would only move the focus and click nothing.
        const auto buttons = p.page->findChildren<QAbstractButton*>();
        for (QAbstractButton* button : buttons) {
            const QString text = button->text();
            ASSERT_EQ(text.count(QLatin1Char('&')), 1) << text.toStdString();
            const QChar letter = text.at(text.indexOf(QLatin1Char('&')) + 1).toUpper();
            QTest::keyClick(&p.window, Qt::Key(letter.unicode()), Qt::AltModifier);
            EXPECT_EQ(QApplication::focusWidget(), button) << text.toStdString();
        }
        QTRY_COMPARE(p.window.dataChecks, buttons.size());
        // Of each pair the second was clicked last; each check box was turned on.
        for (QAbstractButton* button : buttons) {
            const bool first = button->objectName().endsWith(QLatin1String("off"));
            EXPECT_NE(button->isChecked(), first) << button->objectName().toStdString();
        }
        const int checks = p.window.dataChecks;
        if (msw == 0) {
            QTest::keyClick(&p.window, Qt::Key_C, Qt::AltModifier);  // the list's label
            EXPECT_EQ(QApplication::focusWidget(), p.Control<QComboBox>(QStringLiteral("country")));
            EXPECT_EQ(p.window.dataChecks, checks);
        }
    }
}

}  // namespace
