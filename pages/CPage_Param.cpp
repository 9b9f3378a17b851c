#include "pages/CPage_Param.h"
#include "pages/ChoiceExchange.h"
#include "pages/LeadingNumber.h"

#include "framework/CDataExchange.h"
#include "framework/Services.h"
#include "framework/UpDownControl.h"
#include "settings/PanelWords.h"
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

// The edit text the handler looks at, as a fixed buffer would hold it.
constexpr int kTextLimit = 9;

}  // namespace

BEGIN_MESSAGE_MAP(CPage_Param, OldSettingsPage)
ON_CONTROL_RANGE(EN_CHANGE, IDC_CUT_SHEET, IDC_REAR_TRACTOR, OnChangeHeadCentring)
END_MESSAGE_MAP()

CPage_Param::CPage_Param() : OldSettingsPage(res::IDD_PARAM) {}

bool CPage_Param::OnInitDialog() {
    OldSettingsPage::OnInitDialog();
    for (int id : {IDC_SPIN_CUT_SHEET, IDC_SPIN_FRONT_TRACTOR, IDC_SPIN_REAR_TRACTOR}) {
        if (auto* spin = qobject_cast<UpDownControl*>(GetDlgItem(id)))
            spin->SetRange(settings::kHeadCentringRange.min, settings::kHeadCentringRange.max);
    }
    return true;
}

void CPage_Param::DoDataExchange(CDataExchange* pDX) {
    OldSettingsPage::DoDataExchange(pDX);
    DDX_Choice(pDX, IDC_FONT1, settings::words::kFonts, m_values.font1, 20);
    DDX_Choice(pDX, IDC_FONT2, settings::words::kFonts, m_values.font2, 20);
    DDX_Choice(pDX, IDC_KANJI_TABLE, settings::words::kKanjiTables, m_values.kanjiTable, 20);
    DDX_Text(pDX, IDC_FRONT_TRACTOR, m_values.frontTractor);
    DDX_Text(pDX, IDC_CUT_SHEET, m_values.cutSheet);
    DDX_Radio(pDX, IDC_POSTCARD_OFF, m_values.postcardMode);
    DDX_Text(pDX, IDC_REAR_TRACTOR, m_values.rearTractor);
    DDX_Radio(pDX, IDC_PAPER_CENTRE, m_values.paperSet);
}

void CPage_Param::LoadFromImage(const settings::SettingsImage& image) {
    settings::DecodeParam(image, m_values);
    UpdateData(false);
}

void CPage_Param::StoreToImage(settings::SettingsImage& image) {
    // A failed exchange has shown its message; the members it did not reach are written as they were.
    UpdateData(true);
    settings::EncodeParam(m_values, image);
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
        if (value < settings::kHeadCentringRange.min) {
            // One digit from 1 to 6 may still become 10..68: flag it and let the user go on.
            if (value >= 1 && value <= 6)
                pending = 1;
            else
                SetDlgItemText(editId, QString::number(settings::kHeadCentringRange.min));
        } else if (value > settings::kHeadCentringRange.max) {
            SetDlgItemText(editId, QString::number(settings::kHeadCentringRange.max));
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
        SetDlgItemText(id, QString::number(settings::kHeadCentringRange.min));
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
    return OldSettingsPage::OnCommand(id, code);
}
