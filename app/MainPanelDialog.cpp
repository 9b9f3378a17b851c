#include "app/MainPanelDialog.h"

#include <QApplication>

#include "framework/TabControl.h"
#include "res/Images.h"
#include "settings/FactoryImage.h"

using namespace res;

BEGIN_MESSAGE_MAP(MainPanelDialog, CDialog)
ON_COMMAND(ID_LOAD_SETTINGS, OnLoadSettings)
ON_COMMAND(ID_TB_LOAD, OnLoadSettings)
ON_COMMAND(ID_SAVE_SETTINGS, OnSaveSettings)
ON_COMMAND(ID_TB_SAVE, OnSaveSettings)
ON_COMMAND(ID_SEND_SETTINGS, OnSendSettings)
ON_COMMAND(ID_TB_SEND, OnSendSettings)
ON_COMMAND(ID_FACTORY_SETTINGS, OnFactorySettings)
ON_COMMAND(ID_TB_FACTORY, OnFactorySettings)
ON_COMMAND(ID_SELECT_PRINTER, OnSelectPrinter)
ON_COMMAND(ID_TB_PRINTER, OnSelectPrinter)
ON_COMMAND(ID_EXIT_APP, OnExitApp)
ON_COMMAND(ID_PAGE_SELECT, OnPageSelect)
ON_COMMAND(ID_PAGE_PARAM, OnPageParam)
ON_COMMAND(ID_PAGE_PARAM2, OnPageParam2)
ON_COMMAND(ID_PAGE_MSW1, OnPageMsw1)
ON_COMMAND(ID_PAGE_MSW2, OnPageMsw2)
ON_COMMAND(ID_PAGE_MSW3, OnPageMsw3)
ON_COMMAND(ID_PAGE_MSW4, OnPageMsw4)
ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
ON_COMMAND(ID_DATA_CHECK, DataCheck)
ON_NOTIFY(TCN_SELCHANGE, IDC_TAB, OnTabSelChange)
END_MESSAGE_MAP()

namespace {

struct TabInfo {
    const char* caption;
    int image;
};
// Tab index = page index everywhere.
constexpr TabInfo kTabs[7] = {
    {"機能選択", 0}, {"パラメータ設定１", 2}, {"パラメータ設定２", 2}, {"ＭＳＷ１", 1},
    {"ＭＳＷ２", 1}, {"ＭＳＷ３", 1},         {"ＭＳＷ４", 1},
};

struct MenuPicture {
    UINT command;
    int bitmap;
};
constexpr MenuPicture kMenuImages[12] = {
    {ID_LOAD_SETTINGS, 160}, {ID_SAVE_SETTINGS, 161}, {ID_FACTORY_SETTINGS, 163}, {ID_SELECT_PRINTER, 164},
    {ID_SEND_SETTINGS, 162}, {ID_PAGE_SELECT, 167},   {ID_PAGE_PARAM, 165},       {ID_PAGE_PARAM2, 165},
    {ID_PAGE_MSW1, 166},     {ID_PAGE_MSW2, 166},     {ID_PAGE_MSW3, 166},        {ID_PAGE_MSW4, 166},
};

}  // namespace

MainPanelDialog::MainPanelDialog()
    : CDialog(IDD_MAIN),
      m_current(settings::FactoryImage()),
      m_fileBaseline(settings::FactoryImage()),
      m_printerBaseline(settings::FactoryImage()),
      m_pages{&m_pageSelect, &m_pageParam, &m_pageParam2, &m_pageMsw1,
              &m_pageMsw2,   &m_pageMsw3,  &m_pageMsw4} {}

MainPanelDialog::~MainPanelDialog() {
    m_accelerators.reset();
    // The pages are children of this window: their windows go before the window itself.
    for (OldSettingsPage* page : m_pages)
        page->DestroyWindow();
    DestroyWindow();
}

TabControl* MainPanelDialog::Tabs() const {
    return qobject_cast<TabControl*>(GetDlgItem(IDC_TAB));
}

int MainPanelDialog::CurrentPageIndex() const {
    TabControl* tabs = Tabs();
    return tabs ? tabs->GetCurSel() : -1;
}

bool MainPanelDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    QWidget* window = GetSafeHwnd();
    // A fixed-size window that can be minimised but not maximised or resized.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);

    m_menu.LoadMenu(IDR_MAINMENU);
    for (const MenuPicture& item : kMenuImages)
        m_menu.SetItemImage(std::nullopt, item.command, item.bitmap);
    m_menu.SetCommandTarget(this);
    SetMenu(&m_menu);
    m_accelerators = std::make_unique<AcceleratorFilter>(*this, IDR_MAINMENU);
    m_accelerators->SetMenu(&m_menu);

    InitHelpPath();
    window->setWindowIcon(LoadIconResource(IDI_APP));

    m_toolBar.Create(this);
    m_statusBar.Create(this);

    m_printerDlg.startupDone = 0;
    m_current = settings::FactoryImage();
    m_printerBaseline = settings::FactoryImage();
    m_fileBaseline = settings::FactoryImage();

    m_menu.EnableMenuItem(ID_SEND_SETTINGS, MF_GRAYED | MF_DISABLED);
    m_toolBar.EnableButton(ID_TB_SEND, true);

    CreatePages();
    LoadAllPages(m_current);
    OnSelectPrinter();
    m_pageSelect.RefreshFormatButton();
    m_printerDlg.startupDone = 1;
    return true;
}

void MainPanelDialog::CreatePages() {
    TabControl* tabs = Tabs();
    QPixmap strip = LoadBitmapResource(IDB_TABS);
    std::vector<QPixmap> images;
    for (int x = 0; x + 16 <= strip.width(); x += 16)
        images.push_back(strip.copy(x, 0, 16, strip.height()));
    tabs->SetImageList(std::move(images));
    for (int i = 0; i < 7; ++i)
        tabs->InsertItem(i, QString::fromUtf8(kTabs[i].caption), kTabs[i].image);
    tabs->SetCurSel(0);

    // Each page lies inside the tab control's display area, at (7, 48) or below the rows of tabs.
    QRect place = MapDialogRect(7, 48, 230, 190);
    const int displayTop = tabs->geometry().top() + tabs->DisplayRect().top();
    if (place.top() < displayTop)
        place.moveTop(displayTop);
    for (int i = 0; i < 7; ++i) {
        OldSettingsPage* page = m_pages[i];
        page->Create(this);
        page->GetSafeHwnd()->move(place.topLeft());
        page->GetSafeHwnd()->raise();
        page->ShowWindow(i == 0);
    }
}

void MainPanelDialog::LoadAllPages(const settings::SettingsImage& image) {
    // Filling edits raises data checks; they must not collect half-filled pages into the image.
    const bool wasLoading = m_loadingPages;
    m_loadingPages = true;
    const settings::SettingsImage source = image;
    for (OldSettingsPage* page : m_pages)
        page->LoadFromImage(source);
    m_loadingPages = wasLoading;
}

void MainPanelDialog::StoreAllPages(settings::SettingsImage& image) {
    for (OldSettingsPage* page : m_pages)
        page->StoreToImage(image);
}

void MainPanelDialog::DataCheck() {
    // A check raised inside a check (a validation message moving the focus) is ignored, so
    // validation messages cannot loop.
    if (m_inDataCheck)
        return;
    m_inDataCheck = true;
    ++m_dataChecksRun;
    if (m_printerDlg.startupDone == 1 && !m_loadingPages)
        StoreAllPages(m_current);
    SetSendEnabled(true);
    m_inDataCheck = false;
}

void MainPanelDialog::SetSendEnabled(bool enabled) {
    m_menu.EnableMenuItem(ID_SEND_SETTINGS, enabled ? MF_ENABLED : (MF_GRAYED | MF_DISABLED));
    m_toolBar.EnableButton(ID_TB_SEND, enabled);
}

void MainPanelDialog::SetPrinterCommandEnabled(bool enabled) {
    m_menu.EnableMenuItem(ID_SELECT_PRINTER, enabled ? MF_ENABLED : (MF_GRAYED | MF_DISABLED));
    m_toolBar.EnableButton(ID_TB_PRINTER, enabled);
}

void MainPanelDialog::ShowOnlyPage(int index) {
    for (OldSettingsPage* page : m_pages)
        page->ShowWindow(false);
    m_pages[index]->ShowWindow(true);
    if (GetFocus() != Tabs())
        m_pages[index]->SetFocus();
}

void MainPanelDialog::OnTabSelChange(NMHDR*, LRESULT* result) {
    int index = CurrentPageIndex();
    if (index >= 0 && index < 7)
        ShowOnlyPage(index);
    *result = 0;
}

void MainPanelDialog::SelectPage(int index) {
    if (index < 0 || index >= 7)
        return;
    Tabs()->SetCurSel(index);
    ShowOnlyPage(index);
}

void MainPanelDialog::OnSysCommand(UINT id) {
    if (id == SC_CLOSE)
        OnExitApp();
    CDialog::OnSysCommand(id);
}
