#include "tests/support/PageWindow.h"

#include <QVBoxLayout>

#include "pages/SettingsPage.h"
#include "settings/FactoryImage.h"
#include "tests/support/WidgetHelpers.h"

PageWindow::PageWindow(SettingsPage* page) : current(settings::FactoryImage()), m_page(page) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    connect(page, &SettingsPage::changed, this, [this] {
        ++dataChecks;
        if (onDataCheck)
            onDataCheck();
        if (storeOnDataCheck)
            m_page->store(current);
    });
    testing_support::ShowAndActivate(this);
}

void PageWindow::loadQuietly(const settings::SettingsImage& image) {
    const bool stores = storeOnDataCheck;
    storeOnDataCheck = false;
    m_page->load(image);
    storeOnDataCheck = stores;
}
