// The printer selection dialog on a real private scheduler: which queues it offers and how it
// treats one connected to a file or to another scheduler.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/PrinterSelectDialog.h"
#include "platform/PrinterSystem.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");

std::vector<QString> Column(const QDialog& d, int column) {
    const auto* list = Child<QTreeWidget>(&d, "printerList");
    std::vector<QString> rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rows.push_back(list->topLevelItem(row)->text(column));
    return rows;
}

void ClickRow(const QDialog& d, int row) {
    auto* list = Child<QTreeWidget>(&d, "printerList");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->topLevelItem(row)).center());
}

class PrinterSelectThroughCups : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(printer.listening());
        ASSERT_TRUE(cupsd.start()) << cupsd.lastError().toStdString();
        ASSERT_TRUE(cupsd.addQueue("Quill-Socket", device(), PrivateCupsd::modelPpd()));
        ASSERT_TRUE(cupsd.addQueue("Quill-File", "file:/dev/null", PrivateCupsd::modelPpd()));
        ASSERT_TRUE(cupsd.addQueue("Other-Model", device(), PrivateCupsd::otherModelPpd()));
        ASSERT_TRUE(cupsd.addQueue("Quill-Rejecting", device(), PrivateCupsd::modelPpd()));
        ASSERT_TRUE(cupsd.rejectJobs("Quill-Rejecting"));
        platform::SetPrinterSystemForTesting(nullptr);
        dialog.startupDone = true;
    }
    QString device() const { return QString::fromStdString(printer.deviceUri()); }

    PrivateCupsd cupsd;
    CaptureListener printer;
    ScriptedUser user;
    PrinterSelectDialog dialog;
};

TEST_F(PrinterSelectThroughCups, OffersTheModelsQueuesThatTakeJobsWithTheirServerOrDevice) {
    ASSERT_TRUE(
        cupsd.addQueue("Quill-Remote", "ipp://spool.example/printers/quill", PrivateCupsd::modelPpd()));
    user.driveDialog([&](QDialog& d) {
        EXPECT_EQ(Column(d, 0), (std::vector<QString>{"Quill-File", "Quill-Remote", "Quill-Socket"}));
        EXPECT_EQ(Column(d, 1), (std::vector<QString>{"FILE:", "spool.example", device()}));
        Click(Child<QPushButton>(&d, "cancel"));
    });
    EXPECT_EQ(dialog.run(), PrinterSelectDialog::Outcome::Cancelled);
}

TEST_F(PrinterSelectThroughCups, OffersTheModelsQueuesAndRefusesTheOneOnAFile) {
    user.expectBox(QStringLiteral("接続先がFILEのため設定値を送信できません。\nプリンタ設定を変更するか、他の"
                                  "プリンタに変更してください。"),
                   kCaption, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
    user.driveDialog([&](QDialog& d) {
        EXPECT_EQ(Column(d, 0), (std::vector<QString>{"Quill-File", "Quill-Socket"}));
        EXPECT_EQ(Column(d, 1), (std::vector<QString>{"FILE:", device()}));
        ClickRow(d, 0);
        Click(Child<QPushButton>(&d, "ok"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(dialog.printerName(), QStringLiteral("Quill-File"));
        ClickRow(d, 1);
        Click(Child<QPushButton>(&d, "ok"));
    });
    EXPECT_EQ(dialog.run(), PrinterSelectDialog::Outcome::Chosen);
    EXPECT_EQ(dialog.printerName(), QStringLiteral("Quill-Socket"));
    EXPECT_EQ(dialog.printerCount(), 2);

    // With only the file-connected queue left, the program must end.
    ASSERT_TRUE(cupsd.removeQueue("Quill-Socket"));
    user.expectWarning(
        QStringLiteral("接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してやり直して"
                       "ください。\n\nBrindlemarkを終了します。"),
        kCaption);
    PrinterSelectDialog atStartUp;
    EXPECT_EQ(atStartUp.run(), PrinterSelectDialog::Outcome::OnlyOnFile);
}

}  // namespace
