// Where the single-instance lock lives and whose it is.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/SingleInstance.h"
#include "tests/support/ScopedVariable.h"

namespace {

using testing_support::ScopedVariable;

TEST(SingleInstanceLock, OneCopyPerSessionInADirectoryOnlyTheUserCanWrite) {
    QTemporaryDir runtime;  // 0700, the user's own
    ScopedVariable xdg("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    ScopedVariable display("DISPLAY", ":1");
    platform::SingleInstance first(QStringLiteral("bmk540-test"));
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.warning().isEmpty());
    EXPECT_TRUE(QFile::exists(runtime.filePath(QStringLiteral("bmk540-test-_1.lock"))));

    platform::SingleInstance second(QStringLiteral("bmk540-test"));
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.warning().contains(QStringLiteral("already running")))
        << second.warning().toStdString();

    ScopedVariable otherDisplay("DISPLAY", ":2");
    platform::SingleInstance onOtherDisplay(QStringLiteral("bmk540-test"));
    EXPECT_TRUE(onOtherDisplay.acquire());
}

// Another account can write into the temp directory and into a runtime directory that is not
// private: a lock prepared there, naming a live process, must not stop the program.
TEST(SingleInstanceLock, APlaceAnotherAccountCouldPrepareIsNeverUsed) {
    QTemporaryDir shared;
    ASSERT_EQ(::chmod(QFile::encodeName(shared.path()).constData(), 01777), 0);
    const QString planted = shared.filePath(QStringLiteral("bmk540-test-runtime-%1").arg(::getuid()));
    ASSERT_TRUE(QDir().mkdir(planted));
    ASSERT_EQ(::chmod(QFile::encodeName(planted).constData(), 0777), 0);
    // In the prepared directory, and where the shared temp directory would hold a per-user lock.
    for (const QString& path : {planted + QStringLiteral("/bmk540-test-_1.lock"),
                                shared.filePath(QStringLiteral("bmk540-test-%1.lock").arg(::getuid()))}) {
        QFile lock(path);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("1\nbmk540-test\n\n");  // process 1 is always alive
    }

    ScopedVariable xdg("XDG_RUNTIME_DIR", shared.path().toUtf8());
    ScopedVariable tmp("TMPDIR", shared.path().toUtf8());
    ScopedVariable display("DISPLAY", ":1");
    platform::SingleInstance instance(QStringLiteral("bmk540-test"));
    EXPECT_TRUE(instance.acquire());
    EXPECT_TRUE(instance.warning().contains(QStringLiteral("running without")))
        << instance.warning().toStdString();
}

}  // namespace
