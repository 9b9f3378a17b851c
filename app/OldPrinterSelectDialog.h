#pragma once
#include <QString>

#include "framework/CDialog.h"
#include "framework/CListCtrl.h"

// Lists the printers that use the model's driver with their connection, and hands the chosen
// one back. It ends the program when no usable printer exists.
class OldPrinterSelectDialog : public CDialog {
public:
    OldPrinterSelectDialog();

    int startupDone = 0;
    int printerCount = 0;
    QString printerName;
    QString portName;
    CListCtrl printerList;

    void DoDataExchange(CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnDblclkPrinterList(NMHDR* hdr, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void FillFromSpooler();
    void AddRow(const QString& name, const QString& port);
    int SelectedRow() const;
};
