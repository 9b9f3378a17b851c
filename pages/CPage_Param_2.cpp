#include "pages/CPage_Param_2.h"
#include "pages/LeadingNumber.h"

#include <optional>

#include "framework/CDataExchange.h"
#include "framework/UpDownControl.h"
#include "settings/FieldCodec.h"
#include "settings/SettingsImage.h"

namespace {

constexpr int IDC_INTAKE_TIME = 1064;
constexpr int IDC_SPIN_INTAKE_TIME = 1060;
constexpr int IDC_SHEET_GUIDE = 1067;
constexpr int IDC_RETURN_TIME = 1068;
constexpr int IDC_SHEET_FEEDER = 1071;
constexpr int IDC_FRONT_TRACTOR = 1072;
constexpr int IDC_REAR_TRACTOR = 1073;

constexpr int kReturnTimeOffset = 165;
constexpr int kIntakeTimeOffset = 168;
constexpr int kFrontTractorOffset = 173;
constexpr int kRearTractorOffset = 176;
constexpr int kSheetGuideOffset = 179;
constexpr int kSheetFeederOffset = 182;

constexpr int kMinIntakeTime = 2;
constexpr int kMaxIntakeTime = 5;
// The edit text the handler looks at, as a fixed buffer would hold it.
constexpr int kTextLimit = 9;

struct ReturnTime {
    int seconds;
    const char* text;
};
constexpr ReturnTime kReturnTimes[] = {{0, "自動戻り無し"}, {8, "８秒"}, {15, "１５秒"}};
constexpr int kDefaultReturnTime = 8;

// "00" shows as "0", a positive value with its "+", a negative one as its plain number; a pair
// that starts with neither "0" nor "F" leaves the text as it was.
void DecodeCorrection(const settings::SettingsImage& image, int offset, QString& text) {
    const std::optional<int> n = settings::ReadPitchPair(image, offset);
    if (!n)
        return;
    if (image[offset] == '0')
        text = *n == 0 ? QStringLiteral("0") : QStringLiteral("+") + QString::number(*n);
    else
        text = QString::number(*n);
}

void EncodeCorrection(settings::SettingsImage& image, int offset, const QString& text) {
    settings::WritePitchPair(image, offset, static_cast<int>(LeadingNumber(text)));
}

}  // namespace

BEGIN_MESSAGE_MAP(CPage_Param_2, SettingsPage)
ON_EN_CHANGE(IDC_INTAKE_TIME, OnChangeIntakeTime)
END_MESSAGE_MAP()

CPage_Param_2::CPage_Param_2() : SettingsPage(res::IDD_PARAM2) {}

bool CPage_Param_2::OnInitDialog() {
    SettingsPage::OnInitDialog();
    if (auto* spin = qobject_cast<UpDownControl*>(GetDlgItem(IDC_SPIN_INTAKE_TIME)))
        spin->SetRange(kMinIntakeTime, kMaxIntakeTime);
    return true;
}

void CPage_Param_2::DoDataExchange(CDataExchange* pDX) {
    SettingsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_INTAKE_TIME, m_intakeTime);
    DDV_MinMaxInt(pDX, m_intakeTime, kMinIntakeTime, kMaxIntakeTime);
    DDX_CBString(pDX, IDC_RETURN_TIME, m_returnTime);
    DDV_MaxChars(pDX, m_returnTime, 20);
    DDX_CBString(pDX, IDC_SHEET_GUIDE, m_sheetGuide);
    DDV_MaxChars(pDX, m_sheetGuide, 10);
    DDX_CBString(pDX, IDC_SHEET_FEEDER, m_sheetFeeder);
    DDV_MaxChars(pDX, m_sheetFeeder, 10);
    DDX_CBString(pDX, IDC_FRONT_TRACTOR, m_frontTractor);
    DDV_MaxChars(pDX, m_frontTractor, 10);
    DDX_CBString(pDX, IDC_REAR_TRACTOR, m_rearTractor);
    DDV_MaxChars(pDX, m_rearTractor, 10);
}

void CPage_Param_2::LoadFromImage(const settings::SettingsImage& image) {
    const int seconds = settings::ReadDecimal(image, kReturnTimeOffset, 2);
    for (const ReturnTime& r : kReturnTimes) {
        if (r.seconds == seconds)
            m_returnTime = QString::fromUtf8(r.text);
    }
    // Whatever the byte holds is shown; the range is checked when the page is stored.
    m_intakeTime = settings::ReadDecimal(image, kIntakeTimeOffset, 1);
    DecodeCorrection(image, kFrontTractorOffset, m_frontTractor);
    DecodeCorrection(image, kRearTractorOffset, m_rearTractor);
    DecodeCorrection(image, kSheetGuideOffset, m_sheetGuide);
    DecodeCorrection(image, kSheetFeederOffset, m_sheetFeeder);
    UpdateData(false);
}

void CPage_Param_2::StoreToImage(settings::SettingsImage& image) {
    // A failed exchange has shown its message; the members it did not reach are written as they were.
    UpdateData(true);
    int seconds = kDefaultReturnTime;
    for (const ReturnTime& r : kReturnTimes) {
        if (m_returnTime == QString::fromUtf8(r.text))
            seconds = r.seconds;
    }
    settings::WriteDecimal(image, kReturnTimeOffset, 2, seconds);
    // Not clamped: a loaded value that failed the range check goes back as it came.
    settings::WriteDecimal(image, kIntakeTimeOffset, 1, m_intakeTime);
    EncodeCorrection(image, kSheetGuideOffset, m_sheetGuide);
    EncodeCorrection(image, kSheetFeederOffset, m_sheetFeeder);
    EncodeCorrection(image, kFrontTractorOffset, m_frontTractor);
    EncodeCorrection(image, kRearTractorOffset, m_rearTractor);
}

void CPage_Param_2::OnChangeIntakeTime() {
    bool translated = false;
    long long value = GetDlgItemInt(IDC_INTAKE_TIME, &translated, false);
    const QString fullText = GetDlgItemText(IDC_INTAKE_TIME);
    const QString text = fullText.left(kTextLimit);
    if (text.size() > 2) {
        // Long input (leading zeros, a pasted number) is rewritten as its plain value. Only a
        // different text is written, so the rewriting ends; what follows judges the new text.
        const QString plain = QString::number(LeadingNumber(text));
        if (plain != fullText) {
            SetDlgItemText(IDC_INTAKE_TIME, plain);
            value = GetDlgItemInt(IDC_INTAKE_TIME, &translated, false);
        }
    }
    // Only what the user is typing is corrected; a loaded value waits for the range check.
    if (GetFocus() == GetDlgItem(IDC_INTAKE_TIME)) {
        if (value < kMinIntakeTime)
            SetDlgItemText(IDC_INTAKE_TIME, QString::number(kMinIntakeTime));
        else if (value > kMaxIntakeTime)
            SetDlgItemText(IDC_INTAKE_TIME, QString::number(kMaxIntakeTime));
    }
    SendDataCheck();
}

bool CPage_Param_2::OnCommand(int id, int code) {
    switch (id) {
        case IDC_SHEET_GUIDE:
        case IDC_RETURN_TIME:
        case IDC_SHEET_FEEDER:
        case IDC_FRONT_TRACTOR:
        case IDC_REAR_TRACTOR:
            SendDataCheck();
            break;
        default:
            break;
    }
    return SettingsPage::OnCommand(id, code);
}
