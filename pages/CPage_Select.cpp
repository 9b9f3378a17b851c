#include "pages/CPage_Select.h"

#include <algorithm>
#include <array>

#include "framework/CDataExchange.h"
#include "settings/FormatBlock.h"
#include "settings/SettingsImage.h"

namespace {

constexpr int IDC_GOTHIC = 1015;
constexpr int IDC_HOPPER2 = 1018;
constexpr int IDC_MINCHO = 1044;
constexpr int IDC_FORMAT = 1056;
constexpr int IDC_REDUCTION = 1057;
constexpr int IDC_HOPPER1 = 1239;
constexpr int IDC_FORMAT_SETTINGS = 1002;

constexpr std::size_t kHopperOffset = 58;
constexpr std::size_t kTypefaceOffset = 60;
constexpr std::size_t kReductionOffset = 62;
constexpr std::size_t kFormatOffset = 70;

struct Reduction {
    std::uint8_t code;
    QString text;
};
const std::array<Reduction, 5> kReductions = {{
    {'0', QStringLiteral("縮小なし")},
    {'1', QStringLiteral("２／３縮小（左基準）")},
    {'3', QStringLiteral("２／３縮小（中央基準）")},
    {'5', QStringLiteral("４／５縮小（左基準）")},
    {'7', QStringLiteral("４／５縮小（中央基準）")},
}};

const std::array<QString, 4> kFormatNames = {QStringLiteral("書式０"), QStringLiteral("書式１"),
                                             QStringLiteral("書式２"), QStringLiteral("書式３")};

template <std::size_t N>
void CopyIn(const settings::SettingsImage& image, std::size_t offset, std::array<std::uint8_t, N>& block) {
    std::copy_n(image.data() + offset, N, block.begin());
}

template <std::size_t N>
void CopyOut(const std::array<std::uint8_t, N>& block, settings::SettingsImage& image, std::size_t offset) {
    std::copy_n(block.begin(), N, image.data() + offset);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPage_Select, SettingsPage)
ON_BN_CLICKED(IDC_FORMAT_SETTINGS, OnFormatSettings)
END_MESSAGE_MAP()

CPage_Select::CPage_Select() : SettingsPage(res::IDD_SELECT) {}

void CPage_Select::DoDataExchange(CDataExchange* pDX) {
    SettingsPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_REDUCTION, m_reducedPrinting);
    DDV_MaxChars(pDX, m_reducedPrinting, 30);
    DDX_Radio(pDX, IDC_MINCHO, m_typeface);
    DDX_CBString(pDX, IDC_FORMAT, m_formatName);
    DDV_MaxChars(pDX, m_formatName, 20);
    DDX_Radio(pDX, IDC_HOPPER1, m_hopper);
}

void CPage_Select::LoadFromImage(const settings::SettingsImage& image) {
    // Codes outside the lists leave the previous choice (the typeface excepted).
    for (const Reduction& r : kReductions) {
        if (image[kReductionOffset] == r.code)
            m_reducedPrinting = r.text;
    }
    if (image[kHopperOffset] == '1')
        m_hopper = 0;
    else if (image[kHopperOffset] == '2')
        m_hopper = 1;
    m_loadedTypeface = image[kTypefaceOffset];
    m_typeface = image[kTypefaceOffset] - '0';
    const std::uint8_t format = image[kFormatOffset];
    if (format >= '0' && format <= '3')
        m_formatName = kFormatNames[format - '0'];

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
    for (const Reduction& r : kReductions) {
        if (m_reducedPrinting == r.text) {
            image[kReductionOffset] = r.code;
            break;
        }
    }
    image[kHopperOffset] = m_hopper == 1 ? '2' : '1';
    if (m_typeface == 0 || m_typeface == 1)
        image[kTypefaceOffset] = static_cast<std::uint8_t>('0' + m_typeface);
    else
        image[kTypefaceOffset] = m_loadedTypeface;
    image[kFormatOffset] = '0';
    for (std::size_t i = 0; i < kFormatNames.size(); ++i) {
        if (m_formatName == kFormatNames[i])
            image[kFormatOffset] = static_cast<std::uint8_t>('0' + i);
    }
    CopyOut(m_formatDialog.m_block0, image, settings::kFormat0Offset);
    CopyOut(m_formatDialog.m_block1, image, settings::kFormatNOffsets[0]);
    CopyOut(m_formatDialog.m_block2, image, settings::kFormatNOffsets[1]);
    CopyOut(m_formatDialog.m_block3, image, settings::kFormatNOffsets[2]);
}

void CPage_Select::RefreshFormatButton() {
    SetDlgItemText(IDC_FORMAT_SETTINGS, m_formatName + QStringLiteral("の設定(&D)"));
}

void CPage_Select::OnFormatSettings() {
    // The held name is current: every notice of the format list has run the data check already.
    if (m_formatName == kFormatNames[0])
        m_formatDialog.DecodeFormat0(m_formatDialog.m_block0);
    else if (m_formatName == kFormatNames[1])
        m_formatDialog.DecodeFormatN(m_formatDialog.m_block1);
    else if (m_formatName == kFormatNames[2])
        m_formatDialog.DecodeFormatN(m_formatDialog.m_block2);
    else if (m_formatName == kFormatNames[3])
        m_formatDialog.DecodeFormatN(m_formatDialog.m_block3);
    m_formatDialog.m_formatName = m_formatName;
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
    return SettingsPage::OnCommand(id, code);
}
