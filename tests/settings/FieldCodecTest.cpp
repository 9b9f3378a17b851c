// The field encodings shared by every editor.
#include <gtest/gtest.h>

#include <string>

#include "settings/FactoryImage.h"
#include "settings/FieldCodec.h"

using namespace settings;

namespace {

std::string Text(const SettingsImage& image, std::size_t from, std::size_t to) {
    return std::string(reinterpret_cast<const char*>(image.data()) + from, to - from);
}

TEST(FieldCodec, SwitchPairsReadLowBitsAndRebuildBytesWhole) {
    SettingsImage image = FactoryImage();
    image[7] = 0xFA;  // switches 2 and 4 set, upper bits set
    image[8] = 0x31;  // switch 5 set, upper bits set
    const int expected[8] = {0, 1, 0, 1, 1, 0, 0, 0};
    int s[8];
    for (int k = 1; k <= 8; ++k) {
        s[k - 1] = ReadSwitch(image, 7, k);
        EXPECT_EQ(s[k - 1], expected[k - 1]) << "MSW2-" << k;
    }
    WriteSwitchPair(image, 7, s);
    EXPECT_EQ(image[7], 0x0A);
    EXPECT_EQ(image[8], 0x01);
    const int all[8] = {1, 1, 1, 1, 1, 1, 1, 1};
    WriteSwitchPair(image, 13, all);
    EXPECT_EQ(image[13], 0x0F);
    EXPECT_EQ(image[14], 0x0F);
    EXPECT_EQ(image[12], ',');
    EXPECT_EQ(image[15], ',');
}

TEST(FieldCodec, DecimalsReadByPlaceValueWithoutDigitCheck) {
    SettingsImage image = FactoryImage();
    EXPECT_EQ(ReadDecimal(image, 26, 2), 40);
    EXPECT_EQ(ReadDecimal(image, 50, 3), 46);
    EXPECT_EQ(ReadDecimal(image, 168, 1), 2);
    image[26] = 'A';  // 'A' - '0' is 17
    EXPECT_EQ(ReadDecimal(image, 26, 2), 170);
    image[168] = ' ';
    EXPECT_EQ(ReadDecimal(image, 168, 1), -16);
}

TEST(FieldCodec, DecimalsWrittenByTheRuleOfTheirWidth) {
    SettingsImage image = FactoryImage();
    WriteDecimal(image, 168, 1, 9);
    EXPECT_EQ(image[168], '9');
    WriteDecimal(image, 26, 2, 5);
    EXPECT_EQ(Text(image, 26, 28), "05");
    WriteDecimal(image, 26, 2, 99);
    EXPECT_EQ(Text(image, 26, 28), "99");
    WriteDecimal(image, 26, 2, 123);  // the tens character goes past '9'
    EXPECT_EQ(image[26], '0' + 12);
    EXPECT_EQ(image[27], '3');
    WriteDecimal(image, 75, 3, 5);
    EXPECT_EQ(Text(image, 75, 78), "005");
    WriteDecimal(image, 75, 3, 136);
    EXPECT_EQ(Text(image, 75, 78), "136");
    EXPECT_EQ(image[25], ',');
    EXPECT_EQ(image[28], ',');
    EXPECT_EQ(image[74], ',');
    EXPECT_EQ(image[78], ',');
}

TEST(FieldCodec, PitchPairsCarryMinusFiveToFive) {
    SettingsImage image = FactoryImage();
    const std::pair<const char*, int> cases[] = {{"FB", -5}, {"FD", -3}, {"FF", -1}, {"00", 0}, {"05", 5}};
    for (auto [text, n] : cases) {
        image[173] = text[0];
        image[174] = text[1];
        EXPECT_EQ(ReadPitchPair(image, 173), n) << text;
        WritePitchPair(image, 176, n);
        EXPECT_EQ(Text(image, 176, 178), text) << n;
    }
    for (const char* other : {"15", "f0", "E0", " 0"}) {
        image[179] = other[0];
        image[180] = other[1];
        EXPECT_FALSE(ReadPitchPair(image, 179).has_value()) << other;
    }
}

}  // namespace
