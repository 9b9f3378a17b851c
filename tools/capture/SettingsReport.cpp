#include "tools/capture/SettingsReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "settings/FieldCodec.h"
#include "settings/FormatBlock.h"
#include "settings/ImageLayout.h"
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
        out << line << std::string(static_cast<std::size_t>(std::max(0, 55 - n)), ' ') << " | " << ascii
            << '\n';
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
    for (int n = 0; n < 4; ++n) {
        out << "MSW" << n + 1 << ":";
        for (int k = 1; k <= 8; ++k)
            out << ' ' << ReadSwitch(image, kMemorySwitchFields[n].offset, k);
        out << '\n';
    }
    out << "font 1 " << image[field::Font1.offset] - '0' << ", font 2 " << image[field::Font2.offset] - '0'
        << ", kanji table " << image[field::KanjiTable.offset] - '0' << ", postcard mode "
        << image[field::PostcardMode.offset] - '0' << ", paper set " << image[field::PaperSet.offset] - '0'
        << '\n';
    out << "head centring: cut sheet " << ReadDecimal(image, field::CutSheetCentring.offset, 2) << ", front "
        << ReadDecimal(image, field::FrontTractorCentring.offset, 2) << ", rear "
        << ReadDecimal(image, field::RearTractorCentring.offset, 2) << '\n';
    out << "hopper " << image[field::Hopper.offset] - '0' << ", typeface "
        << image[field::Typeface.offset] - '0' << ", reduction " << image[field::Reduction.offset] - '0'
        << ", format in use " << image[field::SelectedFormat.offset] - '0' << '\n';
    FormatValues v;
    DecodeFormat0(image.data() + kFormat0Offset, v);
    out << "format 0: length " << v.paperLength << ", intake " << v.front << '/' << v.rear << '/' << v.guide
        << '/' << v.feeder << '/' << v.postcard << '\n';
    for (int f = 0; f < 3; ++f) {
        DecodeFormatN(image.data() + kFormatNOffsets[f], v);
        out << "format " << f + 1 << ": length " << v.paperLength << ", margins " << v.leftMargin << '-'
            << v.rightMargin << ", intake " << v.front << '/' << v.rear << '/' << v.guide << '/' << v.feeder
            << '/' << v.postcard << '\n';
    }
    out << "return time " << ReadDecimal(image, field::ReturnTime.offset, 2) << " s, sheet guide intake "
        << ReadDecimal(image, field::IntakeTime.offset, 1) << " s\n";
    const char* paths[4] = {"front", "rear", "sheet guide", "sheet feeder"};
    out << "LF pitch:";
    for (int i = 0; i < 4; ++i) {
        auto n = ReadPitchPair(image, kPitchFields[static_cast<std::size_t>(i)].offset);
        out << ' ' << paths[i] << ' ' << (n ? std::to_string(*n) : std::string("?"));
    }
    out << '\n';
    return out.str();
}
