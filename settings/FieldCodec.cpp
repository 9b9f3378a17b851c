#include "settings/FieldCodec.h"

#include <cstdio>

namespace settings {

int ReadSwitch(const SettingsImage& image, std::size_t offset, int k) {
    const std::uint8_t byte = k <= 4 ? image[offset] : image[offset + 1];
    const int bit = k <= 4 ? k - 1 : k - 5;
    return (byte >> bit) & 1;
}

void WriteSwitch(SettingsImage& image, std::size_t offset, int k, int bit) {
    const std::size_t at = k <= 4 ? offset : offset + 1;
    const int mask = 1 << (k <= 4 ? k - 1 : k - 5);
    image[at] = static_cast<std::uint8_t>(bit ? image[at] | mask : image[at] & ~mask);
}

void WriteSwitchPair(SettingsImage& image, std::size_t offset, const int (&s)[8]) {
    image[offset] = static_cast<std::uint8_t>(s[0] + 2 * s[1] + 4 * s[2] + 8 * s[3]);
    image[offset + 1] = static_cast<std::uint8_t>(s[4] + 2 * s[5] + 4 * s[6] + 8 * s[7]);
}

int ReadDecimal(const std::uint8_t* bytes, int width) {
    int value = 0;
    for (int i = 0; i < width; ++i)
        value = value * 10 + (bytes[i] - '0');
    return value;
}

void WriteDecimal(std::uint8_t* bytes, int width, int value) {
    if (width == 1) {
        bytes[0] = static_cast<std::uint8_t>('0' + value);
    } else if (width == 2) {
        bytes[0] = static_cast<std::uint8_t>('0' + value / 10);
        bytes[1] = static_cast<std::uint8_t>('0' + (value - 10 * (value / 10)));
    } else {
        char text[16];
        std::snprintf(text, sizeof text, "%03d", value);
        for (int i = 0; i < 3; ++i)
            bytes[i] = static_cast<std::uint8_t>(text[i]);
    }
}

int ReadDecimal(const SettingsImage& image, std::size_t offset, int width) {
    return ReadDecimal(image.data() + offset, width);
}

void WriteDecimal(SettingsImage& image, std::size_t offset, int width, int value) {
    WriteDecimal(image.data() + offset, width, value);
}

std::optional<int> ReadPitchPair(const SettingsImage& image, std::size_t offset) {
    if (image[offset] == '0')
        return image[offset + 1] - '0';
    if (image[offset] == 'F')
        return image[offset + 1] - 71;
    return std::nullopt;
}

void WritePitchPair(SettingsImage& image, std::size_t offset, int n) {
    if (n >= 0) {
        image[offset] = '0';
        image[offset + 1] = static_cast<std::uint8_t>('0' + n);
    } else {
        image[offset] = 'F';
        image[offset + 1] = static_cast<std::uint8_t>(71 + n);
    }
}

}  // namespace settings
