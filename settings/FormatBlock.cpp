#include "settings/FormatBlock.h"

#include <cstdlib>

#include "settings/FieldCodec.h"

namespace settings {

namespace {

void DecodePositions(const std::uint8_t* block, std::size_t first, FormatValues& v) {
    v.front = ReadDecimal(block + first, 3);
    v.rear = ReadDecimal(block + first + 4, 3);
    v.guide = ReadDecimal(block + first + 8, 3);
    v.feeder = ReadDecimal(block + first + 12, 3);
    v.postcard = ReadDecimal(block + first + 16, 3);
    v.frontStop = NearestStop(v.front, false);
    v.rearStop = NearestStop(v.rear, false);
    v.guideStop = NearestStop(v.guide, false);
    v.feederStop = NearestStop(v.feeder, false);
    v.postcardStop = NearestStop(v.postcard, true);
}

void EncodePositions(const FormatValues& v, std::uint8_t* block, std::size_t first) {
    WriteDecimal(block + first, 3, v.front);
    WriteDecimal(block + first + 4, 3, v.rear);
    WriteDecimal(block + first + 8, 3, v.guide);
    WriteDecimal(block + first + 12, 3, v.feeder);
    WriteDecimal(block + first + 16, 3, v.postcard);
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
    DecodePositions(block, 3, v);
}

void DecodeFormatN(const std::uint8_t* block, FormatValues& v) {
    v.paperLength = ReadDecimal(block, 2);
    v.leftMargin = ReadDecimal(block + 3, 3);
    v.rightMargin = ReadDecimal(block + 7, 3);
    DecodePositions(block, 11, v);
}

void EncodeFormat0(const FormatValues& v, std::uint8_t* block) {
    EncodeLength(v.paperLength, block);
    EncodePositions(v, block, 3);
}

void EncodeFormatN(const FormatValues& v, std::uint8_t* block) {
    EncodeLength(v.paperLength, block);
    WriteDecimal(block + 3, 3, v.leftMargin);
    WriteDecimal(block + 7, 3, v.rightMargin);
    EncodePositions(v, block, 11);
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
