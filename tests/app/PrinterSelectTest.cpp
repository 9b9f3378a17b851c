// Printer selection on an in-memory spooler: which printers are listed, what the dialog shows and
// returns, and the refusals that end the program.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QTest>

#include "app/OldPrinterSelectDialog.h"
#include "platform/InMemoryPrinterSystem.h"
#include "platform/ProcessExit.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;
using platform::InMemoryPrinter;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");

class PrinterSelect : public ::testing::Test {
protected:
    PrinterSelect() {
        platform::SetPrinterSystemForTesting(&printers);
        platform::SetExitHandlerForTesting([](int status) { throw ProcessExitRequested{status}; });
    }
    ~PrinterSelect() override {
        platform::SetPrinterSystemForTesting(nullptr);
        platform::SetExitHandlerForTesting({});
    }
    static InMemoryPrinter Model(const std::string& name, const std::string& device = "USB001") {
        return MainWindowTest::ModelPrinter(name, device);
    }
    // Runs the dialog; the script sees it shown, with its rows.
    int Run(std::function<void(OldPrinterSelectDialog&)> script) {
        user.DriveDialog([&](CDialog& d) { script(static_cast<OldPrinterSelectDialog&>(d)); });
        return dlg.DoModal();
    }
    // Runs the dialog expecting the program to end with status 1.
    void ExpectExit(const QString& text) {
        user.ExpectBox(text, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
        try {
            dlg.DoModal();
            ADD_FAILURE() << "the program did not end";
        } catch (const ProcessExitRequested& exit) {
            EXPECT_EQ(exit.status, 1);
        }
    }
    static std::vector<QString> Rows(OldPrinterSelectDialog& d, int column) {
        std::vector<QString> rows;
        for (int i = 0; i < d.printerList.GetItemCount(); ++i)
            rows.push_back(d.printerList.GetItemText(i, column));
        return rows;
    }

    platform::InMemoryPrinterSystem printers;
    OldScriptedUser user;
    OldPrinterSelectDialog dlg;
};

TEST_F(PrinterSelect, ListsOnlyTheModelsPrintersSortedWithTheirConnections) {
    printers.addPrinter(Model("Zeta", "LPT1:"));
    printers.addPrinter(Model("alpha", "file:"));
    InMemoryPrinter other = Model("Other");
    other.makeAndModel = "orv quillstrike 540qz7";  // differs only in case: not the model's driver
    printers.addPrinter(other);
    InMemoryPrinter net = Model("Net", "ipp://printhost/printers/quill");
    net.server = "printhost";
    printers.addPrinter(net);
    InMemoryPrinter stopped = Model("Stopped", "IP_10.0.0.9");
    stopped.state = platform::QueueState::Stopped;  // still takes jobs: listed
    printers.addPrinter(stopped);
    InMemoryPrinter closed = Model("Closed");
    closed.acceptingJobs = false;
    printers.addPrinter(closed);
    dlg.startupDone = 1;
    EXPECT_EQ(Run([](OldPrinterSelectDialog& d) {
                  EXPECT_EQ(Rows(d, 0), (std::vector<QString>{"alpha", "Net", "Stopped", "Zeta"}));
                  // A connection to another scheduler shows that scheduler; a queue here its device.
                  EXPECT_EQ(Rows(d, 1), (std::vector<QString>{"file:", "printhost", "IP_10.0.0.9", "LPT1:"}));
                  EXPECT_EQ(d.GetSafeHwnd()->windowTitle(), QStringLiteral("プリンタの選択"));
                  d.OnOK();  // the first row is preselected; "file:" is not "FILE:"
              }),
              IDOK);
    EXPECT_EQ(dlg.printerName, QStringLiteral("alpha"));
    EXPECT_EQ(dlg.portName, QStringLiteral("file:"));
    EXPECT_EQ(dlg.printerCount, 4);
    EXPECT_EQ(printers.calls(), std::vector<std::string>{"Queues"}) << "one listing, nothing per queue";
}

TEST_F(PrinterSelect, SpoolerThatCannotBeAskedHasNoUsablePrinter) {
    printers.addPrinter(Model("Quill"));
    printers.setListingFails(true);
    ExpectExit(QStringLiteral(
        "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\n"
        "Brindlemarkを終了します。"));
}

TEST_F(PrinterSelect, OnePrinterAtStartUpIsTakenWithoutTheDialogAndShownLater) {
    printers.addPrinter(Model("Quill"));
    dlg.startupDone = 0;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(user.DialogsRun(), 0);
    EXPECT_EQ(dlg.printerName, QStringLiteral("Quill"));
    EXPECT_EQ(dlg.portName, QStringLiteral("USB001"));
    dlg.startupDone = 1;
    EXPECT_EQ(Run([](OldPrinterSelectDialog& d) {
                  EXPECT_EQ(d.printerList.GetItemState(0, LVIS_SELECTED), LVIS_SELECTED);
                  d.OnCancel();
              }),
              IDCANCEL);
}

TEST_F(PrinterSelect, NoUsablePrinterEndsTheProgram) {
    ExpectExit(QStringLiteral(
        "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\n"
        "Brindlemarkを終了します。"));
}

TEST_F(PrinterSelect, OnlyPrinterOnFileEndsTheProgram) {
    printers.addPrinter(Model("Quill", "FILE:"));
    ExpectExit(QStringLiteral(
        "接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してやり直してください。\n\n"
        "Brindlemarkを終了します。"));
}

TEST_F(PrinterSelect, AllOnFileEndsTheProgramNowAndOnALaterRun) {
    printers.addPrinter(Model("A", "FILE:"));
    printers.addPrinter(Model("B", "FILE:"));
    const QString text = QStringLiteral(
        "インストールされているプリンタの接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してや"
        "り直してください。"
        "\n\nBrindlemarkを終了します。");
    ExpectExit(text);
    dlg.startupDone = 1;
    ExpectExit(text);
}

TEST_F(PrinterSelect, FileRowAmongTwoKeepsTheDialogAndOverwritesTheNames) {
    printers.addPrinter(Model("A", "FILE:"));
    printers.addPrinter(Model("B", "USB001"));
    dlg.startupDone = 1;
    user.ExpectBox(QStringLiteral("接続先がFILEのため設定値を送信できません。\nプリンタ設定を変更するか、他の"
                                  "プリンタに変更してください。"),
                   kCaption, MB_OK | MB_ICONINFORMATION, IDOK);
    EXPECT_EQ(Run([](OldPrinterSelectDialog& d) {
                  d.OnOK();
                  EXPECT_FALSE(d.IsEnded());
                  d.OnCancel();
              }),
              IDCANCEL);
    EXPECT_EQ(dlg.printerName, QStringLiteral("A"));
    EXPECT_EQ(dlg.portName, QStringLiteral("FILE:"));
}

TEST_F(PrinterSelect, HeldPrinterIsPreselectedAndARemovedOneFallsBackToTheFirstRow) {
    printers.addPrinter(Model("A"));
    printers.addPrinter(Model("B"));
    dlg.startupDone = 1;
    dlg.printerName = QStringLiteral("B");
    Run([](OldPrinterSelectDialog& d) {
        EXPECT_EQ(d.printerList.GetNextItem(-1, LVNI_SELECTED), 1);
        d.OnCancel();
    });
    dlg.printerName = QStringLiteral("Gone");
    Run([](OldPrinterSelectDialog& d) {
        EXPECT_EQ(d.printerList.GetNextItem(-1, LVNI_SELECTED), 0);
        d.OnCancel();
    });
}

TEST_F(PrinterSelect, DoubleClickOnARowAcceptsAndOnNothingDoesNothing) {
    printers.addPrinter(Model("A"));
    printers.addPrinter(Model("B"));
    dlg.startupDone = 1;
    EXPECT_EQ(Run([](OldPrinterSelectDialog& d) {
                  ShowAndActivate(d.GetSafeHwnd());
                  d.printerList.SetItemState(0, 0, LVIS_SELECTED);
                  auto* view = qobject_cast<QAbstractItemView*>(d.GetDlgItem(1069));
                  QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                                     QPoint(5, view->viewport()->height() - 3));
                  EXPECT_FALSE(d.IsEnded());
                  QRect row = view->visualRect(view->model()->index(1, 0));
                  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
                  QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
              }),
              IDOK);
    EXPECT_EQ(dlg.printerName, QStringLiteral("B"));
}

}  // namespace
