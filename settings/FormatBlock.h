#pragma once
// The four stored page formats inside the image: text blocks of digits and commas.
#include <array>
#include <cstddef>
#include <cstdint>

#include "settings/ImageLayout.h"
#include "settings/SettingsImage.h"

namespace settings {

constexpr std::size_t kFormat0Offset = kFormatBlocks[0].offset();
constexpr std::size_t kFormat0Size = kFormatBlocks[0].size();
constexpr std::size_t kFormatNOffsets[3] = {kFormatBlocks[1].offset(), kFormatBlocks[2].offset(),
                                            kFormatBlocks[3].offset()};
constexpr std::size_t kFormatNSize = kFormatBlocks[1].size();

struct FormatValues {
    int front = 0, frontStop = 0;
    int rear = 0, rearStop = 0;
    int guide = 0, guideStop = 0;
    int feeder = 0, feederStop = 0;
    int postcard = 0, postcardStop = 0;
    int paperLength = 0;
    int leftMargin = 0;
    int rightMargin = 0;
};

// The four blocks as they stand in the image, commas and all: a block the user leaves alone goes
// back byte for byte.
struct FormatBlocks {
    std::array<std::uint8_t, kFormat0Size> format0{};
    std::array<std::array<std::uint8_t, kFormatNSize>, 3> formatN{};
};

void DecodeFormatBlocks(const SettingsImage& image, FormatBlocks& blocks);
void EncodeFormatBlocks(const FormatBlocks& blocks, SettingsImage& image);
// Format 0..3 of the blocks; any other format leaves the values, or the blocks, as they are.
void DecodeFormat(const FormatBlocks& blocks, int format, FormatValues& values);
void EncodeFormat(const FormatValues& values, int format, FormatBlocks& blocks);

// Decoding takes the bytes as they come (no digit check); each position gets its nearest stop.
void DecodeFormat0(const std::uint8_t* block22, FormatValues& values);
void DecodeFormatN(const std::uint8_t* block30, FormatValues& values);
// Encoding writes only the digit positions; the commas stay as they are.
void EncodeFormat0(const FormatValues& values, std::uint8_t* block22);
void EncodeFormatN(const FormatValues& values, std::uint8_t* block30);

// Trackbar stops: 46 (postcard 54), 60 and 120 (1/120 inch).
int StopValue(int stop, bool postcard);
// The nearest stop; an exact match wins at once and ties keep the lower stop.
int NearestStop(int value, bool postcard);

}  // namespace settings
