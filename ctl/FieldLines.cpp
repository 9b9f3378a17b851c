#include "ctl/FieldLines.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "platform/Translations.h"
#include "settings/FieldValue.h"
#include "settings/ImageChanges.h"

namespace ctl {

namespace {

using settings::Field;
using settings::SettingsImage;
using settings::context::kFieldLabels;
using settings::context::kPanelWords;

constexpr std::size_t kKeyWidth = 26;  // the longest key, "headCentring.frontTractor", and a blank
constexpr std::size_t kHexWidth = 8;   // three bytes; only the five padding bytes run over
constexpr std::size_t kCharsWidth = 5;
constexpr std::string_view kArrow = "  →  ";

// Only ASCII is padded: keys, offsets and bytes.
std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    padded.resize(std::max(width, text.size()), ' ');
    return padded;
}

std::string Key(std::string_view key, std::size_t offset) {
    char number[8];
    std::snprintf(number, sizeof number, "%3zu  ", offset);
    return Padded(key, kKeyWidth) + number;
}

// Switch lines have no offset of their own; their value starts where a field's bytes do.
std::string SwitchKey(std::string_view name) {
    return Padded(name, kKeyWidth + 5);
}

// The panel's words and labels for people, in the user's language; keys, bytes and notes stay.
std::string Translated(const char* context, std::string_view text) {
    return platform::SettingsText(context, text).toStdString();
}

std::string Label(const char* context, std::string_view label) {
    return label.empty() ? std::string() : "  (" + Translated(context, label) + ")";
}

// The panel's word starts a field's words: "８秒", "+7 (not in the panel's list)".
std::string ValueWords(const settings::FieldValue& v) {
    if (v.kind != settings::FieldValue::Kind::Word || !v.words.starts_with(v.word))
        return v.words;
    return Translated(kPanelWords, v.word) + v.words.substr(v.word.size());
}

// ... and ends a switch's: "0 従来互換", "000 日本".
std::string ValueWords(const settings::SwitchValue& s) {
    if (s.word.empty() || !s.words.ends_with(s.word))
        return s.words;
    return s.words.substr(0, s.words.size() - s.word.size()) + Translated(kPanelWords, s.word);
}

// "1c 30     |.0|   " in the columns of show; "1c 30 |.0|" tight, as diff puts two side by side.
std::string Bytes(const SettingsImage& image, std::size_t offset, std::size_t width, bool columns) {
    const std::string hex = settings::HexBytes(image.data() + offset, width);
    const std::string chars = settings::CharBytes(image.data() + offset, width);
    return columns ? Padded(hex, kHexWidth) + "  " + Padded(chars, kCharsWidth) + "  " : hex + ' ' + chars;
}

std::string Cell(const SettingsImage& image, const Field& f) {
    return Bytes(image, f.offset, f.width, false) + ' ' + ValueWords(settings::ValueOf(image, f));
}

}  // namespace

std::vector<std::string> FieldLines(const SettingsImage& image, const Field& f) {
    std::vector<std::string> lines{Key(f.key, f.offset) + Bytes(image, f.offset, f.width, true) +
                                   ValueWords(settings::ValueOf(image, f)) + Label(kFieldLabels, f.label)};
    if (const int msw = settings::MemorySwitchIndex(f); msw >= 0) {
        for (const settings::SwitchValue& s : settings::SwitchValuesOf(image, msw))
            lines.push_back(SwitchKey(s.name) + std::string(kHexWidth + kCharsWidth + 4, ' ') +
                            ValueWords(s) + Label(kPanelWords, s.label));
    }
    return lines;
}

std::vector<std::string> SeparatorLines(const SettingsImage& image, std::size_t offset) {
    const std::string words = settings::SeparatorWords(image, offset);
    if (words.empty())
        return {};
    return {Key("separator", offset) + Bytes(image, offset, 1, true) + words};
}

std::vector<std::string> ChangeLines(const SettingsImage& before, const SettingsImage& after) {
    std::vector<std::string> lines;
    for (const Field* f : settings::ChangedFields(before, after)) {
        lines.push_back(Key(f->key, f->offset) + Cell(before, *f) + std::string(kArrow) + Cell(after, *f) +
                        Label(kFieldLabels, f->label));
        if (const int msw = settings::MemorySwitchIndex(*f); msw >= 0) {
            const std::vector<settings::SwitchValue> old = settings::SwitchValuesOf(before, msw);
            const std::vector<settings::SwitchValue> now = settings::SwitchValuesOf(after, msw);
            for (std::size_t i = 0; i < old.size(); ++i) {
                if (old[i].words != now[i].words)
                    lines.push_back(SwitchKey(old[i].name) + ValueWords(old[i]) + std::string(kArrow) +
                                    ValueWords(now[i]) + Label(kPanelWords, old[i].label));
            }
        }
    }
    for (const std::size_t offset : settings::ChangedSeparators(before, after))
        lines.push_back(Key("separator", offset) + Bytes(before, offset, 1, false) + std::string(kArrow) +
                        Bytes(after, offset, 1, false));
    return lines;
}

}  // namespace ctl
