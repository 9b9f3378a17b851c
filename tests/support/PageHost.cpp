#include "tests/support/PageHost.h"

#include "settings/FactoryImage.h"
#include "tests/support/WidgetHelpers.h"

BEGIN_MESSAGE_MAP(PageHost, CWnd)
ON_COMMAND(res::ID_DATA_CHECK, OnDataCheck)
END_MESSAGE_MAP()

PageHost::PageHost() : current(settings::FactoryImage()) {
    auto* window = new QWidget;
    window->resize(420, 420);
    AttachWidget(window);
}

PageHost::~PageHost() = default;

void PageHost::Host(OldSettingsPage& page) {
    m_page = &page;
    page.Create(this);
    page.GetSafeHwnd()->move(8, 8);
    page.ShowWindow(true);
    testing_support::ShowAndActivate(GetSafeHwnd());
}

void PageHost::OnDataCheck() {
    ++dataChecks;
    if (onDataCheck)
        onDataCheck();
    if (storeOnDataCheck && m_page)
        m_page->StoreToImage(current);
}
