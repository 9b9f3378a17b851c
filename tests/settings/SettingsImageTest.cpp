// The factory image byte for byte, its layout, and whole-image comparison.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "settings/FactoryImage.h"

using namespace settings;

namespace {

std::string Text(const SettingsImage& image, std::size_t from, std::size_t to) {
    return std::string(reinterpret_cast<const char*>(image.data()) + from, to - from);
}

// The factory settings as the printer documents them, sixteen bytes a row.
std::vector<int> DocumentedFactoryBytes() {
    const char* rows =
        "1C 6F 30 2C 00 00 2C 02 00 2C 00 00 2C 0C 00 2C "
        "30 2C 30 2C 30 2C 30 2C 30 2C 34 30 2C 36 38 2C "
        "36 38 2C 36 36 2C 31 32 30 2C 31 32 30 2C 31 32 "
        "30 2C 30 34 36 2C 30 35 34 2C 31 2C 30 2C 30 2C "
        "00 00 2C 00 00 2C 30 2C 36 36 2C 30 30 30 2C 31 "
        "33 36 2C 31 32 30 2C 31 32 30 2C 31 32 30 2C 30 "
        "34 36 2C 30 35 34 2C 36 36 2C 30 30 30 2C 31 33 "
        "36 2C 31 32 30 2C 31 32 30 2C 31 32 30 2C 30 34 "
        "36 2C 30 35 34 2C 36 36 2C 30 30 30 2C 31 33 36 "
        "2C 31 32 30 2C 31 32 30 2C 31 32 30 2C 30 34 36 "
        "2C 30 35 34 2C 30 38 2C 32 2C 00 00 2C 30 30 2C "
        "30 30 2C 30 30 2C 30 30 2E 00 00 00 00 00";
    std::istringstream in(rows);
    std::vector<int> bytes;
    int b = 0;
    while (in >> std::hex >> b)
        bytes.push_back(b);
    return bytes;
}

TEST(FactoryImage, EveryByteAsDocumented) {
    const std::vector<int> expected = DocumentedFactoryBytes();
    ASSERT_EQ(expected.size(), kImageSize);
    const SettingsImage& f = FactoryImage();
    for (std::size_t i = 0; i < kImageSize; ++i)
        EXPECT_EQ(f[i], expected[i]) << "offset " << i;
}

TEST(FactoryImage, FramingSeparatorsReservedPairsAndTextView) {
    const SettingsImage& f = FactoryImage();
    EXPECT_EQ(Text(f, 0, 3), "\x1Co0");
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
    for (std::size_t r : {64u, 65u, 67u, 68u, 170u, 171u})
        EXPECT_EQ(f[r], 0) << r;
    EXPECT_EQ(Text(f, 16, 64), "0,0,0,0,0,40,68,68,66,120,120,120,046,054,1,0,0,");
    EXPECT_EQ(Text(f, 69, 170),
              ",0,66,000,136,120,120,120,046,054,66,000,136,120,120,120,046,054,66,000,136,120,120,120,046,"
              "054,08,2,");
    EXPECT_EQ(Text(f, 172, 184), ",00,00,00,00");
}

TEST(SettingsImage, CopiesAndComparesAllBytesTrailingNulsIncluded) {
    SettingsImage a = FactoryImage();
    SettingsImage b = a;
    EXPECT_EQ(a, b);
    for (std::size_t i : {0u, 95u, 185u, 189u}) {
        b = a;
        b[i] ^= 1;
        EXPECT_NE(a, b) << i;
    }
    b = a;
    b[189] = 1;
    a = b;  // assignment takes the trailing bytes too
    EXPECT_EQ(a[189], 1);
    EXPECT_NE(a, FactoryImage());
}

}  // namespace
