// Settings files on disk: layout, header test, short and long files, safe replacement and
// real permission failures.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"

using namespace settings;
namespace fs = std::filesystem;

namespace {

std::string FileBytes(const SettingsImage& image) {
    std::string bytes("ORV Quillstrike 540QZ7", 22);
    bytes.append(2, '\0');
    bytes.append(reinterpret_cast<const char*>(image.data()), kImageSize);
    return bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// Runs body in a child process and returns its exit status (or -1 when it did not exit).
int InChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(body());
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Root ignores file modes, so refusals are produced in a child that gives up root.
// Root may write anywhere: it tries as an ordinary user; an ordinary user tries as itself.
int AsOrdinaryUser(const std::function<int()>& body) {
    return InChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 90;
        return body();
    });
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "bmk540-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir = name;
        // Traversable by the unprivileged user of the permission tests.
        ASSERT_EQ(::chmod(dir.c_str(), 0755), 0);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Every file in the directory, hidden temporaries included.
    int FileCount(const fs::path& in) {
        return static_cast<int>(std::distance(fs::directory_iterator(in), fs::directory_iterator()));
    }

    fs::path dir;
};

TEST_F(SettingsFile, SavedFileIsHeaderThenTheImageExactly) {
    SettingsImage image = FactoryImage();
    image[189] = 0x7F;
    const mode_t old = ::umask(022);
    const SaveResult result = SaveSettingsFile(dir / "a.dat", image);
    ::umask(old);
    ASSERT_EQ(result, SaveResult::Saved);
    EXPECT_EQ(Read(dir / "a.dat"), FileBytes(image));
    EXPECT_EQ(ModeOf(dir / "a.dat"), 0644u);
    EXPECT_EQ(LoadSettingsFile(dir / "a.dat"), image);
    EXPECT_EQ(FileCount(dir), 1);  // no temporary left behind
}

TEST_F(SettingsFile, ReplacingAFileKeepsItsPermissions) {
    Write(dir / "b.dat", "old");
    ASSERT_EQ(::chmod((dir / "b.dat").c_str(), 0600), 0);
    ASSERT_EQ(SaveSettingsFile(dir / "b.dat", FactoryImage()), SaveResult::Saved);
    EXPECT_EQ(Read(dir / "b.dat"), FileBytes(FactoryImage()));
    EXPECT_EQ(ModeOf(dir / "b.dat"), 0600u);
}

TEST_F(SettingsFile, HeaderTestLooksAtBytesZeroToTwentyTwo) {
    const std::string good = FileBytes(FactoryImage());
    std::string byte22 = good;
    byte22[22] = 'X';
    std::string byte23 = good;
    byte23[23] = 'X';
    std::string model = good;
    model[21] = '8';
    Write(dir / "22.dat", byte22);
    Write(dir / "23.dat", byte23);
    Write(dir / "model.dat", model);
    EXPECT_FALSE(LoadSettingsFile(dir / "22.dat"));
    EXPECT_EQ(LoadSettingsFile(dir / "23.dat"), FactoryImage());
    EXPECT_FALSE(LoadSettingsFile(dir / "model.dat"));
}

TEST_F(SettingsFile, LengthDecidesOnlyWhetherTheWholeImageIsThere) {
    SettingsImage image = FactoryImage();
    image[100] = 'Z';
    const std::string good = FileBytes(image);
    Write(dir / "long.dat", good + "trailing bytes");
    Write(dir / "short.dat", good.substr(0, 213));
    Write(dir / "header.dat", good.substr(0, 24));
    EXPECT_EQ(LoadSettingsFile(dir / "long.dat"), image);
    EXPECT_FALSE(LoadSettingsFile(dir / "short.dat"));
    EXPECT_FALSE(LoadSettingsFile(dir / "header.dat"));
}

TEST_F(SettingsFile, UnreadableNamesAreRefused) {
    EXPECT_FALSE(LoadSettingsFile(dir / "missing.dat"));
    EXPECT_FALSE(LoadSettingsFile(dir));
    // A named pipe without a writer must not block the loader.
    ASSERT_EQ(::mkfifo((dir / "pipe.dat").c_str(), 0644), 0);
    EXPECT_FALSE(LoadSettingsFile(dir / "pipe.dat"));
}

TEST_F(SettingsFile, FailedSaveKeepsTheEarlierFile) {
    SettingsImage earlier = FactoryImage();
    earlier[60] = '1';
    ASSERT_EQ(SaveSettingsFile(dir / "keep.dat", earlier), SaveResult::Saved);
    EXPECT_EQ(SaveSettingsFile(dir / "nodir" / "x.dat", FactoryImage()), SaveResult::Failed);
    // A directory in the target's place cannot be replaced by a file.
    fs::create_directory(dir / "taken.dat");
    EXPECT_EQ(SaveSettingsFile(dir / "taken.dat", FactoryImage()), SaveResult::Failed);

    // A write cut short by the file size limit fails the save and leaves the old file whole.
    const int status = InChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 90;
        return static_cast<int>(SaveSettingsFile(dir / "keep.dat", FactoryImage()));
    });
    EXPECT_EQ(status, static_cast<int>(SaveResult::Failed));
    EXPECT_EQ(LoadSettingsFile(dir / "keep.dat"), earlier);
    EXPECT_EQ(FileCount(dir), 2);  // keep.dat and the directory; no temporary left
}

TEST_F(SettingsFile, DirectoryWithoutWriteAccessIsAccessDenied) {
    const fs::path locked = dir / "locked";
    fs::create_directory(locked);
    ASSERT_EQ(::chmod(locked.c_str(), 0555), 0);
    const int status =
        AsOrdinaryUser([&] { return static_cast<int>(SaveSettingsFile(locked / "x.dat", FactoryImage())); });
    EXPECT_EQ(status, static_cast<int>(SaveResult::AccessDenied));
    EXPECT_EQ(FileCount(locked), 0);
}

TEST_F(SettingsFile, AnotherUsersFileIsNotReplacedEvenInAnOpenDirectory) {
    const fs::path open = dir / "open";
    fs::create_directory(open);
    ASSERT_EQ(::chmod(open.c_str(), 0777), 0);
    // Root's file for the ordinary user; for an ordinary user, a file of its own it may not write.
    Write(open / "root.dat", "root's file");
    ASSERT_EQ(::chmod((open / "root.dat").c_str(), 0444), 0);
    const int status =
        AsOrdinaryUser([&] { return static_cast<int>(SaveSettingsFile(open / "root.dat", FactoryImage())); });
    EXPECT_EQ(status, static_cast<int>(SaveResult::AccessDenied));
    EXPECT_EQ(Read(open / "root.dat"), "root's file");
    EXPECT_EQ(FileCount(open), 1);
}

}  // namespace
