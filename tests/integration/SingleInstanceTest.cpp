// Starting the real program twice: the same name gives one running instance, which the second
// start brings forward and hands its file to; a copy under another name runs on its own.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>

#include "app/LaterStarts.h"
#include "app/MainWindow.h"
#include "platform/SingleInstance.h"
#include "settings/FactoryImage.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/ScriptedUser.h"

#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"

using namespace testing_support;

namespace {

// Waits until the process has been running for a while without ending.
bool StaysUp(QProcess& process, int ms) {
    return !process.waitForFinished(ms) && process.state() == QProcess::Running;
}

// runtime: where the lock lives, this test's own, so that a window another run left open on the
// machine is not taken for the first start.
void Start(QProcess& process, const QString& program, const QString& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime);
    process.setProcessEnvironment(env);
    process.setProgram(program);
    process.start();
    ASSERT_TRUE(process.waitForStarted());
}

void Stop(QProcess& process) {
    if (process.state() == QProcess::Running) {
        process.kill();
        process.waitForFinished();
    }
}

// Every start needs a printer: a private scheduler with one queue of the model.
class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(cupsd.start()) << cupsd.lastError().toStdString();
        ASSERT_TRUE(
            cupsd.addQueue("Quill", QString::fromStdString(printer.deviceUri()), PrivateCupsd::modelPpd()));
    }
    PrivateCupsd cupsd;
    CaptureListener printer;
};

TEST_F(SingleInstance, SecondStartEndsAndACopyUnderAnotherNameRuns) {
    QTemporaryDir dir, runtime;
    const QString copy = dir.filePath("bmk540-other");
    ASSERT_TRUE(QFile::copy(QStringLiteral(BMK540_EXE), copy));

    QProcess first, second, other;
    Start(first, QStringLiteral(BMK540_EXE), runtime.path());
    EXPECT_TRUE(StaysUp(first, 1500)) << first.readAllStandardError().toStdString();
    Start(second, QStringLiteral(BMK540_EXE), runtime.path());
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    Start(other, copy, runtime.path());
    EXPECT_TRUE(StaysUp(other, 1500));
    EXPECT_EQ(first.state(), QProcess::Running);
    Stop(first);
    Stop(other);
    Stop(second);
}

// The running window is this test's, on the real lock and socket; the later start is the real
// program, started in another directory with a relative name that is no valid UTF-8.
TEST_F(SingleInstance, ASecondStartWithAFileHasTheRunningWindowLoadIt) {
    QTemporaryDir runtime;
    const bool hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());

    ScriptedUser user;  // nothing is to be asked
    MainWindow window;
    ASSERT_TRUE(window.start());
    window.show();
    platform::SingleInstance instance(QStringLiteral("bmk540"));
    ASSERT_TRUE(instance.acquire());
    ServeLaterStarts(instance, window);

    settings::SettingsImage changed = settings::FactoryImage();
    changed[8] = 0x02;
    ASSERT_TRUE(QDir(runtime.path()).mkdir("files"));
    // Latin-1, as an old file system might hold it; QTemporaryDir cannot remove such a name.
    const std::string path = QFile::encodeName(runtime.filePath("files")).toStdString() + "/caf\xe9.dat";
    std::ofstream(path, std::ios::binary) << testing_support::SettingsFileBytes(changed).toStdString();

    QProcess second;
    second.setWorkingDirectory(runtime.filePath("files"));
    // A shell passes the name's bytes; QProcess would pass them as UTF-8.
    second.start("/bin/sh", {"-c", "exec \"$0\" \"$(printf 'caf\\351.dat')\"", QStringLiteral(BMK540_EXE)});
    ASSERT_TRUE(second.waitForStarted());
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.fileBaseline() == changed; }));
    EXPECT_EQ(window.currentImage(), changed);
    Stop(second);
    std::remove(path.c_str());
    if (hadRuntime)
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    else
        qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
