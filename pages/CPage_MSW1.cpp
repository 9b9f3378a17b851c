#include "pages/CPage_MSW1.h"

#include "framework/CDataExchange.h"
#include "settings/PanelWords.h"

namespace {

constexpr int kCountryList = 1010;

const MswLayout kLayout{
    res::IDD_MSW1,
    0,
    {{{MswSwitch::Own},
      {MswSwitch::Own},
      {MswSwitch::Own},
      {MswSwitch::Radio, 1007},
      {MswSwitch::Radio, 1016},
      {MswSwitch::Radio, 1008},
      {MswSwitch::Radio, 1011},
      {MswSwitch::Radio, 1014}}},
    {1007, 1008, 1009, 1010, 1011, 1012, 1014, 1015, 1016, 1234, 1235},
};

}  // namespace

CPage_MSW1::CPage_MSW1() : MswPage(kLayout) {}

void CPage_MSW1::DoDataExchange(CDataExchange* pDX) {
    MswPage::DoDataExchange(pDX);
    DDX_CBString(pDX, kCountryList, m_country);
    DDV_MaxChars(pDX, m_country, 20);
}

void CPage_MSW1::ShowOwnSwitches() {
    // Codes that name no country show as Japan.
    const int index = settings::CountryIndex(settings::CountryCode(m_switches));
    m_country = QString::fromUtf8(settings::words::kCountries[static_cast<std::size_t>(index)].text);
}

void CPage_MSW1::TakeOwnSwitches() {
    int index = -1;  // no country chosen (or an unknown text) counts as Japan
    for (std::size_t i = 0; i < settings::words::kCountries.size(); ++i) {
        if (m_country == QString::fromUtf8(settings::words::kCountries[i].text)) {
            index = static_cast<int>(i);
            break;
        }
    }
    settings::SetCountry(index, m_switches);
}
