#include "pages/MswPage.h"

#include <algorithm>

#include "framework/CDataExchange.h"
#include "settings/FieldCodec.h"

namespace {

// Country names of the list, in list order, with the code each stands for.
const std::array<QString, 5> kCountries = {QStringLiteral("日本"), QStringLiteral("アメリカ"),
                                           QStringLiteral("イギリス"), QStringLiteral("ドイツ"),
                                           QStringLiteral("スウェーデン")};
constexpr int kCountryCodes[5] = {0, 2, 3, 4, 5};

QString CountryName(int code) {
    // Codes 1, 6 and 7 have no country of their own: they show as Japan (and are written as 0).
    for (int i = 0; i < 5; ++i) {
        if (kCountryCodes[i] == code)
            return kCountries[i];
    }
    return kCountries[0];
}

int CountryCode(const QString& name) {
    for (int i = 0; i < 5; ++i) {
        if (kCountries[i] == name)
            return kCountryCodes[i];
    }
    return 0;
}

}  // namespace

MswPage::MswPage(const MswLayout& layout) : SettingsPage(layout.templateId), m_layout(layout) {
    for (int k = 0; k < 8; ++k)
        m_members[k] = layout.switches[k].kind == MswSwitch::Radio ? -1 : 0;
}

void MswPage::LoadFromImage(const settings::SettingsImage& image) {
    for (int k = 0; k < 8; ++k)
        m_switches[k] = settings::ReadSwitch(image, m_layout.offset, k + 1);
    for (int k = 0; k < 8; ++k) {
        const MswSwitch& s = m_layout.switches[k];
        if (s.kind == MswSwitch::Radio || s.kind == MswSwitch::Check)
            m_members[k] = m_switches[k];
        if (s.kind == MswSwitch::Country)
            m_country = CountryName(m_switches[k] + 2 * m_switches[k + 1] + 4 * m_switches[k + 2]);
    }
    UpdateData(false);
}

void MswPage::StoreToImage(settings::SettingsImage& image) {
    UpdateData(true);
    for (int k = 0; k < 8; ++k) {
        const MswSwitch& s = m_layout.switches[k];
        switch (s.kind) {
            case MswSwitch::Radio:
            case MswSwitch::Check:
                m_switches[k] = m_members[k] == 1 ? 1 : 0;
                break;
            case MswSwitch::Country: {
                const int code = CountryCode(m_country);
                m_switches[k] = code & 1;
                m_switches[k + 1] = (code >> 1) & 1;
                m_switches[k + 2] = (code >> 2) & 1;
                break;
            }
            case MswSwitch::Cleared:
                m_switches[k] = 0;
                break;
            case MswSwitch::PartOfCountry:
            case MswSwitch::Kept:
                break;
        }
    }
    int values[8];
    std::copy(m_switches.begin(), m_switches.end(), values);
    settings::WriteSwitchPair(image, m_layout.offset, values);
}

void MswPage::DoDataExchange(CDataExchange* pDX) {
    for (int k = 0; k < 8; ++k) {
        const MswSwitch& s = m_layout.switches[k];
        if (s.kind == MswSwitch::Radio)
            DDX_Radio(pDX, s.id, m_members[k]);
        if (s.kind == MswSwitch::Check)
            DDX_Check(pDX, s.id, m_members[k]);
        if (s.kind == MswSwitch::Country) {
            DDX_CBString(pDX, s.id, m_country);
            DDV_MaxChars(pDX, m_country, 20);
        }
    }
}

bool MswPage::OnCommand(int id, int code) {
    // The main window collects every page before this page handles its own control's notice.
    const auto& ids = m_layout.notifyingIds;
    if (std::find(ids.begin(), ids.end(), id) != ids.end())
        SendDataCheck();
    return SettingsPage::OnCommand(id, code);
}
