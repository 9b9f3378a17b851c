#include "pages/CPage_Param_2.h"
#include "pages/LeadingNumber.h"

#include "framework/CDataExchange.h"
#include "framework/UpDownControl.h"
#include "settings/PanelWords.h"
#include "settings/SettingsImage.h"

namespace {

constexpr int IDC_INTAKE_TIME = 1064;
constexpr int IDC_SPIN_INTAKE_TIME = 1060;
constexpr int IDC_SHEET_GUIDE = 1067;
constexpr int IDC_RETURN_TIME = 1068;
constexpr int IDC_SHEET_FEEDER = 1071;
constexpr int IDC_FRONT_TRACTOR = 1072;
constexpr int IDC_REAR_TRACTOR = 1073;

// The edit text the handler looks at, as a fixed buffer would hold it.
constexpr int kTextLimit = 9;
constexpr settings::Range kSeconds = settings::kIntakeTimeRange;

QString ReturnTimeText(int seconds) {
    for (const settings::words::ReturnTimeWord& r : settings::words::kReturnTimes) {
        if (r.seconds == seconds)
            return QString::fromUtf8(r.text);
    }
    return {};
}

// Any text that names no return time is written as the default.
int ReturnTimeSeconds(const QString& text) {
    for (const settings::words::ReturnTimeWord& r : settings::words::kReturnTimes) {
        if (text == QString::fromUtf8(r.text))
            return r.seconds;
    }
    return -1;
}

// The list shows the text when it holds it; read back, the list's text replaces it.
void DDX_Pitch(CDataExchange* pDX, int id, std::string& text) {
    QString shown = QString::fromStdString(text);
    DDX_CBString(pDX, id, shown);
    DDV_MaxChars(pDX, shown, 10);
    if (pDX->m_bSaveAndValidate)
        text = shown.toStdString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CPage_Param_2, OldSettingsPage)
ON_EN_CHANGE(IDC_INTAKE_TIME, OnChangeIntakeTime)
END_MESSAGE_MAP()

CPage_Param_2::CPage_Param_2() : OldSettingsPage(res::IDD_PARAM2) {}

bool CPage_Param_2::OnInitDialog() {
    OldSettingsPage::OnInitDialog();
    if (auto* spin = qobject_cast<UpDownControl*>(GetDlgItem(IDC_SPIN_INTAKE_TIME)))
        spin->SetRange(kSeconds.min, kSeconds.max);
    return true;
}

void CPage_Param_2::DoDataExchange(CDataExchange* pDX) {
    OldSettingsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_INTAKE_TIME, m_values.intakeTime);
    DDV_MinMaxInt(pDX, m_values.intakeTime, kSeconds.min, kSeconds.max);
    QString returnTime = ReturnTimeText(m_values.returnTime);
    DDX_CBString(pDX, IDC_RETURN_TIME, returnTime);
    DDV_MaxChars(pDX, returnTime, 20);
    if (pDX->m_bSaveAndValidate)
        m_values.returnTime = ReturnTimeSeconds(returnTime);
    // The lists in the page's order; the values are kept in image order.
    DDX_Pitch(pDX, IDC_SHEET_GUIDE, m_values.pitch[2]);
    DDX_Pitch(pDX, IDC_SHEET_FEEDER, m_values.pitch[3]);
    DDX_Pitch(pDX, IDC_FRONT_TRACTOR, m_values.pitch[0]);
    DDX_Pitch(pDX, IDC_REAR_TRACTOR, m_values.pitch[1]);
}

void CPage_Param_2::LoadFromImage(const settings::SettingsImage& image) {
    // Whatever the intake byte holds is shown; the range is checked when the page is stored.
    settings::DecodeParam2(image, m_values);
    UpdateData(false);
}

void CPage_Param_2::StoreToImage(settings::SettingsImage& image) {
    // A failed exchange has shown its message; the members it did not reach are written as they were.
    UpdateData(true);
    settings::EncodeParam2(m_values, image);
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
        if (value < kSeconds.min)
            SetDlgItemText(IDC_INTAKE_TIME, QString::number(kSeconds.min));
        else if (value > kSeconds.max)
            SetDlgItemText(IDC_INTAKE_TIME, QString::number(kSeconds.max));
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
    return OldSettingsPage::OnCommand(id, code);
}
