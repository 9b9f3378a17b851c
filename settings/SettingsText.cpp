#include "settings/SettingsText.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "settings/FactoryImage.h"
#include "settings/FieldCodec.h"
#include "settings/FieldValue.h"
#include "settings/ImageLayout.h"
#include "settings/PanelRules.h"
#include "settings/PanelWords.h"

namespace settings {

namespace {

using Kind = TextValue::Kind;

const Field* FieldNamed(std::string_view key) {
    for (const Field& f : kFields) {
        if (f.key == key)
            return &f;
    }
    return nullptr;
}

// MSWn-k as 0-based indexes; k is -1 for MSW1-1..3, the country.
struct SwitchName {
    int msw;
    int k;
};

std::optional<SwitchName> SwitchNamed(std::string_view key) {
    for (int msw = 0; msw < 4; ++msw) {
        const std::string prefix = "msw" + std::to_string(msw + 1) + "-";
        if (key.substr(0, prefix.size()) != prefix)
            continue;
        const std::string_view rest = key.substr(prefix.size());
        if (msw == 0 && rest == "1..3")
            return SwitchName{0, -1};
        for (int k = msw == 0 ? 4 : 1; k <= 8; ++k) {
            if (rest == std::to_string(k))
                return SwitchName{msw, k - 1};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> SeparatorNamed(std::string_view key) {
    for (const std::size_t offset : SeparatorOffsets()) {
        if (key == SeparatorKey(offset))
            return offset;
    }
    return std::nullopt;
}

std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::string Quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

std::string SetBytes(SettingsImage& image, std::size_t offset, std::size_t width, const TextValue& value) {
    if (value.kind != Kind::Bytes)
        return "takes only its bytes";
    if (value.bytes.size() != width)
        return "takes " + std::to_string(width) + (width == 1 ? " byte" : " bytes") + ", not " +
               std::to_string(value.bytes.size());
    std::copy(value.bytes.begin(), value.bytes.end(), image.data() + offset);
    return {};
}

// A choice the panel offers: its word and the code it is written as.
struct Choice {
    std::string word;
    long long code;
    std::vector<std::uint8_t> bytes;
};

std::string SetChoice(SettingsImage& image, const Field& f, const TextValue& value,
                      const std::vector<Choice>& choices) {
    std::vector<std::string> offered;
    for (const Choice& c : choices) {
        if (value.kind == Kind::Word ? c.word == value.word : c.code == value.number) {
            std::copy(c.bytes.begin(), c.bytes.end(), image.data() + f.offset);
            return {};
        }
        offered.push_back(value.kind == Kind::Word ? Quoted(c.word) : std::to_string(c.code));
    }
    return (value.kind == Kind::Word ? "the panel offers no " + Quoted(value.word) + " (only "
                                     : "no choice has the code " + std::to_string(value.number) + " (only ") +
           Listed(offered) + ")";
}

// A one-character code: every byte whose value the pages read as one of their words.
std::vector<Choice> CodeChoices(const Field& f) {
    std::vector<Choice> choices;
    SettingsImage probe = FactoryImage();
    for (int b = 0; b < 256; ++b) {
        probe[f.offset] = static_cast<std::uint8_t>(b);
        const FieldValue v = ValueOf(probe, f);
        if (v.kind == FieldValue::Kind::Word)
            choices.push_back({v.word, b - '0', {static_cast<std::uint8_t>(b)}});
    }
    return choices;
}

// The bytes of one field as the page's rule writes them, and nothing else of what it writes.
template <typename Values, typename Decode, typename Encode, typename Change>
std::vector<std::uint8_t> EncodedBytes(const Field& f, Decode decode, Encode encode, Change change) {
    SettingsImage scratch = FactoryImage();
    Values values;
    decode(scratch, values);
    change(values);
    encode(values, scratch);
    return {scratch.data() + f.offset, scratch.data() + f.end()};
}

std::vector<Choice> ReturnTimeChoices(const Field& f) {
    std::vector<Choice> choices;
    for (const words::ReturnTimeWord& r : words::kReturnTimes) {
        choices.push_back({std::string(r.text), r.seconds,
                           EncodedBytes<Param2Values>(f, DecodeParam2, EncodeParam2,
                                                      [&](Param2Values& v) { v.returnTime = r.seconds; })});
    }
    return choices;
}

std::vector<Choice> PitchChoices(const Field& f) {
    const auto at =
        static_cast<std::size_t>(std::find_if(kPitchFields.begin(), kPitchFields.end(),
                                              [&](const Field& p) { return p.offset == f.offset; }) -
                                 kPitchFields.begin());
    std::vector<Choice> choices;
    for (const std::string_view word : words::kPitchCorrections) {
        choices.push_back({std::string(word), LeadingNumber(word),
                           EncodedBytes<Param2Values>(f, DecodeParam2, EncodeParam2,
                                                      [&](Param2Values& v) { v.pitch[at] = word; })});
    }
    return choices;
}

std::string SetNumber(SettingsImage& image, const Field& f, const TextValue& value) {
    if (value.kind != Kind::Number)
        return "takes a number";
    const std::optional<Range> range = RangeOf(f);
    if (!range)
        return "takes no number";
    if (!range->contains(static_cast<int>(std::clamp<long long>(value.number, INT_MIN, INT_MAX))))
        return std::to_string(value.number) + " is out of range " + std::to_string(range->min) + ".." +
               std::to_string(range->max);
    WriteDecimal(image, f.offset, static_cast<int>(f.width), static_cast<int>(value.number));
    return {};
}

std::string SetField(SettingsImage& image, const Field& f, const TextValue& value) {
    if (value.kind == Kind::Bytes)
        return SetBytes(image, f.offset, f.width, value);
    switch (f.encoding) {
        case Encoding::Fixed:
        case Encoding::Reserved:
            return SetBytes(image, f.offset, f.width, value);
        case Encoding::SwitchPair:
            return "takes only its bytes; its switches are set as " + std::string(f.key) + "-1 and so on";
        case Encoding::Code:
            return SetChoice(image, f, value, CodeChoices(f));
        case Encoding::Decimal:
            if (f.offset == field::ReturnTime.offset)
                return SetChoice(image, f, value, ReturnTimeChoices(f));
            return SetNumber(image, f, value);
        case Encoding::PitchPair:
            return SetChoice(image, f, value, PitchChoices(f));
    }
    return "takes no value";
}

std::string SetSwitch(SettingsImage& image, SwitchName name, const TextValue& value) {
    const std::size_t offset = kMemorySwitchFields[static_cast<std::size_t>(name.msw)].offset;
    if (name.k < 0) {
        // The country is switches 1-3, the low bits of the first byte.
        std::vector<Choice> countries;
        for (const words::CodedWord& c : words::kCountries)
            countries.push_back(
                {std::string(c.text), c.code, {static_cast<std::uint8_t>((image[offset] & ~0x07) | c.code)}});
        return SetChoice(image, field::Msw1, value, countries);
    }
    const words::SwitchWords& w =
        words::kSwitches[static_cast<std::size_t>(name.msw)][static_cast<std::size_t>(name.k)];
    const bool shown =
        kSwitchUse[static_cast<std::size_t>(name.msw)][static_cast<std::size_t>(name.k)] == SwitchUse::Shown;
    int bit = -1;
    if (value.kind == Kind::Number && (value.number == 0 || value.number == 1))
        bit = static_cast<int>(value.number);
    else if (value.kind == Kind::Word && shown && value.word == w.off)
        bit = 0;
    else if (value.kind == Kind::Word && shown && value.word == w.on)
        bit = 1;
    if (bit < 0)
        return shown ? "takes " + Quoted(w.off) + " or " + Quoted(w.on) + ", or 0 or 1" : "takes 0 or 1";
    WriteSwitch(image, offset, name.k + 1, bit);
    return {};
}

bool SameBytes(const SettingsImage& a, const SettingsImage& b, const Field& f) {
    return std::equal(a.data() + f.offset, a.data() + f.end(), b.data() + f.offset);
}

TextEntry BytesEntry(const SettingsImage& image, const Field& f) {
    TextEntry e{std::string(f.key),
                std::string(f.label),
                {Kind::Bytes, {}, 0, {}},
                ValueOf(image, f).words,
                SameBytes(image, FactoryImage(), f)};
    e.value.bytes.assign(image.data() + f.offset, image.data() + f.end());
    return e;
}

// The switches of a memory switch field, or nothing when they cannot say all of its bytes.
std::vector<TextEntry> SwitchEntries(const SettingsImage& image, const Field& f) {
    const int msw = MemorySwitchIndex(f);
    const Switches switches = DecodeSwitches(image, msw);
    const Switches factory = DecodeSwitches(FactoryImage(), msw);
    std::vector<TextEntry> entries;
    SettingsImage rebuilt = FactoryImage();
    int k = 0;
    for (const SwitchValue& s : SwitchValuesOf(image, msw)) {
        // The panel's word: the country, or a switch it shows.
        TextEntry e{s.name, s.label, {Kind::Word, s.word, 0, {}}, {}, false};
        if (msw == 0 && k == 0) {
            e.factory = CountryCode(switches) == CountryCode(factory);
            k = 3;
        } else {
            const int bit = switches[static_cast<std::size_t>(k)];
            if (kSwitchUse[static_cast<std::size_t>(msw)][static_cast<std::size_t>(k)] != SwitchUse::Shown)
                e.value = {Kind::Number, {}, bit, {}};
            e.factory = bit == factory[static_cast<std::size_t>(k)];
            ++k;
        }
        if (!SetTextEntry(rebuilt, e.key, e.value).empty())
            return {};
        entries.push_back(std::move(e));
    }
    if (!SameBytes(rebuilt, image, f))
        return {};
    return entries;
}

}  // namespace

std::vector<TextEntry> TextEntries(const SettingsImage& image) {
    std::vector<TextEntry> entries;
    for (const Field& f : kFields) {
        if (f.encoding == Encoding::SwitchPair) {
            std::vector<TextEntry> switches = SwitchEntries(image, f);
            if (!switches.empty()) {
                std::move(switches.begin(), switches.end(), std::back_inserter(entries));
                continue;
            }
        }
        TextEntry e = BytesEntry(image, f);
        const FieldValue v = ValueOf(image, f);
        if (f.encoding != Encoding::SwitchPair && v.kind != FieldValue::Kind::None) {
            // The panel's value only when it gives these very bytes back.
            const TextValue value = v.kind == FieldValue::Kind::Word
                                        ? TextValue{Kind::Word, v.word, 0, {}}
                                        : TextValue{Kind::Number, {}, v.number, {}};
            SettingsImage rebuilt = FactoryImage();
            if (SetTextEntry(rebuilt, f.key, value).empty() && SameBytes(rebuilt, image, f)) {
                e.value = value;
                e.note.clear();
            }
        }
        entries.push_back(std::move(e));
    }
    for (const std::size_t offset : SeparatorOffsets()) {
        if (std::string words = SeparatorWords(image, offset); !words.empty())
            entries.push_back(
                {SeparatorKey(offset), {}, {Kind::Bytes, {}, 0, {image[offset]}}, std::move(words), false});
    }
    return entries;
}

std::string SetTextEntry(SettingsImage& image, std::string_view key, const TextValue& value) {
    SettingsImage changed = image;
    std::string reason = "names no field, switch or separator";
    if (const Field* f = FieldNamed(key))
        reason = SetField(changed, *f, value);
    else if (const std::optional<SwitchName> name = SwitchNamed(key))
        reason =
            value.kind == Kind::Bytes ? "is a switch: it takes no bytes" : SetSwitch(changed, *name, value);
    else if (const std::optional<std::size_t> offset = SeparatorNamed(key))
        reason = SetBytes(changed, *offset, 1, value);
    if (reason.empty())
        image = changed;
    return reason;
}

std::string FieldKeyOf(std::string_view key) {
    if (FieldNamed(key) || SeparatorNamed(key))
        return std::string(key);
    if (const std::optional<SwitchName> name = SwitchNamed(key))
        return std::string(kMemorySwitchFields[static_cast<std::size_t>(name->msw)].key);
    return {};
}

}  // namespace settings
