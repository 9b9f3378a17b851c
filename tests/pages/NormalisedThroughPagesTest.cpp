// The settings' rules and the pages agree: loading an image into the real pages (after the factory
// image, as at start-up) and storing them gives exactly Normalised(image), and the store shows the
// range message exactly when the data check rules refuse the image.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "pages/MemorySwitchPage.h"
#include "pages/Param2Page.h"
#include "pages/ParamPage.h"
#include "pages/SelectPage.h"
#include "settings/FactoryImage.h"
#include "settings/Normalised.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageWindow.h"
#include "tests/support/ScriptedUser.h"

namespace {

using settings::SettingsImage;
using testing_support::CraftedImages;

// Images whose every field is, at random, its factory value, digits, printable text or any byte.
std::vector<SettingsImage> RandomImages(int count) {
    std::mt19937 random(540);
    std::vector<SettingsImage> images;
    for (int n = 0; n < count; ++n) {
        SettingsImage image = settings::FactoryImage();
        for (const settings::Field& f : settings::kFields) {
            const unsigned kind = random() % 4;
            for (std::size_t i = f.offset; i < f.end() && kind != 0; ++i) {
                if (kind == 1)
                    image[i] = static_cast<std::uint8_t>('0' + random() % 10);
                else if (kind == 2)
                    image[i] = static_cast<std::uint8_t>(0x20 + random() % 0x5F);
                else
                    image[i] = static_cast<std::uint8_t>(random() % 256);
            }
        }
        images.push_back(image);
    }
    return images;
}

// Every page in a window of its own, filled with the factory image as at start-up; nothing holds
// the focus, as after a load from the menu.
struct Pages {
    Pages() {
        pages = {new SelectPage,          new ParamPage,           new Param2Page,
                 new MemorySwitchPage(0), new MemorySwitchPage(1), new MemorySwitchPage(2),
                 new MemorySwitchPage(3)};
        for (SettingsPage* page : pages) {
            windows.push_back(std::make_unique<PageWindow>(page));
            windows.back()->storeOnDataCheck = false;
            page->load(settings::FactoryImage());
        }
        // Each window keeps its own focus control even while another is active.
        for (auto& window : windows) {
            if (QWidget* focus = window->focusWidget())
                focus->clearFocus();
        }
    }
    SettingsImage LoadAndStore(const SettingsImage& image) {
        SettingsImage stored = image;
        for (SettingsPage* page : pages)
            page->load(image);
        for (SettingsPage* page : pages)
            page->store(stored);
        return stored;
    }
    std::vector<SettingsPage*> pages;  // owned by their windows
    std::vector<std::unique_ptr<PageWindow>> windows;
};

std::string Hex(const SettingsImage& image) {
    static const char* digits = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < image.size(); ++i) {
        text += digits[image[i] >> 4];
        text += digits[image[i] & 15];
        text += i % 16 == 15 ? '\n' : ' ';
    }
    return text;
}

void ExpectPagesAgree(const std::vector<SettingsImage>& images) {
    for (const SettingsImage& image : images) {
        ScriptedUser user;
        const auto refusals = settings::DataCheckRefusals(image);
        for (const settings::RangeRefusal& refusal : refusals) {
            user.expectWarning(QString::fromStdString(settings::RangeMessage(refusal.range)),
                               QCoreApplication::applicationName());
        }
        Pages pages;
        const SettingsImage stored = pages.LoadAndStore(image);
        EXPECT_EQ(Hex(stored), Hex(settings::Normalised(image))) << "loaded:\n" << Hex(image);
        EXPECT_EQ(user.boxes().size(), refusals.size()) << "loaded:\n" << Hex(image);
        user.verifyAllUsed();
    }
}

TEST(NormalisedThroughPages, CraftedImagesComeBackAsTheRulesSay) {
    ExpectPagesAgree(CraftedImages());
}

TEST(NormalisedThroughPages, RandomImagesComeBackAsTheRulesSay) {
    ExpectPagesAgree(RandomImages(60));
}

}  // namespace
