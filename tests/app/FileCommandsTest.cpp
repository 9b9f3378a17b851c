// Loading and saving settings files from the main window, on real files.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;

namespace {

const QString kCaption = QStringLiteral("Brindlemark");
const QString kNotSettings = QStringLiteral("このファイルは設定ファイルではありません。");

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
    // A changed image (MSW2-6 on) that the pages can show.
    static settings::SettingsImage Changed() {
        settings::SettingsImage image = settings::FactoryImage();
        image[8] = 0x02;
        image[26] = '5';
        image[27] = '5';
        return image;
    }
    void ExpectFileDialog(bool open, std::optional<QString> answer) {
        user.AnswerFileDialog(answer, [this, open](const FileDialogRequest& r) {
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
    main->SendCommand(res::ID_SAVE_SETTINGS);
    QFile saved(TempPath("a.dat"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), SettingsFileBytes(Changed()));
    EXPECT_EQ(main->FileBaseline(), Changed());
    EXPECT_EQ(main->PrinterBaseline(), settings::FactoryImage());

    // Back to the factory settings, which is what the printer holds: the load asks nothing.
    LoadIntoPages(settings::FactoryImage());
    ExpectFileDialog(true, TempPath("a.dat"));
    QTest::keyClick(main->GetSafeHwnd(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(main->CurrentImage(), Changed());
    EXPECT_EQ(main->FileBaseline(), Changed());
    EXPECT_TRUE(main->Page(4).IsDlgButtonChecked(1012));  // MSW2-6 shown on its page
    EXPECT_EQ(main->Page(1).GetDlgItemText(1061), QStringLiteral("55"));
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
        user.ExpectBox(QStringLiteral("プリンタに設定値を送信しました。"), kCaption,
                       MB_OK | MB_ICONINFORMATION, IDOK);
        main->SendCommand(res::ID_SEND_SETTINGS);
        const settings::SettingsImage before = main->CurrentImage();
        user.AnswerFileDialog(Write(c.name, c.bytes));
        if (!c.loads)
            user.ExpectBox(kNotSettings, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
        main->SendCommand(res::ID_LOAD_SETTINGS);
        EXPECT_EQ(main->CurrentImage(), c.loads ? Changed() : before) << c.name.toStdString();
        EXPECT_EQ(main->Page(4).IsDlgButtonChecked(1012), c.loads) << c.name.toStdString();
    }
}

TEST_F(FileCommands, LoadingTheSameSettingsAgainReplacesTheBaselineAndEnablesSend) {
    QString path = Write("same.dat", SettingsFileBytes(settings::FactoryImage()));
    user.ExpectBox(QStringLiteral("プリンタに設定値を送信しました。"), kCaption, MB_OK | MB_ICONINFORMATION,
                   IDOK);
    main->SendCommand(res::ID_SEND_SETTINGS);
    EXPECT_FALSE(SendEnabledInMenu());
    const int checks = main->DataChecksRun();
    user.AnswerFileDialog(path);  // equal to the printer baseline: no question
    main->SendCommand(res::ID_LOAD_SETTINGS);
    EXPECT_GT(main->DataChecksRun(), checks);
    EXPECT_TRUE(SendEnabledInMenu());
    EXPECT_TRUE(SendEnabledInToolbar());
}

TEST_F(FileCommands, DecliningTheQuestionOrTheDialogChangesNothing) {
    LoadIntoPages(Changed());
    user.AnswerBox(IDNO);
    main->SendCommand(res::ID_LOAD_SETTINGS);
    EXPECT_TRUE(user.FileRequests().empty());
    user.AnswerBox(IDYES);
    user.AnswerFileDialog(std::nullopt);
    main->SendCommand(res::ID_LOAD_SETTINGS);
    EXPECT_EQ(main->CurrentImage(), Changed());
    user.AnswerFileDialog(std::nullopt);
    main->SendCommand(res::ID_SAVE_SETTINGS);
    EXPECT_EQ(main->FileBaseline(), settings::FactoryImage());
}

TEST_F(FileCommands, PendingCorrectionBlocksTheSaveAndShowsPageOne) {
    main->SelectPage(1);
    QWidget* edit = main->Page(1).GetDlgItem(1061);
    TypeReplacing(edit, QStringLiteral("5"));
    main->SelectPage(0);
    user.ExpectBox(
        QStringLiteral(
            "用紙吸入時ヘッドセンタリング位置の値が設定範囲を超えています。\n適正値に変更します。"),
        QStringLiteral("パラメータ設定－用紙吸入時ヘッドセンタリング位置"), MB_OK | MB_ICONEXCLAMATION, IDOK);
    QTest::keyClick(main->GetSafeHwnd(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(main->CurrentPageIndex(), 1);
    EXPECT_EQ(main->Page(1).GetDlgItemText(1061), QStringLiteral("10"));
    EXPECT_TRUE(user.FileRequests().empty());
}

TEST_F(FileCommands, FailedWriteKeepsTheOldFileAndTheBaseline) {
    ExpectFileDialog(false, TempPath("keep.dat"));
    main->SendCommand(res::ID_SAVE_SETTINGS);
    LoadIntoPages(Changed());
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.dat"));
    user.AnswerFileDialog(TempPath("taken.dat"));
    user.ExpectBox(QStringLiteral("設定ファイルの書き込みに失敗しました。"), kCaption, MB_OK | MB_ICONHAND,
                   IDOK);
    main->SendCommand(res::ID_SAVE_SETTINGS);
    EXPECT_EQ(main->FileBaseline(), settings::FactoryImage());
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
    user.ExpectBox(denied, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
    ExpectFileDialog(false, locked + "/y.dat");
    user.ExpectBox(denied, kCaption, MB_OK | MB_ICONEXCLAMATION, IDOK);
    ExpectFileDialog(false, TempPath("ok.dat"));
    main->SendCommand(res::ID_SAVE_SETTINGS);
    EXPECT_TRUE(QFile::exists(TempPath("ok.dat")));
    EXPECT_FALSE(QFile::exists(locked + "/x.dat"));
}

}  // namespace
