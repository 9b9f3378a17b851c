#include "pages/MswPage.h"

#include <algorithm>

#include "framework/CDataExchange.h"

namespace {

bool OnPage(const MswSwitch& s) {
    return s.kind == MswSwitch::Radio || s.kind == MswSwitch::Check;
}

}  // namespace

MswPage::MswPage(const MswLayout& layout) : OldSettingsPage(layout.templateId), m_layout(layout) {
    for (const MswSwitch& s : layout.switches) {
        if (OnPage(s))
            m_exchange.push_back(s.kind == MswSwitch::Radio ? -1 : 0);
    }
}

void MswPage::LoadFromImage(const settings::SettingsImage& image) {
    m_switches = settings::DecodeSwitches(image, m_layout.msw);
    std::size_t member = 0;
    for (int k = 0; k < 8; ++k) {
        if (OnPage(m_layout.switches[k]))
            m_exchange[member++] = m_switches[k];
    }
    ShowOwnSwitches();
    UpdateData(false);
}

void MswPage::StoreToImage(settings::SettingsImage& image) {
    UpdateData(true);
    std::size_t member = 0;
    for (int k = 0; k < 8; ++k) {
        const MswSwitch& s = m_layout.switches[k];
        if (OnPage(s)) {
            // A group with no button checked (only before the first load) counts as 0, so the
            // byte never carries anything but the eight switch bits.
            m_switches[k] = m_exchange[member++] == 1 ? 1 : 0;
        }
    }
    TakeOwnSwitches();
    settings::EncodeSwitches(m_switches, m_layout.msw, image);
}

void MswPage::DoDataExchange(CDataExchange* pDX) {
    std::size_t member = 0;
    for (const MswSwitch& s : m_layout.switches) {
        if (s.kind == MswSwitch::Radio)
            DDX_Radio(pDX, s.id, m_exchange[member++]);
        else if (s.kind == MswSwitch::Check)
            DDX_Check(pDX, s.id, m_exchange[member++]);
    }
}

bool MswPage::OnCommand(int id, int code) {
    // The main window collects every page before this page handles its own control's notice.
    const auto& ids = m_layout.notifyingIds;
    if (std::find(ids.begin(), ids.end(), id) != ids.end())
        SendDataCheck();
    return OldSettingsPage::OnCommand(id, code);
}
