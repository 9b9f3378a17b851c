// The whole program against a real private scheduler: what reaches the printer's socket.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainPanelDialog.h"
#include "platform/ExecutableDirectory.h"
#include "platform/PrinterSystem.h"
#include "platform/ProcessExit.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/OldScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QString kNotAvailable = QStringLiteral(
    "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。");

struct ExitRequested {
    int status;
};

class SendThroughCups : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(cupsd.start()) << cupsd.lastError().toStdString();
        ASSERT_TRUE(printer.listening());
        ASSERT_TRUE(
            cupsd.addQueue("Quill", QString::fromStdString(printer.deviceUri()), PrivateCupsd::modelPpd()));
        platform::SetPrinterSystemForTesting(nullptr);
        platform::SetExecutableDirectoryForTesting(dir.path());
        platform::SetExitHandlerForTesting([](int status) { throw ExitRequested{status}; });
        main = std::make_unique<MainPanelDialog>();
        ASSERT_TRUE(main->Create());
        ShowAndActivate(main->GetSafeHwnd());
        ASSERT_EQ(main->PrinterName(), QStringLiteral("Quill"));
    }
    void TearDown() override {
        main.reset();
        platform::SetExecutableDirectoryForTesting(QString());
        platform::SetExitHandlerForTesting({});
    }
    void ChangeCutSheetTo55() {
        main->SelectPage(1);
        TypeReplacing(main->Page(1).GetDlgItem(1061), QStringLiteral("55"));
    }
    void ExpectNotAvailableThenCancel() {
        user.ExpectBox(kNotAvailable, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
        user.AnswerBox(IDCANCEL);  // "send before switching printer?"
    }

    PrivateCupsd cupsd;
    CaptureListener printer;
    QTemporaryDir dir;
    OldScriptedUser user;
    std::unique_ptr<MainPanelDialog> main;
};

TEST_F(SendThroughCups, CtrlWDeliversExactlyTheCurrentImageAsOneRawJob) {
    ChangeCutSheetTo55();
    user.ExpectBox(QStringLiteral("プリンタに設定値を送信しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    QTest::keyClick(main->Page(1).GetDlgItem(1061), Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(printer.waitForJobs(1, 30s));
    const auto jobs = printer.jobs();
    ASSERT_EQ(jobs[0].size(), 190u);
    EXPECT_TRUE(std::equal(jobs[0].begin(), jobs[0].end(), main->CurrentImage().data()));
    EXPECT_EQ(jobs[0][26], '5');
    ASSERT_TRUE(cupsd.waitForCompletedJobs("Quill", 1, 30000));
    EXPECT_EQ(cupsd.completedJobs("Quill").front().title, "Brindlemark Status Write");

    // Sent again once the command is enabled: the same bytes.
    TypeReplacing(main->Page(1).GetDlgItem(1061), QStringLiteral("40"));
    TypeReplacing(main->Page(1).GetDlgItem(1061), QStringLiteral("55"));
    user.ExpectBox(QStringLiteral("プリンタに設定値を送信しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    main->SendCommand(res::ID_SEND_SETTINGS);
    ASSERT_TRUE(printer.waitForJobs(2, 30s));
    EXPECT_EQ(printer.jobs()[1], jobs[0]);
}

TEST_F(SendThroughCups, RejectingDeletedOrStoppedSchedulerIsNotAvailable) {
    ChangeCutSheetTo55();
    const settings::SettingsImage baseline = main->PrinterBaseline();
    ASSERT_TRUE(cupsd.rejectJobs("Quill"));
    ExpectNotAvailableThenCancel();
    main->SendCommand(res::ID_SEND_SETTINGS);
    EXPECT_EQ(main->PrinterBaseline(), baseline);

    ASSERT_TRUE(cupsd.removeQueue("Quill"));
    ExpectNotAvailableThenCancel();
    main->SendCommand(res::ID_SEND_SETTINGS);
    EXPECT_EQ(main->PrinterBaseline(), baseline);

    cupsd.stop();
    ExpectNotAvailableThenCancel();
    main->SendCommand(res::ID_SEND_SETTINGS);
    EXPECT_EQ(main->PrinterBaseline(), baseline);
    EXPECT_TRUE(printer.jobs().empty());
}

// A scheduler that hangs (stopped with SIGSTOP, its socket still open) holds the window a few
// seconds at most: the send then fails as any other, and the wait cursor goes.
TEST_F(SendThroughCups, HungSchedulerFailsTheSendWithinTheBound) {
    ChangeCutSheetTo55();
    ASSERT_TRUE(cupsd.freeze());
    ExpectNotAvailableThenCancel();
    QElapsedTimer timer;
    timer.start();
    main->SendCommand(res::ID_SEND_SETTINGS);
    EXPECT_LT(timer.elapsed(), 10000) << "CUPS alone would wait 30 s";
    EXPECT_EQ(user.Boxes().size(), 2u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(printer.jobs().empty());
}

}  // namespace
