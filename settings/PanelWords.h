#pragma once
// The panel's own words for the values of each field, in the order its lists show them (marked
// for translation under context::kPanelWords).
#include <array>
#include <cstdint>
#include <string_view>

#include "settings/Translatable.h"

namespace settings::words {

inline constexpr std::array<std::string_view, 5> kFonts = {
    BMK_TR("PanelWords", "標準"), BMK_TR("PanelWords", "イタリック"), BMK_TR("PanelWords", "クーリエ"),
    BMK_TR("PanelWords", "ゴシック"), BMK_TR("PanelWords", "OCR-B")};
inline constexpr std::array<std::string_view, 3> kKanjiTables = {BMK_TR("PanelWords", "JIS1978年版"),
                                                                 BMK_TR("PanelWords", "JIS1983年版"),
                                                                 BMK_TR("PanelWords", "JIS1990年版")};
inline constexpr std::array<std::string_view, 2> kPostcardModes = {BMK_TR("PanelWords", "OFF"),
                                                                   BMK_TR("PanelWords", "ON")};
inline constexpr std::array<std::string_view, 2> kPaperSetPositions = {BMK_TR("PanelWords", "センタ"),
                                                                       BMK_TR("PanelWords", "レフト")};
inline constexpr std::array<std::string_view, 2> kHoppers = {BMK_TR("PanelWords", "ホッパ１"),
                                                             BMK_TR("PanelWords", "ホッパ２")};
inline constexpr std::array<std::string_view, 2> kTypefaces = {BMK_TR("PanelWords", "明朝体"),
                                                               BMK_TR("PanelWords", "ゴシック体")};
inline constexpr std::array<std::string_view, 4> kFormats = {
    BMK_TR("PanelWords", "書式０"), BMK_TR("PanelWords", "書式１"), BMK_TR("PanelWords", "書式２"),
    BMK_TR("PanelWords", "書式３")};

struct CodedWord {
    std::uint8_t code;
    std::string_view text;
};
inline constexpr std::array<CodedWord, 5> kReductions = {{
    {'0', BMK_TR("PanelWords", "縮小なし")},
    {'1', BMK_TR("PanelWords", "２／３縮小（左基準）")},
    {'3', BMK_TR("PanelWords", "２／３縮小（中央基準）")},
    {'5', BMK_TR("PanelWords", "４／５縮小（左基準）")},
    {'7', BMK_TR("PanelWords", "４／５縮小（中央基準）")},
}};
// Country codes of MSW1-1..3 in list order; the codes 1, 6 and 7 name no country.
inline constexpr std::array<CodedWord, 5> kCountries = {{
    {0, BMK_TR("PanelWords", "日本")},
    {2, BMK_TR("PanelWords", "アメリカ")},
    {3, BMK_TR("PanelWords", "イギリス")},
    {4, BMK_TR("PanelWords", "ドイツ")},
    {5, BMK_TR("PanelWords", "スウェーデン")},
}};

struct ReturnTimeWord {
    int seconds;
    std::string_view text;
};
inline constexpr std::array<ReturnTimeWord, 3> kReturnTimes = {{{0, BMK_TR("PanelWords", "自動戻り無し")},
                                                                {8, BMK_TR("PanelWords", "８秒")},
                                                                {15, BMK_TR("PanelWords", "１５秒")}}};

inline constexpr std::array<std::string_view, 11> kPitchCorrections = {"-5", "-4", "-3", "-2", "-1", "0",
                                                                       "+1", "+2", "+3", "+4", "+5"};

// A memory switch as its page shows it: the group's caption and the words for 0 and 1.
struct SwitchWords {
    std::string_view caption;
    std::string_view off;
    std::string_view on;
};
// Switches no page shows have an empty caption.
inline constexpr std::array<std::array<SwitchWords, 8>, 4> kSwitches = {{
    {{
        {BMK_TR("PanelWords", "各国文字の切り替え"), "", ""},
        {BMK_TR("PanelWords", "各国文字の切り替え"), "", ""},
        {BMK_TR("PanelWords", "各国文字の切り替え"), "", ""},
        {BMK_TR("PanelWords", "データ受信方法の切り替え"), BMK_TR("PanelWords", "従来互換"),
         BMK_TR("PanelWords", "高速受信")},
        {BMK_TR("PanelWords", "DC1/DC3コード処理の切り替え"), BMK_TR("PanelWords", "有効"),
         BMK_TR("PanelWords", "無効")},
        {BMK_TR("PanelWords", "自動復帰改行の切り替え"), BMK_TR("PanelWords", "復帰改行"),
         BMK_TR("PanelWords", "復帰のみ")},
        {BMK_TR("PanelWords", "印刷指令コード切り替え"), BMK_TR("PanelWords", "ＣＲのみ"),
         BMK_TR("PanelWords", "ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，ＥＳＣ ａ，ＥＳＣ ｂ")},
        {BMK_TR("PanelWords", "CR機能の切り替え"), BMK_TR("PanelWords", "復帰のみ"),
         BMK_TR("PanelWords", "復帰改行")},
    }},
    {{
        {BMK_TR("PanelWords", "数字「0」の字体にスラッシュを付ける（1バイトコード系）"),
         BMK_TR("PanelWords", "付けない"), BMK_TR("PanelWords", "付ける")},
        {BMK_TR("PanelWords", "シートガイド用紙無し検出"), BMK_TR("PanelWords", "印刷時"),
         BMK_TR("PanelWords", "常時")},
        {BMK_TR("PanelWords", "ドット対応グラフィックドット数"), BMK_TR("PanelWords", "ネイティブモード"),
         BMK_TR("PanelWords", "コピーモード")},
        {"", "", ""},
        {BMK_TR("PanelWords", "印刷モードの初期設定"), BMK_TR("PanelWords", "ＨＤパイカ"),
         BMK_TR("PanelWords", "ＨＳパイカ")},
        {BMK_TR("PanelWords", "７／８ビットデータの切り替え"), BMK_TR("PanelWords", "８ビット"),
         BMK_TR("PanelWords", "７ビット")},
        {BMK_TR("PanelWords", "印刷桁数の切り替え"), BMK_TR("PanelWords", "１３６桁"),
         BMK_TR("PanelWords", "８０桁")},
        {BMK_TR("PanelWords", "印刷方向の初期設定"), BMK_TR("PanelWords", "両方向最短"),
         BMK_TR("PanelWords", "片方向")},
    }},
    {{
        {"", "", ""},
        {BMK_TR("PanelWords", "PCモード/情処モード切り替え"), BMK_TR("PanelWords", "PCモード"),
         BMK_TR("PanelWords", "情処モード")},
        {BMK_TR("PanelWords", "用紙吸入位置の記憶"), BMK_TR("PanelWords", "記憶する"),
         BMK_TR("PanelWords", "記憶しない")},
        {BMK_TR("PanelWords", "シートフィーダの吸入コード"), BMK_TR("PanelWords", "ＥＳＣ ａのみ"),
         BMK_TR("PanelWords", "ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ")},
        {BMK_TR("PanelWords", "自動カット位置送り機能"), BMK_TR("PanelWords", "無効"),
         BMK_TR("PanelWords", "有効")},
        {"", "", ""},
        {BMK_TR("PanelWords", "数字「0」の字体にスラッシュを付ける（2バイトコード系）"),
         BMK_TR("PanelWords", "付けない"), BMK_TR("PanelWords", "付ける")},
        {BMK_TR("PanelWords", "ミシン目スキップの初期設定"), BMK_TR("PanelWords", "スキップしない"),
         BMK_TR("PanelWords", "スキップする")},
    }},
    {{
        {BMK_TR("PanelWords", "用紙外側への印刷防止機能"), BMK_TR("PanelWords", "有効"),
         BMK_TR("PanelWords", "無効")},
        {"", "", ""},
        {BMK_TR("PanelWords", "カット位置送り機能の用紙送り量"), BMK_TR("PanelWords", "固定長"),
         BMK_TR("PanelWords", "TOF＋固定長")},
        {BMK_TR("PanelWords", "ドット列印刷モードの印刷方向"), BMK_TR("PanelWords", "片方向"),
         BMK_TR("PanelWords", "両方向")},
        {BMK_TR("PanelWords", "高速印刷モードの初期設定"), BMK_TR("PanelWords", "通常印刷"),
         BMK_TR("PanelWords", "高速印刷")},
        {"", "", ""},
        {"", "", ""},
        {BMK_TR("PanelWords", "シートガイドのローディング方法"), BMK_TR("PanelWords", "オート"),
         BMK_TR("PanelWords", "マニュアル")},
    }},
}};

}  // namespace settings::words
