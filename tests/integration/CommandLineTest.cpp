// bmk540 from a shell: --help and --version answer without a display; bad usage is refused.
#include <gtest/gtest.h>

#include <QProcess>

namespace {

TEST(CommandLine, HelpAndVersionNeedNoDisplayAndBadUsageIsRefused) {
    const struct {
        QStringList arguments;
        bool display;  // an offscreen one; without, a window could not start at all
        int exitCode;
        const char* out;
        const char* err;
    } cases[] = {
        {{"--help"}, false, 0, "Usage: bmk540 [OPTION] [FILE]\n", ""},
        {{"-h"}, false, 0, "Usage: bmk540 [OPTION] [FILE]\n", ""},
        {{"--version"}, false, 0, "bmk540 2.0\n", ""},
        {{"-v"}, false, 0, "bmk540 2.0\n", ""},
        {{"--frobnicate"}, true, 2, "", "bmk540: unknown option '--frobnicate'\n"},
        {{"a.dat", "b.dat"}, true, 2, "", "bmk540: more than one FILE given\n"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        if (c.display)
            env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(BMK540_EXE), c.arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << what;
        EXPECT_EQ(process.exitCode(), c.exitCode) << what;
        const QByteArray out = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        EXPECT_TRUE(out.startsWith(c.out)) << what << ": " << out.toStdString();
        EXPECT_EQ(out.isEmpty(), *c.out == '\0') << what;
        EXPECT_TRUE(err.contains(c.err)) << what << ": " << err.toStdString();
    }
}

}  // namespace
