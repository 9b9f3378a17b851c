#pragma once
// Settings as entries a person can read and write: one per field or memory switch, in the panel's
// words where the panel offers one and as the bytes where it does not, so that any image goes to
// entries and back byte for byte. Entries left out keep the factory value.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsImage.h"

namespace settings {

struct TextValue {
    enum class Kind { Word, Number, Bytes };
    Kind kind = Kind::Word;
    std::string word;      // the panel's word
    long long number = 0;  // a number field's value, or the code of a choice
    std::vector<std::uint8_t> bytes;
};

struct TextEntry {
    std::string key;    // a field's key, a memory switch's name ("msw1-4", "msw1-1..3"), "separator3"
    std::string label;  // the panel's label
    TextValue value;
    std::string note;      // for bytes: what the panel makes of them
    bool factory = false;  // the factory settings hold the same
};

// Every field of the image in image order, a memory switch field as its switches when they say
// all of its bytes, and the separators that are not the factory's.
std::vector<TextEntry> TextEntries(const SettingsImage& image);

// Sets what key names to value; the reason in English when the key names nothing or the panel
// does not offer the value (image is then unchanged), empty when it was set.
std::string SetTextEntry(SettingsImage& image, std::string_view key, const TextValue& value);

// The field a key sets bytes of: "msw1" for "msw1-4"; empty for a key that names nothing.
std::string FieldKeyOf(std::string_view key);

}  // namespace settings
