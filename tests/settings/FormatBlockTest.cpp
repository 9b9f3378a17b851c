// The stored page formats: decoding, encoding around the commas, and the trackbar stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "settings/FactoryImage.h"
#include "settings/FormatBlock.h"

using namespace settings;

namespace {

template <std::size_t N>
std::string Text(const std::uint8_t (&block)[N]) {
    return std::string(reinterpret_cast<const char*>(block), N);
}

void ExpectFactoryPositions(const FormatValues& v) {
    EXPECT_EQ(v.paperLength, 66);
    EXPECT_EQ(v.front, 120);
    EXPECT_EQ(v.rear, 120);
    EXPECT_EQ(v.guide, 120);
    EXPECT_EQ(v.feeder, 46);
    EXPECT_EQ(v.postcard, 54);
    EXPECT_EQ(v.frontStop, 2);
    EXPECT_EQ(v.rearStop, 2);
    EXPECT_EQ(v.guideStop, 2);
    EXPECT_EQ(v.feederStop, 0);
    EXPECT_EQ(v.postcardStop, 0);
}

TEST(FormatBlock, FactoryBlocksDecode) {
    const SettingsImage& f = FactoryImage();
    FormatValues v;
    v.leftMargin = 7;
    v.rightMargin = 8;
    DecodeFormat0(f.data() + kFormat0Offset, v);
    ExpectFactoryPositions(v);
    EXPECT_EQ(v.leftMargin, 0);  // format 0 has no margins of its own
    EXPECT_EQ(v.rightMargin, 136);
    for (std::size_t offset : kFormatNOffsets) {
        FormatValues n;
        DecodeFormatN(f.data() + offset, n);
        ExpectFactoryPositions(n);
        EXPECT_EQ(n.leftMargin, 0);
        EXPECT_EQ(n.rightMargin, 136);
    }
}

TEST(FormatBlock, EncodingWritesDigitsOnlyAndLeavesTheCommas) {
    const FormatValues v{46, 0, 60, 1, 120, 2, 46, 0, 54, 0, 72, 5, 130};
    std::uint8_t blockN[30];
    std::copy(FactoryImage().data() + 72, FactoryImage().data() + 102, blockN);
    EncodeFormatN(v, blockN);
    EXPECT_EQ(Text(blockN), "72,005,130,046,060,120,046,054");

    std::fill(std::begin(blockN), std::end(blockN), 'x');
    EncodeFormatN(v, blockN);
    EXPECT_EQ(Text(blockN), "72x005x130x046x060x120x046x054");

    std::uint8_t block0[22];
    std::fill(std::begin(block0), std::end(block0), 'x');
    EncodeFormat0(FormatValues{132, 2, 40, 0, 99, 1, 100, 1, 55, 0, 1, 5, 130}, block0);
    EXPECT_EQ(Text(block0), "01x132x040x099x100x055");
}

TEST(FormatBlock, NonDigitsDecodeByTheSameArithmetic) {
    std::uint8_t block[30];
    std::copy(FactoryImage().data() + 103, FactoryImage().data() + 133, block);
    block[11] = '1';
    block[12] = '2';
    block[13] = ':';  // counts as 10 in the units place
    FormatValues v;
    DecodeFormatN(block, v);
    EXPECT_EQ(v.front, 130);
    EXPECT_EQ(v.frontStop, 2);
    EncodeFormatN(v, block);
    EXPECT_EQ(Text(block), "66,000,136,130,120,120,046,054");
}

TEST(FormatBlock, NearestStopPrefersExactThenLower) {
    EXPECT_EQ(NearestStop(53, false), 0);  // halfway between 46 and 60
    EXPECT_EQ(NearestStop(90, false), 1);  // halfway between 60 and 120
    EXPECT_EQ(NearestStop(57, true), 0);   // halfway between 54 and 60
    EXPECT_EQ(NearestStop(133, false), 2);
    EXPECT_EQ(NearestStop(54, false), 1);
    EXPECT_EQ(NearestStop(54, true), 0);
    EXPECT_EQ(NearestStop(0, false), 0);
    for (int stop = 0; stop < 3; ++stop) {
        EXPECT_EQ(NearestStop(StopValue(stop, false), false), stop);
        EXPECT_EQ(NearestStop(StopValue(stop, true), true), stop);
    }
    EXPECT_EQ(StopValue(0, false), 46);
    EXPECT_EQ(StopValue(0, true), 54);
    EXPECT_EQ(StopValue(1, true), 60);
    EXPECT_EQ(StopValue(2, false), 120);
}

}  // namespace
