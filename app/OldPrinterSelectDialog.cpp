#include "app/OldPrinterSelectDialog.h"

#include "app/BusyCursor.h"
#include "app/Messages.h"
#include "framework/CDataExchange.h"
#include "framework/Services.h"
#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"
#include "platform/ProcessExit.h"
#include "res/ResourceIds.h"

namespace {

constexpr int IDC_PRINTER_LIST = 1069;
const QString kFilePort = QString::fromLatin1(platform::kFilePort);

QString NoUsablePrinter() {
    return QStringLiteral(
        "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\n"
        "Brindlemarkを終了します。");
}
QString AllOnFilePort() {
    return QStringLiteral(
        "インストールされているプリンタの接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してや"
        "り直してくだ"
        "さい。\n\nBrindlemarkを終了します。");
}
QString OnlyPrinterOnFilePort() {
    return QStringLiteral(
        "接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してやり直してください。\n\nBrindlemar"
        "kを終了します"
        "。");
}
QString ChooseAnotherThanFile() {
    return QStringLiteral(
        "接続先がFILEのため設定値を送信できません。\nプリンタ設定を変更するか、他のプリンタに変更してください"
        "。");
}

}  // namespace

BEGIN_MESSAGE_MAP(OldPrinterSelectDialog, CDialog)
ON_NOTIFY(NM_DBLCLK, IDC_PRINTER_LIST, OnDblclkPrinterList)
END_MESSAGE_MAP()

OldPrinterSelectDialog::OldPrinterSelectDialog() : CDialog(res::IDD_PRINTER_SELECT) {}

void OldPrinterSelectDialog::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PRINTER_LIST, printerList);
}

bool OldPrinterSelectDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    printerList.InsertColumn(0, QStringLiteral("プリンタ名"), LVCFMT_LEFT, 200);
    printerList.InsertColumn(1, QStringLiteral("接続先"), LVCFMT_LEFT, 90);
    printerList.SetExtendedStyle(LVS_EX_FULLROWSELECT);

    FillFromSpooler();
    printerCount = printerList.GetItemCount();

    if (printerCount == 0) {
        MessageBox(this, NoUsablePrinter(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
        platform::ExitProcess(1);
    }

    int target = 0;
    if (!printerName.isEmpty()) {
        for (int row = 0; row < printerCount; ++row) {
            if (printerList.GetItemText(row, 0) == printerName) {
                target = row;
                break;
            }
        }
    }
    printerList.SetItemState(target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

    // At start-up a single usable printer is taken without showing the dialog.
    if (printerCount == 1 && startupDone == 0) {
        OnOK();
        return true;
    }

    bool anyOtherPort = false;
    for (int row = 0; row < printerCount; ++row)
        anyOtherPort |= printerList.GetItemText(row, 1) != kFilePort;
    if (!anyOtherPort) {
        MessageBox(this, AllOnFilePort(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
        platform::ExitProcess(1);
    }
    return true;
}

void OldPrinterSelectDialog::FillFromSpooler() {
    // The spooler is asked once; a spooler that cannot be asked lists no printer.
    const auto queues = [] {
        BusyCursor busy;
        return platform::CurrentPrinterSystem().queues();
    }();
    if (!queues)
        return;
    for (const platform::PrinterQueue& queue : platform::ModelQueues(*queues))
        AddRow(QString::fromStdString(queue.name), QString::fromStdString(platform::QueuePort(queue)));
}

void OldPrinterSelectDialog::AddRow(const QString& name, const QString& port) {
    printerList.InsertItem(name);
    int row = printerList.FindItem(name);
    printerList.SetItemText(row, 1, port);
}

int OldPrinterSelectDialog::SelectedRow() const {
    for (int row = 0; row < printerList.GetItemCount(); ++row) {
        if (printerList.GetItemState(row, LVIS_SELECTED))
            return row;
    }
    return -1;
}

void OldPrinterSelectDialog::OnOK() {
    const int row = SelectedRow();
    if (row >= 0) {
        printerName = printerList.GetItemText(row, 0);
        portName = printerList.GetItemText(row, 1);
    }
    if (row < 0) {
        MessageBox(this, msg::NoPrinterSelected(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (portName != kFilePort) {
        CDialog::OnOK();
        return;
    }
    if (printerList.GetItemCount() == 1) {
        MessageBox(this, OnlyPrinterOnFilePort(), msg::Caption(), MB_OK | MB_ICONEXCLAMATION);
        platform::ExitProcess(1);
    }
    MessageBox(this, ChooseAnotherThanFile(), msg::Caption(), MB_OK | MB_ICONINFORMATION);
}

void OldPrinterSelectDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void OldPrinterSelectDialog::OnDblclkPrinterList(NMHDR*, LRESULT* result) {
    if (printerList.GetNextItem(-1, LVNI_SELECTED) >= 0)
        OnOK();
    *result = 0;
}
