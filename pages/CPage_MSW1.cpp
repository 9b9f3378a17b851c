#include "pages/CPage_MSW1.h"

#include "framework/CDataExchange.h"

namespace {

constexpr int kCountryList = 1010;

const MswLayout kLayout{
    res::IDD_MSW1,
    4,
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

struct Country {
    const char* name;
    int code;
};
// In list order; the first name that equals the list's text decides the code.
constexpr Country kCountries[] = {
    {"日本", 0}, {"アメリカ", 2}, {"イギリス", 3}, {"ドイツ", 4}, {"スウェーデン", 5},
};

QString CountryName(int code) {
    // Codes 1, 6 and 7 name no country: they show as Japan and are written back as 0.
    for (const Country& c : kCountries) {
        if (c.code == code)
            return QString::fromUtf8(c.name);
    }
    return QString::fromUtf8(kCountries[0].name);
}

int CountryCode(const QString& name) {
    for (const Country& c : kCountries) {
        if (name == QString::fromUtf8(c.name))
            return c.code;
    }
    return 0;  // no country chosen (or an unknown text) counts as Japan
}

}  // namespace

CPage_MSW1::CPage_MSW1() : MswPage(kLayout) {}

void CPage_MSW1::DoDataExchange(CDataExchange* pDX) {
    MswPage::DoDataExchange(pDX);
    DDX_CBString(pDX, kCountryList, m_country);
    DDV_MaxChars(pDX, m_country, 20);
}

void CPage_MSW1::ShowOwnSwitches() {
    m_country = CountryName(m_switches[0] + 2 * m_switches[1] + 4 * m_switches[2]);
}

void CPage_MSW1::TakeOwnSwitches() {
    const int code = CountryCode(m_country);
    m_switches[0] = code & 1;
    m_switches[1] = (code >> 1) & 1;
    m_switches[2] = (code >> 2) & 1;
}
