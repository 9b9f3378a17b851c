// bmk540ctl printers and send, run as installed, against private schedulers and socket printers:
// the lines, exit codes and JSON, the bytes that arrive, and the same bytes as the window's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <map>

#include "app/MainWindow.h"
#include "platform/ExecutableDirectory.h"
#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"
#include "settings/FactoryImage.h"
#include "settings/Normalised.h"
#include "settings/SettingsFile.h"
#include "tests/integration/CtlProcess.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/CraftedImages.h"
#include "tests/support/PrivateCupsd.h"
#include "tests/support/ScriptedUser.h"
#include "tests/support/WidgetHelpers.h"

using namespace testing_support;
using namespace std::chrono_literals;
using settings::SettingsImage;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The lines by "printer@server".
std::map<QString, QJsonObject> ByPrinter(const QJsonArray& lines) {
    std::map<QString, QJsonObject> byPrinter;
    for (const QJsonValue& line : lines) {
        const QJsonObject object = line.toObject();
        byPrinter[object["printer"].toString() + '@' + object["server"].toString()] = object;
    }
    return byPrinter;
}

Bytes Sent(const SettingsImage& image) {
    const SettingsImage normalised = settings::Normalised(image);
    return {normalised.data(), normalised.data() + normalised.size()};
}

// A port nobody listens on: a printer that cannot be reached.
int ClosedPort() {
    CaptureListener gone;
    return gone.port();
}

class CtlSend : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(printerA.listening() && printerB.listening());
        // The first scheduler also on TCP, as one across the network would be.
        ASSERT_TRUE(a.start({}, true)) << a.lastError().toStdString();
        ASSERT_TRUE(a.addQueue("Quill-A", Uri(printerA), PrivateCupsd::modelPpd())) << Error(a);
        settingsFile = dir.filePath("settings.dat");
        ASSERT_TRUE(WriteSettingsBytes(settingsFile, image));
    }
    static QString Uri(const CaptureListener& printer) { return QString::fromStdString(printer.deviceUri()); }
    static std::string Error(const PrivateCupsd& cupsd) { return cupsd.lastError().toStdString(); }

    // Settings with values the window changes on the way: what goes out is not the file's image.
    const SettingsImage image = With({{16, "7"}, {165, "10"}, {173, "07"}});
    PrivateCupsd a;
    CaptureListener printerA;
    CaptureListener printerB;
    QTemporaryDir dir;
    QString settingsFile;
};

TEST_F(CtlSend, TwoSchedulersInOneCallEveryPrinterGetsItsLineAndOnlyModelQueuesTheSettings) {
    PrivateCupsd b;
    ASSERT_TRUE(b.start()) << b.lastError().toStdString();
    ASSERT_TRUE(a.addQueue("Quill-Stopped", Uri(printerA), PrivateCupsd::modelPpd()) &&
                a.disable("Quill-Stopped"))
        << Error(a);
    ASSERT_TRUE(a.addQueue("Quill-Rejecting", Uri(printerA), PrivateCupsd::modelPpd()) &&
                a.rejectJobs("Quill-Rejecting"))
        << Error(a);
    ASSERT_TRUE(a.addQueue("Quill-File", "file:/dev/null", PrivateCupsd::modelPpd())) << Error(a);
    ASSERT_TRUE(a.addQueue("Other-Model", Uri(printerA), PrivateCupsd::otherModelPpd())) << Error(a);
    ASSERT_TRUE(b.addQueue("Quill-B", Uri(printerB), PrivateCupsd::modelPpd())) << Error(b);
    const QString dead = QStringLiteral("socket://127.0.0.1:%1").arg(ClosedPort());
    ASSERT_TRUE(b.addQueue("Quill-Dead", dead, PrivateCupsd::modelPpd())) << Error(b);
    const QString atA = '@' + a.tcpAddress(), atB = '@' + b.socketPath();

    // The listing: the model's queues not on a file, whatever their state.
    const Ctl listed = RunCtl({"printers", "--server", a.tcpAddress(), "--server", b.socketPath(), "--json"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    auto queues = ByPrinter(JsonLines(listed));
    EXPECT_EQ(queues.size(), 5u) << listed.out.toStdString();
    EXPECT_EQ(queues["Quill-A" + atA], (QJsonObject{{"printer", "Quill-A"},
                                                    {"server", a.tcpAddress()},
                                                    {"state", "idle"},
                                                    {"accepting", true},
                                                    {"device", Uri(printerA)},
                                                    {"reason", ""}}));
    EXPECT_EQ(queues["Quill-Stopped" + atA]["state"].toString(), "stopped");
    EXPECT_TRUE(queues["Quill-Stopped" + atA]["reason"].toString().contains("paused"));
    EXPECT_FALSE(queues["Quill-Rejecting" + atA]["accepting"].toBool(true));
    EXPECT_EQ(queues["Quill-Dead" + atB]["device"].toString(), dead);
    EXPECT_TRUE(queues.contains("Quill-B" + atB));

    // One call to both: each printer its line, the good ones the settings, followed to their end.
    QStringList arguments{"send",         settingsFile, "--server", a.tcpAddress(), "--server",
                          b.socketPath(), "--wait",     "2",        "--json"};
    for (const char* name : {"Quill-A", "Quill-Stopped", "Quill-Rejecting", "Quill-File", "Other-Model",
                             "Quill-B", "Quill-Dead", "Nowhere"})
        arguments << "--printer" << name;
    const Ctl sent = RunCtl(arguments);
    EXPECT_EQ(sent.exitCode, 1) << sent.err.toStdString();
    const QJsonArray lines = JsonLines(sent);
    ASSERT_EQ(lines.size(), 9) << sent.out.toStdString();
    const QJsonObject first = lines[0].toObject();
    EXPECT_EQ(first.keys(), (QStringList{"jobId", "ok", "printer", "reason", "result", "server"}));
    EXPECT_EQ(first["printer"].toString(), "Quill-A");
    EXPECT_GT(first["jobId"].toInt(), 0);
    const struct {
        QString printer;
        QString result;
        QString reason;  // a part of it
    } expected[] = {
        {"Quill-A" + atA, "completed", ""},
        {"Quill-Stopped" + atA, "timed-out",
         "still pending when the wait ran out; the queue is stopped (paused"},
        {"Quill-Rejecting" + atA, "failed", "the queue is not accepting jobs"},
        {"Quill-File" + atA, "failed", "prints into a file"},
        {"Other-Model" + atA, "failed", "not a queue of the ORV Quillstrike 540QZ7"},
        {"Nowhere" + atA, "failed", "no such queue"},
        {"Quill-B" + atB, "completed", ""},
        {"Quill-Dead" + atB, "timed-out", "still printing when the wait ran out: "},
        {"Nowhere" + atB, "failed", "no such queue"},
    };
    const auto byPrinter = ByPrinter(lines);
    for (const auto& line : expected) {
        const QJsonObject got = byPrinter.contains(line.printer) ? byPrinter.at(line.printer) : QJsonObject{};
        EXPECT_EQ(got["result"].toString(), line.result) << line.printer.toStdString();
        EXPECT_EQ(got["ok"].toBool(), line.result == "completed") << line.printer.toStdString();
        EXPECT_TRUE(got["reason"].toString().contains(line.reason))
            << line.printer.toStdString() << ": " << got["reason"].toString().toStdString();
        EXPECT_EQ(got["jobId"].isNull(), line.result == "failed") << line.printer.toStdString();
    }
    ASSERT_TRUE(printerA.waitForJobs(1, 30s) && printerB.waitForJobs(1, 30s));
    EXPECT_EQ(printerA.jobs(), std::vector<Bytes>{Sent(image)});
    EXPECT_EQ(printerB.jobs(), std::vector<Bytes>{Sent(image)});
    EXPECT_EQ(a.completedJobs("Quill-A").at(0).title, platform::kStatusWriteTitle);

    // Without a wait a job the scheduler took is sent; one waiting on a stopped queue says so.
    const Ctl text = RunCtl({"send", settingsFile, "--server", a.tcpAddress(), "--printer", "Quill-A",
                             "--printer", "Quill-Stopped"});
    EXPECT_EQ(text.exitCode, 0) << text.err.toStdString();
    const QStringList textLines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(textLines.size(), 2) << text.out.toStdString();
    EXPECT_TRUE(
        QRegularExpression("^Quill-A  +127\\.0\\.0\\.1:\\d+  +\\d+  +sent$").match(textLines[0]).hasMatch())
        << textLines[0].toStdString();
    EXPECT_TRUE(
        QRegularExpression("^Quill-Stopped  +127\\.0\\.0\\.1:\\d+  +\\d+  +sent: the queue is stopped "
                           "\\(paused[^)]*\\): the job waits until it is started$")
            .match(textLines[1])
            .hasMatch())
        << textLines[1].toStdString();
    ASSERT_TRUE(printerA.waitForJobs(2, 30s));
    EXPECT_EQ(printerA.jobs()[1], Sent(image));
}

TEST_F(CtlSend, NothingIsSentForAFileThatIsNotSettingsOrWithoutAScheduler) {
    QByteArray wrongModel = SettingsFileBytes(image);
    wrongModel[21] = 'X';
    const QString notSettings = dir.filePath("not-settings.dat");
    QFile file(notSettings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(wrongModel) == settings::kFileSize);
    file.close();

    const Ctl refused = RunCtl({"send", notSettings, "--server", a.socketPath(), "--all"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.startsWith("bmk540ctl: " + notSettings + ": ")) << refused.err.toStdString();

    const Ctl noScheduler = RunCtl({"send", settingsFile, "--server", dir.filePath("no.sock"), "--all"});
    EXPECT_EQ(noScheduler.exitCode, 2);
    EXPECT_TRUE(
        noScheduler.err.startsWith("bmk540ctl: cannot ask the scheduler at " + dir.filePath("no.sock")))
        << noScheduler.err.toStdString();

    for (const QStringList& usage : {QStringList{"send", settingsFile},
                                     {"send", settingsFile, "--all", "--printer", "Q"},
                                     {"send", settingsFile, "--all", "--wait", "soon"},
                                     {"send", settingsFile, "--all", "--server", "host:99999"}}) {
        const Ctl run = RunCtl(usage);
        EXPECT_EQ(run.exitCode, 2) << usage.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("bmk540ctl: ")) << run.err.toStdString();
    }
    EXPECT_TRUE(a.completedJobs("Quill-A").empty());
    EXPECT_TRUE(a.activeJobs("Quill-A").empty());
}

TEST_F(CtlSend, TheWaitEndsInTimeWhenAQueueIsDeletedOrASchedulerNeverAnswers) {
    ASSERT_TRUE(a.addQueue("Quill-Gone", Uri(printerA), PrivateCupsd::modelPpd()) && a.disable("Quill-Gone"))
        << Error(a);
    QProcess waiting;
    StartCtl(waiting,
             {"send", settingsFile, "--server", a.socketPath(), "--printer", "Quill-Gone", "--wait", "60"});
    QDeadlineTimer queued(30000);
    while (a.activeJobs("Quill-Gone").empty() && !queued.hasExpired())
        QThread::msleep(20);
    ASSERT_TRUE(a.removeQueue("Quill-Gone")) << Error(a);
    const Ctl gone = Finish(waiting);
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_TRUE(QRegularExpression("^Quill-Gone +\\S+ +\\d+ +failed: the job is gone from the scheduler")
                    .match(gone.out)
                    .hasMatch())
        << gone.out.toStdString();

    // A "scheduler" that takes the connection and never answers holds up neither the other
    // scheduler nor the end of the wait (CUPS alone would wait for it twice 15 s).
    CaptureListener silent;
    const QString silentAddress = QStringLiteral("127.0.0.1:%1").arg(silent.port());
    const Ctl held = RunCtl({"send", settingsFile, "--server", silentAddress, "--server", a.socketPath(),
                             "--printer", "Quill-A", "--wait", "2", "--json"},
                            15000);
    EXPECT_EQ(held.exitCode, 1) << held.err.toStdString();
    auto lines = ByPrinter(JsonLines(held));
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines["Quill-A@" + a.socketPath()]["result"].toString(), "completed");
    EXPECT_EQ(JsonReport(held)["schedulers"][0].toObject(),
              (QJsonObject{{"server", silentAddress},
                           {"ok", false},
                           {"reason", "no answer from the scheduler before the wait ran out"}}));
}

// The window on the same scheduler: it loads each file with Ctrl+O and sends with Ctrl+W.
class CtlSendAsTheWindow : public CtlSend {
protected:
    void SetUp() override {
        CtlSend::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        platform::SetPrinterSystemForTesting(nullptr);
        platform::SetExecutableDirectoryForTesting(dir.path());
    }
    void TearDown() override { platform::SetExecutableDirectoryForTesting(QString()); }
    // What the window sends after loading the file; the data check's range messages answered.
    void LoadAndSendInTheWindow(const QString& path, const SettingsImage& loaded) {
        ScriptedUser user;
        MainWindow main;
        ASSERT_TRUE(main.start());
        ShowAndActivate(&main);
        ASSERT_EQ(main.printerName(), QStringLiteral("Quill-A"));
        user.answerFileDialog(path);
        AnswerRangeMessages(user, loaded);
        PressOnFocus(Qt::Key_O);
        AnswerRangeMessages(user, settings::Normalised(loaded));
        user.expectBox(QStringLiteral("プリンタに設定値を送信しました。"), QStringLiteral("Brindlemark"),
                       QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok);
        PressOnFocus(Qt::Key_W);
    }
    // Ctrl+key where the user's keys go: a range message may have moved the focus.
    static void PressOnFocus(Qt::Key key) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }
    static void AnswerRangeMessages(ScriptedUser& user, const SettingsImage& image) {
        for (const settings::RangeRefusal& refusal : settings::DataCheckRefusals(image))
            user.expectWarning(QString::fromStdString(settings::RangeMessage(refusal.range)),
                               QCoreApplication::applicationName());
    }
};

TEST_F(CtlSendAsTheWindow, SendDeliversByteForByteWhatCtrlWDeliversAfterCtrlOOfTheSameFile) {
    // Unknown codes, country codes, pitch pairs, return times and odd format blocks.
    const std::vector<SettingsImage> crafted = CraftedImages();
    for (std::size_t i = 0; i < crafted.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("crafted-%1.dat").arg(i));
        ASSERT_TRUE(WriteSettingsBytes(path, crafted[i]));
        LoadAndSendInTheWindow(path, crafted[i]);
        ASSERT_TRUE(printerA.waitForJobs(2 * i + 1, 30s)) << i;
        // The scheduler the window used: CUPS's default, as it is for the command without --server.
        const Ctl sent = RunCtl({"send", path, "--printer", "Quill-A"});
        EXPECT_EQ(sent.exitCode, 0) << sent.err.toStdString();
        ASSERT_TRUE(printerA.waitForJobs(2 * i + 2, 30s)) << i;
        const auto jobs = printerA.jobs();
        EXPECT_EQ(jobs[2 * i + 1], jobs[2 * i]) << "file " << i;
        EXPECT_EQ(jobs[2 * i], Sent(crafted[i])) << "file " << i;
    }
}

}  // namespace
