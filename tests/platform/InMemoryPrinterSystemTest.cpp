// The in-memory spooler that the dialog and send tests stand on.
#include <gtest/gtest.h>

#include "platform/InMemoryPrinterSystem.h"

using namespace platform;

namespace {

using Calls = std::vector<std::string>;
const std::vector<std::uint8_t> kBytes{0x1C, 'o', '0', 0};

InMemoryPrinterSystem TwoQueues() {
    InMemoryPrinter local{
        .name = "Quill", .device = "usb://ORV/540", .makeAndModel = "ORV Quillstrike 540QZ7"};
    InMemoryPrinter remote{.name = "Remote",
                           .server = "spool.example",
                           .device = "ipp://spool.example/printers/quill",
                           .makeAndModel = "Other",
                           .state = QueueState::Stopped,
                           .acceptingJobs = false,
                           .stateReason = "paused"};
    return InMemoryPrinterSystem({local, remote});
}

TEST(InMemoryPrinterSystem, ListingFollowsTheDescribedQueuesOrFailsAsAsked) {
    InMemoryPrinterSystem system = TwoQueues();
    const auto queues = system.queues();
    ASSERT_TRUE(queues);
    EXPECT_EQ(*queues,
              (std::vector<PrinterQueue>{
                  {"Quill", "", "usb://ORV/540", "ORV Quillstrike 540QZ7", QueueState::Idle, true, ""},
                  {"Remote", "spool.example", "ipp://spool.example/printers/quill", "Other",
                   QueueState::Stopped, false, "paused"}}));

    system.setListingFails(true);
    EXPECT_EQ(system.queues(), std::nullopt);
    EXPECT_EQ(InMemoryPrinterSystem().queues(), std::vector<PrinterQueue>{}) << "no queues is not a failure";
    EXPECT_EQ(system.calls(), (Calls{"Queues", "Queues"}));
}

TEST(InMemoryPrinterSystem, KeepsAcceptedDocumentsWithTheirJobs) {
    InMemoryPrinterSystem system = TwoQueues();
    const JobSubmission first = system.sendRawJob("Quill", "first", kBytes);
    const JobSubmission second = system.sendRawJob("Quill", "second", kBytes);
    ASSERT_TRUE(first.accepted());
    ASSERT_TRUE(second.accepted());
    EXPECT_NE(first.jobId, second.jobId);

    ASSERT_EQ(system.documents().size(), 2u);
    EXPECT_EQ(system.documents()[1].jobId, second.jobId);
    EXPECT_EQ(system.documents()[1].printerName, "Quill");
    EXPECT_EQ(system.documents()[1].title, "second");
    EXPECT_EQ(system.documents()[1].bytes, kBytes);

    EXPECT_EQ(system.jobStatus("Quill", first.jobId).state, JobState::Pending);
    system.setJobStatus(first.jobId, {JobState::Completed, "job-completed-successfully"});
    EXPECT_EQ(system.jobStatus("Quill", first.jobId).reason, "job-completed-successfully");
    EXPECT_EQ(system.jobStatus("Remote", first.jobId).state, JobState::NotFound);
    EXPECT_EQ(system.calls(), (Calls{"SendRawJob(Quill, first, 4)", "SendRawJob(Quill, second, 4)",
                                     "JobStatus(Quill, 1)", "JobStatus(Quill, 1)", "JobStatus(Remote, 1)"}));
}

struct Fault {
    const char* name;
    void (*inject)(InMemoryPrinterSystem&);
    const char* failure;
    bool createsJob;  // a job was created and had to be cancelled
};

class InMemoryPrinterSystemFault : public ::testing::TestWithParam<Fault> {};

TEST_P(InMemoryPrinterSystemFault, RefusesTheJobWithTheSpoolersReason) {
    InMemoryPrinterSystem system = TwoQueues();
    GetParam().inject(system);
    const JobSubmission submission = system.sendRawJob("Quill", "doc", kBytes);
    EXPECT_FALSE(submission.accepted());
    EXPECT_EQ(submission.failure, GetParam().failure);
    EXPECT_TRUE(system.documents().empty());
    EXPECT_EQ(system.cancelledJobs(), GetParam().createsJob ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InMemoryPrinterSystemFault,
    ::testing::Values(
        Fault{"NoSuchQueue", [](InMemoryPrinterSystem& s) { s.removePrinter("Quill"); }, "no such queue",
              false},
        Fault{"NotAccepting", [](InMemoryPrinterSystem& s) { s.printer("Quill")->acceptingJobs = false; },
              "queue not accepting jobs", false},
        Fault{"StartFails", [](InMemoryPrinterSystem& s) { s.printer("Quill")->failStart = true; },
              "job not created", false},
        Fault{"WriteFails", [](InMemoryPrinterSystem& s) { s.printer("Quill")->failWrite = true; },
              "document broke off", true},
        Fault{"ShortWrite", [](InMemoryPrinterSystem& s) { s.printer("Quill")->shortWrite = 3; },
              "document cut short", true},
        Fault{"EndFails", [](InMemoryPrinterSystem& s) { s.printer("Quill")->failEnd = true; },
              "document refused", true}),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST(InMemoryPrinterSystem, NamesAreExact) {
    InMemoryPrinterSystem system = TwoQueues();
    EXPECT_EQ(system.sendRawJob("quill", "doc", kBytes).failure, "no such queue");
    // A short write that covers the whole document is no fault.
    system.printer("Quill")->shortWrite = kBytes.size();
    EXPECT_TRUE(system.sendRawJob("Quill", "doc", kBytes).accepted());
}

TEST(CurrentPrinterSystem, TestsInstallTheirOwnAndRestoreTheReal) {
    PrinterSystem& real = CurrentPrinterSystem();
    InMemoryPrinterSystem system;
    SetPrinterSystemForTesting(&system);
    EXPECT_EQ(&CurrentPrinterSystem(), &system);
    SetPrinterSystemForTesting(nullptr);
    EXPECT_EQ(&CurrentPrinterSystem(), &real);
}

}  // namespace
