// Loading and saving settings files from the main window, on real files.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>

#include "pages/NumericEdit.h"
#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/CraftedImages.h"

using namespace testing_support;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QString kSent = QStringLiteral("プリンタに設定値を送信しました。");
const QString kNotSettings = QStringLiteral("このファイルは設定ファイルではありません。");
const QString kHeadCentring =
    QStringLiteral("用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。");
const QString kHeadCentringCaption = QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置");

class FileCommands : public MainWindowTest {
protected:
    void SetUp() override { StartMainWindow(); }
    QString Write(const QString& name, const QByteArray& bytes) {
        QString path = TempPath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // A changed image (MSW2-6 on, cut-sheet centring 55) that the pages can show.
    static settings::SettingsImage Changed() {
        settings::SettingsImage image = settings::FactoryImage();
        image[8] = 0x02;
        image[26] = '5';
        image[27] = '5';
        return image;
    }
    bool SevenBitsShown() const { return Control<QRadioButton>(4, "switch6on")->isChecked(); }
    void ExpectFileDialog(bool open, std::optional<QString> answer) {
        user.answerFileDialog(answer, [this, open](const seams::FileDialogRequest& r) {
            EXPECT_EQ(r.open, open);
            EXPECT_EQ(r.filterName, QStringLiteral("BM設定ファイル (*.dat)"));
            EXPECT_EQ(r.filterPattern, QStringLiteral("*.dat"));
            EXPECT_EQ(r.defaultExtension, QStringLiteral("dat"));
            EXPECT_EQ(r.initialName, QStringLiteral("*.dat"));
            EXPECT_EQ(r.initialDirectory, dir.path() + "/");
            EXPECT_EQ(r.overwritePrompt, !open);
            EXPECT_EQ(r.owner, main.get());
        });
    }
};

TEST_F(FileCommands, SaveWritesHeaderAndTheImageAndLoadBringsItBack) {
    LoadIntoPages(Changed());
    ExpectFileDialog(false, TempPath("a.dat"));
    main->actions().save->trigger();
    QFile saved(TempPath("a.dat"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), SettingsFileBytes(Changed()));
    EXPECT_EQ(main->fileBaseline(), Changed());
    EXPECT_EQ(main->printerBaseline(), settings::FactoryImage());

    // Back to the factory settings, which is what the printer holds: the load asks nothing.
    LoadIntoPages(settings::FactoryImage());
    ExpectFileDialog(true, TempPath("a.dat"));
    Press(Qt::Key_O);
    EXPECT_EQ(main->currentImage(), Changed());
    EXPECT_EQ(main->fileBaseline(), Changed());
    EXPECT_TRUE(SevenBitsShown());
    EXPECT_EQ(CutSheet()->text(), QStringLiteral("55"));
}

TEST_F(FileCommands, HeaderByteTwentyTwoRefusedTwentyThreeAcceptedLongerLoadsShorterRefused) {
    QByteArray good = SettingsFileBytes(Changed());
    QByteArray b22 = good, b23 = good;
    b22[22] = 1;
    b23[23] = 1;
    const struct {
        QString name;
        QByteArray bytes;
        bool loads;
    } cases[] = {{"22.dat", b22, false},
                 {"23.dat", b23, true},
                 {"long.dat", good + QByteArray(40, 'x'), true},
                 {"short.dat", good.left(200), false}};
    for (const auto& c : cases) {
        LoadIntoPages(settings::FactoryImage());
        // Sent first, so the load asks nothing.
        user.expectBox(kSent, kCaption, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
        main->actions().send->trigger();
        const settings::SettingsImage before = main->currentImage();
        user.answerFileDialog(Write(c.name, c.bytes));
        if (!c.loads)
            user.expectWarning(kNotSettings, kCaption);
        main->actions().load->trigger();
        EXPECT_EQ(main->currentImage(), c.loads ? Changed() : before) << c.name.toStdString();
        EXPECT_EQ(SevenBitsShown(), c.loads) << c.name.toStdString();
    }
}

// A file named at start or by a later start: the load's question and message, once no dialog of
// the window is open.
TEST_F(FileCommands, AFileHandedOverWaitsForAnOpenDialogThenLoadsAsTheLoadCommandDoes) {
    const QByteArray factory =
        QFile::encodeName(Write("factory.dat", SettingsFileBytes(settings::FactoryImage())));
    const QByteArray other = QFile::encodeName(Write("other.dat", "not a settings file"));
    const QString discard =
        QStringLiteral("設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。");
    LoadIntoPages(Changed());
    QDialog open(main.get());
    open.setModal(true);
    open.show();
    main->openWhenFree(factory);
    QCoreApplication::processEvents();
    EXPECT_TRUE(user.boxes().empty());
    user.expectBox(discard, kCaption, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::No);
    open.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return user.boxes().size() == 1; }));
    EXPECT_EQ(main->currentImage(), Changed());

    user.answerBox(QMessageBox::Yes);
    main->openWhenFree(factory);
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->currentImage() == settings::FactoryImage(); }));
    EXPECT_FALSE(SevenBitsShown());
    EXPECT_TRUE(SendEnabled());
    // The factory settings are what the printer holds: nothing to ask before the refusal.
    user.expectWarning(kNotSettings, kCaption);
    main->openWhenFree(other);
    EXPECT_TRUE(QTest::qWaitFor([&] { return user.boxes().size() == 3; }));
    EXPECT_EQ(main->currentImage(), settings::FactoryImage());
}

TEST_F(FileCommands, LoadingTheSameSettingsAgainReplacesTheBaselineAndEnablesSend) {
    QString path = Write("same.dat", SettingsFileBytes(settings::FactoryImage()));
    user.expectBox(kSent, kCaption, QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
    main->actions().send->trigger();
    EXPECT_FALSE(SendEnabled());
    const int checks = main->dataChecksRun();
    user.answerFileDialog(path);  // equal to the printer baseline: no question
    main->actions().load->trigger();
    EXPECT_GT(main->dataChecksRun(), checks);
    EXPECT_TRUE(SendEnabled());
}

TEST_F(FileCommands, DecliningTheQuestionOrTheDialogChangesNothing) {
    LoadIntoPages(Changed());
    user.expectBox(QStringLiteral("設定が変更されています。\nコマンドを続行すると設定の変更は破棄されます。"),
                   kCaption, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    main->actions().load->trigger();
    EXPECT_TRUE(user.fileRequests().empty());
    user.answerBox(QMessageBox::Yes);
    user.answerFileDialog(std::nullopt);
    main->actions().load->trigger();
    EXPECT_EQ(main->currentImage(), Changed());
    user.answerFileDialog(std::nullopt);
    main->actions().save->trigger();
    EXPECT_EQ(main->fileBaseline(), settings::FactoryImage());
}

TEST_F(FileCommands, PendingCorrectionBlocksTheSaveAndShowsPageOne) {
    main->selectPage(1);
    TypeReplacing(CutSheet(), QStringLiteral("5"));
    main->selectPage(0);
    user.expectWarning(kHeadCentring, kHeadCentringCaption);
    Press(Qt::Key_S);
    EXPECT_EQ(main->currentPageIndex(), 1);
    EXPECT_EQ(CutSheet()->text(), QStringLiteral("10"));
    EXPECT_TRUE(user.fileRequests().empty());
}

// The data check after the load, on the first memory-switch page, finds the intake time out of
// its range: its page comes to the front with the edit focused and selected, so a digit replaces it.
TEST_F(FileCommands, ALoadedIntakeTimeOutOfRangeShowsItsPageWithTheEditFocusedAndSelected) {
    const QString path = Write("intake9.dat", SettingsFileBytes(With({{168, "9"}})));
    Press(Qt::Key_1);
    ASSERT_EQ(main->currentPageIndex(), 3);
    user.answerFileDialog(path);
    user.expectWarning(QStringLiteral("2 から 5 までの整数を入力してください。"),
                       QCoreApplication::applicationName());
    Press(Qt::Key_O);
    auto* intake = Control<NumericEdit>(2, "intakeTime");
    EXPECT_EQ(main->currentPageIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), intake);
    EXPECT_EQ(intake->selectedText(), QStringLiteral("9"));
    Press(Qt::Key_3, Qt::NoModifier);
    EXPECT_EQ(intake->text(), QStringLiteral("3"));
    EXPECT_EQ(main->currentImage()[168], '3');
    user.verifyAllUsed();
}

// The user opens a file with cut-sheet centring "05" by Ctrl+O from inside that edit and, while
// the file dialog is open, activates another window: the edit is still the window's focus, so the
// loaded 5 is held back as a typed one would be.
TEST_F(FileCommands, ALoadIntoTheFocusedEditOfAnInactiveWindowHoldsBackAOneDigitCentring) {
    const QString path = Write("05.dat", SettingsFileBytes(With({{26, "05"}})));
    main->selectPage(1);
    FocusControl(CutSheet());
    QWidget other;
    user.answerFileDialog(path, [&other](const seams::FileDialogRequest&) { ShowAndActivate(&other); });
    Press(Qt::Key_O);
    ASSERT_NE(QApplication::activeWindow(), main.get());
    EXPECT_EQ(CutSheet()->text(), QStringLiteral("5"));
    ShowAndActivate(main.get());
    ASSERT_EQ(QApplication::focusWidget(), CutSheet());
    user.expectWarning(kHeadCentring, kHeadCentringCaption);
    Press(Qt::Key_W);
    EXPECT_TRUE(printers.documents().empty());
    EXPECT_EQ(CutSheet()->text(), QStringLiteral("10"));
}

TEST_F(FileCommands, FailedWriteKeepsTheOldFileAndTheBaseline) {
    ExpectFileDialog(false, TempPath("keep.dat"));
    main->actions().save->trigger();
    LoadIntoPages(Changed());
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.dat"));
    user.answerFileDialog(TempPath("taken.dat"));
    user.expectBox(QStringLiteral("設定ファイルの書き込みに失敗しました。"), kCaption, QMessageBox::Critical,
                   QMessageBox::Ok, QMessageBox::Ok);
    main->actions().save->trigger();
    EXPECT_EQ(main->fileBaseline(), settings::FactoryImage());
    EXPECT_EQ(settings::LoadSettingsFile(TempPath("keep.dat").toStdString()), settings::FactoryImage());
}

// Root ignores file modes: a read-only bind mount gives a real refusal (EROFS).
TEST_F(FileCommands, PermissionDeniedAsksForAnotherPlaceUntilItWorks) {
    QString locked = TempPath("ro");
    ASSERT_TRUE(QDir().mkpath(locked));
    // Root writes into any directory: for root, a read-only mount; for a user, a read-only directory.
    const QByteArray path = QFile::encodeName(locked);
    if (::geteuid() == 0) {
        ASSERT_EQ(::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr), 0);
        ASSERT_EQ(::mount(nullptr, path.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr), 0);
    } else {
        ASSERT_EQ(::chmod(path.constData(), 0555), 0);
    }
    struct Unmount {
        QByteArray path;
        ~Unmount() {
            if (::geteuid() == 0)
                ::umount(path.constData());
        }
    } unmount{path};
    const QString denied = QStringLiteral(
        "設定ファイルの書き込みに失敗しました。\nこのディレクトリに保存するアクセス許可がない可能性があります"
        "。\n"
        "設定ファイルの保存先を変更してやり直してください。");
    ExpectFileDialog(false, locked + "/x.dat");
    user.expectWarning(denied, kCaption);
    ExpectFileDialog(false, locked + "/y.dat");
    user.expectWarning(denied, kCaption);
    ExpectFileDialog(false, TempPath("ok.dat"));
    main->actions().save->trigger();
    EXPECT_TRUE(QFile::exists(TempPath("ok.dat")));
    EXPECT_FALSE(QFile::exists(locked + "/x.dat"));
}

}  // namespace
