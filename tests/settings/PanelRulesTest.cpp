// The rules that turn the image's bytes into the panel's choices and back, on bytes alone.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/FactoryImage.h"
#include "settings/ImageLayout.h"
#include "settings/Normalised.h"
#include "settings/PanelRules.h"

using namespace settings;
using namespace std::string_literals;

namespace {

using Changes = std::vector<std::pair<std::size_t, std::string>>;

SettingsImage With(const Changes& changes) {
    SettingsImage image = FactoryImage();
    for (const auto& [offset, bytes] : changes) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            image[offset + i] = static_cast<std::uint8_t>(bytes[i]);
    }
    return image;
}

std::string Text(const SettingsImage& image, std::size_t from, std::size_t to) {
    return std::string(reinterpret_cast<const char*>(image.data()) + from, to - from);
}

TEST(PanelRules, LeadingNumberReadsLikeAtoiHeldToIntRange) {
    const std::pair<const char*, int> cases[] = {
        {"", 0},
        {"+7", 7},
        {"-5", -5},
        {" \t\v\f\r\n+3x", 3},
        {"+-1", 0},
        {"- 1", 0},
        {"abc", 0},
        {"2147483647", INT_MAX},
        {"99999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
    };
    for (auto [text, n] : cases)
        EXPECT_EQ(LeadingNumber(text), n) << '"' << text << '"';
}

TEST(PanelRules, SwitchPairsKeepCarriedSwitchesClearOthersAndNameACountry) {
    struct Case {
        int msw;
        std::string in, out;
    };
    const Case cases[] = {
        {0, "\x07\x0F"s, "\x00\x0F"s},  // code 7 names no country: Japan, MSW1-4 stays
        {0, "\x01\x00"s, "\x00\x00"s},  // code 1 likewise
        {0, "\x0E\x00"s, "\x08\x00"s},  // code 6 likewise
        {0, "\xF3\xF0"s, "\x03\x00"s},  // Britain; bits 4-7 dropped
        {0, "\x0A\x05"s, "\x0A\x05"s},  // America
        {0, "\x04\x00"s, "\x04\x00"s},  // Germany
        {0, "\x0D\x00"s, "\x0D\x00"s},  // Sweden
        {1, "\xFF\xFF"s, "\x0F\x0F"s},  // MSW2-4 has no control but is carried
        {2, "\x01\x02"s, "\x01\x02"s},  // MSW3-1 and MSW3-6 carried
        {3, "\x0F\x0F"s, "\x0D\x09"s},  // MSW4-2, -6 and -7 always 0
    };
    for (const Case& c : cases) {
        const std::size_t at = kMemorySwitchFields[c.msw].offset;
        SettingsImage image = With({{at, c.in}});
        EncodeSwitches(DecodeSwitches(image, c.msw), c.msw, image);
        EXPECT_EQ(Text(image, at, at + 2), c.out) << "MSW" << c.msw + 1;
        EXPECT_EQ(image[at + 2], ',');
    }
}

TEST(PanelRules, CountryListMapsCodesBothWays) {
    const std::pair<int, int> codeIndex[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 0}, {7, 0}};
    for (auto [code, index] : codeIndex)
        EXPECT_EQ(CountryIndex(code), index) << code;
    const std::pair<int, int> indexCode[] = {{0, 0}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}, {-1, 0}};
    for (auto [index, code] : indexCode) {
        Switches s = {1, 1, 1, 1, 1, 1, 1, 1};
        SetCountry(index, s);
        EXPECT_EQ(CountryCode(s), code) << index;
        for (int k = 3; k < 8; ++k)
            EXPECT_EQ(s[k], 1) << "only MSW1-1..3 change";
    }
}

TEST(PanelRules, ParamBytesDecodeOverThePreviousChoices) {
    // Bytes 16..33: fonts, kanji table, postcard mode, paper set, three head-centring positions.
    const std::pair<std::string, std::string> cases[] = {
        {"4,0,2,0,0,05,99,0:", "4,0,2,0,0,05,99,10"},  // no digit or range check on positions
        {"5;/;3;2;x;40;68;68", "3;1;2;1;1;40;68;68"},  // codes off the lists leave the choices
    };
    for (const auto& [in, out] : cases) {
        ParamValues v{3, 1, 2, 11, 22, 33, 1, 1};
        SettingsImage image = With({{16, in}});
        DecodeParam(image, v);
        EncodeParam(v, image);
        EXPECT_EQ(Text(image, 16, 34), out);
    }
    SettingsImage image = With({{16, "xxxxxxxxxxxxxxxxxx"}});
    EncodeParam(ParamValues{}, image);
    EXPECT_EQ(Text(image, 16, 34), "0x0x0x0x0x00x00x00");  // no choice writes the first entry
}

TEST(PanelRules, Param2ReturnTimeIntakeAndPitchPairs) {
    struct Case {
        const char *ret, *intake, *pitch;
        int returnTime, intakeTime;
        std::array<std::string, 4> texts;
        const char *outRet, *outPitch;
    };
    const Case cases[] = {
        {"00", "9", "00,07,FB,F0", 0, 9, {"0", "+7", "-5", "-23"}, "00", "00,07,FB,F0"},
        {"10", "2", "FF,X1,0:,FG", 15, 2, {"-1", "+1", "+10", "0"}, "15", "FF,01,0:,00"},
        {"08", "A", "05,F2,01,FE", 8, 17, {"+5", "-21", "+1", "-2"}, "08", "05,F2,01,FE"},
    };
    for (const Case& c : cases) {
        Param2Values v{15, 3, {"-2", "+1", "0", "+5"}};
        SettingsImage image = With({{165, c.ret}, {168, c.intake}, {173, c.pitch}});
        DecodeParam2(image, v);
        EXPECT_EQ(v.returnTime, c.returnTime) << c.ret;
        EXPECT_EQ(v.intakeTime, c.intakeTime) << c.intake;
        EXPECT_EQ(v.pitch, c.texts) << c.pitch;
        EncodeParam2(v, image);
        EXPECT_EQ(Text(image, 165, 169), c.outRet + ","s + c.intake);
        EXPECT_EQ(Text(image, 173, 184), c.outPitch);
    }
    Param2Values v;
    v.returnTime = 10;  // not a listed time, and empty pitch texts
    SettingsImage image = FactoryImage();
    EncodeParam2(v, image);
    EXPECT_EQ(Text(image, 165, 167), "08");
    EXPECT_EQ(Text(image, 173, 184), "00,00,00,00");
}

TEST(PanelRules, OnlyTheElevenCorrectionTextsAreListed) {
    for (const char* text : {"-5", "-1", "0", "+1", "+5"})
        EXPECT_TRUE(IsPitchListed(text)) << text;
    for (const char* text : {"", "1", "5", "+0", "-0", "+6", "-6", "+10", "+-1", " 1"})
        EXPECT_FALSE(IsPitchListed(text)) << text;
}

TEST(PanelRules, SelectCodesDecodeOverThePreviousChoices) {
    // Hopper (58), typeface (60), reduction (62), selected format (70).
    struct Case {
        const char* in;
        int reduction, typeface;
        const char* out;
    };
    const Case cases[] = {
        {"1070", 4, 0, "1070"},
        {"2152", 3, 1, "2152"},
        {"0131", 2, 1, "2131"},
        {"9524", 1, -1, "2513"},  // an unknown typeface byte is written back as loaded
    };
    for (const Case& c : cases) {
        SelectValues v{1, 1, 3, 1, '1'};
        SettingsImage image = With({{58, {c.in[0]}}, {60, {c.in[1]}}, {62, {c.in[2]}}, {70, {c.in[3]}}});
        DecodeSelect(image, v);
        EXPECT_EQ(v.reduction, c.reduction) << c.in;
        EXPECT_EQ(v.typeface, c.typeface) << c.in;
        EncodeSelect(v, image);
        const std::string out{char(image[58]), char(image[60]), char(image[62]), char(image[70])};
        EXPECT_EQ(out, c.out) << c.in;
    }
    SettingsImage image = With({{58, "x,x,x"}, {70, "x"}});
    EncodeSelect(SelectValues{}, image);
    EXPECT_EQ(Text(image, 58, 63) + char(image[70]), "1,0,x0");  // no reduction writes nothing
}

TEST(PanelRules, PagesReplaceWhatTheyCannotShowAndPassTheRest) {
    struct Case {
        Changes in, out;  // relative to the factory image
    };
    // Framing, separators, reserved bytes and format blocks belong to no page.
    const Changes unowned = {{0, "X"},         {3, ";"},    {35, "ab,xyz"},
                             {64, "\x12\x34"}, {170, "ab"}, {189, "\x01"}};
    const Case cases[] = {
        {{}, {}},
        {unowned, unowned},
        // Unknown codes fall back to the factory choices, not to the bytes.
        {{{16, "7"}, {20, "3"}, {22, "2"}, {58, "9"}, {62, "2"}, {70, "4"}, {165, "10"}},
         {{16, "0"}, {20, "0"}, {22, "0"}, {58, "1"}, {62, "0"}, {70, "0"}, {165, "08"}}},
        {{{18, "4"}, {24, "1"}, {26, "05"}, {29, "0:"}, {60, "5"}, {62, "7"}, {70, "3"}, {165, "15"}},
         {{18, "4"}, {24, "1"}, {26, "05"}, {29, "10"}, {60, "5"}, {62, "7"}, {70, "3"}, {165, "15"}}},
        {{{4, "\x07\x0F"s}, {7, "\xFF\xFF"}, {10, "\x01\x02"}, {13, "\x0F\x0F"}},
         {{4, "\x00\x0F"s}, {7, "\x0F\x0F"}, {10, "\x01\x02"}, {13, "\x0D\x09"}}},
        // An accepted intake time lets the lists show only listed corrections...
        {{{168, "5"}, {173, "07"}, {176, "FB"}, {179, "X1"}, {182, "04"}},
         {{168, "5"}, {173, "00"}, {176, "FB"}, {179, "00"}, {182, "04"}}},
        // ...a refused one writes the decoded texts back.
        {{{168, "9"}, {173, "07"}, {176, "FB"}, {179, "X1"}, {182, "0:"}},
         {{168, "9"}, {173, "07"}, {176, "FB"}, {179, "00"}, {182, "0:"}}},
    };
    for (const Case& c : cases) {
        const SettingsImage in = With(c.in);
        EXPECT_EQ(Text(Normalised(in), 0, kImageSize), Text(With(c.out), 0, kImageSize));
    }
}

TEST(PanelRules, DataCheckRefusesOnlyAnIntakeTimeOutsideTwoToFive) {
    // Head centring and return time out of range are never refused.
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"2", std::nullopt}, {"5", std::nullopt}, {"1", 1}, {"6", 6}, {"0", 0}, {"A", 17}};
    for (auto [intake, refused] : cases) {
        const auto refusals = DataCheckRefusals(With({{26, "05"}, {165, "10"}, {168, intake}}));
        ASSERT_EQ(refusals.size(), refused ? 1u : 0u) << intake;
        if (refused) {
            EXPECT_EQ(refusals[0].field, &field::IntakeTime);
            EXPECT_EQ(refusals[0].value, *refused);
            EXPECT_EQ(refusals[0].range.min, 2);
            EXPECT_EQ(refusals[0].range.max, 5);
        }
    }
}

TEST(PanelRules, RangeMessageNamesBothBounds) {
    EXPECT_EQ(RangeMessage(kIntakeTimeRange), "2 から 5 までの整数を入力してください。");
    EXPECT_EQ(RangeMessage(kRightMarginRange), "1 から 136 までの整数を入力してください。");
}

TEST(PanelRules, FieldAtAndSeparatorsAtTheBoundaries) {
    struct Case {
        std::size_t offset;
        const char* key;  // nullptr: no field
        bool separator;
    };
    const Case cases[] = {
        {0, "introducer", false},   {3, nullptr, true},
        {5, "msw1", false},         {6, nullptr, true},
        {65, "reserved64", false},  {66, nullptr, true},
        {71, nullptr, true},        {72, "format1.paperLength", false},
        {181, nullptr, true},       {183, "lfPitch.sheetFeeder", false},
        {184, "terminator", false}, {189, "padding", false},
        {190, nullptr, false},
    };
    for (const Case& c : cases) {
        const Field* f = FieldAt(c.offset);
        EXPECT_EQ(f ? std::string(f->key) : "", c.key ? c.key : "") << c.offset;
        EXPECT_EQ(IsSeparator(c.offset), c.separator) << c.offset;
    }
}

}  // namespace
