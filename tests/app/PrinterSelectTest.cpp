// Printer selection on an in-memory spooler: which printers are listed, what the dialog shows and
// returns, and the refusals that end the program; and the version box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include "app/AboutDialog.h"
#include "app/PrinterSelectDialog.h"
#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"
#include "tests/support/InMemoryPrinterSystem.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;
using testing_support::InMemoryPrinter;
using Outcome = PrinterSelectDialog::Outcome;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QString kNoUsablePrinter = QStringLiteral(
    "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\n"
    "Brindlemarkを終了します。");
const QString kAllOnFile = QStringLiteral(
    "インストールされているプリンタの接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してや"
    "り直してください。\n\nBrindlemarkを終了します。");
const QString kOnlyOnFile = QStringLiteral(
    "接続先がFILEのため設定値を送信できません。\nプリンタ設定を確認してやり直してください。\n\n"
    "Brindlemarkを終了します。");
const QString kChooseAnother = QStringLiteral(
    "接続先がFILEのため設定値を送信できません。\nプリンタ設定を変更するか、他のプリンタに変更してください。");

QTreeWidget* List(const QDialog& d) {
    return Child<QTreeWidget>(&d, "printerList");
}

std::vector<QString> Column(const QDialog& d, int column) {
    std::vector<QString> rows;
    for (int row = 0; row < List(d)->topLevelItemCount(); ++row)
        rows.push_back(List(d)->topLevelItem(row)->text(column));
    return rows;
}

int SelectedRow(const QDialog& d) {
    const auto selected = List(d)->selectedItems();
    return selected.size() == 1 ? List(d)->indexOfTopLevelItem(selected.first()) : -1;
}

QPoint RowCentre(const QDialog& d, int row) {
    return List(d)->visualItemRect(List(d)->topLevelItem(row)).center();
}

class PrinterSelect : public ::testing::Test {
protected:
    PrinterSelect() { platform::SetPrinterSystemForTesting(&printers); }
    ~PrinterSelect() override { platform::SetPrinterSystemForTesting(nullptr); }
    // Runs the dialog; the script sees it shown and active, and ends it.
    PrinterSelectDialog::Outcome run(std::function<void(QDialog&)> script) {
        user.driveDialog(std::move(script));
        return dialog.run();
    }

    testing_support::InMemoryPrinterSystem printers;
    ScriptedUser user;
    PrinterSelectDialog dialog;
};

TEST_F(PrinterSelect, ListsOnlyTheModelsPrintersSortedAndEnterTakesThePreselectedRow) {
    printers.addPrinter(ModelPrinter("Zeta", "LPT1:"));
    printers.addPrinter(ModelPrinter("alpha", "file:"));
    InMemoryPrinter other = ModelPrinter("Other");
    other.makeAndModel = "orv quillstrike 540qz7";  // differs only in case: not the model's driver
    printers.addPrinter(other);
    InMemoryPrinter net = ModelPrinter("Net", "ipp://printhost/printers/quill");
    net.server = "printhost";
    printers.addPrinter(net);
    InMemoryPrinter stopped = ModelPrinter("Stopped", "IP_10.0.0.9");
    stopped.state = platform::QueueState::Stopped;  // still takes jobs: listed
    printers.addPrinter(stopped);
    InMemoryPrinter closed = ModelPrinter("Closed");
    closed.acceptingJobs = false;
    printers.addPrinter(closed);
    dialog.startupDone = true;
    EXPECT_EQ(
        run([](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("プリンタの選択"));
            EXPECT_EQ(Child<QLabel>(&d, "prompt")->text(), QStringLiteral("プリンタを選択してください。"));
            EXPECT_EQ(List(d)->headerItem()->text(0), QStringLiteral("プリンタ名"));
            EXPECT_EQ(List(d)->headerItem()->text(1), QStringLiteral("接続先"));
            EXPECT_EQ(Column(d, 0), (std::vector<QString>{"alpha", "Net", "Stopped", "Zeta"}));
            // A connection to another scheduler shows that scheduler; a queue here its device.
            EXPECT_EQ(Column(d, 1), (std::vector<QString>{"file:", "printhost", "IP_10.0.0.9", "LPT1:"}));
            EXPECT_EQ(QApplication::focusWidget(), List(d));
            EXPECT_EQ(SelectedRow(d), 0);
            QTest::keyClick(List(d), Qt::Key_Return);  // "file:" is not "FILE:"
        }),
        Outcome::Chosen);
    EXPECT_EQ(dialog.printerName(), QStringLiteral("alpha"));
    EXPECT_EQ(dialog.portName(), QStringLiteral("file:"));
    EXPECT_EQ(dialog.printerCount(), 4);
    EXPECT_EQ(printers.calls(), std::vector<std::string>{"Queues"}) << "one listing, nothing per queue";
}

// The history is read beside the listing; a spooler that does not answer for it still lists
// its printers, with the column empty.
TEST_F(PrinterSelect, LastCompletedSettingsJobIsShownUnlessTheHistoryDoesNotAnswer) {
    printers.addPrinter(ModelPrinter("A"));
    printers.addPrinter(ModelPrinter("B"));
    const std::vector<std::uint8_t> image(190, 0x20);
    const auto sent = platform::SendSettingsJob(printers, "B", image, "/home/kim/office.dat");
    printers.setJobStatus(sent.jobId, {platform::JobState::Completed, {}});
    dialog.startupDone = true;
    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "history fails" : "history answers");
        printers.setHistoryFails(fails);
        EXPECT_EQ(run([&](QDialog& d) {
                      EXPECT_EQ(List(d)->headerItem()->text(2), QStringLiteral("最終送信"));
                      EXPECT_EQ(Column(d, 2).at(0), QString());
                      EXPECT_EQ(Column(d, 2).at(1).endsWith(QStringLiteral("  office.dat")), !fails);
                      EXPECT_EQ(List(d)->topLevelItem(1)->toolTip(2),
                                fails ? QString() : QStringLiteral("/home/kim/office.dat"));
                      QTest::keyClick(List(d), Qt::Key_Down);
                      QTest::keyClick(List(d), Qt::Key_Return);
                  }),
                  Outcome::Chosen);
        EXPECT_EQ(dialog.printerName(), QStringLiteral("B"));
        EXPECT_EQ(dialog.lastSent().isEmpty(), fails);
    }
}

struct Refusal {
    const char* name;
    std::vector<std::string> devices;
    bool listingFails;
    bool startupDone;
    QString text;
    Outcome outcome;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class PrinterSelectRefusal : public PrinterSelect, public ::testing::WithParamInterface<Refusal> {};

TEST_P(PrinterSelectRefusal, SaysTheProgramEndsBeforeShowingTheDialog) {
    const Refusal& refusal = GetParam();
    for (std::size_t i = 0; i < refusal.devices.size(); ++i)
        printers.addPrinter(ModelPrinter("Q" + std::to_string(i), refusal.devices[i]));
    printers.setListingFails(refusal.listingFails);
    dialog.startupDone = refusal.startupDone;
    user.expectWarning(refusal.text, kCaption);
    EXPECT_EQ(dialog.run(), refusal.outcome);
    EXPECT_EQ(user.dialogsRun(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    , PrinterSelectRefusal,
    ::testing::Values(
        Refusal{"SpoolerCannotBeAsked", {"USB001"}, true, false, kNoUsablePrinter, Outcome::NoneUsable},
        Refusal{"NoPrinter", {}, false, true, kNoUsablePrinter, Outcome::NoneUsable},
        Refusal{"OnlyPrinterOnFileAtStartUp", {"FILE:"}, false, false, kOnlyOnFile, Outcome::OnlyOnFile},
        Refusal{"OnlyPrinterOnFileLater", {"FILE:"}, false, true, kAllOnFile, Outcome::OnlyOnFile},
        Refusal{"AllOnFileAtStartUp", {"FILE:", "FILE:"}, false, false, kAllOnFile, Outcome::OnlyOnFile},
        Refusal{"AllOnFileLater", {"FILE:", "FILE:"}, false, true, kAllOnFile, Outcome::OnlyOnFile}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrinterSelect, OnePrinterAtStartUpIsTakenWithoutTheDialogAndShownLater) {
    printers.addPrinter(ModelPrinter("Quill"));
    EXPECT_EQ(dialog.run(), Outcome::Chosen);
    EXPECT_EQ(user.dialogsRun(), 0);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.printerName(), QStringLiteral("Quill"));
    EXPECT_EQ(dialog.portName(), QStringLiteral("USB001"));
    dialog.startupDone = true;
    EXPECT_EQ(run([](QDialog& d) {
                  EXPECT_EQ(SelectedRow(d), 0);
                  d.reject();
              }),
              Outcome::Cancelled);
    EXPECT_EQ(user.dialogsRun(), 1);
}

TEST_F(PrinterSelect, FileRowAmongTwoKeepsTheDialogAndOverwritesTheNames) {
    printers.addPrinter(ModelPrinter("A", "FILE:"));
    printers.addPrinter(ModelPrinter("B", "USB001"));
    dialog.startupDone = true;
    user.expectBox(kChooseAnother, kCaption, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
    EXPECT_EQ(run([](QDialog& d) {
                  Click(Child<QPushButton>(&d, "ok"));
                  EXPECT_TRUE(d.isVisible());
                  Click(Child<QPushButton>(&d, "cancel"));
              }),
              Outcome::Cancelled);
    EXPECT_EQ(dialog.printerName(), QStringLiteral("A"));
    EXPECT_EQ(dialog.portName(), QStringLiteral("FILE:"));
}

TEST_F(PrinterSelect, HeldPrinterIsPreselectedAndEscapeKeepsIt) {
    printers.addPrinter(ModelPrinter("A"));
    printers.addPrinter(ModelPrinter("B"));
    // A removed printer falls back to the first row; Tab runs through list, OK and Cancel.
    const std::pair<const char*, int> cases[] = {{"B", 1}, {"Gone", 0}};
    for (const auto& [held, row] : cases) {
        SCOPED_TRACE(held);
        PrinterSelectDialog d;
        d.startupDone = true;
        d.setHeldPrinter(QString::fromLatin1(held), QStringLiteral("USB001"));
        user.driveDialog([row = row](QDialog& shown) {
            EXPECT_EQ(SelectedRow(shown), row);
            EXPECT_EQ(List(shown)->currentItem(), List(shown)->topLevelItem(row));
            for (const char* name : {"ok", "cancel", "printerList"}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
            }
            QTest::keyClick(List(shown), Qt::Key_Up);  // moving the selection chooses nothing yet
            QTest::keyClick(List(shown), Qt::Key_Escape);
        });
        EXPECT_EQ(d.run(), Outcome::Cancelled);
        EXPECT_EQ(d.printerName(), QString::fromLatin1(held));
        EXPECT_EQ(d.portName(), QStringLiteral("USB001"));
    }
}

TEST_F(PrinterSelect, DoubleClickOnARowAcceptsAndWithNothingSelectedNothingIsTaken) {
    printers.addPrinter(ModelPrinter("A"));
    printers.addPrinter(ModelPrinter("B"));
    dialog.startupDone = true;
    user.expectWarning(QStringLiteral("プリンタが選択されていません。\nプリンタを選択してください。"),
                       kCaption);
    EXPECT_EQ(run([](QDialog& d) {
                  QWidget* rows = List(d)->viewport();
                  QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, RowCentre(d, 0));
                  ASSERT_EQ(SelectedRow(d), -1);
                  QTest::mouseDClick(rows, Qt::LeftButton, Qt::NoModifier, QPoint(5, rows->height() - 3));
                  EXPECT_TRUE(d.isVisible());
                  Click(Child<QPushButton>(&d, "ok"));  // the warning
                  EXPECT_TRUE(d.isVisible());
                  QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, RowCentre(d, 1));
                  QTest::mouseDClick(rows, Qt::LeftButton, Qt::NoModifier, RowCentre(d, 1));
              }),
              Outcome::Chosen);
    EXPECT_EQ(dialog.printerName(), QStringLiteral("B"));
}

TEST_F(PrinterSelect, LongConnectionIsElidedInTheMiddleAndShownWholeAsTooltip) {
    const std::string address = "socket://127.0.0.1:9100";
    printers.addPrinter(ModelPrinter("Quill", address));
    printers.addPrinter(ModelPrinter("Quill-2"));
    dialog.startupDone = true;
    run([&](QDialog& d) {
        QTreeWidget* list = List(d);
        const QString whole = QString::fromStdString(address);
        EXPECT_LT(list->header()->sectionSize(1), list->fontMetrics().horizontalAdvance(whole));
        EXPECT_EQ(list->textElideMode(), Qt::ElideMiddle);
        const QPoint cell = list->visualRect(list->model()->index(0, 1)).center();
        QHelpEvent help(QEvent::ToolTip, cell, list->viewport()->mapToGlobal(cell));
        QApplication::sendEvent(list->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), whole);
        QToolTip::hideText();
        d.reject();
    });
}

TEST(AboutDialog, ShowsTheModelProductAndVersionAndClosesWithEnter) {
    ScriptedUser user;
    AboutDialog about;
    user.driveDialog([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("バージョン情報"));
        EXPECT_EQ(Child<QLabel>(&d, "model")->text(), QStringLiteral("ORV Quillstrike 540QZ7"));
        EXPECT_EQ(Child<QLabel>(&d, "productName")->text(), QStringLiteral("ブリンドルマーク"));
        EXPECT_EQ(Child<QLabel>(&d, "version")->text(), QStringLiteral("Version 2.000"));
        EXPECT_FALSE(Child<QLabel>(&d, "icon")->pixmap().isNull());
        EXPECT_EQ(QApplication::focusWidget(), Child<QPushButton>(&d, "ok"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(seams::modalLoop().run(about), QDialog::Accepted);
}

}  // namespace
