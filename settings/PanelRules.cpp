#include "settings/PanelRules.h"

#include <algorithm>
#include <climits>

#include "settings/FieldCodec.h"
#include "settings/ImageLayout.h"
#include "settings/PanelWords.h"

namespace settings {

namespace {

// A code character '0'..'0'+n-1 picks that index; anything else leaves the choice.
void DecodeIndex(std::uint8_t code, int count, int& index) {
    if (code >= '0' && code < '0' + count)
        index = code - '0';
}

// The written code of a list index; no choice counts as the first entry.
std::uint8_t IndexCode(int index) {
    return static_cast<std::uint8_t>('0' + std::max(index, 0));
}

void DecodeFlag(std::uint8_t code, int& value) {
    if (code == '0')
        value = 0;
    else if (code == '1')
        value = 1;
}

// The sign shown follows the pair's first character, not the value: "00" is "0", any other "0x"
// pair is "+" and its number ("0/" gives "+-1", which no list holds), an "Fx" pair is the plain
// number ("FH" gives "1"). A pair that starts with neither leaves the text.
void DecodePitch(const SettingsImage& image, const Field& f, std::string& text) {
    const std::optional<int> n = ReadPitchPair(image, f.offset);
    if (!n)
        return;
    if (image[f.offset] == '0')
        text = *n == 0 ? "0" : "+" + std::to_string(*n);
    else
        text = std::to_string(*n);
}

}  // namespace

int LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<Range> RangeOf(const Field& f) {
    if (f.offset == field::CutSheetCentring.offset || f.offset == field::FrontTractorCentring.offset ||
        f.offset == field::RearTractorCentring.offset)
        return kHeadCentringRange;
    if (f.offset == field::IntakeTime.offset)
        return kIntakeTimeRange;
    for (const FormatBlockLayout& block : kFormatBlocks) {
        if (f.offset == block.paperLength.offset)
            return kPaperLengthRange;
        if (block.leftMargin && f.offset == block.leftMargin->offset)
            return kLeftMarginRange;
        if (block.rightMargin && f.offset == block.rightMargin->offset)
            return kRightMarginRange;
        for (const Field* position : block.positions) {
            if (f.offset == position->offset)
                return kIntakePositionRange;
        }
    }
    return std::nullopt;
}

Switches DecodeSwitches(const SettingsImage& image, int msw) {
    Switches s{};
    for (int k = 0; k < 8; ++k)
        s[k] = ReadSwitch(image, kMemorySwitchFields[msw].offset, k + 1);
    return s;
}

void EncodeSwitches(const Switches& switches, int msw, SettingsImage& image) {
    int s[8];
    for (int k = 0; k < 8; ++k)
        s[k] = kSwitchUse[msw][k] == SwitchUse::Cleared ? 0 : (switches[k] == 1 ? 1 : 0);
    if (msw == 0) {
        Switches msw1{};
        std::copy(std::begin(s), std::end(s), msw1.begin());
        SetCountry(CountryIndex(CountryCode(msw1)), msw1);
        std::copy(msw1.begin(), msw1.end(), std::begin(s));
    }
    WriteSwitchPair(image, kMemorySwitchFields[msw].offset, s);
}

int CountryCode(const Switches& msw1) {
    return msw1[0] + 2 * msw1[1] + 4 * msw1[2];
}

int CountryIndex(int code) {
    for (std::size_t i = 0; i < words::kCountries.size(); ++i) {
        if (words::kCountries[i].code == code)
            return static_cast<int>(i);
    }
    return 0;
}

void SetCountry(int index, Switches& msw1) {
    const bool listed = index >= 0 && index < static_cast<int>(words::kCountries.size());
    const int code = listed ? words::kCountries[static_cast<std::size_t>(index)].code : 0;
    msw1[0] = code & 1;
    msw1[1] = (code >> 1) & 1;
    msw1[2] = (code >> 2) & 1;
}

void DecodeParam(const SettingsImage& image, ParamValues& v) {
    DecodeIndex(image[field::Font1.offset], words::kFonts.size(), v.font1);
    DecodeIndex(image[field::Font2.offset], words::kFonts.size(), v.font2);
    DecodeIndex(image[field::KanjiTable.offset], words::kKanjiTables.size(), v.kanjiTable);
    // Whatever the bytes hold is taken: no check of the digits or of the range.
    v.cutSheet = ReadDecimal(image, field::CutSheetCentring.offset, 2);
    v.frontTractor = ReadDecimal(image, field::FrontTractorCentring.offset, 2);
    v.rearTractor = ReadDecimal(image, field::RearTractorCentring.offset, 2);
    DecodeFlag(image[field::PostcardMode.offset], v.postcardMode);
    DecodeFlag(image[field::PaperSet.offset], v.paperSet);
}

void EncodeParam(const ParamValues& v, SettingsImage& image) {
    image[field::Font1.offset] = IndexCode(v.font1);
    image[field::Font2.offset] = IndexCode(v.font2);
    image[field::KanjiTable.offset] = IndexCode(v.kanjiTable);
    WriteDecimal(image, field::CutSheetCentring.offset, 2, v.cutSheet);
    WriteDecimal(image, field::FrontTractorCentring.offset, 2, v.frontTractor);
    WriteDecimal(image, field::RearTractorCentring.offset, 2, v.rearTractor);
    image[field::PostcardMode.offset] = v.postcardMode == 1 ? '1' : '0';
    image[field::PaperSet.offset] = v.paperSet == 1 ? '1' : '0';
}

void DecodeParam2(const SettingsImage& image, Param2Values& v) {
    const int seconds = ReadDecimal(image, field::ReturnTime.offset, 2);
    for (const words::ReturnTimeWord& r : words::kReturnTimes) {
        if (r.seconds == seconds)
            v.returnTime = seconds;
    }
    v.intakeTime = ReadDecimal(image, field::IntakeTime.offset, 1);
    for (std::size_t i = 0; i < kPitchFields.size(); ++i)
        DecodePitch(image, kPitchFields[i], v.pitch[i]);
}

void EncodeParam2(const Param2Values& v, SettingsImage& image) {
    const bool known = std::any_of(words::kReturnTimes.begin(), words::kReturnTimes.end(),
                                   [&](const words::ReturnTimeWord& r) { return r.seconds == v.returnTime; });
    WriteDecimal(image, field::ReturnTime.offset, 2, known ? v.returnTime : 8);
    // Not clamped: a loaded value that failed the range check goes back as it came.
    WriteDecimal(image, field::IntakeTime.offset, 1, v.intakeTime);
    for (std::size_t i = 0; i < kPitchFields.size(); ++i)
        WritePitchPair(image, kPitchFields[i].offset, LeadingNumber(v.pitch[i]));
}

bool IsPitchListed(std::string_view text) {
    return std::find(words::kPitchCorrections.begin(), words::kPitchCorrections.end(), text) !=
           words::kPitchCorrections.end();
}

void DecodeSelect(const SettingsImage& image, SelectValues& v) {
    const std::uint8_t reduction = image[field::Reduction.offset];
    for (std::size_t i = 0; i < words::kReductions.size(); ++i) {
        if (words::kReductions[i].code == reduction)
            v.reduction = static_cast<int>(i);
    }
    const std::uint8_t hopper = image[field::Hopper.offset];
    if (hopper == '1' || hopper == '2')
        v.hopper = hopper - '1';
    v.loadedTypeface = image[field::Typeface.offset];
    v.typeface = v.loadedTypeface == '0' || v.loadedTypeface == '1' ? v.loadedTypeface - '0' : -1;
    DecodeIndex(image[field::SelectedFormat.offset], words::kFormats.size(), v.format);
}

void EncodeSelect(const SelectValues& v, SettingsImage& image) {
    if (v.reduction >= 0 && v.reduction < static_cast<int>(words::kReductions.size()))
        image[field::Reduction.offset] = words::kReductions[static_cast<std::size_t>(v.reduction)].code;
    image[field::Hopper.offset] = v.hopper == 1 ? '2' : '1';
    image[field::Typeface.offset] =
        v.typeface == 0 || v.typeface == 1 ? static_cast<std::uint8_t>('0' + v.typeface) : v.loadedTypeface;
    image[field::SelectedFormat.offset] = IndexCode(v.format);
}

}  // namespace settings
