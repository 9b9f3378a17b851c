// Starting the real program twice: the same name gives one running instance, which the second
// start brings forward; a copy under another name runs on its own.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"

using namespace testing_support;

namespace {

// Waits until the process has been running for a while without ending.
bool StaysUp(QProcess& process, int ms) {
    return !process.waitForFinished(ms) && process.state() == QProcess::Running;
}

void Start(QProcess& process, const QString& program) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
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

TEST(SingleInstance, SecondStartEndsAndACopyUnderAnotherNameRuns) {
    BMK_REQUIRE_PRIVATE_CUPSD();
    PrivateCupsd cupsd;
    ASSERT_TRUE(cupsd.start()) << cupsd.lastError().toStdString();
    CaptureListener printer;
    ASSERT_TRUE(
        cupsd.addQueue("Quill", QString::fromStdString(printer.deviceUri()), PrivateCupsd::modelPpd()));

    QTemporaryDir dir;
    const QString copy = dir.filePath("bmk540-other");
    ASSERT_TRUE(QFile::copy(QStringLiteral(BMK540_EXE), copy));

    QProcess first, second, other;
    Start(first, QStringLiteral(BMK540_EXE));
    EXPECT_TRUE(StaysUp(first, 1500)) << first.readAllStandardError().toStdString();
    Start(second, QStringLiteral(BMK540_EXE));
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    Start(other, copy);
    EXPECT_TRUE(StaysUp(other, 1500));
    EXPECT_EQ(first.state(), QProcess::Running);
    Stop(first);
    Stop(other);
    Stop(second);
}

}  // namespace
