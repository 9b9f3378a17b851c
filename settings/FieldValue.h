#pragma once
// What each field of an image holds, as the panel shows it: a number, the panel's own word, or
// nothing the panel knows, with a note when the bytes are not what the panel would write. The
// command line shows it and the demo printer reports it; every decoding is the pages' own.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "settings/ImageLayout.h"
#include "settings/SettingsImage.h"

namespace settings {

struct FieldValue {
    enum class Kind { None, Number, Word };
    Kind kind = Kind::None;  // None: framing, reserved bytes, a code the panel does not know
    int number = 0;
    std::string word;           // the panel's word, a pitch text, or the eight switches as digits
    std::string words;          // for people: the value with a note when the bytes are not known
    bool known = true;          // false: bytes the panel would not write as they are
    std::optional<int> slider;  // intake positions: the stop the format dialog's slider shows
};
FieldValue ValueOf(const SettingsImage& image, const Field& field);

// One memory switch as its page shows it; MSW1-1..3 come as one entry, the country.
struct SwitchValue {
    std::string name;   // "msw1-4", "msw1-1..3"
    std::string words;  // "0 従来互換", "000 日本"; a switch without a control only "0" or "1"
    std::string label;  // the page's caption, or what becomes of a switch without a control
    std::string word;   // the panel's word that ends words ("従来互換"); empty when it has none
};
std::vector<SwitchValue> SwitchValuesOf(const SettingsImage& image, int msw);

// MSW1..MSW4 as 0..3; -1 for any other field.
int MemorySwitchIndex(const Field& field);
// The country the list shows for an MSW1-1..3 code; empty for a code that names none.
std::string CountryName(int code);

// "1c 30", and "|.0|" with printable ASCII as it is and any other byte as '.'.
std::string HexBytes(const std::uint8_t* bytes, std::size_t count);
std::string CharBytes(const std::uint8_t* bytes, std::size_t count);

// The one-byte separators between fields, in image order.
std::vector<std::size_t> SeparatorOffsets();
// A separator's key in the text and in what status names: "separator3".
std::string SeparatorKey(std::size_t offset);
// A separator's byte in words: "not the factory 2c", or empty as the factory has it.
std::string SeparatorWords(const SettingsImage& image, std::size_t offset);

}  // namespace settings
