#include "pages/CPage_Param.h"
#include "pages/LeadingNumber.h"

#include <array>

#include "framework/CDataExchange.h"
#include "framework/Services.h"
#include "framework/UpDownControl.h"
#include "settings/FieldCodec.h"
#include "settings/SettingsImage.h"

namespace {

constexpr int IDC_CUT_SHEET = 1061;
constexpr int IDC_FRONT_TRACTOR = 1062;
constexpr int IDC_REAR_TRACTOR = 1063;
constexpr int IDC_SPIN_CUT_SHEET = 1055;
constexpr int IDC_SPIN_FRONT_TRACTOR = 1056;
constexpr int IDC_SPIN_REAR_TRACTOR = 1057;
constexpr int IDC_KANJI_TABLE = 1066;
constexpr int IDC_FONT1 = 1058;
constexpr int IDC_FONT2 = 1059;
constexpr int IDC_PAPER_CENTRE = 1238;
constexpr int IDC_PAPER_LEFT = 1236;
constexpr int IDC_POSTCARD_OFF = 1065;
constexpr int IDC_POSTCARD_ON = 1018;

constexpr int kFont1Offset = 16;
constexpr int kFont2Offset = 18;
constexpr int kKanjiOffset = 20;
constexpr int kPostcardOffset = 22;
constexpr int kPaperSetOffset = 24;
constexpr int kCutSheetOffset = 26;
constexpr int kFrontTractorOffset = 29;
constexpr int kRearTractorOffset = 32;

constexpr int kMinColumn = 10;
constexpr int kMaxColumn = 68;
// The edit text the handler looks at, as a fixed buffer would hold it.
constexpr int kTextLimit = 9;

const std::array<QString, 5> kFontNames = {QStringLiteral("標準"), QStringLiteral("イタリック"),
                                           QStringLiteral("クーリエ"), QStringLiteral("ゴシック"),
                                           QStringLiteral("OCR-B")};
const std::array<QString, 3> kKanjiNames = {QStringLiteral("JIS1978年版"), QStringLiteral("JIS1983年版"),
                                            QStringLiteral("JIS1990年版")};

// A code character "0".."n-1" picks a name; anything else leaves the text as it was.
template <size_t N>
void DecodeName(unsigned char code, const std::array<QString, N>& names, QString& text) {
    if (code >= '0' && code < '0' + N)
        text = names[code - '0'];
}

// The first name equal to the text gives its code; no match counts as the first one.
template <size_t N>
unsigned char EncodeName(const QString& text, const std::array<QString, N>& names) {
    for (size_t i = 0; i < N; ++i) {
        if (text == names[i])
            return static_cast<unsigned char>('0' + i);
    }
    return '0';
}

void DecodeSwitch(unsigned char code, int& value) {
    if (code == '0')
        value = 0;
    else if (code == '1')
        value = 1;
}

}  // namespace

BEGIN_MESSAGE_MAP(CPage_Param, SettingsPage)
ON_CONTROL_RANGE(EN_CHANGE, IDC_CUT_SHEET, IDC_REAR_TRACTOR, OnChangeHeadCentring)
END_MESSAGE_MAP()

CPage_Param::CPage_Param() : SettingsPage(res::IDD_PARAM) {}

bool CPage_Param::OnInitDialog() {
    SettingsPage::OnInitDialog();
    for (int id : {IDC_SPIN_CUT_SHEET, IDC_SPIN_FRONT_TRACTOR, IDC_SPIN_REAR_TRACTOR}) {
        if (auto* spin = qobject_cast<UpDownControl*>(GetDlgItem(id)))
            spin->SetRange(kMinColumn, kMaxColumn);
    }
    return true;
}

void CPage_Param::DoDataExchange(CDataExchange* pDX) {
    SettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_FONT1, m_font1);
    DDV_MaxChars(pDX, m_font1, 20);
    DDX_CBString(pDX, IDC_FONT2, m_font2);
    DDV_MaxChars(pDX, m_font2, 20);
    DDX_CBString(pDX, IDC_KANJI_TABLE, m_kanjiTable);
    DDV_MaxChars(pDX, m_kanjiTable, 20);
    DDX_Text(pDX, IDC_FRONT_TRACTOR, m_frontTractor);
    DDX_Text(pDX, IDC_CUT_SHEET, m_cutSheet);
    DDX_Radio(pDX, IDC_POSTCARD_OFF, m_postcardMode);
    DDX_Text(pDX, IDC_REAR_TRACTOR, m_rearTractor);
    DDX_Radio(pDX, IDC_PAPER_CENTRE, m_paperSetPosition);
}

void CPage_Param::LoadFromImage(const settings::SettingsImage& image) {
    DecodeName(image[kFont1Offset], kFontNames, m_font1);
    DecodeName(image[kFont2Offset], kFontNames, m_font2);
    DecodeName(image[kKanjiOffset], kKanjiNames, m_kanjiTable);
    // Whatever the bytes hold is shown: no check of the digits or of the range.
    m_cutSheet = settings::ReadDecimal(image, kCutSheetOffset, 2);
    m_frontTractor = settings::ReadDecimal(image, kFrontTractorOffset, 2);
    m_rearTractor = settings::ReadDecimal(image, kRearTractorOffset, 2);
    DecodeSwitch(image[kPostcardOffset], m_postcardMode);
    DecodeSwitch(image[kPaperSetOffset], m_paperSetPosition);
    UpdateData(false);
}

void CPage_Param::StoreToImage(settings::SettingsImage& image) {
    // A failed exchange has shown its message; the members it did not reach are written as they were.
    UpdateData(true);
    image[kFont1Offset] = EncodeName(m_font1, kFontNames);
    image[kFont2Offset] = EncodeName(m_font2, kFontNames);
    image[kKanjiOffset] = EncodeName(m_kanjiTable, kKanjiNames);
    settings::WriteDecimal(image, kCutSheetOffset, 2, m_cutSheet);
    settings::WriteDecimal(image, kFrontTractorOffset, 2, m_frontTractor);
    settings::WriteDecimal(image, kRearTractorOffset, 2, m_rearTractor);
    image[kPostcardOffset] = m_postcardMode == 1 ? '1' : '0';
    image[kPaperSetOffset] = m_paperSetPosition == 1 ? '1' : '0';
}

int& CPage_Param::PendingFlag(int editId) {
    switch (editId) {
        case IDC_FRONT_TRACTOR:
            return m_frontTractorPending;
        case IDC_REAR_TRACTOR:
            return m_rearTractorPending;
        default:
            return m_cutSheetPending;
    }
}

void CPage_Param::OnChangeHeadCentring(UINT id) {
    const int editId = static_cast<int>(id);
    int& pending = PendingFlag(editId);
    pending = 0;
    bool translated = false;
    unsigned long long value = static_cast<unsigned long long>(GetDlgItemInt(editId, &translated, false));
    const QString fullText = GetDlgItemText(editId);
    const QString text = fullText.left(kTextLimit);
    if (text.size() > 3) {
        // Long input (leading zeros, a pasted number) is rewritten as its plain value. Only a
        // different text is written, so the rewriting ends; what follows judges the new text.
        const QString plain = QString::number(LeadingNumber(text));
        if (plain != fullText) {
            SetDlgItemText(editId, plain);
            value = static_cast<unsigned long long>(GetDlgItemInt(editId, &translated, false));
        }
    }
    // Only what the user is typing is corrected; a loaded value waits until the user edits it.
    if (GetFocus() == GetDlgItem(editId)) {
        if (value < kMinColumn) {
            // One digit from 1 to 6 may still become 10..68: flag it and let the user go on.
            if (value >= 1 && value <= 6)
                pending = 1;
            else
                SetDlgItemText(editId, QString::number(kMinColumn));
        } else if (value > kMaxColumn) {
            SetDlgItemText(editId, QString::number(kMaxColumn));
        }
    }
    SendDataCheck();
}

void CPage_Param::CorrectHeadCentring() {
    MessageBox(this,
               QStringLiteral("用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n"
                              "適正値に変更します。"),
               QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置"),
               MB_OK | MB_ICONEXCLAMATION);
    for (int id : {IDC_CUT_SHEET, IDC_FRONT_TRACTOR, IDC_REAR_TRACTOR}) {
        if (PendingFlag(id) == 0)
            continue;
        // The change handler clears the flag.
        SetDlgItemText(id, QString::number(kMinColumn));
        SetFocus(GetDlgItem(id));
    }
}

bool CPage_Param::OnCommand(int id, int code) {
    switch (id) {
        case IDC_POSTCARD_ON:
        case IDC_FONT1:
        case IDC_FONT2:
        case IDC_POSTCARD_OFF:
        case IDC_KANJI_TABLE:
        case IDC_PAPER_LEFT:
        case IDC_PAPER_CENTRE:
            SendDataCheck();
            break;
        default:
            break;
    }
    return SettingsPage::OnCommand(id, code);
}
