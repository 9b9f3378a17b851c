#pragma once
// The field encodings every editor shares.
#include <cstddef>
#include <optional>

#include "settings/SettingsImage.h"

namespace settings {

// Switch k (1..8) of the switch pair at offset: 1..4 in the first byte, 5..8 in the second.
int ReadSwitch(const SettingsImage& image, std::size_t offset, int k);
// Sets switch k (1..8) alone: every other bit of both bytes stays as it is.
void WriteSwitch(SettingsImage& image, std::size_t offset, int k, int bit);
// Rebuilds both bytes whole from eight switch values (index 0 = switch 1); bits 4-7 become 0.
void WriteSwitchPair(SettingsImage& image, std::size_t offset, const int (&switches)[8]);

// Place value of each character (character - '0'), with no check that it is a digit.
int ReadDecimal(const SettingsImage& image, std::size_t offset, int width);
// Width 1: '0' + v. Width 2: tens v / 10 and ones v - 10 * (v / 10), each '0' + digit, so 100 and
// more give a tens character above '9'. Width 3: zero-padded "%03d".
void WriteDecimal(SettingsImage& image, std::size_t offset, int width, int value);
// The same rules on a raw byte block.
int ReadDecimal(const std::uint8_t* bytes, int width);
void WriteDecimal(std::uint8_t* bytes, int width, int value);

// Signed pitch pair: "0x" is x - '0', "Fx" is x - 71; any other first character is no value.
std::optional<int> ReadPitchPair(const SettingsImage& image, std::size_t offset);
// n >= 0: "0" and '0' + n; n < 0: "F" and the character 71 + n.
void WritePitchPair(SettingsImage& image, std::size_t offset, int n);

}  // namespace settings
