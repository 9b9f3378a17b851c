// bmk540ctl status against a scheduler that removes documents once printed: what each printer
// last received comes from the job history alone.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"
#include "settings/FactoryImage.h"
#include "settings/Normalised.h"
#include "tests/integration/CtlProcess.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PrivateCupsd.h"

using namespace testing_support;

namespace {

QString Digest(const settings::SettingsImage& image) {
    const settings::SettingsImage sent = settings::Normalised(image);
    return QString::fromStdString(platform::SettingsDigest({sent.data(), sent.size()}));
}

class CtlStatus : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(printer.listening());
        ASSERT_TRUE(cupsd.start({"PreserveJobFiles No"})) << cupsd.lastError().toStdString();
        for (const char* name :
             {"Quill-Same", "Quill-Other", "Quill-Canceled", "Quill-Foreign", "Quill-Never"})
            ASSERT_TRUE(
                cupsd.addQueue(name, QString::fromStdString(printer.deviceUri()), PrivateCupsd::modelPpd()));
        ASSERT_NE(Digest(other), Digest(settings::FactoryImage()));
        factoryFile = Write("factory.dat", settings::FactoryImage());
        otherFile = Write("other.dat", other);
    }

    QString Write(const QString& name, const settings::SettingsImage& image) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteSettingsBytes(path, image));
        return path;
    }

    // The rows of `status --json`, by printer.
    std::map<QString, QJsonObject> Status(const QStringList& options, int* exitCode = nullptr) {
        const Ctl run = RunCtl(QStringList{"status", "--json"} + options);
        if (exitCode)
            *exitCode = run.exitCode;
        std::map<QString, QJsonObject> rows;
        for (const QJsonValue& row : JsonLines(run))
            rows[row[QStringLiteral("printer")].toString()] = row.toObject();
        return rows;
    }

    CaptureListener printer;
    PrivateCupsd cupsd;
    QTemporaryDir dir;
    const settings::SettingsImage other = With({{168, "9"}});
    QString factoryFile, otherFile;
};

int Send(const QString& file, const QString& printer) {
    return RunCtl({"send", file, "--printer", printer, "--wait", "30"}).exitCode;
}

TEST_F(CtlStatus, ExpectTellsMatchFromTheLastCompletedJobOnly) {
    const auto send = Send;
    ASSERT_EQ(send(factoryFile, "Quill-Same"), 0);
    ASSERT_EQ(send(otherFile, "Quill-Other"), 0);
    // An earlier job of the same settings, then a cancelled one of others: still what it holds.
    ASSERT_EQ(send(factoryFile, "Quill-Canceled"), 0);
    ASSERT_TRUE(cupsd.disable("Quill-Canceled"));
    const Ctl pending = RunCtl({"send", otherFile, "--printer", "Quill-Canceled", "--json"});
    const int pendingJob = JsonLines(pending).at(0)[QStringLiteral("jobId")].toInt();
    ASSERT_TRUE(pendingJob > 0 && cupsd.cancelJob("Quill-Canceled", pendingJob));
    ASSERT_TRUE(cupsd.enable("Quill-Canceled"));
    // Sent by something else under the title, with a record that is not ours.
    QProcess lp;
    lp.start("lp", {"-d", "Quill-Foreign", "-t", QString::fromLatin1(platform::kStatusWriteTitle), "-o",
                    "raw", "-o", "bmk540-sha256=" + Digest(settings::FactoryImage()).left(40), factoryFile});
    ASSERT_TRUE(lp.waitForFinished(30000) && lp.exitCode() == 0) << lp.readAllStandardError().toStdString();
    ASSERT_TRUE(cupsd.waitForCompletedJobs("Quill-Foreign", 1, 30000));

    int exitCode = -1;
    const auto rows = Status({"--all", "--expect", factoryFile}, &exitCode);
    EXPECT_EQ(exitCode, 1);
    struct Expected {
        const char* printer;
        const char* state;  // of the last settings job; nullptr for none
        QJsonValue sha256;
        bool matches;
    };
    const Expected table[] = {
        {"Quill-Same", "completed", Digest(settings::FactoryImage()), true},
        {"Quill-Other", "completed", Digest(other), false},
        {"Quill-Canceled", "canceled", Digest(other), true},
        {"Quill-Foreign", "completed", QJsonValue(), false},
        {"Quill-Never", nullptr, QJsonValue(), false},
    };
    ASSERT_EQ(rows.size(), std::size(table));
    for (const Expected& row : table) {
        SCOPED_TRACE(row.printer);
        const QJsonObject status = rows.at(row.printer);
        EXPECT_EQ(status[QStringLiteral("matches")], QJsonValue(row.matches));
        const QJsonValue last = status[QStringLiteral("last")];
        if (!row.state) {
            EXPECT_TRUE(last.isNull());
            continue;
        }
        EXPECT_EQ(last[QStringLiteral("state")].toString(), row.state);
        EXPECT_EQ(last[QStringLiteral("sha256")], row.sha256);
    }
    const QJsonValue same = rows.at("Quill-Same")[QStringLiteral("last")];
    EXPECT_EQ(same[QStringLiteral("file")].toString(), factoryFile);
    EXPECT_FALSE(same[QStringLiteral("user")].toString().isEmpty());
    EXPECT_TRUE(same[QStringLiteral("completed")].toString().endsWith('Z'));

    EXPECT_EQ(
        RunCtl({"status", "--printer", "quill-same", "--printer", "Quill-Canceled", "--expect", factoryFile})
            .exitCode,
        0);
    // Without --expect every printer's row is there and nothing is judged.
    const auto plain = Status({"--all"}, &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(plain.at("Quill-Same")[QStringLiteral("matches")].isNull());
}

TEST_F(CtlStatus, IfChangedSendsExactlyWhereTheRecordDiffers) {
    ASSERT_EQ(Send(factoryFile, "Quill-Same"), 0);
    ASSERT_EQ(Send(otherFile, "Quill-Other"), 0);
    // A cancelled job of the same settings is not what the printer holds.
    ASSERT_TRUE(cupsd.disable("Quill-Canceled"));
    const Ctl pending = RunCtl({"send", factoryFile, "--printer", "Quill-Canceled", "--json"});
    ASSERT_TRUE(cupsd.cancelJob("Quill-Canceled", JsonLines(pending).at(0)[QStringLiteral("jobId")].toInt()));
    ASSERT_TRUE(cupsd.enable("Quill-Canceled"));

    const Ctl run = RunCtl({"send", factoryFile, "--all", "--if-changed", "--wait", "30", "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    std::map<QString, QString> results;
    for (const QJsonValue& line : JsonLines(run))
        results[line[QStringLiteral("printer")].toString()] = line[QStringLiteral("result")].toString();
    const std::map<QString, QString> expected = {{"Quill-Same", "unchanged"},
                                                 {"Quill-Other", "completed"},
                                                 {"Quill-Canceled", "completed"},
                                                 {"Quill-Foreign", "completed"},
                                                 {"Quill-Never", "completed"}};
    EXPECT_EQ(results, expected);
    EXPECT_EQ(cupsd.completedJobs("Quill-Same").size(), 1u);
    // Now every printer holds them.
    EXPECT_EQ(RunCtl({"status", "--all", "--expect", factoryFile}).exitCode, 0);
}

// While the scheduler keeps the document of the last completed job, --expect names the fields in
// which it differs, unless the document is not the one the job's digest names; once the scheduler
// removed it, the digest alone answers.
TEST(CtlStatusDocument, NamesTheDifferingFieldsWhileTheSchedulerKeepsTheDocument) {
    BMK_REQUIRE_PRIVATE_CUPSD();
    CaptureListener printer;
    ASSERT_TRUE(printer.listening());
    QTemporaryDir dir;
    const QString factoryFile = dir.filePath("factory.dat"), otherFile = dir.filePath("other.dat");
    for (const auto& [path, image] :
         {std::pair{factoryFile, settings::FactoryImage()}, std::pair{otherFile, With({{168, "9"}})}})
        ASSERT_TRUE(WriteSettingsBytes(path, image));
    for (const bool keep : {true, false}) {
        SCOPED_TRACE(keep ? "documents kept" : "documents removed");
        PrivateCupsd cupsd;
        ASSERT_TRUE(cupsd.start({keep ? "PreserveJobFiles Yes" : "PreserveJobFiles No"}))
            << cupsd.lastError().toStdString();
        ASSERT_TRUE(cupsd.addQueue("Quill-Other", QString::fromStdString(printer.deviceUri()),
                                   PrivateCupsd::modelPpd()));
        ASSERT_EQ(Send(otherFile, "Quill-Other"), 0);
        const QStringList status = {"status", "--all", "--expect", factoryFile};
        const Ctl json = RunCtl(status + QStringList{"--json"});
        EXPECT_EQ(json.exitCode, 1);
        ASSERT_EQ(JsonLines(json).size(), 1);
        EXPECT_EQ(JsonLines(json).at(0)[QStringLiteral("differs")],
                  keep ? QJsonValue(QJsonArray{"intakeTime"}) : QJsonValue());
        EXPECT_TRUE(RunCtl(status).out.trimmed().endsWith(keep ? "differs: intakeTime" : " differs"));
        if (!keep)
            continue;
        // The scheduler's copy changed behind the job's back: not trusted.
        QFile kept(QFileInfo(cupsd.socketPath()).dir().filePath("spool/d00001-001"));
        ASSERT_TRUE(kept.open(QIODevice::ReadWrite) && kept.seek(100) && kept.write("x") == 1);
        kept.close();
        const Ctl changed = RunCtl(status + QStringList{"--json"});
        EXPECT_TRUE(JsonLines(changed).at(0)[QStringLiteral("differs")].isNull());
        EXPECT_TRUE(RunCtl(status).out.contains("not the one its record names"));
    }
}

// A scheduler that hangs or is not there is reported within the bound; the one that answers still
// has its printers' lines.
TEST_F(CtlStatus, SchedulerThatCannotBeAskedHidesNoOtherAnswer) {
    ASSERT_EQ(Send(factoryFile, "Quill-Same"), 0);
    PrivateCupsd frozen;
    ASSERT_TRUE(frozen.start() && frozen.addQueue("Quill-Hung", "file:/dev/null", PrivateCupsd::modelPpd()) &&
                frozen.freeze());
    const QString missing = dir.filePath(QStringLiteral("no-scheduler.sock"));
    QElapsedTimer timer;
    timer.start();
    const Ctl run =
        RunCtl({"status", "--all", "--expect", factoryFile, "--json", "--timeout", "1", "--server",
                cupsd.socketPath(), "--server", frozen.socketPath(), "--server", missing});
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(run.exitCode, 1);
    const QJsonArray lines = JsonLines(run);
    EXPECT_EQ(lines.size(), 5);
    const auto same = std::find_if(lines.begin(), lines.end(), [](const QJsonValue& l) {
        return l[QStringLiteral("printer")] == QStringLiteral("Quill-Same");
    });
    ASSERT_NE(same, lines.end());
    EXPECT_TRUE((*same)[QStringLiteral("matches")].toBool());
    std::vector<bool> asked;
    for (const QJsonValue& entry : JsonReport(run)[QStringLiteral("schedulers")].toArray())
        asked.push_back(entry[QStringLiteral("ok")].toBool());
    EXPECT_EQ(asked, (std::vector<bool>{true, false, false}));
    frozen.thaw();
}

}  // namespace
