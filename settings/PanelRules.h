#pragma once
// What each page holds of the image and how it turns bytes into choices and back. Decoding
// changes only what the bytes name: a code outside a list leaves the previous choice, which the
// next encoding writes. Pages keep one of these per page; their widgets show it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/SettingsImage.h"

namespace settings {

struct Range {
    int min;
    int max;
    constexpr bool contains(int v) const { return v >= min && v <= max; }
};
inline constexpr Range kHeadCentringRange{10, 68};
inline constexpr Range kIntakeTimeRange{2, 5};
inline constexpr Range kPaperLengthRange{1, 99};
inline constexpr Range kIntakePositionRange{40, 132};
inline constexpr Range kLeftMarginRange{0, 135};
inline constexpr Range kRightMarginRange{1, 136};

struct Field;
// The range the panel's edit of a numeric field takes; nothing for a field without one.
std::optional<Range> RangeOf(const Field& field);

// The leading decimal number of a text as atoi reads it (blanks, a sign, digits), held to the
// int range.
int LeadingNumber(std::string_view text);

// ---- Memory switches -------------------------------------------------------------------------

enum class SwitchUse {
    Shown,    // a control of the page shows it
    Kept,     // no control: the value of the last load goes back
    Cleared,  // no control: always written as 0
};
// MSWn-1..8 for n = 1..4 (index 0..3).
inline constexpr std::array<std::array<SwitchUse, 8>, 4> kSwitchUse = {{
    {SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown,
     SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown},
    {SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Kept, SwitchUse::Shown,
     SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown},
    {SwitchUse::Kept, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Kept,
     SwitchUse::Shown, SwitchUse::Shown},
    {SwitchUse::Shown, SwitchUse::Cleared, SwitchUse::Shown, SwitchUse::Shown, SwitchUse::Shown,
     SwitchUse::Cleared, SwitchUse::Cleared, SwitchUse::Shown},
}};

using Switches = std::array<int, 8>;  // MSWn-1..8, 0 or 1
Switches DecodeSwitches(const SettingsImage& image, int msw);
// Rebuilds both bytes whole; cleared switches are written as 0, MSW1's country code as its list
// entry (a code that names no country as Japan).
void EncodeSwitches(const Switches& switches, int msw, SettingsImage& image);

// MSW1-1..3 as a country code, and its place in the country list (codes naming no country: 0).
int CountryCode(const Switches& msw1);
int CountryIndex(int code);
void SetCountry(int index, Switches& msw1);  // an index outside the list means Japan

// ---- Parameter setting 1 ---------------------------------------------------------------------

struct ParamValues {
    int font1 = -1;  // list index; -1 before any choice
    int font2 = -1;
    int kanjiTable = -1;
    int cutSheet = 0;  // head-centring positions, as decoded: no range check
    int frontTractor = 0;
    int rearTractor = 0;
    int postcardMode = 0;  // 0 off, 1 on
    int paperSet = 0;      // 0 centre, 1 left
};
void DecodeParam(const SettingsImage& image, ParamValues& values);
void EncodeParam(const ParamValues& values, SettingsImage& image);

// ---- Parameter setting 2 ---------------------------------------------------------------------

struct Param2Values {
    int returnTime = 8;  // seconds: 0, 8 or 15
    int intakeTime = 0;  // as decoded: the range is checked when stored
    // Front tractor, rear tractor, sheet guide, sheet feeder (image order), as the lists' texts;
    // a decoded pair may give a text no list holds ("+7"), which the lists cannot show.
    std::array<std::string, 4> pitch;
};
void DecodeParam2(const SettingsImage& image, Param2Values& values);
void EncodeParam2(const Param2Values& values, SettingsImage& image);
bool IsPitchListed(std::string_view text);
// Whether the stored value passes the page's range check; when it fails, the page's lists are not
// read back and the decoded texts are written as they are.
inline bool IntakeTimeAccepted(int seconds) {
    return kIntakeTimeRange.contains(seconds);
}

// ---- Function select -------------------------------------------------------------------------

struct SelectValues {
    int reduction = -1;                 // index into the reduction list; -1 writes nothing
    int typeface = -1;                  // 0 Mincho, 1 Gothic, -1 for a byte that is neither
    int format = -1;                    // selected format 0..3; -1 writes format 0
    int hopper = -1;                    // 0 hopper 1, 1 hopper 2; -1 writes hopper 1
    std::uint8_t loadedTypeface = '0';  // written back when no typeface is chosen
};
void DecodeSelect(const SettingsImage& image, SelectValues& values);
void EncodeSelect(const SelectValues& values, SettingsImage& image);

}  // namespace settings
