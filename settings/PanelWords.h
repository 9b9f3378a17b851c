#pragma once
// The panel's own words for the values of each field, in the order its lists show them.
#include <array>
#include <cstdint>
#include <string_view>

namespace settings::words {

inline constexpr std::array<std::string_view, 5> kFonts = {"標準", "イタリック", "クーリエ", "ゴシック",
                                                           "OCR-B"};
inline constexpr std::array<std::string_view, 3> kKanjiTables = {"JIS1978年版", "JIS1983年版", "JIS1990年版"};
inline constexpr std::array<std::string_view, 2> kPostcardModes = {"OFF", "ON"};
inline constexpr std::array<std::string_view, 2> kPaperSetPositions = {"センタ", "レフト"};
inline constexpr std::array<std::string_view, 2> kHoppers = {"ホッパ１", "ホッパ２"};
inline constexpr std::array<std::string_view, 2> kTypefaces = {"明朝体", "ゴシック体"};
inline constexpr std::array<std::string_view, 4> kFormats = {"書式０", "書式１", "書式２", "書式３"};

struct CodedWord {
    std::uint8_t code;
    std::string_view text;
};
inline constexpr std::array<CodedWord, 5> kReductions = {{
    {'0', "縮小なし"},
    {'1', "２／３縮小（左基準）"},
    {'3', "２／３縮小（中央基準）"},
    {'5', "４／５縮小（左基準）"},
    {'7', "４／５縮小（中央基準）"},
}};
// Country codes of MSW1-1..3 in list order; the codes 1, 6 and 7 name no country.
inline constexpr std::array<CodedWord, 5> kCountries = {{
    {0, "日本"},
    {2, "アメリカ"},
    {3, "イギリス"},
    {4, "ドイツ"},
    {5, "スウェーデン"},
}};

struct ReturnTimeWord {
    int seconds;
    std::string_view text;
};
inline constexpr std::array<ReturnTimeWord, 3> kReturnTimes = {
    {{0, "自動戻り無し"}, {8, "８秒"}, {15, "１５秒"}}};

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
        {"各国文字の切り替え", "", ""},
        {"各国文字の切り替え", "", ""},
        {"各国文字の切り替え", "", ""},
        {"データ受信方法の切り替え", "従来互換", "高速受信"},
        {"DC1/DC3コード処理の切り替え", "有効", "無効"},
        {"自動復帰改行の切り替え", "復帰改行", "復帰のみ"},
        {"印刷指令コード切り替え", "ＣＲのみ", "ＣＲ，ＬＦ，ＶＴ，ＦＦ，ＵＳ，ＥＳＣ ａ，ＥＳＣ ｂ"},
        {"CR機能の切り替え", "復帰のみ", "復帰改行"},
    }},
    {{
        {"数字「0」の字体にスラッシュを付ける（1バイトコード系）", "付けない", "付ける"},
        {"シートガイド用紙無し検出", "印刷時", "常時"},
        {"ドット対応グラフィックドット数", "ネイティブモード", "コピーモード"},
        {"", "", ""},
        {"印刷モードの初期設定", "ＨＤパイカ", "ＨＳパイカ"},
        {"７／８ビットデータの切り替え", "８ビット", "７ビット"},
        {"印刷桁数の切り替え", "１３６桁", "８０桁"},
        {"印刷方向の初期設定", "両方向最短", "片方向"},
    }},
    {{
        {"", "", ""},
        {"PCモード/情処モード切り替え", "PCモード", "情処モード"},
        {"用紙吸入位置の記憶", "記憶する", "記憶しない"},
        {"シートフィーダの吸入コード", "ＥＳＣ ａのみ", "ＥＳＣ ａ，ＬＦ，ＵＳ，ＶＴ"},
        {"自動カット位置送り機能", "無効", "有効"},
        {"", "", ""},
        {"数字「0」の字体にスラッシュを付ける（2バイトコード系）", "付けない", "付ける"},
        {"ミシン目スキップの初期設定", "スキップしない", "スキップする"},
    }},
    {{
        {"用紙外側への印刷防止機能", "有効", "無効"},
        {"", "", ""},
        {"カット位置送り機能の用紙送り量", "固定長", "TOF＋固定長"},
        {"ドット列印刷モードの印刷方向", "片方向", "両方向"},
        {"高速印刷モードの初期設定", "通常印刷", "高速印刷"},
        {"", "", ""},
        {"", "", ""},
        {"シートガイドのローディング方法", "オート", "マニュアル"},
    }},
}};

}  // namespace settings::words
