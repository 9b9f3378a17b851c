// The factory image, the field encodings and the format blocks.
#include <gtest/gtest.h>

#include <string>

#include "settings/FactoryImage.h"
#include "settings/FieldCodec.h"
#include "settings/FormatBlock.h"

using namespace settings;

namespace {

std::string Text(const SettingsImage& image, std::size_t from, std::size_t to) {
    return std::string(reinterpret_cast<const char*>(image.data()) + from, to - from);
}

TEST(FactoryImage, FramingSeparatorsAndTextView) {
    const SettingsImage& f = FactoryImage();
    EXPECT_EQ(f[0], 0x1C);
    EXPECT_EQ(f[1], 'o');
    EXPECT_EQ(f[2], '0');
    EXPECT_EQ(f[184], '.');
    for (std::size_t i = 185; i < 190; ++i)
        EXPECT_EQ(f[i], 0) << i;
    const std::size_t separators[55] = {3,   6,   9,   12,  15,  17,  19,  21,  23,  25,  28,  31,  34,  37,
                                        41,  45,  49,  53,  57,  59,  61,  63,  66,  69,  71,  74,  78,  82,
                                        86,  90,  94,  98,  102, 105, 109, 113, 117, 121, 125, 129, 133, 136,
                                        140, 144, 148, 152, 156, 160, 164, 167, 169, 172, 175, 178, 181};
    int commas = 0;
    for (std::size_t i = 0; i < 190; ++i)
        commas += f[i] == ',';
    EXPECT_EQ(commas, 55);
    for (std::size_t s : separators)
        EXPECT_EQ(f[s], ',') << s;
    // Switch pairs and reserved pairs.
    EXPECT_EQ(f[4], 0x00);
    EXPECT_EQ(f[7], 0x02);
    EXPECT_EQ(f[13], 0x0C);
    for (std::size_t r : {64u, 65u, 67u, 68u, 170u, 171u})
        EXPECT_EQ(f[r], 0) << r;
    EXPECT_EQ(Text(f, 16, 64), "0,0,0,0,0,40,68,68,66,120,120,120,046,054,1,0,0,");
    EXPECT_EQ(Text(f, 69, 170),
              ",0,66,000,136,120,120,120,046,054,66,000,136,120,120,120,046,054,66,000,136,120,120,120,046,"
              "054,08,2,");
    EXPECT_EQ(Text(f, 172, 184), ",00,00,00,00");
}

TEST(SettingsImage, EqualityCoversEveryByteTrailingNulsIncluded) {
    SettingsImage a = FactoryImage();
    SettingsImage b = a;
    EXPECT_EQ(a, b);
    b[189] = 1;
    EXPECT_NE(a, b);
    b = a;
    b[0] = 0;
    EXPECT_NE(a, b);
}

TEST(FieldCodec, SwitchPairsReadBitsAndRebuildBytesWhole) {
    SettingsImage image = FactoryImage();
    image[7] = 0xFA;  // switches 2 and 4 set, upper bits set
    image[8] = 0x31;
    EXPECT_EQ(ReadSwitch(image, 7, 1), 0);
    EXPECT_EQ(ReadSwitch(image, 7, 2), 1);
    EXPECT_EQ(ReadSwitch(image, 7, 4), 1);
    EXPECT_EQ(ReadSwitch(image, 7, 5), 1);
    EXPECT_EQ(ReadSwitch(image, 7, 8), 0);
    int s[8];
    for (int k = 1; k <= 8; ++k)
        s[k - 1] = ReadSwitch(image, 7, k);
    WriteSwitchPair(image, 7, s);
    EXPECT_EQ(image[7], 0x0A);
    EXPECT_EQ(image[8], 0x01);
}

TEST(FieldCodec, DecimalsReadByPlaceValueAndWriteByWidth) {
    SettingsImage image = FactoryImage();
    EXPECT_EQ(ReadDecimal(image, 26, 2), 40);
    EXPECT_EQ(ReadDecimal(image, 38, 3), 120);
    EXPECT_EQ(ReadDecimal(image, 168, 1), 2);
    image[26] = 'A';  // no digit check: 'A' counts as 17
    EXPECT_EQ(ReadDecimal(image, 26, 2), 170);
    WriteDecimal(image, 26, 2, 5);
    EXPECT_EQ(Text(image, 26, 28), "05");
    WriteDecimal(image, 26, 2, 123);  // tens character above '9'
    EXPECT_EQ(image[26], '0' + 12);
    EXPECT_EQ(image[27], '3');
    WriteDecimal(image, 168, 1, 9);
    EXPECT_EQ(image[168], '9');
    WriteDecimal(image, 75, 3, 5);
    EXPECT_EQ(Text(image, 75, 78), "005");
}

TEST(FieldCodec, PitchPairs) {
    SettingsImage image = FactoryImage();
    const std::pair<const char*, int> cases[] = {{"FB", -5}, {"FF", -1}, {"00", 0}, {"05", 5}};
    for (auto [text, n] : cases) {
        image[173] = text[0];
        image[174] = text[1];
        EXPECT_EQ(ReadPitchPair(image, 173), n) << text;
        WritePitchPair(image, 176, n);
        EXPECT_EQ(Text(image, 176, 178), text);
    }
    WritePitchPair(image, 173, -3);
    EXPECT_EQ(Text(image, 173, 175), "FD");
    image[173] = '1';
    EXPECT_FALSE(ReadPitchPair(image, 173).has_value());
}

TEST(FormatBlock, DecodeEncodeAndStops) {
    const SettingsImage& f = FactoryImage();
    FormatValues v;
    DecodeFormat0(f.data() + kFormat0Offset, v);
    EXPECT_EQ(v.paperLength, 66);
    EXPECT_EQ(v.rightMargin, 136);
    EXPECT_EQ(v.front, 120);
    EXPECT_EQ(v.frontStop, 2);
    EXPECT_EQ(v.feeder, 46);
    EXPECT_EQ(v.feederStop, 0);
    EXPECT_EQ(v.postcard, 54);
    EXPECT_EQ(v.postcardStop, 0);

    std::uint8_t block[30];
    std::copy(f.data() + 72, f.data() + 102, block);
    v = FormatValues{46, 0, 60, 1, 120, 2, 46, 0, 54, 0, 72, 5, 130};
    EncodeFormatN(v, block);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(block), 30), "72,005,130,046,060,120,046,054");

    block[13] = ':';  // '1','2',':' counts the colon as 10
    block[11] = '1';
    block[12] = '2';
    DecodeFormatN(block, v);
    EXPECT_EQ(v.front, 130);

    EXPECT_EQ(NearestStop(53, false), 0);
    EXPECT_EQ(NearestStop(90, false), 1);
    EXPECT_EQ(NearestStop(57, true), 0);
    EXPECT_EQ(NearestStop(133, false), 2);
    EXPECT_EQ(NearestStop(60, true), 1);
}

}  // namespace
