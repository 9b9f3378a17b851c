// Sending, switching printer, factory settings and exit: what is asked before work is lost.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "pages/NumericEdit.h"
#include "settings/FactoryImage.h"
#include "tests/app/MainWindowFixture.h"

using namespace testing_support;

namespace {

using Button = QMessageBox::StandardButton;

const QString kCaption = QStringLiteral("Brindlemark");
const QString kSent = QStringLiteral("プリンタに設定値を送信しました。");
const QString kFactoryShown = QStringLiteral("工場出荷設定値を表示しました。");
const QString kNotAvailable = QStringLiteral(
    "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。");
const QString kNoUsablePrinter = QStringLiteral(
    "使用可能なプリンタがありませんでした。プリンタドライバを確認してからやり直してください。\n\n"
    "Brindlemarkを終了します。");
const QString kSendBeforeSwitch =
    QStringLiteral("設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？");
const QString kSaveBeforeSwitch =
    QStringLiteral("設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？");
constexpr QMessageBox::StandardButtons kQuestion = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

// In the printer dialog: a click on the printer's row, then OK.
void ChoosePrinter(QDialog& d, const QString& name) {
    auto* list = Child<QTreeWidget>(&d, "printerList");
    const QList<QTreeWidgetItem*> rows = list->findItems(name, Qt::MatchExactly, 0);
    ASSERT_EQ(rows.size(), 1) << name.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(rows[0]).center());
    Click(Child<QPushButton>(&d, "ok"));
}

void CancelDialog(QDialog& d) {
    Click(Child<QPushButton>(&d, "cancel"));
}

class GuardedCommands : public MainWindowTest {
protected:
    void SetUp() override { StartMainWindow(); }
    void Change() {
        settings::SettingsImage image = main->currentImage();
        image[8] ^= 0x02;
        LoadIntoPages(image);
    }
    void ExpectInformation(const QString& text) {
        user.expectBox(text, kCaption, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
    }
    void Send() {
        ExpectInformation(kSent);
        main->actions().send->trigger();
    }
    void Save() {
        user.answerFileDialog(TempPath("s.dat"));
        main->actions().save->trigger();
    }
    // Brings the window to the wanted differences from the two baselines.
    void Prepare(bool toSend, bool toSave) {
        if (toSend || toSave)
            Change();
        if (!toSend)
            Send();
        if (!toSave)
            Save();
        ASSERT_EQ(main->currentImage() != main->printerBaseline(), toSend);
        ASSERT_EQ(main->currentImage() != main->fileBaseline(), toSave);
        user.clearRecords();
        printers.clearCalls();
    }
    int DocumentsSent() const { return static_cast<int>(printers.documents().size()); }
    // Starts again with more printers listed: the user chooses Quill, and the printer command is
    // offered from then on.
    void RestartWith(std::initializer_list<testing_support::InMemoryPrinter> more) {
        main.reset();
        for (const testing_support::InMemoryPrinter& printer : more)
            printers.addPrinter(printer);
        user.driveDialog([](QDialog& d) { ChoosePrinter(d, QStringLiteral("Quill")); });
        StartMainWindow();
        ASSERT_TRUE(main->actions().printer->isEnabled());
        user.clearRecords();
    }
};

struct ExitRow {
    bool toSend;
    Button sendAnswer;  // NoButton: not asked
    bool toSave;
    Button saveAnswer;
    bool sends;
    bool saves;
    bool closes;
};

class ExitTable : public GuardedCommands, public ::testing::WithParamInterface<ExitRow> {
protected:
    // The questions of the row, with these texts, and what its answers lead to.
    void ExpectQuestions(const ExitRow& row, const QString& sendQuestion, const QString& saveQuestion,
                         const QString& savePath) {
        if (row.toSend)
            user.expectBox(sendQuestion, kCaption, QMessageBox::Warning, kQuestion, row.sendAnswer);
        if (row.sends)
            ExpectInformation(kSent);
        if (row.toSave && row.sendAnswer != QMessageBox::Cancel)
            user.expectBox(saveQuestion, kCaption, QMessageBox::Warning, kQuestion, row.saveAnswer);
        if (row.saves)
            user.answerFileDialog(TempPath(savePath));
    }
};

TEST_P(ExitTable, ExitAsksAndClosesAsTheTableSays) {
    const ExitRow row = GetParam();
    Prepare(row.toSend, row.toSave);
    const int sentBefore = DocumentsSent();
    ExpectQuestions(row, QStringLiteral("Brindlemark を終了する前に、設定値をプリンタへ送信しますか？"),
                    QStringLiteral("Brindlemark を終了する前に、設定ファイルへ保存しますか？"), "exit.dat");
    main->actions().exit->trigger();
    EXPECT_EQ(DocumentsSent() - sentBefore, row.sends ? 1 : 0);
    EXPECT_EQ(QFile::exists(TempPath("exit.dat")), row.saves);
    EXPECT_EQ(main->hasClosed(), row.closes);
}

// The printer command asks the same questions; where the exit would close, it shows the
// selection dialog instead. Cancelling that dialog keeps the held printer and the images.
TEST_P(ExitTable, PrinterCommandAsksAndReachesTheDialogAsTheTableSays) {
    const ExitRow row = GetParam();
    RestartWith({ModelPrinter("Second")});
    Prepare(row.toSend, row.toSave);
    const int sentBefore = DocumentsSent();
    ExpectQuestions(row, kSendBeforeSwitch, kSaveBeforeSwitch, "switch.dat");
    if (row.closes)
        user.driveDialog(CancelDialog);
    main->actions().printer->trigger();
    EXPECT_EQ(DocumentsSent() - sentBefore, row.sends ? 1 : 0);
    EXPECT_EQ(QFile::exists(TempPath("switch.dat")), row.saves);
    EXPECT_EQ(user.dialogsRun(), row.closes ? 1 : 0);
    EXPECT_FALSE(main->hasClosed());
    EXPECT_EQ(main->printerName(), QStringLiteral("Quill"));
}

constexpr Button kNone = QMessageBox::NoButton, kYes = QMessageBox::Yes, kNo = QMessageBox::No,
                 kCancel = QMessageBox::Cancel;
INSTANTIATE_TEST_SUITE_P(EveryRow, ExitTable,
                         ::testing::Values(ExitRow{false, kNone, false, kNone, false, false, true},
                                           ExitRow{false, kNone, true, kYes, false, true, true},
                                           ExitRow{false, kNone, true, kNo, false, false, true},
                                           ExitRow{false, kNone, true, kCancel, false, false, false},
                                           ExitRow{true, kCancel, true, kNone, false, false, false},
                                           ExitRow{true, kCancel, false, kNone, false, false, false},
                                           ExitRow{true, kYes, false, kNone, true, false, true},
                                           ExitRow{true, kNo, false, kNone, false, false, true},
                                           ExitRow{true, kYes, true, kYes, true, true, true},
                                           ExitRow{true, kNo, true, kYes, false, true, true},
                                           ExitRow{true, kYes, true, kNo, true, false, true},
                                           ExitRow{true, kNo, true, kNo, false, false, true},
                                           ExitRow{true, kYes, true, kCancel, true, false, false},
                                           ExitRow{true, kNo, true, kCancel, false, false, false}));

// Send? Yes fails; the selection that follows settles the changes (its own send? and save?, No and
// No) and shows the factory settings for the new printer. The outer switch or exit then ends: its
// save question would be about settings the window no longer holds.
class FailedSendInside : public GuardedCommands,
                         public ::testing::WithParamInterface<QAction * MainActions::*> {
protected:
    // Up to the printer choice after the failed send.
    void ExpectTheFailedSendAndItsQuestions() {
        RestartWith({ModelPrinter("B")});
        Prepare(true, true);
        printers.printer("Quill")->failWrite = true;
        user.answerBox(QMessageBox::Yes);  // send first?
        user.expectWarning(kNotAvailable, kCaption);
        user.expectBox(kSendBeforeSwitch, kCaption, QMessageBox::Warning, kQuestion, QMessageBox::No);
        user.expectBox(kSaveBeforeSwitch, kCaption, QMessageBox::Warning, kQuestion, QMessageBox::No);
    }
};

TEST_P(FailedSendInside, SwitchOrExitNeverSavesOtherSettings) {
    ExpectTheFailedSendAndItsQuestions();
    user.driveDialog([](QDialog& d) { ChoosePrinter(d, QStringLiteral("B")); });
    ExpectInformation(kFactoryShown);
    (main->actions().*GetParam())->trigger();
    EXPECT_EQ(user.dialogsRun(), 1);
    EXPECT_EQ(user.boxes().size(), 5u) << "no further question";
    EXPECT_FALSE(main->hasClosed());
    EXPECT_EQ(main->printerName(), QStringLiteral("B"));
    EXPECT_EQ(main->currentImage(), settings::FactoryImage());
}

INSTANTIATE_TEST_SUITE_P(SwitchAndExit, FailedSendInside,
                         ::testing::Values(&MainActions::printer, &MainActions::exit));

// With no printer left after the failed send, the window closes with status 1 and asks nothing more.
TEST_P(FailedSendInside, FindingNoPrinterLeftEndsTheProgramWithStatusOne) {
    ExpectTheFailedSendAndItsQuestions();
    user.expectWarning(kNoUsablePrinter, kCaption);
    printers.setListingFails(true);
    (main->actions().*GetParam())->trigger();
    EXPECT_EQ(user.boxes().size(), 5u) << "no further question";
    EXPECT_TRUE(main->hasClosed());
    EXPECT_EQ(main->exitStatus(), 1);
}

TEST_F(MainWindowTest, StartingWithoutAUsablePrinterEndsTheProgramWithStatusOne) {
    printers.removePrinter("Quill");
    user.expectWarning(kNoUsablePrinter, kCaption);
    main = std::make_unique<MainWindow>();
    EXPECT_FALSE(main->start());
    EXPECT_EQ(main->exitStatus(), 1);
}

TEST_F(GuardedCommands, YesToSavingThatWritesNothingKeepsTheWindowOpen) {
    Prepare(false, true);
    user.answerBox(QMessageBox::Yes);
    user.answerFileDialog(std::nullopt);
    main->actions().exit->trigger();
    EXPECT_FALSE(main->hasClosed());
}

TEST_F(GuardedCommands, CloseBoxRunsTheExitFlow) {
    Prepare(true, false);
    user.answerBox(QMessageBox::Cancel);
    EXPECT_FALSE(main->close());
    EXPECT_FALSE(main->hasClosed());
    EXPECT_TRUE(main->isVisible());
    ASSERT_EQ(user.boxes().size(), 1u);
    user.answerBox(QMessageBox::No);
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(main->hasClosed());
}

TEST_F(GuardedCommands, SendDeliversTheImageAsShownAndDisablesTheCommand) {
    main->selectPage(1);
    NumericEdit* cutSheet = CutSheet();
    TypeReplacing(cutSheet, QStringLiteral("55"));
    ExpectInformation(kSent);
    QTest::keyClick(cutSheet, Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(DocumentsSent(), 1);
    const auto& doc = printers.documents().back();
    EXPECT_EQ(doc.title, "Brindlemark Status Write");
    ASSERT_EQ(doc.bytes.size(), 190u);
    EXPECT_TRUE(std::equal(doc.bytes.begin(), doc.bytes.end(), main->currentImage().data()));
    EXPECT_EQ(main->currentImage()[26], '5');
    EXPECT_EQ(main->printerBaseline(), main->currentImage());
    EXPECT_FALSE(SendEnabled());
    // A grayed command's key does nothing; a change enables it again.
    QTest::keyClick(cutSheet, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(DocumentsSent(), 1);
    TypeReplacing(cutSheet, QStringLiteral("40"));
    TypeReplacing(cutSheet, QStringLiteral("55"));
    EXPECT_TRUE(SendEnabled());
    Send();
    EXPECT_EQ(DocumentsSent(), 2);
    EXPECT_EQ(printers.documents()[0].bytes, printers.documents()[1].bytes);
}

TEST_F(GuardedCommands, FailedOrShortWriteKeepsTheBaselineAndOffersAnotherPrinter) {
    Change();
    for (bool shortWrite : {false, true}) {
        testing_support::InMemoryPrinter* p = printers.printer("Quill");
        p->failWrite = !shortWrite;
        p->shortWrite = shortWrite ? std::optional<std::size_t>(189) : std::nullopt;
        user.expectWarning(kNotAvailable, kCaption);
        // The printer flow: the image still differs from what was sent, so it asks; Cancel ends it.
        user.expectBox(kSendBeforeSwitch, kCaption, QMessageBox::Warning, kQuestion, QMessageBox::Cancel);
        main->actions().send->trigger();
        EXPECT_EQ(main->printerBaseline(), settings::FactoryImage());
        EXPECT_TRUE(SendEnabled());
    }
}

TEST_F(GuardedCommands, PrinterCommandTakesTheChosenPrinterAndTheSendGoesThere) {
    RestartWith({ModelPrinter("A", "FILE:"), ModelPrinter("B", "USB002")});
    printers.removePrinter("Quill");
    user.driveDialog([](QDialog& d) { ChoosePrinter(d, QStringLiteral("B")); });
    ExpectInformation(kFactoryShown);
    main->actions().printer->trigger();
    EXPECT_EQ(main->printerName(), QStringLiteral("B"));
    EXPECT_TRUE(main->actions().printer->isEnabled());
    EXPECT_EQ(main->statusText(0), QStringLiteral("プリンタ名： B"));
    EXPECT_EQ(main->statusText(1), QStringLiteral("接続先： USB002"));
    Send();
    EXPECT_EQ(printers.documents().back().printerName, "B");
}

// Ctrl+C is the printer command wherever the focus is, an edit too: nothing is copied.
TEST_F(GuardedCommands, CtrlCInsideAnEditChoosesThePrinterAndCopiesNothing) {
    RestartWith({ModelPrinter("Second")});
    main->selectPage(1);
    NumericEdit* cutSheet = CutSheet();
    FocusControl(cutSheet);
    cutSheet->selectAll();
    ASSERT_FALSE(cutSheet->selectedText().isEmpty());
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    user.driveDialog([](QDialog& d) { ChoosePrinter(d, QStringLiteral("Second")); });
    ExpectInformation(kFactoryShown);
    QTest::keyClick(cutSheet, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(user.dialogsRun(), 1);
    EXPECT_EQ(main->printerName(), QStringLiteral("Second"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));
}

TEST_F(GuardedCommands, ChoosingTheSamePrinterAgainShowsTheFactorySettings) {
    RestartWith({ModelPrinter("Second")});
    Change();
    Send();
    Save();
    // The held printer is preselected: OK takes it again.
    user.driveDialog([](QDialog& d) { Click(Child<QPushButton>(&d, "ok")); });
    ExpectInformation(kFactoryShown);
    main->actions().printer->trigger();
    EXPECT_EQ(main->printerName(), QStringLiteral("Quill"));
    EXPECT_EQ(main->currentImage(), settings::FactoryImage());
    EXPECT_EQ(main->currentPageIndex(), 0);
    EXPECT_TRUE(SendEnabled());
    // Cancel with a printer held changes nothing and asks nothing more.
    user.answerBox(QMessageBox::No);  // send first? (factory differs from what was sent)
    user.answerBox(QMessageBox::No);  // save first?
    user.driveDialog(CancelDialog);
    main->actions().printer->trigger();
    EXPECT_EQ(main->printerName(), QStringLiteral("Quill"));
    EXPECT_FALSE(main->hasClosed());
}

TEST_F(GuardedCommands, PrinterSwitchStopsWhereTheExitWouldStayOpen) {
    RestartWith({ModelPrinter("Second")});
    Prepare(true, true);
    user.answerBox(QMessageBox::No);
    user.answerBox(QMessageBox::Cancel);
    main->actions().printer->trigger();
    EXPECT_EQ(user.dialogsRun(), 0);
    // Yes to saving, dialog cancelled: the printer is not switched.
    user.answerBox(QMessageBox::No);
    user.answerBox(QMessageBox::Yes);
    user.answerFileDialog(std::nullopt);
    main->actions().printer->trigger();
    EXPECT_EQ(user.dialogsRun(), 0);
}

TEST_F(GuardedCommands, FactoryQuestionCancelChangesNothing) {
    Change();
    const settings::SettingsImage before = main->currentImage();
    Send();
    const QString question = QStringLiteral("現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？");
    const auto okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    user.expectBox(question, kCaption, QMessageBox::Warning, okCancel, QMessageBox::Cancel);
    main->actions().factory->trigger();
    EXPECT_EQ(main->currentImage(), before);
    EXPECT_FALSE(SendEnabled());
    user.expectBox(question, kCaption, QMessageBox::Warning, okCancel, QMessageBox::Ok);
    ExpectInformation(kFactoryShown);
    Press(Qt::Key_I);
    EXPECT_EQ(main->currentImage(), settings::FactoryImage());
    EXPECT_FALSE(Control<QRadioButton>(4, "switch6on")->isChecked());
    EXPECT_TRUE(SendEnabled());
}

TEST_F(GuardedCommands, AfterTheFactoryResetTabEntersThePaperSetGroupOnCentreAndRightChoosesLeft) {
    Press(Qt::Key_P);
    Click(Control(1, "paperLeft"));
    user.answerBox(QMessageBox::Ok);
    ExpectInformation(kFactoryShown);
    Press(Qt::Key_I);
    ASSERT_TRUE(Control<QRadioButton>(1, "paperCentre")->isChecked());
    Press(Qt::Key_P);
    FocusControl(Control(1, "font2"));
    Press(Qt::Key_Tab, Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control(1, "paperCentre"));
    Press(Qt::Key_Right, Qt::NoModifier);
    EXPECT_TRUE(Control<QRadioButton>(1, "paperLeft")->isChecked());
    EXPECT_EQ(main->currentImage()[24], '1');
}

TEST_F(GuardedCommands, PendingCorrectionRefusesTheSendAndChangesNothing) {
    main->selectPage(1);
    auto* frontTractor = Control<NumericEdit>(1, "frontTractor");
    TypeReplacing(frontTractor, QStringLiteral("3"));
    main->selectPage(3);
    const settings::SettingsImage printerBaseline = main->printerBaseline();
    const bool enabled = SendEnabled();
    user.expectWarning(
        QStringLiteral(
            "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。"),
        QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置"));
    main->actions().send->trigger();
    EXPECT_EQ(DocumentsSent(), 0);
    EXPECT_EQ(main->currentPageIndex(), 1);
    EXPECT_EQ(frontTractor->text(), QStringLiteral("10"));
    EXPECT_EQ(main->printerBaseline(), printerBaseline);
    EXPECT_EQ(SendEnabled(), enabled);
}

}  // namespace
