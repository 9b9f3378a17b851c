// The printer selection dialog on a real private scheduler: which queues it offers and how it
// treats one connected to a file or to another scheduler.
#include <gtest/gtest.h>

#include "app/OldPrinterSelectDialog.h"
#include "platform/PrinterSystem.h"
#include "platform/ProcessExit.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/OldScriptedUser.h"

using namespace testing_support;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");

struct ExitRequested {
    int status;
};

class PrinterSelectThroughCups : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(printer.listening());
        ASSERT_TRUE(cupsd.start()) << cupsd.lastError().toStdString();
        ASSERT_TRUE(cupsd.addQueue("Quill-Socket", QString::fromStdString(printer.deviceUri()),
                                   PrivateCupsd::modelPpd()));
        ASSERT_TRUE(cupsd.addQueue("Quill-File", "file:/dev/null", PrivateCupsd::modelPpd()));
        ASSERT_TRUE(cupsd.addQueue("Other-Model", QString::fromStdString(printer.deviceUri()),
                                   PrivateCupsd::otherModelPpd()));
        ASSERT_TRUE(cupsd.addQueue("Quill-Rejecting", QString::fromStdString(printer.deviceUri()),
                                   PrivateCupsd::modelPpd()));
        ASSERT_TRUE(cupsd.rejectJobs("Quill-Rejecting"));
        platform::SetPrinterSystemForTesting(nullptr);
        platform::SetExitHandlerForTesting([](int status) { throw ExitRequested{status}; });
        dlg.startupDone = 1;
    }
    void TearDown() override { platform::SetExitHandlerForTesting({}); }
    static std::vector<QString> Column(OldPrinterSelectDialog& d, int column) {
        std::vector<QString> rows;
        for (int i = 0; i < d.printerList.GetItemCount(); ++i)
            rows.push_back(d.printerList.GetItemText(i, column));
        return rows;
    }

    PrivateCupsd cupsd;
    CaptureListener printer;
    OldScriptedUser user;
    OldPrinterSelectDialog dlg;
};

TEST_F(PrinterSelectThroughCups, OffersTheModelsQueuesThatTakeJobsWithTheirServerOrDevice) {
    ASSERT_TRUE(
        cupsd.addQueue("Quill-Remote", "ipp://spool.example/printers/quill", PrivateCupsd::modelPpd()));
    user.DriveDialog([&](CDialog& d) {
        auto& shown = static_cast<OldPrinterSelectDialog&>(d);
        EXPECT_EQ(Column(shown, 0), (std::vector<QString>{"Quill-File", "Quill-Remote", "Quill-Socket"}));
        EXPECT_EQ(Column(shown, 1), (std::vector<QString>{"FILE:", "spool.example",
                                                          QString::fromStdString(printer.deviceUri())}));
        shown.OnCancel();
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(PrinterSelectThroughCups, OffersTheModelsQueuesAndRefusesTheOneOnAFile) {
    user.ExpectBox(QStringLiteral("接続先がFILEのため設定値を送信できません。\nプリンタ設定を変更するか、他の"
                                  "プリンタに変更してください。"),
                   kCaption, MB_OK | MB_ICONINFORMATION, IDOK);
    user.DriveDialog([&](CDialog& d) {
        auto& shown = static_cast<OldPrinterSelectDialog&>(d);
        EXPECT_EQ(Column(shown, 0), (std::vector<QString>{"Quill-File", "Quill-Socket"}));
        EXPECT_EQ(Column(shown, 1),
                  (std::vector<QString>{"FILE:", QString::fromStdString(printer.deviceUri())}));
        shown.printerList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        shown.OnOK();
        EXPECT_FALSE(shown.IsEnded());
        EXPECT_EQ(shown.printerName, QStringLiteral("Quill-File"));
        shown.printerList.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        shown.OnOK();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.printerName, QStringLiteral("Quill-Socket"));
    EXPECT_EQ(dlg.printerCount, 2);

    // With only the file-connected queue left, the program ends.
    ASSERT_TRUE(cupsd.removeQueue("Quill-Socket"));
    user.ExpectBox(
        QStringLiteral("接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してやり直して"
                       "ください。\n\nBrindlemarkを終了します。"),
        kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
    try {
        dlg.startupDone = 0;
        dlg.DoModal();
        ADD_FAILURE() << "the program did not end";
    } catch (const ExitRequested& exit) {
        EXPECT_EQ(exit.status, 1);
    }
}

}  // namespace
