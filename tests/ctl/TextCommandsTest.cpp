// bmk540ctl export and import as a user runs them: the real program, TOML text both ways.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "settings/FactoryImage.h"
#include "settings/ImageLayout.h"
#include "tests/support/CraftedImages.h"

namespace {

using settings::SettingsImage;
using testing_support::SettingsFileBytes;

struct Result {
    int exit = -1;
    QByteArray out;
    QString err;
};

Result Ctl(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(BMK540CTL_EXE), arguments);
    process.write(input);
    process.closeWriteChannel();
    Result run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// The settings file a text gives, through standard input and output.
Result Import(const QByteArray& text) {
    return Ctl({QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("-o"), QStringLiteral("-")},
               text);
}

// Every byte drawn at random, the framing too: nothing the panel would write.
std::vector<SettingsImage> RandomImages() {
    std::mt19937 random(540);
    std::vector<SettingsImage> images(4);
    for (SettingsImage& image : images) {
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(random() & 0xFF);
    }
    return images;
}

TEST(TextCommands, ExportThenImportGivesTheSameFileByteForByte) {
    std::vector<SettingsImage> images = testing_support::CraftedImages();
    for (const SettingsImage& image : RandomImages())
        images.push_back(image);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QByteArray file = SettingsFileBytes(images[i]);
        for (const QStringList& options : {QStringList(), QStringList{QStringLiteral("--changed")}}) {
            SCOPED_TRACE("image " + std::to_string(i) + " " + options.join(' ').toStdString());
            const Result text =
                Ctl(QStringList{QStringLiteral("export"), QStringLiteral("-")} + options, file);
            ASSERT_EQ(text.exit, 0) << text.err.toStdString();
            const Result back = Import(text.out);
            EXPECT_EQ(back.exit, 0) << back.err.toStdString() << text.out.toStdString();
            EXPECT_EQ(back.out, file) << text.out.toStdString();
        }
    }
}

TEST(TextCommands, ATextNamingOneFieldChangesOnlyThatField) {
    QTemporaryDir dir;
    const QString factory = dir.filePath(QStringLiteral("factory.dat"));
    ASSERT_EQ(Ctl({QStringLiteral("factory"), QStringLiteral("-o"), factory}).exit, 0);
    const struct {
        const char* text;
        const char* changedKey;  // as diff names it
    } cases[] = {
        {"font1 = \"イタリック\"\n", "font1"},
        {"font1 = 1\n", "font1"},  // the code of the same choice
        {"reducedPrinting = \"４／５縮小（中央基準）\"\n", "reducedPrinting"},
        {"\"format1.paperLength\" = 72\n", "format1.paperLength"},
        {"[format2]\nleftMargin = 10\n", "format2.leftMargin"},
        {"\"msw1-1..3\" = \"ドイツ\"\n", "msw1"},
        {"msw2-7 = \"８０桁\"\n", "msw2"},
        {"returnTime = 15\n", "returnTime"},
        {"\"lfPitch.sheetGuide\" = \"-3\"\n", "lfPitch.sheetGuide"},
        {"reserved64 = { bytes = \"12 34\" }\n", "reserved64"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Result imported = Import(c.text);
        ASSERT_EQ(imported.exit, 0) << imported.err.toStdString();
        const Result diff = Ctl({QStringLiteral("diff"), factory, QStringLiteral("-")}, imported.out);
        EXPECT_EQ(diff.exit, 1);
        const QList<QByteArray> lines = diff.out.trimmed().split('\n');
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.front().split(' ').front(), c.changedKey) << diff.out.toStdString();
        // Only the field's own line, and a memory switch field's changed switch below it.
        for (qsizetype i = 1; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(c.changedKey)) << diff.out.toStdString();
    }
}

TEST(TextCommands, BadTextIsRefusedWithItsLineAndWritesNothing) {
    const struct {
        const char* kind;
        const char* text;
        const char* fault;  // what stderr names: the line and the key
    } cases[] = {
        {"malformed TOML", "font1 = \"標準\"\nfont2 = \n", "text.toml:2: font2:"},
        {"unknown key", "font1 = \"標準\"\nfont9 = \"標準\"\n", "text.toml:2: font9: unknown key"},
        {"a word the panel does not offer", "\n\ntypeface = \"太字\"\n",
         "text.toml:3: typeface: the panel offers no"},
        {"a code the panel does not offer", "hopper = 3\n", "text.toml:1: hopper: no choice has the code 3"},
        {"a number out of range", "\"headCentring.cutSheet\" = 69\n",
         "text.toml:1: headCentring.cutSheet: 69 is out of range 10..68"},
        {"a key given twice", "font1 = 1\nfont1 = 2\n", "text.toml:2: font1:"},
        {"a key given twice, quoted and dotted", "\"format1.paperLength\" = 66\nformat1.paperLength = 66\n",
         "text.toml:2: format1.paperLength: given twice (also as format1.paperLength on line 1)"},
        {"a switch beside its field's bytes", "msw1 = { bytes = \"00 00\" }\nmsw1-4 = 1\n",
         "text.toml:2: msw1-4: given twice (also as msw1 on line 1)"},
        {"bytes of the wrong width", "terminator = { bytes = \"2e 2e\" }\n",
         "text.toml:1: terminator: takes 1 byte, not 2"},
    };
    const QByteArray earlier = SettingsFileBytes(settings::FactoryImage());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        QTemporaryDir dir;
        QFile text(dir.filePath(QStringLiteral("text.toml")));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write(c.text);
        text.close();
        for (const bool exists : {false, true}) {
            const QString output = dir.filePath(QStringLiteral("out.dat"));
            if (exists) {
                QFile file(output);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(earlier);
            }
            const Result run = Ctl({QStringLiteral("import"), text.fileName(), QStringLiteral("-o"), output});
            EXPECT_EQ(run.exit, 2);
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.fault))) << run.err.toStdString();
            QFile file(output);
            EXPECT_EQ(file.exists(), exists);
            if (exists && file.open(QIODevice::ReadOnly)) {
                EXPECT_EQ(file.readAll(), earlier);
            }
        }
    }
}

}  // namespace
