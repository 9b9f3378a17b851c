#include "tools/capture/SettingsReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "settings/FieldValue.h"
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
    // Every field the panel shows, in its words, as bmk540ctl show puts it.
    for (const Field& f : kFields) {
        if (f.encoding == Encoding::Fixed || f.encoding == Encoding::Reserved)
            continue;
        out << f.key << ": " << ValueOf(image, f).words << '\n';
        if (const int msw = MemorySwitchIndex(f); msw >= 0) {
            for (const SwitchValue& s : SwitchValuesOf(image, msw))
                out << "  " << s.name << ": " << s.words << '\n';
        }
    }
    return out.str();
}
