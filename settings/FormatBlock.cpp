#include "settings/FormatBlock.h"

#include <algorithm>
#include <cstdlib>

#include "settings/FieldCodec.h"

namespace settings {

namespace {

// Where a field lies inside its block; formats 1 to 3 share one shape.
constexpr std::size_t At(const FormatBlockLayout& block, const Field& f) {
    return f.offset - block.offset();
}
constexpr int kPositionWidth = 3;

constexpr int FormatValues::*kPositions[5] = {&FormatValues::front, &FormatValues::rear, &FormatValues::guide,
                                              &FormatValues::feeder, &FormatValues::postcard};

void DecodePositions(const std::uint8_t* block, const FormatBlockLayout& layout, FormatValues& v) {
    for (int i = 0; i < 5; ++i)
        v.*kPositions[i] = ReadDecimal(block + At(layout, *layout.positions[i]), kPositionWidth);
    v.frontStop = NearestStop(v.front, false);
    v.rearStop = NearestStop(v.rear, false);
    v.guideStop = NearestStop(v.guide, false);
    v.feederStop = NearestStop(v.feeder, false);
    v.postcardStop = NearestStop(v.postcard, true);
}

void EncodePositions(const FormatValues& v, std::uint8_t* block, const FormatBlockLayout& layout) {
    for (int i = 0; i < 5; ++i)
        WriteDecimal(block + At(layout, *layout.positions[i]), kPositionWidth, v.*kPositions[i]);
}

void EncodeLength(int v, std::uint8_t* block) {
    block[0] = static_cast<std::uint8_t>('0' + (v - v % 10) / 10);
    block[1] = static_cast<std::uint8_t>('0' + v % 10);
}

}  // namespace

void DecodeFormat0(const std::uint8_t* block, FormatValues& v) {
    v.paperLength = ReadDecimal(block, 2);
    v.leftMargin = 0;
    v.rightMargin = 136;
    DecodePositions(block, kFormatBlocks[0], v);
}

void DecodeFormatN(const std::uint8_t* block, FormatValues& v) {
    const FormatBlockLayout& layout = kFormatBlocks[1];
    v.paperLength = ReadDecimal(block, 2);
    v.leftMargin = ReadDecimal(block + At(layout, *layout.leftMargin), 3);
    v.rightMargin = ReadDecimal(block + At(layout, *layout.rightMargin), 3);
    DecodePositions(block, layout, v);
}

void EncodeFormat0(const FormatValues& v, std::uint8_t* block) {
    EncodeLength(v.paperLength, block);
    EncodePositions(v, block, kFormatBlocks[0]);
}

void EncodeFormatN(const FormatValues& v, std::uint8_t* block) {
    const FormatBlockLayout& layout = kFormatBlocks[1];
    EncodeLength(v.paperLength, block);
    WriteDecimal(block + At(layout, *layout.leftMargin), 3, v.leftMargin);
    WriteDecimal(block + At(layout, *layout.rightMargin), 3, v.rightMargin);
    EncodePositions(v, block, layout);
}

void DecodeFormatBlocks(const SettingsImage& image, FormatBlocks& blocks) {
    std::copy_n(image.data() + kFormat0Offset, kFormat0Size, blocks.format0.begin());
    for (std::size_t n = 0; n < blocks.formatN.size(); ++n)
        std::copy_n(image.data() + kFormatNOffsets[n], kFormatNSize, blocks.formatN[n].begin());
}

void EncodeFormatBlocks(const FormatBlocks& blocks, SettingsImage& image) {
    std::copy(blocks.format0.begin(), blocks.format0.end(), image.data() + kFormat0Offset);
    for (std::size_t n = 0; n < blocks.formatN.size(); ++n)
        std::copy(blocks.formatN[n].begin(), blocks.formatN[n].end(), image.data() + kFormatNOffsets[n]);
}

void DecodeFormat(const FormatBlocks& blocks, int format, FormatValues& values) {
    if (format == 0)
        DecodeFormat0(blocks.format0.data(), values);
    else if (format >= 1 && format <= 3)
        DecodeFormatN(blocks.formatN[static_cast<std::size_t>(format - 1)].data(), values);
}

void EncodeFormat(const FormatValues& values, int format, FormatBlocks& blocks) {
    if (format == 0)
        EncodeFormat0(values, blocks.format0.data());
    else if (format >= 1 && format <= 3)
        EncodeFormatN(values, blocks.formatN[static_cast<std::size_t>(format - 1)].data());
}

int StopValue(int stop, bool postcard) {
    switch (stop) {
        case 0:
            return postcard ? 54 : 46;
        case 1:
            return 60;
        default:
            return 120;
    }
}

int NearestStop(int value, bool postcard) {
    int best = 65535;
    int bestStop = 0;
    for (int stop = 0; stop < 3; ++stop) {
        const int d = std::abs(StopValue(stop, postcard) - value);
        if (d == 0)
            return stop;
        if (d < best) {
            best = d;
            bestStop = stop;
        }
    }
    return bestStop;
}

}  // namespace settings
