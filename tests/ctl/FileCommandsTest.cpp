// bmk540ctl show, diff, check and factory as a user runs them: the real program on real files,
// its output, its JSON and its exit codes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>

#include "settings/FactoryImage.h"
#include "settings/ImageLayout.h"
#include "settings/Normalised.h"
#include "settings/SettingsFile.h"
#include "tests/support/CraftedImages.h"

// Readable failures.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

using settings::SettingsImage;
using testing_support::SettingsFileBytes;

struct Result {
    int exit = -1;
    QString out;
    QString err;
};

// The factory image with some bytes replaced: {offset, byte}.
SettingsImage Crafted(std::initializer_list<std::pair<std::size_t, char>> bytes) {
    SettingsImage image = settings::FactoryImage();
    for (const auto& [offset, byte] : bytes)
        image[offset] = static_cast<std::uint8_t>(byte);
    return image;
}

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString Write(const QString& name, const SettingsImage& image) {
        return Write(name, SettingsFileBytes(image));
    }

    QByteArray Read(const QString& name) const {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // modifier runs in the child before the program starts (limits, another user).
    static Result Ctl(const QStringList& arguments, const std::function<void()>& modifier = {},
                      const QString& program = QStringLiteral(BMK540CTL_EXE),
                      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        if (modifier)
            process.setChildProcessModifier(modifier);
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        Result run;
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exit = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    static QJsonObject Json(const Result& run) { return QJsonDocument::fromJson(run.out.toUtf8()).object(); }

    QTemporaryDir dir;
};

TEST_F(FileCommands, FactoryWritesTheWindowsFileAndShowListsEveryField) {
    const Result factory =
        Ctl({QStringLiteral("factory"), QStringLiteral("-o"), Path(QStringLiteral("f.dat"))});
    EXPECT_EQ(factory.exit, 0) << factory.err.toStdString();
    EXPECT_EQ(Read(QStringLiteral("f.dat")), SettingsFileBytes(settings::FactoryImage()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no temporary left

    const Result show = Ctl({QStringLiteral("show"), Path(QStringLiteral("f.dat"))});
    EXPECT_EQ(show.exit, 0);
    EXPECT_TRUE(show.err.isEmpty());
    const QStringList lines = show.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // One line per field and one per switch (MSW1-1..3 as one); a factory file has no odd separator.
    EXPECT_EQ(lines.size(), static_cast<qsizetype>(settings::kFields.size() + 6 + 8 + 8 + 8));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("font1                      16  30        |0|    標準  (フォント１)")));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("reducedPrinting            62  30        |0|    縮小なし  (縮小印刷の選択)")));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "msw1-4                                          0 従来互換  (データ受信方法の切り替え)")));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "format1.leftMargin         75  30 30 30  |000|  0  (書式１ レフトマージン幅（桁）)")));
}

TEST_F(FileCommands, ShowJsonHasOneKeyPerFieldAndMarksWhatThePanelDoesNotKnow) {
    // Font 9, country code 1, bit 4 of MSW2's first byte, pitch "+7", the framing's first byte.
    const SettingsImage image = Crafted({{16, '9'}, {4, 0x01}, {7, 0x12}, {173, '0'}, {174, '7'}, {0, 0x1D}});
    const Result show =
        Ctl({QStringLiteral("show"), QStringLiteral("--json"), Write(QStringLiteral("u.dat"), image)});
    ASSERT_EQ(show.exit, 0);
    const QJsonObject fields = Json(show)[QStringLiteral("fields")].toObject();
    EXPECT_EQ(fields.size(), static_cast<qsizetype>(settings::kFields.size()));

    const QJsonObject font1 = fields[QStringLiteral("font1")].toObject();
    EXPECT_EQ(font1[QStringLiteral("offset")].toInt(), 16);
    EXPECT_EQ(font1[QStringLiteral("bytes")].toString(), QStringLiteral("39"));
    EXPECT_TRUE(font1[QStringLiteral("value")].isNull());
    EXPECT_FALSE(font1[QStringLiteral("known")].toBool(true));
    EXPECT_EQ(fields[QStringLiteral("font2")][QStringLiteral("value")].toString(), QStringLiteral("標準"));
    EXPECT_TRUE(fields[QStringLiteral("font2")][QStringLiteral("known")].toBool());

    const QJsonObject msw1 = fields[QStringLiteral("msw1")].toObject();
    EXPECT_FALSE(msw1[QStringLiteral("known")].toBool(true));
    EXPECT_EQ(msw1[QStringLiteral("country")][QStringLiteral("code")].toInt(), 1);
    EXPECT_EQ(msw1[QStringLiteral("switches")].toArray().size(), 8);
    EXPECT_FALSE(fields[QStringLiteral("msw2")][QStringLiteral("known")].toBool(true));
    const QJsonObject msw2Switch2 = fields[QStringLiteral("msw2")][QStringLiteral("switches")][1].toObject();
    EXPECT_EQ(msw2Switch2[QStringLiteral("value")].toInt(), 1);
    EXPECT_EQ(msw2Switch2[QStringLiteral("word")].toString(), QStringLiteral("常時"));

    const QJsonObject pitch = fields[QStringLiteral("lfPitch.frontTractor")].toObject();
    EXPECT_EQ(pitch[QStringLiteral("value")].toString(), QStringLiteral("+7"));
    EXPECT_FALSE(pitch[QStringLiteral("known")].toBool(true));
    EXPECT_EQ(fields[QStringLiteral("introducer")][QStringLiteral("factory")].toString(),
              QStringLiteral("1c"));
    EXPECT_FALSE(fields[QStringLiteral("introducer")][QStringLiteral("known")].toBool(true));

    const QJsonObject position = fields[QStringLiteral("format0.sheetFeeder")].toObject();
    EXPECT_EQ(position[QStringLiteral("value")].toInt(), 46);
    EXPECT_EQ(position[QStringLiteral("slider")].toInt(), 46);
    EXPECT_EQ(fields[QStringLiteral("format2.rightMargin")][QStringLiteral("value")].toInt(), 136);

    const Result text = Ctl({QStringLiteral("show"), Path(QStringLiteral("u.dat"))});
    EXPECT_TRUE(text.out.contains(
        QStringLiteral("font1                      16  39        |9|    unknown  (フォント１)")));
    EXPECT_TRUE(
        text.out.contains(QStringLiteral("msw1-1..3                                       100 unknown")));
}

TEST_F(FileCommands, AFileThatIsNotASettingsFileIsRefused) {
    QByteArray wrongModel = SettingsFileBytes(settings::FactoryImage());
    wrongModel[21] = '8';
    const QString good = Write(QStringLiteral("good.dat"), settings::FactoryImage());
    const struct {
        QString path;
        QString reason;
    } refused[] = {
        {Write(QStringLiteral("short.dat"), SettingsFileBytes(settings::FactoryImage()).left(213)),
         QStringLiteral("too short")},
        {Write(QStringLiteral("model.dat"), wrongModel), QStringLiteral("not a settings file")},
        {dir.path(), QStringLiteral("not a regular file")},
        {Path(QStringLiteral("missing.dat")), QStringLiteral("No such file")},
    };
    for (const auto& file : refused) {
        for (const QStringList& command :
             {QStringList{QStringLiteral("show"), file.path}, QStringList{QStringLiteral("check"), file.path},
              QStringList{QStringLiteral("diff"), good, file.path}}) {
            const Result run = Ctl(command);
            EXPECT_EQ(run.exit, 2) << command.join(QLatin1Char(' ')).toStdString();
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("bmk540ctl: ") + file.path + QStringLiteral(": ")));
            EXPECT_TRUE(run.err.contains(file.reason)) << run.err.toStdString();
        }
    }
}

TEST_F(FileCommands, DiffListsTheChangedFieldsAndExitsLikeDiff) {
    const QString a = Write(QStringLiteral("a.dat"), settings::FactoryImage());
    const QString same = Write(QStringLiteral("same.dat"), settings::FactoryImage());
    // Font 1 becomes italic and MSW1-4 high-speed reception.
    const QString b = Write(QStringLiteral("b.dat"), Crafted({{16, '1'}, {4, 0x08}}));

    const Result equal = Ctl({QStringLiteral("diff"), a, same});
    EXPECT_EQ(equal.exit, 0);
    EXPECT_TRUE(equal.out.isEmpty());

    const Result differ = Ctl({QStringLiteral("diff"), a, b});
    EXPECT_EQ(differ.exit, 1);
    EXPECT_EQ(differ.out,
              QStringLiteral(
                  "msw1                        4  00 00 |..| 00000000  →  08 00 |..| 00010000  (MSW1)\n"
                  "msw1-4                         0 従来互換  →  1 高速受信  (データ受信方法の切り替え)\n"
                  "font1                      16  30 |0| 標準  →  31 |1| イタリック  (フォント１)\n"));

    const Result json = Ctl({QStringLiteral("diff"), QStringLiteral("--json"), a, b});
    EXPECT_EQ(json.exit, 1);
    const QJsonObject fields = Json(json)[QStringLiteral("fields")].toObject();
    EXPECT_EQ(fields.keys(), (QStringList{QStringLiteral("font1"), QStringLiteral("msw1")}));
    EXPECT_EQ(fields[QStringLiteral("font1")][QStringLiteral("old")][QStringLiteral("value")].toString(),
              QStringLiteral("標準"));
    EXPECT_EQ(fields[QStringLiteral("font1")][QStringLiteral("new")][QStringLiteral("value")].toString(),
              QStringLiteral("イタリック"));
    EXPECT_FALSE(Json(json)[QStringLiteral("equal")].toBool(true));
}

TEST_F(FileCommands, CheckListsWhatTheWindowWouldSendInstead) {
    const Result clean =
        Ctl({QStringLiteral("check"), Write(QStringLiteral("f.dat"), settings::FactoryImage())});
    EXPECT_EQ(clean.exit, 0);
    EXPECT_TRUE(clean.out.endsWith(QStringLiteral("f.dat: the window sends it unchanged\n")));

    // An unknown font and a set MSW4-2, which no control shows and the window always clears.
    const SettingsImage image = Crafted({{16, '9'}, {13, 0x0E}});
    const Result changed = Ctl({QStringLiteral("check"), Write(QStringLiteral("c.dat"), image)});
    EXPECT_EQ(changed.exit, 1);
    const QStringList lines = changed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].endsWith(
        QStringLiteral("c.dat: the window would change 2 fields when it loads and sends it:")));
    // The bytes after are the window's, whatever they are.
    const SettingsImage sent = settings::Normalised(image);
    const auto hex = [](std::uint8_t byte) {
        return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0'));
    };
    EXPECT_TRUE(lines[1].startsWith(
        QStringLiteral("msw4                       13  0e 00 |..| 01110000  →  %1 00 ").arg(hex(sent[13]))));
    EXPECT_EQ(lines[2],
              QStringLiteral("msw4-2                         1  →  0  (no control; always sent as 0)"));
    EXPECT_TRUE(lines[3].startsWith(
        QStringLiteral("font1                      16  39 |9| unknown  →  %1 ").arg(hex(sent[16]))));

    // A value the data check refuses changes no byte: a warning, and the exit stays 0.
    const Result warned =
        Ctl({QStringLiteral("check"), Write(QStringLiteral("w.dat"), Crafted({{168, '7'}}))});
    EXPECT_EQ(warned.exit, 0);
    EXPECT_TRUE(
        warned.out.contains(QStringLiteral("warning: intakeTime is 7: the window's data check refuses it (2 "
                                           "から 5 までの整数を入力してください。)")));
}

TEST_F(FileCommands, AFailedFactoryWriteKeepsTheEarlierFileAndSaysWhy) {
    const SettingsImage earlier = Crafted({{60, '1'}});
    const QString target = Write(QStringLiteral("keep.dat"), earlier);

    // A disk that takes no more bytes: the write fails part way.
    const Result full = Ctl({QStringLiteral("factory"), QStringLiteral("-o"), target}, [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(full.exit, 2);
    EXPECT_EQ(
        full.err,
        QStringLiteral("bmk540ctl: cannot write %1: File too large; nothing was written\n").arg(target));
    EXPECT_EQ(Read(QStringLiteral("keep.dat")), SettingsFileBytes(earlier));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A directory nobody may write; root, who may anyway, runs the command as an ordinary user,
    // from a copy that user can reach wherever the build tree lies (it links no library of its own).
    QString program = QStringLiteral(BMK540CTL_EXE);
    QTemporaryDir reachable(QStringLiteral("/tmp/bmk540ctl-XXXXXX"));
    if (::geteuid() == 0) {
        const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        program = reachable.filePath(QStringLiteral("bmk540ctl"));
        if (!reachable.isValid() || !QFile::setPermissions(reachable.path(), everyone) ||
            !QFile::copy(QStringLiteral(BMK540CTL_EXE), program) || !QFile::setPermissions(program, everyone))
            GTEST_SKIP() << "no copy of bmk540ctl in /tmp for an ordinary user to run";
    }
    ASSERT_TRUE(QFile::setPermissions(
        dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const Result denied = Ctl(
        {QStringLiteral("factory"), QStringLiteral("-o"), Path(QStringLiteral("new.dat"))},
        [] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(90);
        },
        program);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(denied.exit, 2);
    EXPECT_TRUE(denied.err.contains(QStringLiteral("Permission denied")));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("new.dat"))));
}

// The panel's words and labels follow the locale; keys, bytes, notes and JSON do not. The tests
// run in the C.UTF-8 locale, whose texts the tests above pin.
TEST_F(FileCommands, ShowDiffAndCheckSpeakTheUsersLanguage) {
    const QString factory = Write(QStringLiteral("f.dat"), settings::FactoryImage());
    // Unknown font, a refused intake time, a country code that names none, high-speed reception.
    const QString odd = Write(QStringLiteral("o.dat"), Crafted({{16, '9'}, {168, '7'}, {4, 0x0F}}));
    const QList<QStringList> commands = {
        {QStringLiteral("show"), odd},
        {QStringLiteral("diff"), factory, odd},
        {QStringLiteral("check"), odd},
        {QStringLiteral("show"), QStringLiteral("--json"), odd},
    };
    const auto in = [](std::initializer_list<std::pair<const char*, const char*>> variables) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QString::fromLatin1(name));
        for (const auto& [name, value] : variables)
            environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        return environment;
    };
    const auto japanese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) {
            return (c.unicode() >= 0x3000 && c.unicode() <= 0x30FF) ||
                   (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) ||
                   (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF);
        });
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(QLatin1Char(' ')).toStdString());
        const Result today = Ctl(command);
        ASSERT_TRUE(japanese(today.out));
        for (const auto& environment : {in({{"LANG", "C"}}), in({}), in({{"LANG", "ja_JP.UTF-8"}}),
                                        in({{"LANGUAGE", "en"}, {"LANG", "C"}})})
            EXPECT_EQ(Ctl(command, {}, QStringLiteral(BMK540CTL_EXE), environment).out, today.out);

        const Result english = Ctl(command, {}, QStringLiteral(BMK540CTL_EXE), in({{"LANG", "en_US.UTF-8"}}));
        EXPECT_EQ(english.exit, today.exit);
        if (command.contains(QStringLiteral("--json"))) {
            EXPECT_EQ(english.out, today.out);  // data for scripts
            continue;
        }
        EXPECT_FALSE(japanese(english.out)) << english.out.toStdString();
        // Line for line the same keys; only the words differ.
        const QStringList was = today.out.split(QLatin1Char('\n'));
        const QStringList now = english.out.split(QLatin1Char('\n'));
        ASSERT_EQ(now.size(), was.size());
        for (qsizetype i = 0; i < was.size(); ++i)
            EXPECT_EQ(now[i].section(QLatin1Char(' '), 0, 0), was[i].section(QLatin1Char(' '), 0, 0));
    }
}

}  // namespace
