// What the window shows of a printer's last settings job, read from a real scheduler's history
// once the scheduler has removed the document.
#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "app/MainWindow.h"
#include "platform/ExecutableDirectory.h"
#include "platform/PrinterSystem.h"
#include "settings/FactoryImage.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

TEST(LastSentThroughCups, ASendShowsInTheSelectionAndInTheStatusBar) {
    BMK_REQUIRE_PRIVATE_CUPSD();
    PrivateCupsd cupsd;
    CaptureListener printer;
    ASSERT_TRUE(cupsd.start({"PreserveJobFiles No"})) << cupsd.lastError().toStdString();
    ASSERT_TRUE(printer.listening());
    const QString device = QString::fromStdString(printer.deviceUri());
    ASSERT_TRUE(cupsd.addQueue("Quill", device, PrivateCupsd::modelPpd()));
    ASSERT_TRUE(cupsd.addQueue("Quill-2", device, PrivateCupsd::modelPpd()));
    QTemporaryDir dir;
    platform::SetPrinterSystemForTesting(nullptr);
    platform::SetExecutableDirectoryForTesting(dir.path());
    const QString path = dir.filePath(QStringLiteral("office.dat"));
    ASSERT_TRUE(WriteSettingsBytes(path, settings::FactoryImage()));

    ScriptedUser user;
    MainWindow main;
    user.driveDialog([](QDialog& d) { d.accept(); });  // the first row, Quill
    ASSERT_TRUE(main.start());
    ShowAndActivate(&main);
    ASSERT_EQ(main.printerName(), QStringLiteral("Quill"));
    EXPECT_EQ(main.statusText(2), QString()) << "nothing sent yet";
    user.answerFileDialog(path);
    main.actions().load->trigger();
    user.expectBox(QStringLiteral("プリンタに設定値を送信しました。"), QStringLiteral("Brindlemark"),
                   QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
    main.actions().send->trigger();
    ASSERT_TRUE(cupsd.waitForCompletedJobs("Quill", 1, 30000));
    // The window follows its job: the status bar tells once it completed, before any new choice.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !main.statusText(2).isEmpty(); }, 30000));
    const QString followed = main.statusText(2);

    QString shown;
    user.driveDialog([&](QDialog& d) {
        const auto* list = Child<QTreeWidget>(&d, "printerList");
        ASSERT_EQ(list->topLevelItemCount(), 2);
        shown = list->topLevelItem(0)->text(2);
        EXPECT_EQ(list->topLevelItem(1)->text(2), QString());
        d.accept();
    });
    user.answerBox(QMessageBox::Ok);  // the factory settings are shown for the new choice
    main.actions().printer->trigger();
    EXPECT_TRUE(shown.startsWith(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"))))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("  office.dat"))) << shown.toStdString();
    EXPECT_EQ(main.statusText(2), QStringLiteral("最終受信： ") + shown);
    EXPECT_EQ(followed, main.statusText(2)) << "as the history has it";
    platform::SetExecutableDirectoryForTesting(QString());
}

}  // namespace
