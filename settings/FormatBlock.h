#pragma once
// The four stored page formats inside the image: text blocks of digits and commas.
#include <cstddef>
#include <cstdint>

#include "settings/ImageLayout.h"

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
