#include "pages/OldFormatSettingsDialog.h"
#include "pages/LeadingNumber.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "framework/CDataExchange.h"
#include "framework/Services.h"
#include "framework/TrackbarControl.h"
#include "framework/UpDownControl.h"
#include "res/ResourceIds.h"

namespace {

constexpr int IDC_PAPER_LENGTH = 1054;
constexpr int IDC_SPIN_PAPER_LENGTH = 1097;
constexpr int IDC_LEFT_LABEL = 1209;
constexpr int IDC_LEFT_MARGIN = 1201;
constexpr int IDC_SPIN_LEFT_MARGIN = 1203;
constexpr int IDC_LEFT_UNIT = 1210;
constexpr int IDC_RIGHT_LABEL = 1211;
constexpr int IDC_RIGHT_MARGIN = 1202;
constexpr int IDC_SPIN_RIGHT_MARGIN = 1204;
constexpr int IDC_RIGHT_UNIT = 1212;

constexpr int kMinPosition = 40;
constexpr int kMaxPosition = 132;
constexpr int kMinLength = 1;
constexpr int kMaxLength = 99;
constexpr int kMaxLeftMargin = 135;
constexpr int kMinRightMargin = 1;
constexpr int kMaxRightMargin = 136;

// Texts longer than these are rewritten as their leading number.
constexpr int kLongPosition = 4;
constexpr int kLongLength = 3;
constexpr int kLongMargin = 4;

struct IntakePath {
    int edit;
    int trackbar;
    int spin;
    bool postcard;
    int settings::FormatValues::*position;
    int settings::FormatValues::*stop;
    const char* caption;
    const char* message;
};

// In the order of the exchange and of the checks on OK.
const IntakePath kPaths[] = {
    {1060, 1094, 1099, false, &settings::FormatValues::front, &settings::FormatValues::frontStop,
     "フロントトラクタ吸入位置",
     "フロントトラクタの吸入位置の値が下限を超えています。\n設定値を変更します。"},
    {1200, 1100, 1101, false, &settings::FormatValues::rear, &settings::FormatValues::rearStop,
     "リアトラクタ吸入位置", "リアトラクタの吸入位置の値が下限を超えています。\n設定値を変更します。"},
    {1062, 1095, 1098, false, &settings::FormatValues::guide, &settings::FormatValues::guideStop,
     "シートガイド吸入位置", "シートガイドの吸入位置の値が下限を超えています。\n設定値を変更します。"},
    {1066, 1102, 1103, false, &settings::FormatValues::feeder, &settings::FormatValues::feederStop,
     "シートフィーダ吸入位置", "シートフィーダの吸入位置の値が下限を超えています。\n設定値を変更します。"},
    {1064, 1096, 1065, true, &settings::FormatValues::postcard, &settings::FormatValues::postcardStop,
     "はがき吸入位置", "はがきの吸入位置の値が下限を超えています。\n設定値を変更します。"},
};

const QString kFormat0 = QStringLiteral("書式０");
const QString kFormatN[3] = {QStringLiteral("書式１"), QStringLiteral("書式２"), QStringLiteral("書式３")};

// Lone values that become 40 at once while typing: an emptied edit and the digits 2 and 3, which
// no further digit brings into 40..132; the postcard edit treats a lone 4 the same way. Other
// small values stay, since the user may still be typing a larger number.
bool IsDeadStart(int v, bool postcard) {
    return v == 0 || v == 2 || v == 3 || (postcard && v == 4);
}

}  // namespace

BEGIN_MESSAGE_MAP(OldFormatSettingsDialog, CDialog)
ON_EN_CHANGE(1060, OnChangeFrontTractor)
ON_EN_CHANGE(1200, OnChangeRearTractor)
ON_EN_CHANGE(1062, OnChangeSheetGuide)
ON_EN_CHANGE(1066, OnChangeSheetFeeder)
ON_EN_CHANGE(1064, OnChangePostcard)
ON_EN_CHANGE(IDC_PAPER_LENGTH, OnChangePaperLength)
ON_EN_CHANGE(IDC_LEFT_MARGIN, OnChangeLeftMargin)
ON_EN_CHANGE(IDC_RIGHT_MARGIN, OnChangeRightMargin)
ON_WM_HSCROLL()
END_MESSAGE_MAP()

OldFormatSettingsDialog::OldFormatSettingsDialog() : CDialog(res::IDD_FORMAT) {}

void OldFormatSettingsDialog::DecodeFormat0(const Block0& block) {
    settings::DecodeFormat0(block.data(), m_values);
}

void OldFormatSettingsDialog::DecodeFormatN(const BlockN& block) {
    settings::DecodeFormatN(block.data(), m_values);
}

void OldFormatSettingsDialog::EncodeFormat0(Block0& block) const {
    settings::EncodeFormat0(m_values, block.data());
}

void OldFormatSettingsDialog::EncodeFormatN(BlockN& block) const {
    settings::EncodeFormatN(m_values, block.data());
}

void OldFormatSettingsDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (const IntakePath& path : kPaths) {
        DDX_Text(pDX, path.edit, m_values.*path.position);
        DDV_MinMaxInt(pDX, m_values.*path.position, kMinPosition, kMaxPosition);
        DDX_Slider(pDX, path.trackbar, m_values.*path.stop);
    }
    DDX_Text(pDX, IDC_PAPER_LENGTH, m_values.paperLength);
    DDV_MinMaxInt(pDX, m_values.paperLength, kMinLength, kMaxLength);
    DDX_Text(pDX, IDC_LEFT_MARGIN, m_values.leftMargin);
    DDX_Text(pDX, IDC_RIGHT_MARGIN, m_values.rightMargin);
}

bool OldFormatSettingsDialog::OnInitDialog() {
    m_rightMarginPending = 0;
    CDialog::OnInitDialog();
    SetWindowText(QStringLiteral("書式の設定： ") + m_formatName);
    // Format 0 has no margins.
    const bool margins = m_formatName != kFormat0;
    for (int id : {IDC_LEFT_LABEL, IDC_LEFT_MARGIN, IDC_SPIN_LEFT_MARGIN, IDC_LEFT_UNIT, IDC_RIGHT_LABEL,
                   IDC_RIGHT_MARGIN, IDC_SPIN_RIGHT_MARGIN, IDC_RIGHT_UNIT}) {
        if (QWidget* w = GetDlgItem(id))
            w->setEnabled(margins);
    }
    for (const IntakePath& path : kPaths) {
        if (auto* bar = qobject_cast<TrackbarControl*>(GetDlgItem(path.trackbar)))
            bar->SetRange(0, 2);
    }
    const struct {
        int id, min, max;
    } spins[] = {{kPaths[0].spin, kMinPosition, kMaxPosition},
                 {kPaths[1].spin, kMinPosition, kMaxPosition},
                 {kPaths[2].spin, kMinPosition, kMaxPosition},
                 {kPaths[3].spin, kMinPosition, kMaxPosition},
                 {kPaths[4].spin, kMinPosition, kMaxPosition},
                 {IDC_SPIN_PAPER_LENGTH, kMinLength, kMaxLength},
                 {IDC_SPIN_LEFT_MARGIN, 0, kMaxLeftMargin},
                 {IDC_SPIN_RIGHT_MARGIN, kMinRightMargin, kMaxRightMargin}};
    for (const auto& s : spins) {
        if (auto* spin = qobject_cast<UpDownControl*>(GetDlgItem(s.id)))
            spin->SetRange(s.min, s.max);
    }
    return true;
}

bool OldFormatSettingsDialog::HasFocus(int id) const {
    QWidget* w = GetDlgItem(id);
    return w && GetFocus() == w;
}

int OldFormatSettingsDialog::EditValue(int id) const {
    return static_cast<int>(GetDlgItemInt(id, nullptr, true));
}

void OldFormatSettingsDialog::ReplaceText(int id, int value) {
    const QString text = QString::number(value);
    if (GetDlgItemText(id) != text)
        SetDlgItemText(id, text);
}

void OldFormatSettingsDialog::OnChangeFrontTractor() {
    OnChangeIntake(0);
}
void OldFormatSettingsDialog::OnChangeRearTractor() {
    OnChangeIntake(1);
}
void OldFormatSettingsDialog::OnChangeSheetGuide() {
    OnChangeIntake(2);
}
void OldFormatSettingsDialog::OnChangeSheetFeeder() {
    OnChangeIntake(3);
}
void OldFormatSettingsDialog::OnChangePostcard() {
    OnChangeIntake(4);
}

void OldFormatSettingsDialog::OnChangeIntake(int index) {
    const IntakePath& path = kPaths[index];
    const QString text = GetDlgItemText(path.edit);
    int v = EditValue(path.edit);
    std::optional<int> target;
    const bool longText = text.size() > kLongPosition;
    if (longText) {
        v = LeadingNumber(text);
        target = v;
    }
    // Only typing is corrected. A digit that may still grow into a valid value stays; a long
    // text is complete, so it is brought into the range at once.
    if (HasFocus(path.edit)) {
        if (longText)
            target = std::clamp(v, kMinPosition, kMaxPosition);
        else if (v < kMinPosition && IsDeadStart(v, path.postcard))
            target = kMinPosition;
        else if (v > kMaxPosition)
            target = kMaxPosition;
    }
    if (target) {
        ReplaceText(path.edit, *target);
        v = *target;
    }
    if (auto* bar = qobject_cast<TrackbarControl*>(GetDlgItem(path.trackbar)))
        bar->SetPos(settings::NearestStop(v, path.postcard));
}

void OldFormatSettingsDialog::OnChangePaperLength() {
    const QString text = GetDlgItemText(IDC_PAPER_LENGTH);
    int v = EditValue(IDC_PAPER_LENGTH);
    std::optional<int> target;
    if (text.size() > kLongLength) {
        v = LeadingNumber(text);
        target = v;
    }
    if (HasFocus(IDC_PAPER_LENGTH))
        target = std::clamp(v, kMinLength, kMaxLength);
    if (target)
        ReplaceText(IDC_PAPER_LENGTH, *target);
}

void OldFormatSettingsDialog::OnChangeLeftMargin() {
    const QString text = GetDlgItemText(IDC_LEFT_MARGIN);
    int v = EditValue(IDC_LEFT_MARGIN);
    const int right = EditValue(IDC_RIGHT_MARGIN);
    std::optional<int> target;
    if (text.size() > kLongMargin) {
        v = LeadingNumber(text);
        target = v;
    }
    if (HasFocus(IDC_LEFT_MARGIN)) {
        if (v < 0) {
            target = 0;
        } else if (v >= right) {
            // With a right margin of 0 or less (a stray block) there is no smaller value to offer:
            // 0 is kept without a message, so the correction cannot repeat itself.
            const int fixed = std::clamp(right - 1, 0, kMaxLeftMargin);
            if (fixed != v) {
                MessageBox(this,
                           QStringLiteral("レフトマージン幅はライトマージン幅より小さくしてください。"
                                          "適正値に変更します。"),
                           QStringLiteral("レフトマージン幅"), MB_OK | MB_ICONEXCLAMATION);
            }
            target = fixed;
        } else if (v > kMaxLeftMargin) {
            target = kMaxLeftMargin;
        }
    }
    if (target)
        ReplaceText(IDC_LEFT_MARGIN, *target);
}

void OldFormatSettingsDialog::OnChangeRightMargin() {
    m_rightMarginPending = 0;
    const QString text = GetDlgItemText(IDC_RIGHT_MARGIN);
    int v = EditValue(IDC_RIGHT_MARGIN);
    const int left = EditValue(IDC_LEFT_MARGIN);
    std::optional<int> target;
    if (text.size() > kLongMargin) {
        v = LeadingNumber(text);
        target = v;
    }
    if (HasFocus(IDC_RIGHT_MARGIN)) {
        const int fixed = std::clamp(v, kMinRightMargin, kMaxRightMargin);
        if (fixed != v || target)
            target = fixed;
        // The user may still be typing a larger number: the complaint waits for OK.
        if (left >= fixed)
            m_rightMarginPending = 1;
    }
    if (target)
        ReplaceText(IDC_RIGHT_MARGIN, *target);
}

void OldFormatSettingsDialog::OnHScroll(UINT, UINT, QWidget*) {
    // The trackbar being moved is the one with the focus (a click gives it the focus).
    QWidget* focus = GetFocus();
    for (const IntakePath& path : kPaths) {
        auto* bar = qobject_cast<TrackbarControl*>(GetDlgItem(path.trackbar));
        if (!bar || focus != bar)
            continue;
        SetDlgItemInt(path.edit, settings::StopValue(bar->GetPos(), path.postcard));
        return;
    }
}

void OldFormatSettingsDialog::OnOK() {
    if (m_rightMarginPending != 0) {
        MessageBox(this,
                   QStringLiteral("ライトマージン幅はレフトマージン幅より大きくしてください。"
                                  "適正値に変更します。"),
                   QStringLiteral("ライトマージン幅"), MB_OK | MB_ICONEXCLAMATION);
        // The change this raises clears the pending error.
        SetDlgItemInt(IDC_RIGHT_MARGIN, static_cast<long long>(EditValue(IDC_LEFT_MARGIN)) + 1);
        SetFocus(GetDlgItem(IDC_RIGHT_MARGIN));
        return;
    }
    // One low intake position per press, the front-most first.
    for (const IntakePath& path : kPaths) {
        if (EditValue(path.edit) >= kMinPosition)
            continue;
        MessageBox(this, QString::fromUtf8(path.message), QString::fromUtf8(path.caption),
                   MB_OK | MB_ICONEXCLAMATION);
        SetDlgItemInt(path.edit, kMinPosition);
        return;
    }
    if (!UpdateData(true))
        return;
    if (m_formatName == kFormat0) {
        EncodeFormat0(m_block0);
    } else if (m_formatName == kFormatN[0]) {
        EncodeFormatN(m_block1);
    } else if (m_formatName == kFormatN[1]) {
        EncodeFormatN(m_block2);
    } else if (m_formatName == kFormatN[2]) {
        EncodeFormatN(m_block3);
    }
    EndDialog(IDOK);
}
