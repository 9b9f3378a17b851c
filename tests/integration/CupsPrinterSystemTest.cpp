// The CUPS printer system against a real scheduler of the test's own.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include <QDeadlineTimer>
#include <QThread>

#include "platform/CupsPrinterSystem.h"
#include "platform/ModelPrinter.h"
#include "platform/SettingsJob.h"
#include "settings/FactoryImage.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"

using namespace platform;
using testing_support::CaptureListener;
using testing_support::PrivateCupsd;

namespace {

constexpr const char* kModel = "ORV Quillstrike 540QZ7";
constexpr const char* kOtherModel = "ORV Quillstrike 540qz7";
constexpr const char* kDocName = "Brindlemark Status Write";
constexpr auto kJobTimeout = std::chrono::seconds(30);

using Jobs = std::vector<std::vector<std::uint8_t>>;

// Every byte value, NUL and line ends included: nothing may be converted on the way.
std::vector<std::uint8_t> CommandBytes() {
    std::vector<std::uint8_t> bytes(190);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>((i * 37 + 0x1C) & 0xFF);
    }
    bytes[0] = 0x1C;
    bytes[10] = '\n';
    bytes[11] = '\r';
    bytes[12] = 0x0C;
    bytes[185] = 0;
    return bytes;
}

std::vector<PrinterQueue> SortedByName(std::optional<std::vector<PrinterQueue>> queues) {
    if (!queues) {
        ADD_FAILURE() << "the scheduler could not be asked";
        return {};
    }
    std::sort(queues->begin(), queues->end(),
              [](const PrinterQueue& a, const PrinterQueue& b) { return a.name < b.name; });
    return *queues;
}

class CupsPrinterSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(m_printer.listening());
        // Small enough that a long document is turned away after its job was created.
        ASSERT_TRUE(m_cupsd.start({"LimitRequestBody 65536"})) << m_cupsd.lastError().toStdString();
        // The model's queue prints banners by default; the program's jobs must carry none.
        ASSERT_TRUE(m_cupsd.addQueue("Quill-Socket", QString::fromStdString(m_printer.deviceUri()),
                                     PrivateCupsd::modelPpd(), {"job-sheets-default=standard,standard"}))
            << m_cupsd.lastError().toStdString();
        ASSERT_TRUE(m_cupsd.addQueue("Quill-File", "file:/dev/null", PrivateCupsd::modelPpd()))
            << m_cupsd.lastError().toStdString();
        ASSERT_TRUE(m_cupsd.addQueue("Other-Model", QString::fromStdString(m_printer.deviceUri()),
                                     PrivateCupsd::otherModelPpd()))
            << m_cupsd.lastError().toStdString();
        ASSERT_TRUE(
            m_cupsd.addQueue("Remote-Quill", "ipp://spool.example/printers/quill", PrivateCupsd::modelPpd()))
            << m_cupsd.lastError().toStdString();
    }

    // Asks until the job reaches a state it will not leave, or the deadline passes.
    JobStatus waitForEnd(const std::string& queue, int jobId) {
        QDeadlineTimer deadline(std::chrono::duration_cast<std::chrono::milliseconds>(kJobTimeout).count());
        JobStatus status = m_system.jobStatus(queue, jobId);
        while (!deadline.hasExpired() && status.state != JobState::Completed &&
               status.state != JobState::Aborted && status.state != JobState::Canceled) {
            QThread::msleep(20);
            status = m_system.jobStatus(queue, jobId);
        }
        return status;
    }

    CaptureListener m_printer;
    PrivateCupsd m_cupsd;
    CupsPrinterSystem m_system;
};

TEST_F(CupsPrinterSystemTest, ListingReportsEveryQueueWithDriverDeviceServerAndState) {
    ASSERT_TRUE(m_cupsd.rejectJobs("Quill-File")) << m_cupsd.lastError().toStdString();
    ASSERT_TRUE(m_cupsd.disable("Other-Model")) << m_cupsd.lastError().toStdString();
    const std::vector<PrinterQueue> queues = SortedByName(m_system.queues());
    ASSERT_EQ(queues.size(), 4u);

    const PrinterQueue socket{"Quill-Socket", "", m_printer.deviceUri(), kModel, QueueState::Idle, true, ""};
    EXPECT_EQ(queues[2], socket);
    const PrinterQueue remote{"Remote-Quill",
                              "spool.example",
                              "ipp://spool.example/printers/quill",
                              kModel,
                              QueueState::Idle,
                              true,
                              ""};
    EXPECT_EQ(queues[3], remote);

    // A file: device is FILE:; a rejecting queue says so.
    EXPECT_EQ(queues[1].name, "Quill-File");
    EXPECT_EQ(queues[1].device, "FILE:");
    EXPECT_FALSE(queues[1].acceptingJobs);
    EXPECT_EQ(queues[1].state, QueueState::Idle);

    // A stopped queue still takes jobs and gives its reason.
    EXPECT_EQ(queues[0].name, "Other-Model");
    EXPECT_EQ(queues[0].makeAndModel, kOtherModel);
    EXPECT_EQ(queues[0].state, QueueState::Stopped);
    EXPECT_TRUE(queues[0].acceptingJobs);
    EXPECT_NE(queues[0].stateReason.find("paused"), std::string::npos) << queues[0].stateReason;
}

TEST_F(CupsPrinterSystemTest, RawDocumentArrivesUnchangedAsOneTitledJobWithoutBannerAndCompletes) {
    const std::vector<std::uint8_t> bytes = CommandBytes();
    const JobSubmission sent = m_system.sendRawJob("Quill-Socket", kDocName, bytes);
    ASSERT_TRUE(sent.accepted()) << sent.failure;

    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    const JobStatus status = waitForEnd("Quill-Socket", sent.jobId);
    EXPECT_EQ(status.state, JobState::Completed) << status.reason;
    EXPECT_EQ(m_printer.jobs(), Jobs{bytes});

    const auto jobs = m_cupsd.completedJobs("Quill-Socket");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].id, sent.jobId);
    EXPECT_EQ(jobs[0].title, kDocName);
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED);

    EXPECT_EQ(m_system.jobStatus("Quill-Socket", sent.jobId + 100).state, JobState::NotFound);
}

TEST_F(CupsPrinterSystemTest, SecondDocumentIsASecondJobWithTheSameBytes) {
    const std::vector<std::uint8_t> bytes = CommandBytes();
    const JobSubmission first = m_system.sendRawJob("Quill-Socket", kDocName, bytes);
    ASSERT_TRUE(first.accepted()) << first.failure;
    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    const JobSubmission second = m_system.sendRawJob("Quill-Socket", kDocName, bytes);
    ASSERT_TRUE(second.accepted()) << second.failure;
    EXPECT_NE(first.jobId, second.jobId);
    ASSERT_TRUE(m_printer.waitForJobs(2, kJobTimeout));
    EXPECT_EQ(m_printer.jobs(), (Jobs{bytes, bytes}));
}

TEST_F(CupsPrinterSystemTest, DocumentTheSchedulerTurnsAwayIsCancelledAndNeverReachesThePrinter) {
    const JobSubmission tooLong =
        m_system.sendRawJob("Quill-Socket", kDocName, std::vector<std::uint8_t>(262144, 'x'));
    EXPECT_FALSE(tooLong.accepted());
    EXPECT_FALSE(tooLong.failure.empty());
    // A complete document sent afterwards is the only thing the printer sees.
    const std::vector<std::uint8_t> bytes = CommandBytes();
    ASSERT_TRUE(m_system.sendRawJob("Quill-Socket", kDocName, bytes).accepted());
    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    ASSERT_TRUE(m_cupsd.waitForCompletedJobs("Quill-Socket", 2, 30000));
    EXPECT_EQ(m_printer.jobs(), Jobs{bytes});
    // The scheduler lists ended jobs in no fixed order: the turned-away one has the lower id.
    const auto ended = m_cupsd.completedJobs("Quill-Socket");
    const auto first = std::min_element(ended.begin(), ended.end(),
                                        [](const auto& a, const auto& b) { return a.id < b.id; });
    EXPECT_EQ(first->state, IPP_JSTATE_CANCELED);
}

TEST_F(CupsPrinterSystemTest, JobOnAStoppedQueueWaitsUntilTheQueueStartsAgain) {
    ASSERT_TRUE(m_cupsd.disable("Quill-Socket")) << m_cupsd.lastError().toStdString();
    const std::vector<std::uint8_t> bytes = CommandBytes();
    const JobSubmission sent = m_system.sendRawJob("Quill-Socket", kDocName, bytes);
    ASSERT_TRUE(sent.accepted()) << sent.failure;
    EXPECT_EQ(m_system.jobStatus("Quill-Socket", sent.jobId).state, JobState::Pending);

    ASSERT_TRUE(m_cupsd.enable("Quill-Socket")) << m_cupsd.lastError().toStdString();
    EXPECT_EQ(waitForEnd("Quill-Socket", sent.jobId).state, JobState::Completed);
    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    EXPECT_EQ(m_printer.jobs(), Jobs{bytes});
}

TEST_F(CupsPrinterSystemTest, QueueThatIsMissingOrRejectsFailsBeforeAJobIsCreated) {
    const std::vector<std::uint8_t> bytes = CommandBytes();
    EXPECT_EQ(m_system.sendRawJob("quill-socket", kDocName, bytes).failure, "no such queue")
        << "names are compared byte for byte";
    EXPECT_EQ(m_system.sendRawJob("No-Such-Queue", kDocName, bytes).failure, "no such queue");
    ASSERT_TRUE(m_cupsd.rejectJobs("Quill-Socket")) << m_cupsd.lastError().toStdString();
    EXPECT_EQ(m_system.sendRawJob("Quill-Socket", kDocName, bytes).failure, "queue not accepting jobs");
    ASSERT_TRUE(m_cupsd.removeQueue("Other-Model")) << m_cupsd.lastError().toStdString();
    EXPECT_EQ(m_system.sendRawJob("Other-Model", kDocName, bytes).failure, "no such queue");
    EXPECT_EQ(m_system.queues()->size(), 3u);
    EXPECT_TRUE(m_cupsd.completedJobs("Quill-Socket").empty());
    EXPECT_EQ(m_system.jobStatus("Quill-Socket", 1).state, JobState::NotFound) << "no job was created";
}

TEST_F(CupsPrinterSystemTest, StoppedSchedulerFailsEveryCall) {
    ASSERT_TRUE(m_system.queues());  // a connection is open now
    const std::string socket = m_cupsd.socketPath().toStdString();
    m_cupsd.stop();
    setenv("CUPS_SERVER", socket.c_str(), 1);  // still pointing at the dead scheduler

    EXPECT_EQ(m_system.queues(), std::nullopt);
    const JobSubmission sent = m_system.sendRawJob("Quill-Socket", kDocName, CommandBytes());
    EXPECT_FALSE(sent.accepted());
    EXPECT_FALSE(sent.failure.empty());
    EXPECT_EQ(m_system.jobStatus("Quill-Socket", 1).state, JobState::Unknown);
    unsetenv("CUPS_SERVER");
}

TEST_F(CupsPrinterSystemTest, FollowsCupsServerChangedAtRunTimeOrKeepsTheOneItWasGiven) {
    CupsPrinterSystem first(m_cupsd.socketPath().toStdString());
    ASSERT_EQ(m_system.queues()->size(), 4u);
    PrivateCupsd second;
    ASSERT_TRUE(second.start()) << second.lastError().toStdString();
    ASSERT_TRUE(second.addQueue("Second-Quill", "file:/dev/null", PrivateCupsd::modelPpd()));
    const auto queues = m_system.queues();
    ASSERT_TRUE(queues);
    ASSERT_EQ(queues->size(), 1u);
    EXPECT_EQ(queues->front().name, "Second-Quill");
    // Two schedulers in one process.
    EXPECT_EQ(first.queues()->size(), 4u);
    second.stop();  // CUPS_SERVER points at the first scheduler again
    EXPECT_EQ(m_system.queues()->size(), 4u);
}

TEST_F(CupsPrinterSystemTest, SettingsImageReachesThePrinterAsTheStatusWriteJob) {
    const settings::SettingsImage& image = settings::FactoryImage();
    const std::vector<std::uint8_t> bytes(image.data(), image.data() + image.size());
    ASSERT_TRUE(SendSettingsJob(m_system, "Quill-Socket", {image.data(), image.size()}).accepted());
    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    EXPECT_EQ(m_printer.jobs(), Jobs{bytes});
    ASSERT_TRUE(m_cupsd.waitForCompletedJobs("Quill-Socket", 1, 30000));
    EXPECT_EQ(m_cupsd.completedJobs("Quill-Socket").front().title, kDocName);
}

}  // namespace
