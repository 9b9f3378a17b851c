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

#include "framework/CWinApp.h"
#include "pages/CPage_MSW1.h"
#include "pages/CPage_MSW2.h"
#include "pages/CPage_MSW3.h"
#include "pages/CPage_MSW4.h"
#include "pages/CPage_Param.h"
#include "pages/CPage_Param_2.h"
#include "pages/CPage_Select.h"
#include "settings/FactoryImage.h"
#include "settings/Normalised.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PageHost.h"
#include "tests/support/OldScriptedUser.h"

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

// Every page on a host of its own, filled with the factory image as at start-up; nothing holds
// the focus, as after a load from the menu.
struct Pages {
    Pages() {
        pages.push_back(std::make_unique<CPage_Select>());
        pages.push_back(std::make_unique<CPage_Param>());
        pages.push_back(std::make_unique<CPage_Param_2>());
        pages.push_back(std::make_unique<CPage_MSW1>());
        pages.push_back(std::make_unique<CPage_MSW2>());
        pages.push_back(std::make_unique<CPage_MSW3>());
        pages.push_back(std::make_unique<CPage_MSW4>());
        for (auto& page : pages) {
            hosts.push_back(std::make_unique<PageHost>());
            hosts.back()->storeOnDataCheck = false;
            hosts.back()->Host(*page);
            page->LoadFromImage(settings::FactoryImage());
        }
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
    }
    SettingsImage LoadAndStore(const SettingsImage& image) {
        SettingsImage stored = image;
        for (auto& page : pages)
            page->LoadFromImage(image);
        for (auto& page : pages)
            page->StoreToImage(stored);
        return stored;
    }
    std::vector<std::unique_ptr<OldSettingsPage>> pages;
    std::vector<std::unique_ptr<PageHost>> hosts;
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
        OldScriptedUser user;
        const auto refusals = settings::DataCheckRefusals(image);
        for (const settings::RangeRefusal& refusal : refusals) {
            user.ExpectBox(QString::fromStdString(settings::RangeMessage(refusal.range)), AfxGetAppName(),
                           MB_OK | MB_ICONEXCLAMATION, IDOK);
        }
        Pages pages;
        const SettingsImage stored = pages.LoadAndStore(image);
        EXPECT_EQ(Hex(stored), Hex(settings::Normalised(image))) << "loaded:\n" << Hex(image);
        EXPECT_EQ(user.Boxes().size(), refusals.size()) << "loaded:\n" << Hex(image);
        user.VerifyAllUsed();
    }
}

TEST(NormalisedThroughPages, CraftedImagesComeBackAsTheRulesSay) {
    ExpectPagesAgree(CraftedImages());
}

TEST(NormalisedThroughPages, RandomImagesComeBackAsTheRulesSay) {
    ExpectPagesAgree(RandomImages(60));
}

}  // namespace
