#pragma once
// Where every field of the 190-byte image sits, how it is encoded and what the panel calls it.
// Every byte belongs to exactly one field or is a one-byte "," separator between two fields.
#include <array>
#include <cstddef>
#include <string_view>

#include "settings/SettingsImage.h"
#include "settings/Translatable.h"

namespace settings {

enum class Encoding {
    Fixed,       // framing that no editor changes
    Reserved,    // carried through untouched
    SwitchPair,  // eight switches in bits 0-3 of two bytes
    Decimal,     // zero-padded ASCII digits
    Code,        // one character naming a choice
    PitchPair,   // signed correction: "0n" or "F" and 71 + n
};

struct Field {
    std::string_view key;  // stable name for files and scripts
    std::size_t offset;
    std::size_t width;
    Encoding encoding;
    std::string_view label;  // the panel's words (context::kFieldLabels)

    constexpr std::size_t end() const { return offset + width; }
};

namespace field {
using enum Encoding;
// clang-format off
inline constexpr Field Introducer     {"introducer",               0, 1, Fixed,      BMK_TR("FieldLabels", "コマンド開始")};
inline constexpr Field CommandLetter  {"command",                  1, 1, Fixed,      BMK_TR("FieldLabels", "コマンド")};
inline constexpr Field CommandParam   {"parameter",                2, 1, Fixed,      BMK_TR("FieldLabels", "コマンドパラメータ")};
inline constexpr Field Msw1           {"msw1",                     4, 2, SwitchPair, BMK_TR("FieldLabels", "MSW1")};
inline constexpr Field Msw2           {"msw2",                     7, 2, SwitchPair, BMK_TR("FieldLabels", "MSW2")};
inline constexpr Field Msw3           {"msw3",                    10, 2, SwitchPair, BMK_TR("FieldLabels", "MSW3")};
inline constexpr Field Msw4           {"msw4",                    13, 2, SwitchPair, BMK_TR("FieldLabels", "MSW4")};
inline constexpr Field Font1          {"font1",                   16, 1, Code,       BMK_TR("FieldLabels", "フォント１")};
inline constexpr Field Font2          {"font2",                   18, 1, Code,       BMK_TR("FieldLabels", "フォント２")};
inline constexpr Field KanjiTable     {"kanjiCodeTable",          20, 1, Code,       BMK_TR("FieldLabels", "漢字コード表")};
inline constexpr Field PostcardMode   {"postcardMode",            22, 1, Code,       BMK_TR("FieldLabels", "ハガキ印刷モード")};
inline constexpr Field PaperSet       {"paperSetPosition",        24, 1, Code,       BMK_TR("FieldLabels", "用紙セット位置")};
inline constexpr Field CutSheetCentring     {"headCentring.cutSheet",     26, 2, Decimal, BMK_TR("FieldLabels", "用紙吸入時ヘッドセンタリング位置 カット紙（桁）")};
inline constexpr Field FrontTractorCentring {"headCentring.frontTractor", 29, 2, Decimal, BMK_TR("FieldLabels", "用紙吸入時ヘッドセンタリング位置 フロントトラクタ（桁）")};
inline constexpr Field RearTractorCentring  {"headCentring.rearTractor",  32, 2, Decimal, BMK_TR("FieldLabels", "用紙吸入時ヘッドセンタリング位置 リアトラクタ（桁）")};
inline constexpr Field Format0Length  {"format0.paperLength",     35, 2, Decimal,    BMK_TR("FieldLabels", "書式０ 用紙長（行）")};
inline constexpr Field Format0Front   {"format0.frontTractor",    38, 3, Decimal,    BMK_TR("FieldLabels", "書式０ フロントトラクタ吸入位置")};
inline constexpr Field Format0Rear    {"format0.rearTractor",     42, 3, Decimal,    BMK_TR("FieldLabels", "書式０ リアトラクタ吸入位置")};
inline constexpr Field Format0Guide   {"format0.sheetGuide",      46, 3, Decimal,    BMK_TR("FieldLabels", "書式０ シートガイド吸入位置")};
inline constexpr Field Format0Feeder  {"format0.sheetFeeder",     50, 3, Decimal,    BMK_TR("FieldLabels", "書式０ シートフィーダ吸入位置")};
inline constexpr Field Format0Postcard{"format0.postcard",        54, 3, Decimal,    BMK_TR("FieldLabels", "書式０ はがき吸入位置")};
inline constexpr Field Hopper         {"hopper",                  58, 1, Code,       BMK_TR("FieldLabels", "２ビンシートフィーダのホッパ選択")};
inline constexpr Field Typeface       {"typeface",                60, 1, Code,       BMK_TR("FieldLabels", "書体選択")};
inline constexpr Field Reduction      {"reducedPrinting",         62, 1, Code,       BMK_TR("FieldLabels", "縮小印刷の選択")};
inline constexpr Field Reserved64     {"reserved64",              64, 2, Reserved,   BMK_TR("FieldLabels", "予約")};
inline constexpr Field Reserved67     {"reserved67",              67, 2, Reserved,   BMK_TR("FieldLabels", "予約")};
inline constexpr Field SelectedFormat {"selectedFormat",          70, 1, Code,       BMK_TR("FieldLabels", "書式選択")};
inline constexpr Field Format1Length  {"format1.paperLength",     72, 2, Decimal,    BMK_TR("FieldLabels", "書式１ 用紙長（行）")};
inline constexpr Field Format1Left    {"format1.leftMargin",      75, 3, Decimal,    BMK_TR("FieldLabels", "書式１ レフトマージン幅（桁）")};
inline constexpr Field Format1Right   {"format1.rightMargin",     79, 3, Decimal,    BMK_TR("FieldLabels", "書式１ ライトマージン幅（桁）")};
inline constexpr Field Format1Front   {"format1.frontTractor",    83, 3, Decimal,    BMK_TR("FieldLabels", "書式１ フロントトラクタ吸入位置")};
inline constexpr Field Format1Rear    {"format1.rearTractor",     87, 3, Decimal,    BMK_TR("FieldLabels", "書式１ リアトラクタ吸入位置")};
inline constexpr Field Format1Guide   {"format1.sheetGuide",      91, 3, Decimal,    BMK_TR("FieldLabels", "書式１ シートガイド吸入位置")};
inline constexpr Field Format1Feeder  {"format1.sheetFeeder",     95, 3, Decimal,    BMK_TR("FieldLabels", "書式１ シートフィーダ吸入位置")};
inline constexpr Field Format1Postcard{"format1.postcard",        99, 3, Decimal,    BMK_TR("FieldLabels", "書式１ はがき吸入位置")};
inline constexpr Field Format2Length  {"format2.paperLength",    103, 2, Decimal,    BMK_TR("FieldLabels", "書式２ 用紙長（行）")};
inline constexpr Field Format2Left    {"format2.leftMargin",     106, 3, Decimal,    BMK_TR("FieldLabels", "書式２ レフトマージン幅（桁）")};
inline constexpr Field Format2Right   {"format2.rightMargin",    110, 3, Decimal,    BMK_TR("FieldLabels", "書式２ ライトマージン幅（桁）")};
inline constexpr Field Format2Front   {"format2.frontTractor",   114, 3, Decimal,    BMK_TR("FieldLabels", "書式２ フロントトラクタ吸入位置")};
inline constexpr Field Format2Rear    {"format2.rearTractor",    118, 3, Decimal,    BMK_TR("FieldLabels", "書式２ リアトラクタ吸入位置")};
inline constexpr Field Format2Guide   {"format2.sheetGuide",     122, 3, Decimal,    BMK_TR("FieldLabels", "書式２ シートガイド吸入位置")};
inline constexpr Field Format2Feeder  {"format2.sheetFeeder",    126, 3, Decimal,    BMK_TR("FieldLabels", "書式２ シートフィーダ吸入位置")};
inline constexpr Field Format2Postcard{"format2.postcard",       130, 3, Decimal,    BMK_TR("FieldLabels", "書式２ はがき吸入位置")};
inline constexpr Field Format3Length  {"format3.paperLength",    134, 2, Decimal,    BMK_TR("FieldLabels", "書式３ 用紙長（行）")};
inline constexpr Field Format3Left    {"format3.leftMargin",     137, 3, Decimal,    BMK_TR("FieldLabels", "書式３ レフトマージン幅（桁）")};
inline constexpr Field Format3Right   {"format3.rightMargin",    141, 3, Decimal,    BMK_TR("FieldLabels", "書式３ ライトマージン幅（桁）")};
inline constexpr Field Format3Front   {"format3.frontTractor",   145, 3, Decimal,    BMK_TR("FieldLabels", "書式３ フロントトラクタ吸入位置")};
inline constexpr Field Format3Rear    {"format3.rearTractor",    149, 3, Decimal,    BMK_TR("FieldLabels", "書式３ リアトラクタ吸入位置")};
inline constexpr Field Format3Guide   {"format3.sheetGuide",     153, 3, Decimal,    BMK_TR("FieldLabels", "書式３ シートガイド吸入位置")};
inline constexpr Field Format3Feeder  {"format3.sheetFeeder",    157, 3, Decimal,    BMK_TR("FieldLabels", "書式３ シートフィーダ吸入位置")};
inline constexpr Field Format3Postcard{"format3.postcard",       161, 3, Decimal,    BMK_TR("FieldLabels", "書式３ はがき吸入位置")};
inline constexpr Field ReturnTime     {"returnTime",             165, 2, Decimal,    BMK_TR("FieldLabels", "連続紙カット位置からの自動戻り時間")};
inline constexpr Field IntakeTime     {"intakeTime",             168, 1, Decimal,    BMK_TR("FieldLabels", "シートガイドからの用紙吸入時間（秒）")};
inline constexpr Field Reserved170    {"reserved170",            170, 2, Reserved,   BMK_TR("FieldLabels", "予約")};
inline constexpr Field PitchFront     {"lfPitch.frontTractor",   173, 2, PitchPair,  BMK_TR("FieldLabels", "ＬＦピッチ補正 フロントトラクタ")};
inline constexpr Field PitchRear      {"lfPitch.rearTractor",    176, 2, PitchPair,  BMK_TR("FieldLabels", "ＬＦピッチ補正 リアトラクタ")};
inline constexpr Field PitchGuide     {"lfPitch.sheetGuide",     179, 2, PitchPair,  BMK_TR("FieldLabels", "ＬＦピッチ補正 シートガイド")};
inline constexpr Field PitchFeeder    {"lfPitch.sheetFeeder",    182, 2, PitchPair,  BMK_TR("FieldLabels", "ＬＦピッチ補正 シートフィーダ")};
inline constexpr Field Terminator     {"terminator",             184, 1, Fixed,      BMK_TR("FieldLabels", "コマンド終了")};
inline constexpr Field Padding        {"padding",                185, 5, Fixed,      BMK_TR("FieldLabels", "埋め")};
// clang-format on
}  // namespace field

// Every field in image order.
inline constexpr std::array kFields = {
    field::Introducer,
    field::CommandLetter,
    field::CommandParam,
    field::Msw1,
    field::Msw2,
    field::Msw3,
    field::Msw4,
    field::Font1,
    field::Font2,
    field::KanjiTable,
    field::PostcardMode,
    field::PaperSet,
    field::CutSheetCentring,
    field::FrontTractorCentring,
    field::RearTractorCentring,
    field::Format0Length,
    field::Format0Front,
    field::Format0Rear,
    field::Format0Guide,
    field::Format0Feeder,
    field::Format0Postcard,
    field::Hopper,
    field::Typeface,
    field::Reduction,
    field::Reserved64,
    field::Reserved67,
    field::SelectedFormat,
    field::Format1Length,
    field::Format1Left,
    field::Format1Right,
    field::Format1Front,
    field::Format1Rear,
    field::Format1Guide,
    field::Format1Feeder,
    field::Format1Postcard,
    field::Format2Length,
    field::Format2Left,
    field::Format2Right,
    field::Format2Front,
    field::Format2Rear,
    field::Format2Guide,
    field::Format2Feeder,
    field::Format2Postcard,
    field::Format3Length,
    field::Format3Left,
    field::Format3Right,
    field::Format3Front,
    field::Format3Rear,
    field::Format3Guide,
    field::Format3Feeder,
    field::Format3Postcard,
    field::ReturnTime,
    field::IntakeTime,
    field::Reserved170,
    field::PitchFront,
    field::PitchRear,
    field::PitchGuide,
    field::PitchFeeder,
    field::Terminator,
    field::Padding,
};

inline constexpr std::size_t kSeparatorCount = 55;

// Fields follow each other in order, either touching or with one separator byte between them,
// and the last one ends the image: nothing overlaps and no byte is left unnamed.
constexpr bool FieldsTileImage() {
    std::size_t at = 0;
    std::size_t separators = 0;
    for (const Field& f : kFields) {
        if (f.width == 0 || f.offset < at || f.offset > at + 1)
            return false;
        separators += f.offset - at;
        at = f.end();
    }
    return at == kImageSize && separators == kSeparatorCount;
}
static_assert(FieldsTileImage(), "the fields must tile the 190-byte image");

// The byte between two fields that do not touch.
constexpr bool IsSeparator(std::size_t offset) {
    for (const Field& f : kFields) {
        if (offset < f.offset)
            return offset + 1 == f.offset;
        if (offset < f.end())
            return false;
    }
    return false;
}

// The field a byte belongs to; nullptr for a separator or an offset past the image.
constexpr const Field* FieldAt(std::size_t offset) {
    for (const Field& f : kFields) {
        if (offset >= f.offset && offset < f.end())
            return &f;
    }
    return nullptr;
}

// The four memory switches in order, MSW1 first.
inline constexpr std::array kMemorySwitchFields = {field::Msw1, field::Msw2, field::Msw3, field::Msw4};
// LF pitch corrections in image order: front tractor, rear tractor, sheet guide, sheet feeder.
inline constexpr std::array kPitchFields = {field::PitchFront, field::PitchRear, field::PitchGuide,
                                            field::PitchFeeder};

// The stored page formats travel as text blocks: format 0 without margins, formats 1 to 3 with.
struct FormatBlockLayout {
    const Field& paperLength;
    const Field* leftMargin;  // nullptr for format 0
    const Field* rightMargin;
    std::array<const Field*, 5> positions;  // front, rear, sheet guide, sheet feeder, postcard

    constexpr std::size_t offset() const { return paperLength.offset; }
    constexpr std::size_t size() const { return positions[4]->end() - paperLength.offset; }
};
inline constexpr std::array kFormatBlocks = {
    FormatBlockLayout{field::Format0Length,
                      nullptr,
                      nullptr,
                      {&field::Format0Front, &field::Format0Rear, &field::Format0Guide, &field::Format0Feeder,
                       &field::Format0Postcard}},
    FormatBlockLayout{field::Format1Length,
                      &field::Format1Left,
                      &field::Format1Right,
                      {&field::Format1Front, &field::Format1Rear, &field::Format1Guide, &field::Format1Feeder,
                       &field::Format1Postcard}},
    FormatBlockLayout{field::Format2Length,
                      &field::Format2Left,
                      &field::Format2Right,
                      {&field::Format2Front, &field::Format2Rear, &field::Format2Guide, &field::Format2Feeder,
                       &field::Format2Postcard}},
    FormatBlockLayout{field::Format3Length,
                      &field::Format3Left,
                      &field::Format3Right,
                      {&field::Format3Front, &field::Format3Rear, &field::Format3Guide, &field::Format3Feeder,
                       &field::Format3Postcard}},
};
static_assert(kFormatBlocks[0].size() == 22 && kFormatBlocks[1].size() == 30 &&
              kFormatBlocks[2].size() == 30 && kFormatBlocks[3].size() == 30);

}  // namespace settings
