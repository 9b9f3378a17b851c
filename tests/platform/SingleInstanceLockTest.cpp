// Where the single-instance lock lives and whose it is.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/SingleInstance.h"

namespace {

class Environment {
public:
    Environment(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    ~Environment() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

TEST(SingleInstanceLock, OneCopyPerSessionInADirectoryOnlyTheUserCanWrite) {
    QTemporaryDir runtime;  // 0700, the user's own
    Environment xdg("XDG_RUNTIME_DIR", runtime.path());
    Environment display("DISPLAY", QStringLiteral(":1"));
    platform::SingleInstance first(QStringLiteral("bmk540-test"));
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.warning().isEmpty());
    EXPECT_TRUE(QFile::exists(runtime.filePath(QStringLiteral("bmk540-test-_1.lock"))));

    platform::SingleInstance second(QStringLiteral("bmk540-test"));
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.warning().contains(QStringLiteral("already running")))
        << second.warning().toStdString();

    Environment otherDisplay("DISPLAY", QStringLiteral(":2"));
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

    Environment xdg("XDG_RUNTIME_DIR", shared.path());
    Environment tmp("TMPDIR", shared.path());
    Environment display("DISPLAY", QStringLiteral(":1"));
    platform::SingleInstance instance(QStringLiteral("bmk540-test"));
    EXPECT_TRUE(instance.acquire());
    EXPECT_TRUE(instance.warning().contains(QStringLiteral("running without")))
        << instance.warning().toStdString();
}

}  // namespace
