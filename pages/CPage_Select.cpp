#include "pages/CPage_Select.h"

#include <algorithm>
#include <array>

#include "pages/ChoiceExchange.h"
#include "settings/FormatBlock.h"
#include "settings/PanelWords.h"
#include "settings/SettingsImage.h"

namespace {

constexpr int IDC_GOTHIC = 1015;
constexpr int IDC_HOPPER2 = 1018;
constexpr int IDC_MINCHO = 1044;
constexpr int IDC_FORMAT = 1056;
constexpr int IDC_REDUCTION = 1057;
constexpr int IDC_HOPPER1 = 1239;
constexpr int IDC_FORMAT_SETTINGS = 1002;

// The reduced-printing list holds the texts of the codes, in code order.
constexpr std::array<std::string_view, settings::words::kReductions.size()> kReductionTexts = [] {
    std::array<std::string_view, settings::words::kReductions.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = settings::words::kReductions[i].text;
    return texts;
}();

QString FormatName(int format) {
    return format >= 0 ? QString::fromUtf8(settings::words::kFormats[static_cast<std::size_t>(format)])
                       : QString();
}

template <std::size_t N>
void CopyIn(const settings::SettingsImage& image, std::size_t offset, std::array<std::uint8_t, N>& block) {
    std::copy_n(image.data() + offset, N, block.begin());
}

template <std::size_t N>
void CopyOut(const std::array<std::uint8_t, N>& block, settings::SettingsImage& image, std::size_t offset) {
    std::copy_n(block.begin(), N, image.data() + offset);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPage_Select, OldSettingsPage)
ON_BN_CLICKED(IDC_FORMAT_SETTINGS, OnFormatSettings)
END_MESSAGE_MAP()

CPage_Select::CPage_Select() : OldSettingsPage(res::IDD_SELECT) {}

void CPage_Select::DoDataExchange(CDataExchange* pDX) {
    OldSettingsPage::DoDataExchange(pDX);
    DDX_Choice(pDX, IDC_REDUCTION, kReductionTexts, m_values.reduction, 30);
    DDX_Radio(pDX, IDC_MINCHO, m_values.typeface);
    DDX_Choice(pDX, IDC_FORMAT, settings::words::kFormats, m_values.format, 20);
    DDX_Radio(pDX, IDC_HOPPER1, m_values.hopper);
}

void CPage_Select::LoadFromImage(const settings::SettingsImage& image) {
    settings::DecodeSelect(image, m_values);
    // The blocks travel unread; only the dialog looks inside them.
    CopyIn(image, settings::kFormat0Offset, m_formatDialog.m_block0);
    CopyIn(image, settings::kFormatNOffsets[0], m_formatDialog.m_block1);
    CopyIn(image, settings::kFormatNOffsets[1], m_formatDialog.m_block2);
    CopyIn(image, settings::kFormatNOffsets[2], m_formatDialog.m_block3);
    UpdateData(false);
}

void CPage_Select::StoreToImage(settings::SettingsImage& image) {
    // A failed exchange has shown its message; the bytes are written all the same.
    UpdateData(true);
    settings::EncodeSelect(m_values, image);
    CopyOut(m_formatDialog.m_block0, image, settings::kFormat0Offset);
    CopyOut(m_formatDialog.m_block1, image, settings::kFormatNOffsets[0]);
    CopyOut(m_formatDialog.m_block2, image, settings::kFormatNOffsets[1]);
    CopyOut(m_formatDialog.m_block3, image, settings::kFormatNOffsets[2]);
}

void CPage_Select::RefreshFormatButton() {
    SetDlgItemText(IDC_FORMAT_SETTINGS, FormatName(m_values.format) + QStringLiteral("の設定(&D)"));
}

void CPage_Select::OnFormatSettings() {
    // The held name is current: every notice of the format list has run the data check already.
    switch (m_values.format) {
        case 0:
            m_formatDialog.DecodeFormat0(m_formatDialog.m_block0);
            break;
        case 1:
            m_formatDialog.DecodeFormatN(m_formatDialog.m_block1);
            break;
        case 2:
            m_formatDialog.DecodeFormatN(m_formatDialog.m_block2);
            break;
        case 3:
            m_formatDialog.DecodeFormatN(m_formatDialog.m_block3);
            break;
        default:
            break;
    }
    m_formatDialog.m_formatName = FormatName(m_values.format);
    // Only OK writes a block; the data check then carries it into the current image.
    if (m_formatDialog.DoModal() == IDOK)
        SendDataCheck();
}

bool CPage_Select::OnCommand(int id, int code) {
    switch (id) {
        case IDC_GOTHIC:
        case IDC_HOPPER2:
        case IDC_MINCHO:
        case IDC_REDUCTION:
        case IDC_HOPPER1:
            SendDataCheck();
            break;
        case IDC_FORMAT:
            SendDataCheck();
            RefreshFormatButton();
            break;
        default:
            break;
    }
    return OldSettingsPage::OnCommand(id, code);
}
