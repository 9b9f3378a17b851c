// bmk540ctl send and printers when schedulers freeze, die, are interrupted or go by several names:
// every printer's line is the truth as the scheduler later tells it, every run ends within its
// bounds, and the report has its one shape in every case.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <functional>
#include <map>

#include "settings/FactoryImage.h"
#include "tests/integration/CtlProcess.h"
#include "tests/integration/FreezingRelay.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PrivateCupsd.h"

using namespace testing_support;
using namespace std::chrono_literals;

// Readable failures.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

constexpr int kQueues = 12;

// Until the condition holds; false after ten seconds.
bool WaitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(10000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

class CtlResults : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(printer.listening());
        ASSERT_TRUE(a.start({}, true)) << a.lastError().toStdString();
        for (int i = 1; i <= kQueues; ++i) {
            const QString name = QStringLiteral("Quill-%1").arg(i, 2, 10, QLatin1Char('0'));
            ASSERT_TRUE(
                a.addQueue(name, QString::fromStdString(printer.deviceUri()), PrivateCupsd::modelPpd()))
                << a.lastError().toStdString();
            queues << name;
        }
        ASSERT_TRUE(a.addQueue("Quill-Stopped", QString::fromStdString(printer.deviceUri()),
                               PrivateCupsd::modelPpd()) &&
                    a.disable("Quill-Stopped"))
            << a.lastError().toStdString();
        settingsFile = dir.filePath("settings.dat");
        ASSERT_TRUE(WriteSettingsBytes(settingsFile, settings::FactoryImage()));
    }

    // Every job the scheduler has had, by queue.
    std::map<QString, std::size_t> Jobs() const {
        std::map<QString, std::size_t> jobs;
        for (const QString& queue : queues + QStringList{"Quill-Stopped"})
            jobs[queue] = a.completedJobs(queue).size() + a.activeJobs(queue).size();
        return jobs;
    }

    // What each line says against what the scheduler has: a job where it says one was taken, none
    // where it says none was sent; "unknown" either way. A scheduler just thawed answers in time.
    void ExpectTheTruth(const QJsonArray& lines, const std::map<QString, std::size_t>& before) const {
        std::map<QString, std::size_t> after;
        WaitFor([&] {
            after = Jobs();
            return std::all_of(lines.begin(), lines.end(), [&](const QJsonValue& line) {
                const QString result = line["result"].toString(), queue = line["printer"].toString();
                const bool taken = result != "not-sent" && result != "failed" && result != "unknown";
                return !taken || after.at(queue) > before.at(queue);
            });
        });
        for (const QJsonValue& value : lines) {
            const QJsonObject line = value.toObject();
            const QString queue = line["printer"].toString(), result = line["result"].toString();
            const std::size_t added = after.at(queue) - before.at(queue);
            const QString what = queue + ": " + result + ": " + line["reason"].toString();
            if (result == "not-sent" || result == "failed")
                EXPECT_EQ(added, 0u) << what.toStdString();
            else if (result == "unknown")
                EXPECT_LE(added, 1u) << what.toStdString();
            else
                EXPECT_EQ(added, 1u) << what.toStdString();
            if (result == "not-sent" || result == "sent" || result == "completed" || result == "timed-out") {
                EXPECT_EQ(line["jobId"].isNull(), result == "not-sent") << what.toStdString();
            }
        }
    }

    QStringList SendToAll(const QString& server) const {
        return {"send", settingsFile, "--server", server, "--all", "--timeout", "1", "--json"};
    }

    CaptureListener printer;
    PrivateCupsd a;
    QTemporaryDir dir;
    QString settingsFile;
    QStringList queues;
};

TEST_F(CtlResults, AFrozenSchedulerHoldsNoRunPastItsBoundsAndNoLineLies) {
    const struct {
        const char* stage;
        const char* kind;  // the request before which the scheduler stops; none: before the run
        int count;
        QStringList wait;
        int exitCode;
        QString everyLine;  // the result of every printer's line, when they all have one
    } cases[] = {
        {"before the run", nullptr, 0, {}, 2, ""},
        {"before the run", nullptr, 0, {"--wait", "2", "--timeout", "5"}, 2, ""},
        {"after the listing", FreezingRelay::kAnyRequest, 2, {}, 2, "not-sent"},
        {"during submission", FreezingRelay::kJobRequest, 5, {}, 1, ""},
        {"during submission", FreezingRelay::kJobRequest, 5, {"--wait", "2", "--timeout", "5"}, 1, ""},
    };
    for (const auto& c : cases) {
        const std::string label = std::string(c.stage) + (c.wait.isEmpty() ? "" : ", with --wait");
        const auto before = Jobs();
        FreezingRelay relay(a.socketPath(), dir.filePath("relay.sock"));
        ASSERT_TRUE(relay.listening()) << label;
        if (c.kind)
            relay.freezeAt(c.kind, c.count, [&] { a.freeze(); });
        else
            ASSERT_TRUE(a.freeze()) << label;
        QElapsedTimer clock;
        clock.start();
        const Ctl run = RunCtl(SendToAll(relay.path()) + c.wait, 15000);
        const qint64 elapsedMs = clock.elapsed();
        ASSERT_TRUE(a.thaw()) << label;
        RecordProperty(label, static_cast<int>(elapsedMs));

        // Each request at most a second, the wait its own length; the rest of the limit is the
        // process starting and ending on a busy machine. A bound not kept costs the 5 s of the
        // scheduler's --timeout or of the default one.
        EXPECT_LT(elapsedMs, c.wait.isEmpty() ? 4000 : 3000) << label;
        EXPECT_EQ(run.exitCode, c.exitCode) << label << run.err.toStdString();
        const QJsonObject report = JsonReport(run);
        const QJsonArray lines = report["printers"].toArray();
        const QJsonObject scheduler = report["schedulers"][0].toObject();
        if (!c.kind) {
            EXPECT_TRUE(lines.isEmpty()) << label;
            EXPECT_EQ(scheduler["reason"].toString(),
                      c.wait.isEmpty() ? "not answering: no answer within 1 s"
                                       : "no answer from the scheduler before the wait ran out")
                << label;
            continue;
        }
        EXPECT_TRUE(scheduler["ok"].toBool()) << label;
        EXPECT_EQ(lines.size(), kQueues + 1) << label << run.out.toStdString();
        for (const QJsonValue& line : lines) {
            if (!c.everyLine.isEmpty()) {
                EXPECT_EQ(line["result"].toString(), c.everyLine) << label;
            }
            EXPECT_NE(line["result"].toString(), "failed")
                << label << line["reason"].toString().toStdString();
        }
        ExpectTheTruth(lines, before);
    }
}

// A busy scheduler sends the header of an answer and its body a moment later; the answer is
// read in full, not taken for none (it was, and then each job it had taken was reported
// "unknown", "not answering", and the queues after it "not-sent").
TEST_F(CtlResults, AnAnswerWhoseBodyFollowsItsHeaderLateIsReadInFull) {
    FreezingRelay relay(a.socketPath(), dir.filePath("relay.sock"));
    ASSERT_TRUE(relay.listening());
    relay.pauseAfterHeaders(300ms);
    const Ctl run = RunCtl({"send", settingsFile, "--server", relay.path(), "--printer", "Quill-01",
                            "--printer", "Quill-02", "--wait", "60", "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonArray lines = JsonLines(run);
    ASSERT_EQ(lines.size(), 2) << run.out.toStdString();
    for (const QJsonValue& line : lines) {
        EXPECT_EQ(line["result"].toString(), "completed")
            << line["printer"].toString().toStdString() << ": " << line["reason"].toString().toStdString();
    }
}

// A connection that breaks off in the middle of the jobs costs only the printer it was for: it is
// not taken for a scheduler that stopped answering, and the others still get their jobs.
TEST_F(CtlResults, AConnectionThatBreaksOffCostsOnlyItsOwnPrinter) {
    FreezingRelay relay(a.socketPath(), dir.filePath("relay.sock"));
    ASSERT_TRUE(relay.listening());
    relay.cutAt(FreezingRelay::kJobRequest, 5);  // a Create-Job or a document, whichever comes fifth
    const auto before = Jobs();
    const Ctl run = RunCtl({"send", settingsFile, "--server", relay.path(), "--all", "--json"});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    QJsonArray lines = JsonLines(run);
    ASSERT_EQ(lines.size(), kQueues + 1) << run.out.toStdString();
    qsizetype cut = 0;
    while (cut < lines.size() && lines.at(cut)["result"].toString() == "sent")
        ++cut;
    ASSERT_LT(cut, lines.size());
    const QString queue = lines.at(cut)["printer"].toString(), reason = lines.at(cut)["reason"].toString();
    EXPECT_TRUE(reason.startsWith("the connection to the scheduler broke off")) << reason.toStdString();
    // No job for it prints: none, or the one cancelled for want of its document.
    EXPECT_TRUE(a.activeJobs(queue).empty()) << queue.toStdString();
    for (const CupsJobRecord& job : a.completedJobs(queue))
        EXPECT_EQ(job.state, IPP_JSTATE_CANCELED) << queue.toStdString() << " job " << job.id;
    lines.removeAt(cut);
    EXPECT_EQ(lines.size(), kQueues);
    ExpectTheTruth(lines, before);

    // Broken off once the scheduler had the document, before its answer: the job is asked after on
    // a new connection and followed as any other, and no second job is sent.
    FreezingRelay late(a.socketPath(), dir.filePath("late.sock"));
    ASSERT_TRUE(late.listening());
    late.cutAnswerAt(FreezingRelay::kJobRequest, 2);  // Quill-01's document, after its Create-Job
    const std::size_t had = Jobs().at("Quill-01");
    const Ctl followed = RunCtl(
        {"send", settingsFile, "--server", late.path(), "--printer", "Quill-01", "--wait", "60", "--json"});
    EXPECT_TRUE(late.frozen());
    EXPECT_EQ(followed.exitCode, 0) << followed.err.toStdString();
    const QJsonArray line = JsonLines(followed);
    ASSERT_EQ(line.size(), 1) << followed.out.toStdString();
    EXPECT_EQ(line[0]["result"].toString(), "completed") << line[0]["reason"].toString().toStdString();
    EXPECT_EQ(Jobs().at("Quill-01"), had + 1);
    const std::vector<CupsJobRecord> done = a.completedJobs("Quill-01");
    EXPECT_TRUE(std::any_of(done.begin(), done.end(),
                            [&](const CupsJobRecord& job) {
                                return job.id == line[0]["jobId"].toInt() &&
                                       job.state == IPP_JSTATE_COMPLETED;
                            }))
        << "job " << line[0]["jobId"].toInt();
}

TEST_F(CtlResults, TheFirstInterruptReportsEveryPrinterAsItStandsAndEndsAsInterrupted) {
    const struct {
        const char* stage;
        int signal;
        QStringList options;
        std::function<void(FreezingRelay&)> prepare;
        std::function<bool(const FreezingRelay&)> ready;  // when to interrupt
    } cases[] = {
        // First, while the scheduler has had no other job for Quill-01.
        {"wait",
         SIGTERM,
         {"--wait", "60", "--cancel-unfinished"},
         [](FreezingRelay&) {},
         [&](const FreezingRelay&) {
             return a.completedJobs("Quill-01").size() > 0 && !a.activeJobs("Quill-Stopped").empty();
         }},
        {"listing",
         SIGINT,
         {},
         [&](FreezingRelay&) { a.freeze(); },
         [](const FreezingRelay& relay) { return relay.requests() >= 1; }},
        {"submission",
         SIGINT,
         {},
         [&](FreezingRelay& relay) { relay.freezeAt(FreezingRelay::kJobRequest, 5, [&] { a.freeze(); }); },
         [](const FreezingRelay& relay) { return relay.frozen(); }},
    };
    for (const auto& c : cases) {
        FreezingRelay relay(a.socketPath(), dir.filePath("relay.sock"));
        ASSERT_TRUE(relay.listening()) << c.stage;
        const auto before = Jobs();
        c.prepare(relay);
        QProcess process;
        const QStringList chosen =
            c.options.isEmpty()
                ? SendToAll(relay.path())
                : QStringList{"send",     settingsFile, "--server",      relay.path(), "--printer",
                              "Quill-01", "--printer",  "Quill-Stopped", "--json"};
        StartCtl(process, chosen + c.options);
        ASSERT_TRUE(WaitFor([&] { return c.ready(relay); })) << c.stage;
        kill(static_cast<pid_t>(process.processId()), c.signal);
        const Ctl run = Finish(process, 5000);
        a.thaw();

        EXPECT_EQ(run.exitCode, 128 + c.signal) << c.stage << run.err.toStdString();
        const QJsonObject report = JsonReport(run);
        const QJsonArray lines = report["printers"].toArray();
        if (std::string(c.stage) == "listing") {
            EXPECT_TRUE(lines.isEmpty());
            EXPECT_EQ(report["schedulers"][0]["reason"].toString(),
                      "interrupted before the scheduler answered");
            continue;
        }
        EXPECT_EQ(lines.size(), c.options.isEmpty() ? kQueues + 1 : 2) << c.stage << run.out.toStdString();
        ExpectTheTruth(lines, before);
        if (std::string(c.stage) == "wait") {
            EXPECT_EQ(lines[0]["result"].toString(), "completed");
            EXPECT_EQ(lines[1]["result"].toString(), "canceled");
            EXPECT_EQ(lines[1]["reason"].toString(),
                      "cancelled when interrupted: the job was still pending when interrupted; the queue is "
                      "stopped (paused)");
            EXPECT_TRUE(a.activeJobs("Quill-Stopped").empty());
        }
    }
}

TEST_F(CtlResults, AJobThatEndsOtherwiseDuringTheWaitIsReportedInWords) {
    const struct {
        const char* what;
        std::function<void(int job)> happen;
        QString result;
        QString reason;  // a pattern
    } cases[] = {
        {"cancelled by another user", [&](int job) { a.cancelJob("Quill-Stopped", job); }, "failed",
         R"(^the job was cancelled( \(cancelled by a user\))?$)"},
        {"the scheduler killed", [&](int) { a.stop(); }, "unknown",
         R"(^the scheduler stopped answering about the job \(last seen pending\): it may still print$)"},
    };
    for (const auto& c : cases) {
        QProcess process;
        StartCtl(process, {"send", settingsFile, "--server", a.socketPath(), "--printer", "Quill-Stopped",
                           "--wait", "3", "--json"});
        ASSERT_TRUE(WaitFor([&] { return !a.activeJobs("Quill-Stopped").empty(); })) << c.what;
        c.happen(a.activeJobs("Quill-Stopped").at(0).id);
        const Ctl run = Finish(process, 10000);
        EXPECT_EQ(run.exitCode, 1) << c.what;
        const QJsonArray lines = JsonLines(run);
        ASSERT_EQ(lines.size(), 1) << c.what;
        EXPECT_EQ(lines[0]["result"].toString(), c.result) << c.what;
        EXPECT_TRUE(QRegularExpression(c.reason).match(lines[0]["reason"].toString()).hasMatch())
            << c.what << ": " << lines[0]["reason"].toString().toStdString();
        EXPECT_GT(lines[0]["jobId"].toInt(), 0) << c.what;
    }
}

// The man page's recipes, as a reader would copy them: "... --json | jq -r 'FILTER'".
std::vector<QString> ManPageJqFilters() {
    QFile page(QStringLiteral(BMK_SOURCE_DIR "/ctl/bmk540ctl.1"));
    EXPECT_TRUE(page.open(QIODevice::ReadOnly));
    std::vector<QString> filters;
    static const QRegularExpression kRecipe(QStringLiteral(R"(\| jq \\-r '([^']+)')"));
    for (const QString& line : QString::fromUtf8(page.readAll()).split('\n')) {
        const QRegularExpressionMatch match = kRecipe.match(line);
        if (match.hasMatch())
            filters.push_back(match.captured(1).replace(QStringLiteral("\\-"), QStringLiteral("-")));
    }
    return filters;
}

QString Jq(const QString& filter, const QString& input) {
    QProcess jq;
    jq.start(QStringLiteral("jq"), {"-r", filter});
    jq.write(input.toUtf8());
    jq.closeWriteChannel();
    EXPECT_TRUE(jq.waitForFinished(10000) && jq.exitCode() == 0) << filter.toStdString();
    return QString::fromUtf8(jq.readAllStandardOutput());
}

TEST_F(CtlResults, OneSchedulerUnderManyNamesAnyCaseAndOneDownAndTheManPagesRecipes) {
    const QString link = dir.filePath("link.sock");
    ASSERT_TRUE(QFile::link(a.socketPath(), link));
    const QString port = a.tcpAddress().section(':', 1);
    const QString gone = dir.filePath("gone.sock");
    const auto before = Jobs();
    const Ctl sent = RunCtl({"send", settingsFile, "--server", a.socketPath(), "--server", link, "--server",
                             a.tcpAddress(), "--server", "localhost:" + port, "--server", gone, "--printer",
                             "quill-01", "--printer", "QUILL-01", "--wait", "20", "--json"});
    EXPECT_EQ(sent.exitCode, 1) << sent.err.toStdString();
    const QJsonObject report = JsonReport(sent);
    ASSERT_EQ(report["printers"].toArray().size(), 1) << sent.out.toStdString();
    EXPECT_EQ(report["printers"][0]["printer"].toString(), "Quill-01");
    EXPECT_EQ(report["printers"][0]["result"].toString(), "completed");
    EXPECT_EQ(Jobs().at("Quill-01"), before.at("Quill-01") + 1);
    std::map<QString, QString> schedulers;  // server: reason, "ok" when asked
    for (const QJsonValue& entry : report["schedulers"].toArray())
        schedulers[entry["server"].toString()] =
            entry["ok"].toBool() && entry["reason"].toString().isEmpty() ? "ok" : entry["reason"].toString();
    EXPECT_EQ(schedulers.size(), 5u);
    EXPECT_EQ(schedulers[gone], "no such socket");
    const QRegularExpression same(QStringLiteral("^(ok|the same scheduler as .*: asked once)$"));
    for (const QString& name : {a.socketPath(), link, a.tcpAddress(), "localhost:" + port})
        EXPECT_TRUE(same.match(schedulers[name]).hasMatch())
            << name.toStdString() << ": " << schedulers[name].toStdString();

    const std::vector<QString> filters = ManPageJqFilters();
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(Jq(filters[0], sent.out), "");           // the printers that did not get the settings
    EXPECT_EQ(Jq(filters[1], sent.out), gone + "\n");  // the schedulers that could not be asked

    // A dry run: the same listing and matching, nothing sent.
    const Ctl dry = RunCtl({"send", settingsFile, "--server", a.socketPath(), "--printer", "QUILL-02",
                            "--printer", "Nowhere", "--dry-run", "--json"});
    EXPECT_EQ(dry.exitCode, 1);
    const QJsonArray lines = JsonLines(dry);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].toObject(), (QJsonObject{{"printer", "Quill-02"},
                                                {"server", a.socketPath()},
                                                {"jobId", QJsonValue()},
                                                {"result", "would-send"},
                                                {"ok", true},
                                                {"reason", ""}}));
    EXPECT_EQ(lines[1]["reason"].toString(), "no such queue");
    EXPECT_EQ(Jq(filters[0], dry.out), "Nowhere\n");
    EXPECT_EQ(Jobs().at("Quill-02"), before.at("Quill-02"));
}

TEST_F(CtlResults, ASchedulerThatCannotBeAskedSaysWhyInPlainWords) {
    const Ctl listed = RunCtl({"printers", "--server", a.socketPath(), "--json"});
    EXPECT_EQ(listed.exitCode, 0);
    const QJsonArray queuesListed = JsonLines(listed);
    ASSERT_EQ(queuesListed.size(), kQueues + 1);
    EXPECT_EQ(queuesListed.last()["reason"].toString(), "paused");  // not "paused; Paused"

    QString refused;
    {
        CaptureListener closed;  // a port nobody listens on once it is gone
        refused = QStringLiteral("127.0.0.1:%1").arg(closed.port());
    }
    const struct {
        QString server;
        QString reason;
        std::function<void()> before;
    } cases[] = {
        {refused, "refused: no scheduler listens at that address and port", [] {}},
        {dir.filePath("none.sock"), "no such socket", [] {}},
        {"nosuchhost.invalid", "no such host", [] {}},
        {a.tcpAddress(), "not answering: no answer within 1 s", [&] { a.freeze(); }},
    };
    for (const auto& c : cases) {
        c.before();
        const Ctl run = RunCtl({"printers", "--server", c.server, "--timeout", "1", "--json"}, 10000);
        EXPECT_EQ(run.exitCode, 2) << c.server.toStdString();
        EXPECT_EQ(
            JsonReport(run),
            (QJsonObject{{"printers", QJsonArray()},
                         {"schedulers", QJsonArray{QJsonObject{
                                            {"server", c.server}, {"ok", false}, {"reason", c.reason}}}}}))
            << run.out.toStdString();
        const Ctl text =
            RunCtl({"send", settingsFile, "--server", c.server, "--all", "--timeout", "1"}, 10000);
        EXPECT_EQ(text.exitCode, 2);
        EXPECT_EQ(text.err, "bmk540ctl: cannot ask the scheduler at " + c.server + ": " + c.reason +
                                "\nbmk540ctl: nothing sent\n");
    }
    a.thaw();
}

}  // namespace
