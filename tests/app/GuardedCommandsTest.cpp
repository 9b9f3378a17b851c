// Sending, switching printer, factory settings and exit: what is asked before work is lost.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "settings/FactoryImage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QString kSent = QStringLiteral("プリンタに設定値を送信しました。");
const QString kNotAvailable = QStringLiteral(
    "指定されたプリンタは、現在接続されていないか、プリンタ使用権の制限により使用できません。");
const UINT kQuestion = MB_YESNOCANCEL | MB_ICONEXCLAMATION;

class GuardedCommands : public MainWindowTest {
protected:
    void SetUp() override { StartMainWindow(); }
    void Change() {
        settings::SettingsImage image = main->CurrentImage();
        image[8] ^= 0x02;
        LoadIntoPages(image);
    }
    void Send() {
        user.ExpectBox(kSent, kCaption, MB_OK | MB_ICONINFORMATION, IDOK);
        main->SendCommand(res::ID_SEND_SETTINGS);
    }
    void Save() {
        user.AnswerFileDialog(TempPath("s.dat"));
        main->SendCommand(res::ID_SAVE_SETTINGS);
    }
    // Brings the window to the wanted differences from the two baselines.
    void Prepare(bool toSend, bool toSave) {
        if (toSend || toSave)
            Change();
        if (!toSend)
            Send();
        if (!toSave)
            Save();
        ASSERT_EQ(main->CurrentImage() != main->PrinterBaseline(), toSend);
        ASSERT_EQ(main->CurrentImage() != main->FileBaseline(), toSave);
        user.ClearRecords();
        printers.clearCalls();
    }
    int DocumentsSent() const { return static_cast<int>(printers.documents().size()); }
};

struct ExitRow {
    bool toSend;
    int sendAnswer;  // 0: not asked
    bool toSave;
    int saveAnswer;
    bool sends;
    bool saves;
    bool closes;
};

class ExitTable : public GuardedCommands, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(ExitTable, ExitAsksAndClosesAsTheTableSays) {
    const ExitRow row = GetParam();
    Prepare(row.toSend, row.toSave);
    const int sentBefore = DocumentsSent();
    if (row.toSend) {
        user.ExpectBox(QStringLiteral("Brindlemark を終了する前に、設定値をプリンタへ送信しますか？"),
                       kCaption, kQuestion, row.sendAnswer);
    }
    if (row.sends)
        user.ExpectBox(kSent, kCaption, MB_OK | MB_ICONINFORMATION, IDOK);
    if (row.toSave && row.sendAnswer != IDCANCEL) {
        user.ExpectBox(QStringLiteral("Brindlemark を終了する前に、設定ファイルへ保存しますか？"), kCaption,
                       kQuestion, row.saveAnswer);
    }
    if (row.saves)
        user.AnswerFileDialog(TempPath("exit.dat"));
    main->SendCommand(res::ID_EXIT_APP);
    EXPECT_EQ(DocumentsSent() - sentBefore, row.sends ? 1 : 0);
    EXPECT_EQ(QFile::exists(TempPath("exit.dat")), row.saves);
    EXPECT_EQ(main->IsEnded(), row.closes);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ExitTable,
                         ::testing::Values(ExitRow{false, 0, false, 0, false, false, true},
                                           ExitRow{false, 0, true, IDYES, false, true, true},
                                           ExitRow{false, 0, true, IDNO, false, false, true},
                                           ExitRow{false, 0, true, IDCANCEL, false, false, false},
                                           ExitRow{true, IDCANCEL, true, 0, false, false, false},
                                           ExitRow{true, IDCANCEL, false, 0, false, false, false},
                                           ExitRow{true, IDYES, false, 0, true, false, true},
                                           ExitRow{true, IDNO, false, 0, false, false, true},
                                           ExitRow{true, IDYES, true, IDYES, true, true, true},
                                           ExitRow{true, IDNO, true, IDYES, false, true, true},
                                           ExitRow{true, IDYES, true, IDNO, true, false, true},
                                           ExitRow{true, IDNO, true, IDNO, false, false, true},
                                           ExitRow{true, IDYES, true, IDCANCEL, true, false, false},
                                           ExitRow{true, IDNO, true, IDCANCEL, false, false, false}));

// The printer command asks the same questions; where the exit would close, it shows the
// selection dialog instead. Cancelling that dialog keeps the held printer and the images.
TEST_P(ExitTable, PrinterCommandAsksAndReachesTheDialogAsTheTableSays) {
    const ExitRow row = GetParam();
    printers.addPrinter(ModelPrinter("Second"));
    Prepare(row.toSend, row.toSave);
    const int sentBefore = DocumentsSent();
    if (row.toSend) {
        user.ExpectBox(
            QStringLiteral(
                "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？"),
            kCaption, kQuestion, row.sendAnswer);
    }
    if (row.sends)
        user.ExpectBox(kSent, kCaption, MB_OK | MB_ICONINFORMATION, IDOK);
    if (row.toSave && row.sendAnswer != IDCANCEL) {
        user.ExpectBox(
            QStringLiteral(
                "設定値が変更されています。\nプリンタを切り替える前に、設定ファイルへ保存しますか？"),
            kCaption, kQuestion, row.saveAnswer);
    }
    if (row.saves)
        user.AnswerFileDialog(TempPath("switch.dat"));
    if (row.closes)
        user.DriveDialog([](CDialog& d) { d.OnCancel(); });
    main->SendCommand(res::ID_SELECT_PRINTER);
    EXPECT_EQ(DocumentsSent() - sentBefore, row.sends ? 1 : 0);
    EXPECT_EQ(QFile::exists(TempPath("switch.dat")), row.saves);
    EXPECT_EQ(user.DialogsRun(), row.closes ? 1 : 0);
    EXPECT_FALSE(main->IsEnded());
    EXPECT_EQ(main->PrinterName(), QStringLiteral("Quill"));
}

// Send? Yes fails; the selection that follows settles the changes (its own send? and save?, No and
// No) and shows the factory settings for the new printer. The outer switch or exit then ends: its
// save question would be about settings the window no longer holds.
class FailedSendInside : public GuardedCommands, public ::testing::WithParamInterface<int> {};

TEST_P(FailedSendInside, SwitchOrExitNeverSavesOtherSettings) {
    printers.addPrinter(ModelPrinter("B"));
    Prepare(true, true);
    printers.printer("Quill")->failWrite = true;
    user.AnswerBox(IDYES);  // send first?
    user.ExpectBox(kNotAvailable, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
    user.AnswerBox(IDNO);  // the selection's own send first?
    user.AnswerBox(IDNO);  // and save first?
    user.DriveDialog([](CDialog& d) {
        auto& dlg = static_cast<OldPrinterSelectDialog&>(d);
        dlg.printerList.SetItemState(dlg.printerList.FindItem(QStringLiteral("B")), LVIS_SELECTED,
                                     LVIS_SELECTED);
        dlg.OnOK();
    });
    user.ExpectBox(QStringLiteral("工場出荷設定値を表示しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    main->SendCommand(GetParam());
    EXPECT_EQ(user.DialogsRun(), 1);
    EXPECT_EQ(user.Boxes().size(), 5u) << "no further question";
    EXPECT_FALSE(main->IsEnded());
    EXPECT_EQ(main->PrinterName(), QStringLiteral("B"));
    EXPECT_EQ(main->CurrentImage(), settings::FactoryImage());
}

INSTANTIATE_TEST_SUITE_P(SwitchAndExit, FailedSendInside,
                         ::testing::Values(res::ID_SELECT_PRINTER, res::ID_EXIT_APP));

TEST_F(GuardedCommands, YesToSavingThatWritesNothingKeepsTheWindowOpen) {
    Prepare(false, true);
    user.AnswerBox(IDYES);
    user.AnswerFileDialog(std::nullopt);
    main->SendCommand(res::ID_EXIT_APP);
    EXPECT_FALSE(main->IsEnded());
}

TEST_F(GuardedCommands, CloseBoxRunsTheExitFlow) {
    Prepare(true, false);
    user.AnswerBox(IDCANCEL);
    main->GetSafeHwnd()->close();
    EXPECT_FALSE(main->IsEnded());
    ASSERT_EQ(user.Boxes().size(), 1u);
    user.AnswerBox(IDNO);
    main->GetSafeHwnd()->close();
    EXPECT_TRUE(main->IsEnded());
}

TEST_F(GuardedCommands, SendDeliversTheImageAsShownAndDisablesTheCommand) {
    main->SelectPage(1);
    TypeReplacing(main->Page(1).GetDlgItem(1061), QStringLiteral("55"));
    user.ExpectBox(kSent, kCaption, MB_OK | MB_ICONINFORMATION, IDOK);
    QTest::keyClick(main->Page(1).GetDlgItem(1061), Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(DocumentsSent(), 1);
    const auto& doc = printers.documents().back();
    EXPECT_EQ(doc.title, "Brindlemark Status Write");
    ASSERT_EQ(doc.bytes.size(), 190u);
    EXPECT_TRUE(std::equal(doc.bytes.begin(), doc.bytes.end(), main->CurrentImage().data()));
    EXPECT_EQ(main->CurrentImage()[26], '5');
    EXPECT_EQ(main->PrinterBaseline(), main->CurrentImage());
    EXPECT_FALSE(SendEnabledInMenu());
    EXPECT_FALSE(SendEnabledInToolbar());
    // A grayed command's accelerator does nothing; a change enables it again.
    QTest::keyClick(main->Page(1).GetDlgItem(1061), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(DocumentsSent(), 1);
    TypeReplacing(main->Page(1).GetDlgItem(1061), QStringLiteral("40"));
    TypeReplacing(main->Page(1).GetDlgItem(1061), QStringLiteral("55"));
    EXPECT_TRUE(SendEnabledInMenu());
    Send();
    EXPECT_EQ(DocumentsSent(), 2);
    EXPECT_EQ(printers.documents()[0].bytes, printers.documents()[1].bytes);
}

TEST_F(GuardedCommands, FailedOrShortWriteKeepsTheBaselineAndOffersAnotherPrinter) {
    Change();
    for (bool shortWrite : {false, true}) {
        platform::InMemoryPrinter* p = printers.printer("Quill");
        p->failWrite = !shortWrite;
        p->shortWrite = shortWrite ? std::optional<std::size_t>(189) : std::nullopt;
        user.ExpectBox(kNotAvailable, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
        // The printer flow: the image still differs from what was sent, so it asks; Cancel ends it.
        user.ExpectBox(
            QStringLiteral(
                "設定値が変更されています。\nプリンタを切り替える前に、設定値をプリンタへ送信しますか？"),
            kCaption, kQuestion, IDCANCEL);
        main->SendCommand(res::ID_SEND_SETTINGS);
        EXPECT_EQ(main->PrinterBaseline(), settings::FactoryImage());
        EXPECT_TRUE(SendEnabledInMenu());
    }
}

TEST_F(GuardedCommands, PrinterCommandTakesTheChosenPrinterAndTheSendGoesThere) {
    printers.removePrinter("Quill");
    printers.addPrinter(ModelPrinter("A", "FILE:"));
    printers.addPrinter(ModelPrinter("B", "USB002"));
    // B, the second row in name order, is chosen through the printer command.
    user.DriveDialog([](CDialog& d) {
        auto& dlg = static_cast<OldPrinterSelectDialog&>(d);
        dlg.printerList.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        dlg.OnOK();
    });
    user.ExpectBox(QStringLiteral("工場出荷設定値を表示しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    main->SendCommand(res::ID_SELECT_PRINTER);
    EXPECT_EQ(main->PrinterName(), QStringLiteral("B"));
    EXPECT_EQ(main->Menu().GetMenuState(res::ID_SELECT_PRINTER), MF_ENABLED);
    EXPECT_EQ(main->StatusBar().GetText(0), QStringLiteral("プリンタ名： B"));
    EXPECT_EQ(main->StatusBar().GetText(1), QStringLiteral("接続先： USB002"));
    Send();
    EXPECT_EQ(printers.documents().back().printerName, "B");
}

TEST_F(GuardedCommands, ChoosingTheSamePrinterAgainShowsTheFactorySettings) {
    printers.addPrinter(ModelPrinter("Second"));
    Change();
    Send();
    Save();
    user.DriveDialog([](CDialog& d) { d.OnCommand(IDOK, 0); });
    user.ExpectBox(QStringLiteral("工場出荷設定値を表示しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    main->SendCommand(res::ID_SELECT_PRINTER);
    EXPECT_EQ(main->PrinterName(), QStringLiteral("Quill"));
    EXPECT_EQ(main->CurrentImage(), settings::FactoryImage());
    EXPECT_EQ(main->CurrentPageIndex(), 0);
    EXPECT_TRUE(SendEnabledInMenu());
    // Cancel with a printer held changes nothing and asks nothing more.
    user.DriveDialog([](CDialog& d) { d.OnCommand(IDCANCEL, 0); });
    user.AnswerBox(IDNO);  // send first? (factory differs from what was sent)
    user.AnswerBox(IDNO);  // save first?
    main->SendCommand(res::ID_SELECT_PRINTER);
    EXPECT_EQ(main->PrinterName(), QStringLiteral("Quill"));
    EXPECT_FALSE(main->IsEnded());
}

TEST_F(GuardedCommands, PrinterSwitchStopsWhereTheExitWouldStayOpen) {
    printers.addPrinter(ModelPrinter("Second"));
    Prepare(true, true);
    user.AnswerBox(IDNO);
    user.AnswerBox(IDCANCEL);
    main->SendCommand(res::ID_SELECT_PRINTER);
    EXPECT_EQ(user.DialogsRun(), 0);
    // Yes to saving, dialog cancelled: the printer is not switched.
    user.AnswerBox(IDNO);
    user.AnswerBox(IDYES);
    user.AnswerFileDialog(std::nullopt);
    main->SendCommand(res::ID_SELECT_PRINTER);
    EXPECT_EQ(user.DialogsRun(), 0);
}

TEST_F(GuardedCommands, FactoryQuestionCancelChangesNothing) {
    Change();
    const settings::SettingsImage before = main->CurrentImage();
    Send();
    user.ExpectBox(QStringLiteral("現在の設定値は破棄されます、\n工場出荷設定値に変更しますか？"), kCaption,
                   MB_OKCANCEL | MB_ICONEXCLAMATION, IDCANCEL);
    main->SendCommand(res::ID_FACTORY_SETTINGS);
    EXPECT_EQ(main->CurrentImage(), before);
    EXPECT_FALSE(SendEnabledInMenu());
    user.AnswerBox(IDOK);
    user.ExpectBox(QStringLiteral("工場出荷設定値を表示しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    QTest::keyClick(main->GetSafeHwnd(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(main->CurrentImage(), settings::FactoryImage());
    EXPECT_FALSE(main->Page(4).IsDlgButtonChecked(1012));
    EXPECT_TRUE(SendEnabledInMenu());
}

TEST_F(GuardedCommands, PendingCorrectionRefusesTheSendAndChangesNothing) {
    main->SelectPage(1);
    TypeReplacing(main->Page(1).GetDlgItem(1062), QStringLiteral("3"));
    main->SelectPage(3);
    const settings::SettingsImage printerBaseline = main->PrinterBaseline();
    const bool enabled = SendEnabledInMenu();
    user.ExpectBox(
        QStringLiteral(
            "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。"),
        QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    main->SendCommand(res::ID_SEND_SETTINGS);
    EXPECT_EQ(DocumentsSent(), 0);
    EXPECT_EQ(main->CurrentPageIndex(), 1);
    EXPECT_EQ(main->Page(1).GetDlgItemText(1062), QStringLiteral("10"));
    EXPECT_EQ(main->PrinterBaseline(), printerBaseline);
    EXPECT_EQ(SendEnabledInMenu(), enabled);
}

}  // namespace
