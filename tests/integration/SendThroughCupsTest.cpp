// The whole program against a real private scheduler: what reaches the printer's socket.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "pages/NumericEdit.h"
#include "pages/SettingsPage.h"
#include "platform/ExecutableDirectory.h"
#include "platform/PrinterSystem.h"
#include "settings/FactoryImage.h"
#include "tests/integration/CtlProcess.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QString kNotAvailable = QStringLiteral(
    "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。");

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
        main = std::make_unique<MainWindow>();
        ASSERT_TRUE(main->start());
        ShowAndActivate(main.get());
        ASSERT_EQ(main->printerName(), QStringLiteral("Quill"));
    }
    void TearDown() override {
        main.reset();
        platform::SetExecutableDirectoryForTesting(QString());
    }
    NumericEdit* CutSheet() const { return Child<NumericEdit>(main->page(1), "cutSheet"); }
    void ChangeCutSheetTo55() {
        main->selectPage(1);
        TypeReplacing(CutSheet(), QStringLiteral("55"));
    }
    void ExpectSent() {
        user.expectBox(QStringLiteral("プリンタに設定値を送信しました。"), kCaption, QMessageBox::Information,
                       QMessageBox::Ok, QMessageBox::Ok);
    }
    void ExpectNotAvailableThenCancel() {
        user.expectWarning(kNotAvailable, kCaption);
        user.answerBox(QMessageBox::Cancel);  // "send before switching printer?"
    }
    void Send() { main->actions().send->trigger(); }

    PrivateCupsd cupsd;
    CaptureListener printer;
    QTemporaryDir dir;
    ScriptedUser user;
    std::unique_ptr<MainWindow> main;
};

TEST_F(SendThroughCups, CtrlWDeliversExactlyTheCurrentImageAsOneRawJob) {
    ChangeCutSheetTo55();
    ExpectSent();
    QTest::keyClick(CutSheet(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_TRUE(printer.waitForJobs(1, 30s));
    const auto jobs = printer.jobs();
    ASSERT_EQ(jobs[0].size(), 190u);
    EXPECT_TRUE(std::equal(jobs[0].begin(), jobs[0].end(), main->currentImage().data()));
    EXPECT_EQ(jobs[0][26], '5');
    ASSERT_TRUE(cupsd.waitForCompletedJobs("Quill", 1, 30000));
    EXPECT_EQ(cupsd.completedJobs("Quill").front().title, "Brindlemark Status Write");

    // Sent again once the command is enabled: the same bytes.
    TypeReplacing(CutSheet(), QStringLiteral("40"));
    TypeReplacing(CutSheet(), QStringLiteral("55"));
    ExpectSent();
    Send();
    ASSERT_TRUE(printer.waitForJobs(2, 30s));
    EXPECT_EQ(printer.jobs()[1], jobs[0]);
}

TEST_F(SendThroughCups, RejectingDeletedOrStoppedSchedulerIsNotAvailable) {
    ChangeCutSheetTo55();
    const settings::SettingsImage baseline = main->printerBaseline();
    ASSERT_TRUE(cupsd.rejectJobs("Quill"));
    ExpectNotAvailableThenCancel();
    Send();
    EXPECT_EQ(main->printerBaseline(), baseline);

    ASSERT_TRUE(cupsd.removeQueue("Quill"));
    ExpectNotAvailableThenCancel();
    Send();
    EXPECT_EQ(main->printerBaseline(), baseline);

    cupsd.stop();
    ExpectNotAvailableThenCancel();
    Send();
    EXPECT_EQ(main->printerBaseline(), baseline);
    EXPECT_TRUE(printer.jobs().empty());
}

// The job's record names the file the window opened, or none once the settings were changed;
// bmk540ctl status reads it back from the scheduler's history.
TEST_F(SendThroughCups, SendLeavesARecordThatStatusReads) {
    const QString path = dir.filePath(QStringLiteral("office.dat"));
    ASSERT_TRUE(WriteSettingsBytes(path, settings::FactoryImage()));
    user.answerFileDialog(path);
    main->actions().load->trigger();
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "changed" : "as opened");
        if (changed)
            ChangeCutSheetTo55();
        ExpectSent();
        Send();
        ASSERT_TRUE(cupsd.waitForCompletedJobs("Quill", changed ? 2 : 1, 30000));
        const Ctl status = RunCtl({"status", "--printer", "Quill", "--expect", path, "--json"});
        EXPECT_EQ(status.exitCode, changed ? 1 : 0);
        const QJsonObject line = JsonLines(status).at(0).toObject();
        EXPECT_EQ(line[QStringLiteral("matches")].toBool(), !changed);
        EXPECT_EQ(line[QStringLiteral("last")][QStringLiteral("file")],
                  changed ? QJsonValue() : QJsonValue(path));
    }
}

// A scheduler that hangs (stopped with SIGSTOP, its socket still open) holds the window a few
// seconds at most: the send then fails as any other, and the wait cursor goes.
TEST_F(SendThroughCups, HungSchedulerFailsTheSendWithinTheBound) {
    ChangeCutSheetTo55();
    ASSERT_TRUE(cupsd.freeze());
    ExpectNotAvailableThenCancel();
    QElapsedTimer timer;
    timer.start();
    Send();
    EXPECT_LT(timer.elapsed(), 10000) << "CUPS alone would wait 30 s";
    EXPECT_EQ(user.boxes().size(), 2u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(printer.jobs().empty());
}

}  // namespace
