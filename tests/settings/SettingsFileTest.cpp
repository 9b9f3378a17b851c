// Settings files on disk: layout, header test, short and long files, safe replacement and
// real permission failures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/FactoryImage.h"
#include "settings/SettingsFile.h"

using namespace settings;

namespace {

QByteArray FileBytes(const SettingsImage& image) {
    QByteArray bytes("ORV Quillstrike 540QZ7", 22);
    bytes.append(2, '\0');
    bytes.append(reinterpret_cast<const char*>(image.data()), 190);
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class SettingsFile : public ::testing::Test {
protected:
    std::string Path(const char* name) { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    QTemporaryDir dir;
};

TEST_F(SettingsFile, SavedFileIsHeaderThenTheImageExactly) {
    SettingsImage image = FactoryImage();
    image[189] = 0x7F;
    ASSERT_EQ(SaveSettingsFile(Path("a.dat"), image), SaveResult::Saved);
    QFile file(QString::fromStdString(Path("a.dat")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), FileBytes(image));
    EXPECT_EQ(LoadSettingsFile(Path("a.dat")), image);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary left
}

TEST_F(SettingsFile, HeaderTestLooksAtBytesZeroToTwentyTwo) {
    QByteArray good = FileBytes(FactoryImage());
    QByteArray byte22 = good;
    byte22[22] = 'X';
    QByteArray byte23 = good;
    byte23[23] = 'X';
    QByteArray model = good;
    model[0] = 'o';
    QByteArray longer = good + QByteArray("trailing");
    QByteArray shorter = good.left(213);
    Write(QString::fromStdString(Path("22.dat")), byte22);
    Write(QString::fromStdString(Path("23.dat")), byte23);
    Write(QString::fromStdString(Path("model.dat")), model);
    Write(QString::fromStdString(Path("long.dat")), longer);
    Write(QString::fromStdString(Path("short.dat")), shorter);
    EXPECT_FALSE(LoadSettingsFile(Path("22.dat")));
    EXPECT_EQ(LoadSettingsFile(Path("23.dat")), FactoryImage());
    EXPECT_FALSE(LoadSettingsFile(Path("model.dat")));
    EXPECT_EQ(LoadSettingsFile(Path("long.dat")), FactoryImage());
    EXPECT_FALSE(LoadSettingsFile(Path("short.dat")));
    EXPECT_FALSE(LoadSettingsFile(Path("missing.dat")));
    EXPECT_FALSE(LoadSettingsFile(dir.path().toStdString()));
}

TEST_F(SettingsFile, FailedSaveKeepsTheEarlierFile) {
    ASSERT_EQ(SaveSettingsFile(Path("keep.dat"), FactoryImage()), SaveResult::Saved);
    EXPECT_EQ(SaveSettingsFile(Path("nodir/x.dat"), FactoryImage()), SaveResult::Failed);
    // A directory in the target's place cannot be replaced by a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.dat")));
    EXPECT_EQ(SaveSettingsFile(Path("taken.dat"), FactoryImage()), SaveResult::Failed);
    EXPECT_EQ(LoadSettingsFile(Path("keep.dat")), FactoryImage());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Root ignores file modes, so the refusal is produced in a child that gives up root.
TEST_F(SettingsFile, PermissionDeniedIsReportedAsSuch) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to switch to an unprivileged user";
    QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0755), 0);
    const std::string target = (locked + QStringLiteral("/x.dat")).toStdString();
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(90);
        _exit(static_cast<int>(SaveSettingsFile(target, FactoryImage())));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(SaveResult::AccessDenied));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
}

}  // namespace
