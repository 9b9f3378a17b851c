#include "tools/capture/SettingsReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "settings/FieldCodec.h"
#include "settings/FormatBlock.h"
#include "settings/SettingsImage.h"

using namespace settings;

std::string HexDump(const std::vector<std::uint8_t>& bytes) {
    std::ostringstream out;
    char line[128];
    for (std::size_t row = 0; row < bytes.size(); row += 16) {
        int n = std::snprintf(line, sizeof line, "%4zu |", row);
        std::string ascii;
        for (std::size_t i = row; i < row + 16 && i < bytes.size(); ++i) {
            n += std::snprintf(line + n, sizeof line - n, " %02X", bytes[i]);
            ascii += (bytes[i] >= 0x20 && bytes[i] < 0x7F) ? static_cast<char>(bytes[i]) : '.';
        }
        out << line << std::string(static_cast<std::size_t>(std::max(0, 55 - n)), ' ') << " | " << ascii << '\n';
    }
    return out.str();
}

std::string DescribeSettings(const std::vector<std::uint8_t>& bytes) {
    std::ostringstream out;
    if (bytes.size() != kImageSize || bytes[0] != 0x1C || bytes[1] != 'o' || bytes[2] != '0') {
        out << "not a settings command (" << bytes.size() << " bytes)\n";
        return out.str();
    }
    SettingsImage image;
    std::copy(bytes.begin(), bytes.end(), image.data());
    const std::size_t msw[4] = {4, 7, 10, 13};
    for (int n = 0; n < 4; ++n) {
        out << "MSW" << n + 1 << ":";
        for (int k = 1; k <= 8; ++k) out << ' ' << ReadSwitch(image, msw[n], k);
        out << '\n';
    }
    out << "font 1 " << image[16] - '0' << ", font 2 " << image[18] - '0' << ", kanji table " << image[20] - '0'
        << ", postcard mode " << image[22] - '0' << ", paper set " << image[24] - '0' << '\n';
    out << "head centring: cut sheet " << ReadDecimal(image, 26, 2) << ", front " << ReadDecimal(image, 29, 2)
        << ", rear " << ReadDecimal(image, 32, 2) << '\n';
    out << "hopper " << image[58] - '0' << ", typeface " << image[60] - '0' << ", reduction " << image[62] - '0'
        << ", format in use " << image[70] - '0' << '\n';
    FormatValues v;
    DecodeFormat0(image.data() + kFormat0Offset, v);
    out << "format 0: length " << v.paperLength << ", intake " << v.front << '/' << v.rear << '/' << v.guide << '/'
        << v.feeder << '/' << v.postcard << '\n';
    for (int f = 0; f < 3; ++f) {
        DecodeFormatN(image.data() + kFormatNOffsets[f], v);
        out << "format " << f + 1 << ": length " << v.paperLength << ", margins " << v.leftMargin << '-'
            << v.rightMargin << ", intake " << v.front << '/' << v.rear << '/' << v.guide << '/' << v.feeder << '/'
            << v.postcard << '\n';
    }
    out << "return time " << ReadDecimal(image, 165, 2) << " s, sheet guide intake " << ReadDecimal(image, 168, 1)
        << " s\n";
    const char* paths[4] = {"front", "rear", "sheet guide", "sheet feeder"};
    out << "LF pitch:";
    for (int i = 0; i < 4; ++i) {
        auto n = ReadPitchPair(image, 173 + 3 * static_cast<std::size_t>(i));
        out << ' ' << paths[i] << ' ' << (n ? std::to_string(*n) : std::string("?"));
    }
    out << '\n';
    return out.str();
}
