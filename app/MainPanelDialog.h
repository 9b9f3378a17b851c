#pragma once
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "app/OldPrinterSelectDialog.h"
#include "framework/AcceleratorFilter.h"
#include "framework/CDialog.h"
#include "pages/CPage_MSW1.h"
#include "pages/CPage_MSW2.h"
#include "pages/CPage_MSW3.h"
#include "pages/CPage_MSW4.h"
#include "pages/CPage_Param.h"
#include "pages/CPage_Param_2.h"
#include "pages/CPage_Select.h"
#include "settings/SettingsImage.h"
#include "ui/IconMenu.h"
#include "ui/PanelStatusBar.h"
#include "ui/PanelToolBar.h"

class TabControl;

// The one window of the program: seven tab pages over the settings image, the commands that
// load, save and send it, and the three working images that decide what to ask before losing work.
class MainPanelDialog : public CDialog {
public:
    MainPanelDialog();
    ~MainPanelDialog() override;

    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnSysCommand(UINT id) override;

    // The pages in the fixed order of every load and store.
    void LoadAllPages(const settings::SettingsImage& image);
    void StoreAllPages(settings::SettingsImage& image);
    void SelectPage(int index);
    void DataCheck();

    void OnLoadSettings();
    void OnSaveSettings();
    void OnSendSettings();
    void OnFactorySettings();
    void ShowFactorySettings();
    void OnSelectPrinter();
    void OnExitApp();
    void OnHelpContents();
    void OnAppAbout();

    // State other parts of the program and the tests read.
    const settings::SettingsImage& CurrentImage() const { return m_current; }
    const settings::SettingsImage& FileBaseline() const { return m_fileBaseline; }
    const settings::SettingsImage& PrinterBaseline() const { return m_printerBaseline; }
    const QString& PrinterName() const { return m_printerName; }
    const QString& PortName() const { return m_portName; }
    const QString& HelpPath() const { return m_helpPath; }
    int StartupDone() const { return m_printerDlg.startupDone; }
    // Data checks that ran (ignored re-entrant ones not counted).
    int DataChecksRun() const { return m_dataChecksRun; }
    TabControl* Tabs() const;
    int CurrentPageIndex() const;
    OldSettingsPage& Page(int index) const { return *m_pages[index]; }
    CPage_Select& SelectPageObject() { return m_pageSelect; }
    CPage_Param& ParamPage() { return m_pageParam; }
    IconMenu& Menu() { return m_menu; }
    PanelToolBar& ToolBar() { return m_toolBar; }
    PanelStatusBar& StatusBar() { return m_statusBar; }
    OldPrinterSelectDialog& PrinterDialog() { return m_printerDlg; }

    DECLARE_MESSAGE_MAP()

private:
    void InitHelpPath();
    void CreatePages();
    void SetSendEnabled(bool enabled);
    void SetPrinterCommandEnabled(bool enabled);
    void OnTabSelChange(NMHDR* hdr, LRESULT* result);
    void ShowOnlyPage(int index);
    bool CorrectPendingHeadCentring();
    // Collects the pages and asks whether to send and to save what differs from the printer
    // and the file; false when the command must stop there.
    bool SettleChanges(const QString& sendQuestion, const QString& saveQuestion);
    // The save command; true when a settings file was written.
    bool SaveSettings();
    // The pages' file-dialog settings, shared by load and save.
    std::optional<QString> AskFileName(bool open);
    void ClosePanel() { CDialog::OnOK(); }
    void OnPageSelect() { SelectPage(0); }
    void OnPageParam() { SelectPage(1); }
    void OnPageParam2() { SelectPage(2); }
    void OnPageMsw1() { SelectPage(3); }
    void OnPageMsw2() { SelectPage(4); }
    void OnPageMsw3() { SelectPage(5); }
    void OnPageMsw4() { SelectPage(6); }

    IconMenu m_menu;
    OldPrinterSelectDialog m_printerDlg;
    CPage_MSW1 m_pageMsw1;
    CPage_MSW2 m_pageMsw2;
    CPage_MSW3 m_pageMsw3;
    CPage_MSW4 m_pageMsw4;
    CPage_Select m_pageSelect;
    CPage_Param m_pageParam;
    CPage_Param_2 m_pageParam2;
    QString m_helpPath;
    QString m_portName;
    QString m_printerName;
    settings::SettingsImage m_current;
    settings::SettingsImage m_fileBaseline;
    settings::SettingsImage m_printerBaseline;
    PanelToolBar m_toolBar;
    PanelStatusBar m_statusBar;

    std::array<OldSettingsPage*, 7> m_pages;  // tab order: Select, Param, Param_2, MSW1..4
    std::unique_ptr<AcceleratorFilter> m_accelerators;
    bool m_loadingPages = false;
    bool m_inDataCheck = false;
    int m_dataChecksRun = 0;
};
