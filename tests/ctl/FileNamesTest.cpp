// bmk540ctl's file names as a shell hands them over: bytes in any encoding, "-" for the standard
// streams, a link that stays a link; and its usage errors in plain words.
#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <set>
#include <string>

#include "settings/FactoryImage.h"
#include "tests/support/CraftedImages.h"

namespace {

struct Outcome {
    int exit = -1;
    QByteArray out;
    QString err;
};

// A shell line in `directory`, with $CTL the program.
Outcome Shell(const QString& directory, const QString& line) {
    QProcess process;
    process.setWorkingDirectory(directory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CTL"), QStringLiteral(BMK540CTL_EXE));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// The names in a directory as the system has them.
std::set<std::string> Names(const QString& directory) {
    std::set<std::string> names;
    if (DIR* listing = opendir(QFile::encodeName(directory).constData())) {
        while (const dirent* entry = readdir(listing)) {
            if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..")
                names.insert(entry->d_name);
        }
        closedir(listing);
    }
    return names;
}

TEST(FileNames, ANameIsItsBytesDashIsAStreamAndALinkStaysALink) {
    QTemporaryDir dir;
    const QByteArray factory = testing_support::SettingsFileBytes(settings::FactoryImage());

    // Latin-1 "café.dat": written, read and checked under exactly that name.
    const Outcome latin1 =
        Shell(dir.path(), R"sh(n=$(printf 'caf\351.dat'); "$CTL" factory -o "$n" && "$CTL" check "$n")sh");
    EXPECT_EQ(latin1.exit, 0) << latin1.err.toStdString();
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{"caf\xe9.dat"}));

    // "-": standard output for factory -o, standard input for the commands that read a file.
    const Outcome out = Shell(dir.path(), R"sh("$CTL" factory -o -)sh");
    EXPECT_EQ(out.exit, 0);
    EXPECT_EQ(out.out, factory);
    const Outcome in =
        Shell(dir.path(), R"sh("$CTL" factory -o - | "$CTL" diff - "$(printf 'caf\351.dat')")sh");
    EXPECT_EQ(in.exit, 0) << in.err.toStdString();
    EXPECT_EQ(Names(dir.path()).size(), 1u);  // no file named "-"

    // Over a link the target gets the settings, the link stays.
    ASSERT_TRUE(QFile::link(QStringLiteral("target.dat"), dir.filePath(QStringLiteral("link.dat"))));
    const Outcome linked = Shell(dir.path(), R"sh("$CTL" factory -o link.dat)sh");
    EXPECT_EQ(linked.exit, 0) << linked.err.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("link.dat"))).isSymLink());
    QFile target(dir.filePath(QStringLiteral("target.dat")));
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), factory);
    // Qt's own removal of the directory cannot name the Latin-1 file.
    unlink((QFile::encodeName(dir.path()) + "/caf\xe9.dat").constData());
}

TEST(FileNames, UsageErrorsNameOnlyWhatIsWrong) {
    QTemporaryDir dir;
    const struct {
        const char* line;
        const char* err;
    } cases[] = {
        {R"sh("$CTL" show a b c)sh", "bmk540ctl: too many arguments: b c\nTry 'bmk540ctl show --help'.\n"},
        {R"sh("$CTL" diff a)sh", "bmk540ctl: missing argument: B\nTry 'bmk540ctl diff --help'.\n"},
        {R"sh("$CTL" diff - -)sh", "bmk540ctl: standard input ('-') can be only one of A and B\n"},
        {R"sh(echo short | "$CTL" check -)sh",
         "bmk540ctl: standard input: too short for a settings file (6 of 214 bytes)\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = Shell(dir.path(), QString::fromUtf8(c.line));
        EXPECT_EQ(run.exit, 2) << c.line;
        EXPECT_EQ(run.err.toStdString(), c.err) << c.line;
    }
}

}  // namespace
