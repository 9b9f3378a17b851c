#include "settings/FieldValue.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "settings/FactoryImage.h"
#include "settings/FieldCodec.h"
#include "settings/FormatBlock.h"
#include "settings/PanelRules.h"
#include "settings/PanelWords.h"

namespace settings {

namespace {

bool Is(const Field& f, const Field& other) {
    return f.offset == other.offset;
}

FieldValue Named(std::string_view word) {
    return {FieldValue::Kind::Word, 0, std::string(word), std::string(word), true, std::nullopt};
}

FieldValue Unknown() {
    return {FieldValue::Kind::None, 0, {}, "unknown", false, std::nullopt};
}

template <std::size_t N>
FieldValue Choice(int index, const std::array<std::string_view, N>& list) {
    if (index < 0 || index >= static_cast<int>(N))
        return Unknown();
    return Named(list[static_cast<std::size_t>(index)]);
}

// The pages read any bytes as a number; only digits are what they write back.
FieldValue Number(int value, const SettingsImage& image, const Field& f) {
    const bool digits = std::all_of(image.data() + f.offset, image.data() + f.end(),
                                    [](std::uint8_t b) { return b >= '0' && b <= '9'; });
    FieldValue v{FieldValue::Kind::Number, value, {}, std::to_string(value), digits, std::nullopt};
    if (!digits)
        v.words += " (not all digits)";
    return v;
}

// The decoders leave a value they do not recognise, so a value that starts outside every list
// tells a code the panel does not know.
ParamValues DecodedParam(const SettingsImage& image) {
    ParamValues values;
    values.postcardMode = -1;
    values.paperSet = -1;
    DecodeParam(image, values);
    return values;
}

Param2Values DecodedParam2(const SettingsImage& image) {
    Param2Values values;
    values.returnTime = -1;
    DecodeParam2(image, values);
    return values;
}

FieldValue CodeValue(const SettingsImage& image, const Field& f) {
    const ParamValues param = DecodedParam(image);
    if (Is(f, field::Font1))
        return Choice(param.font1, words::kFonts);
    if (Is(f, field::Font2))
        return Choice(param.font2, words::kFonts);
    if (Is(f, field::KanjiTable))
        return Choice(param.kanjiTable, words::kKanjiTables);
    if (Is(f, field::PostcardMode))
        return Choice(param.postcardMode, words::kPostcardModes);
    if (Is(f, field::PaperSet))
        return Choice(param.paperSet, words::kPaperSetPositions);
    SelectValues select;
    DecodeSelect(image, select);
    if (Is(f, field::Hopper))
        return Choice(select.hopper, words::kHoppers);
    if (Is(f, field::Typeface))
        return Choice(select.typeface, words::kTypefaces);
    if (Is(f, field::SelectedFormat))
        return Choice(select.format, words::kFormats);
    if (Is(f, field::Reduction) && select.reduction >= 0)
        return Named(words::kReductions[static_cast<std::size_t>(select.reduction)].text);
    return Unknown();
}

const FormatBlockLayout* BlockOf(const Field& f) {
    for (const FormatBlockLayout& block : kFormatBlocks) {
        if (f.offset >= block.offset() && f.offset < block.offset() + block.size())
            return &block;
    }
    return nullptr;
}

constexpr int FormatValues::*kPositions[5] = {&FormatValues::front, &FormatValues::rear, &FormatValues::guide,
                                              &FormatValues::feeder, &FormatValues::postcard};
constexpr int FormatValues::*kStops[5] = {&FormatValues::frontStop, &FormatValues::rearStop,
                                          &FormatValues::guideStop, &FormatValues::feederStop,
                                          &FormatValues::postcardStop};

FormatValues DecodedFormat(const SettingsImage& image, const FormatBlockLayout& block) {
    FormatValues values;
    if (block.leftMargin)
        DecodeFormatN(image.data() + block.offset(), values);
    else
        DecodeFormat0(image.data() + block.offset(), values);
    return values;
}

FieldValue FormatValue(const SettingsImage& image, const FormatBlockLayout& block, const Field& f) {
    const FormatValues values = DecodedFormat(image, block);
    if (Is(f, block.paperLength))
        return Number(values.paperLength, image, f);
    if (block.leftMargin && Is(f, *block.leftMargin))
        return Number(values.leftMargin, image, f);
    if (block.rightMargin && Is(f, *block.rightMargin))
        return Number(values.rightMargin, image, f);
    for (std::size_t i = 0; i < block.positions.size(); ++i) {
        if (!Is(f, *block.positions[i]))
            continue;
        FieldValue v = Number(values.*kPositions[i], image, f);
        // The slider stop the format dialog shows beside an intake position.
        v.slider = StopValue(values.*kStops[i], i == 4);
        if (*v.slider != v.number)
            v.words += " (slider at " + std::to_string(*v.slider) + ")";
        return v;
    }
    return Unknown();
}

FieldValue DecimalValue(const SettingsImage& image, const Field& f) {
    if (const FormatBlockLayout* block = BlockOf(f))
        return FormatValue(image, *block, f);
    const ParamValues param = DecodedParam(image);
    if (Is(f, field::CutSheetCentring))
        return Number(param.cutSheet, image, f);
    if (Is(f, field::FrontTractorCentring))
        return Number(param.frontTractor, image, f);
    if (Is(f, field::RearTractorCentring))
        return Number(param.rearTractor, image, f);
    const Param2Values param2 = DecodedParam2(image);
    if (Is(f, field::IntakeTime))
        return Number(param2.intakeTime, image, f);
    // What is left is the return time.
    for (const words::ReturnTimeWord& r : words::kReturnTimes) {
        if (r.seconds == param2.returnTime)
            return Named(r.text);
    }
    return Unknown();  // a return time the list does not hold
}

FieldValue PitchValue(const SettingsImage& image, const Field& f) {
    const Param2Values param2 = DecodedParam2(image);
    for (std::size_t i = 0; i < kPitchFields.size(); ++i) {
        if (!Is(f, kPitchFields[i]) || param2.pitch[i].empty())
            continue;
        FieldValue v = Named(param2.pitch[i]);
        // A pair can decode to a text the panel's list does not hold ("+7"); the list cannot show it.
        if (!IsPitchListed(param2.pitch[i])) {
            v.known = false;
            v.words += " (not in the panel's list)";
        }
        return v;
    }
    return Unknown();
}

// Bits the eight switches do not account for (bits 4-7 of either byte).
bool HasOtherBits(const SettingsImage& image, const Field& f, const Switches& switches) {
    SettingsImage rebuilt = image;
    int bits[8];
    std::copy(switches.begin(), switches.end(), std::begin(bits));
    WriteSwitchPair(rebuilt, f.offset, bits);
    return rebuilt[f.offset] != image[f.offset] || rebuilt[f.offset + 1] != image[f.offset + 1];
}

std::string SwitchBits(const Switches& switches, int from, int to) {
    std::string bits;
    for (int k = from; k < to; ++k)
        bits += switches[static_cast<std::size_t>(k)] ? '1' : '0';
    return bits;
}

FieldValue SwitchPairValue(const SettingsImage& image, const Field& f) {
    const int msw = MemorySwitchIndex(f);
    const Switches switches = DecodeSwitches(image, msw);
    FieldValue v = Named(SwitchBits(switches, 0, 8));
    if (HasOtherBits(image, f, switches)) {
        v.known = false;
        v.words += " (bits 4-7 set: no switch)";
    }
    const int code = CountryCode(switches);
    if (msw == 0 && CountryName(code).empty()) {
        v.known = false;
        v.words += " (country code " + std::to_string(code) + " names no country)";
    }
    return v;
}

FieldValue FixedValue(const SettingsImage& image, const Field& f) {
    const SettingsImage& factory = FactoryImage();
    if (std::equal(image.data() + f.offset, image.data() + f.end(), factory.data() + f.offset))
        return {FieldValue::Kind::None, 0, {}, "fixed", true, std::nullopt};
    return {FieldValue::Kind::None,
            0,
            {},
            "fixed, not the factory " + HexBytes(factory.data() + f.offset, f.width),
            false,
            std::nullopt};
}

}  // namespace

FieldValue ValueOf(const SettingsImage& image, const Field& f) {
    switch (f.encoding) {
        case Encoding::Fixed:
            return FixedValue(image, f);
        case Encoding::Reserved:
            return {FieldValue::Kind::None, 0, {}, "reserved", true, std::nullopt};
        case Encoding::SwitchPair:
            return SwitchPairValue(image, f);
        case Encoding::Decimal:
            return DecimalValue(image, f);
        case Encoding::Code:
            return CodeValue(image, f);
        case Encoding::PitchPair:
            return PitchValue(image, f);
    }
    return Unknown();
}

std::vector<SwitchValue> SwitchValuesOf(const SettingsImage& image, int msw) {
    const Switches switches = DecodeSwitches(image, msw);
    const std::string prefix = "msw" + std::to_string(msw + 1) + "-";
    const auto& captions = words::kSwitches[static_cast<std::size_t>(msw)];
    std::vector<SwitchValue> list;
    int k = 0;
    if (msw == 0) {
        // MSW1-1..3 are one list on the page: the country, switch 1 the lowest bit of its code.
        const int code = CountryCode(switches);
        const std::string country = CountryName(code);
        list.push_back(
            {prefix + "1..3",
             SwitchBits(switches, 0, 3) + " " +
                 (country.empty() ? "unknown (country code " + std::to_string(code) + ")" : country),
             std::string(captions[0].caption), country});
        k = 3;
    }
    for (; k < 8; ++k) {
        const auto at = static_cast<std::size_t>(k);
        SwitchValue v{prefix + std::to_string(k + 1),
                      std::to_string(switches[at]),
                      std::string(captions[at].caption),
                      {}};
        switch (kSwitchUse[static_cast<std::size_t>(msw)][at]) {
            case SwitchUse::Shown:
                v.word = std::string(switches[at] ? captions[at].on : captions[at].off);
                v.words += " " + v.word;
                break;
            case SwitchUse::Kept:
                v.label = "no control; sent as loaded";
                break;
            case SwitchUse::Cleared:
                v.label = "no control; always sent as 0";
                break;
        }
        list.push_back(v);
    }
    return list;
}

int MemorySwitchIndex(const Field& f) {
    for (std::size_t i = 0; i < kMemorySwitchFields.size(); ++i) {
        if (Is(f, kMemorySwitchFields[i]))
            return static_cast<int>(i);
    }
    return -1;
}

std::string CountryName(int code) {
    const words::CodedWord& entry = words::kCountries[static_cast<std::size_t>(CountryIndex(code))];
    return entry.code == code ? std::string(entry.text) : std::string();
}

std::string HexBytes(const std::uint8_t* bytes, std::size_t count) {
    std::string hex;
    char two[3];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(two, sizeof two, "%02x", bytes[i]);
        hex += (i ? " " : "") + std::string(two);
    }
    return hex;
}

std::string CharBytes(const std::uint8_t* bytes, std::size_t count) {
    std::string text = "|";
    for (std::size_t i = 0; i < count; ++i)
        text += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    return text + "|";
}

std::vector<std::size_t> SeparatorOffsets() {
    std::vector<std::size_t> offsets;
    for (std::size_t at = 0; at < kImageSize; ++at) {
        if (IsSeparator(at))
            offsets.push_back(at);
    }
    return offsets;
}

std::string SeparatorKey(std::size_t offset) {
    return "separator" + std::to_string(offset);
}

std::string SeparatorWords(const SettingsImage& image, std::size_t offset) {
    const std::uint8_t factory = FactoryImage()[offset];
    return image[offset] == factory ? std::string() : "not the factory " + HexBytes(&factory, 1);
}

}  // namespace settings
