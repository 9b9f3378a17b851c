// The CUPS printer system against a real scheduler of the test's own.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <numeric>

#include "platform/CupsPrinterSystem.h"
#include "settings/FactoryImage.h"
#include "settings/PrinterTransmission.h"
#include "tests/support/CaptureListener.h"
#include "tests/support/PrivateCupsd.h"

using namespace platform;
using settings::PrinterTransmission;
using settings::SendResult;
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

template <typename Record>
std::vector<Record> SortedByName(std::vector<Record> records) {
    std::sort(records.begin(), records.end(),
              [](const Record& a, const Record& b) { return a.printerName < b.printerName; });
    return records;
}

class CupsPrinterSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        BMK_REQUIRE_PRIVATE_CUPSD();
        ASSERT_TRUE(m_printer.listening());
        ASSERT_TRUE(m_cupsd.start()) << m_cupsd.lastError().toStdString();
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

    // Sends one document through the handle calls in the program's order.
    bool sendDocument(const std::string& queue, const std::vector<std::uint8_t>& bytes) {
        auto handle = m_system.openPrinter(queue, PRINTER_ACCESS_USE);
        if (!handle || !handle->startDocPrinter(kDocName)) {
            return false;
        }
        handle->resetPrinter();
        const WriteResult written = handle->writePrinter(bytes);
        const bool ended = handle->endDocPrinter();
        handle->closePrinter();
        return written.ok && written.written == bytes.size() && ended;
    }

    CaptureListener m_printer;
    PrivateCupsd m_cupsd;
    CupsPrinterSystem m_system;
};

TEST_F(CupsPrinterSystemTest, EnumerationsReportEveryQueueWithDriverPortAndServer) {
    const std::vector<PrinterInfo4> shortRecords{
        {"Other-Model", "", PRINTER_ATTRIBUTE_LOCAL},
        {"Quill-File", "", PRINTER_ATTRIBUTE_LOCAL},
        {"Quill-Socket", "", PRINTER_ATTRIBUTE_LOCAL},
        {"Remote-Quill", "spool.example", PRINTER_ATTRIBUTE_NETWORK},
    };
    EXPECT_EQ(SortedByName(m_system.enumLocalAndConnections()), shortRecords);

    const PrinterInfo2 other{"Other-Model", "", m_printer.deviceUri(),
                             kOtherModel,   0,  PRINTER_ATTRIBUTE_LOCAL};
    const PrinterInfo2 file{"Quill-File", "", "FILE:", kModel, 0, PRINTER_ATTRIBUTE_LOCAL};
    const PrinterInfo2 socket{"Quill-Socket", "", m_printer.deviceUri(), kModel, 0, PRINTER_ATTRIBUTE_LOCAL};
    const PrinterInfo2 remote{
        "Remote-Quill",           "spool.example", "ipp://spool.example/printers/quill", kModel, 0,
        PRINTER_ATTRIBUTE_NETWORK};
    EXPECT_EQ(SortedByName(m_system.enumOnServer("")), (std::vector{other, file, socket}));
    EXPECT_EQ(m_system.enumOnServer("spool.example"), std::vector{remote});
    EXPECT_TRUE(m_system.enumOnServer("elsewhere.example").empty());
    EXPECT_EQ(SortedByName(m_system.enumLocal()), (std::vector{other, file, socket, remote}));
}

TEST_F(CupsPrinterSystemTest, TestOpenNeedsAnExistingQueueThatAcceptsJobs) {
    EXPECT_TRUE(m_system.testOpenForUse("Quill-Socket"));
    EXPECT_FALSE(m_system.testOpenForUse("quill-socket")) << "names are compared byte for byte";
    EXPECT_FALSE(m_system.testOpenForUse("No-Such-Queue"));

    ASSERT_TRUE(m_cupsd.rejectJobs("Quill-Socket")) << m_cupsd.lastError().toStdString();
    EXPECT_FALSE(m_system.testOpenForUse("Quill-Socket"));
    EXPECT_FALSE(sendDocument("Quill-Socket", CommandBytes()));
    // Opened without the right to print, the queue can still be asked for its status…
    auto handle = m_system.openPrinter("Quill-Socket", 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->getPrinterStatus(), 0u);
    // …but a document is refused.
    EXPECT_FALSE(handle->startDocPrinter(kDocName));
    EXPECT_TRUE(handle->closePrinter());
}

TEST_F(CupsPrinterSystemTest, RawDocumentArrivesUnchangedAsOneTitledJobWithoutBanner) {
    const std::vector<std::uint8_t> bytes = CommandBytes();
    ASSERT_TRUE(sendDocument("Quill-Socket", bytes));

    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    ASSERT_TRUE(m_cupsd.waitForCompletedJobs("Quill-Socket", 1, 30000));
    EXPECT_EQ(m_printer.jobs(), Jobs{bytes});

    const auto jobs = m_cupsd.completedJobs("Quill-Socket");
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].title, kDocName);
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_COMPLETED);
}

TEST_F(CupsPrinterSystemTest, SecondDocumentIsASecondJobWithTheSameBytes) {
    const std::vector<std::uint8_t> bytes = CommandBytes();
    ASSERT_TRUE(sendDocument("Quill-Socket", bytes));
    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    ASSERT_TRUE(sendDocument("Quill-Socket", bytes));
    ASSERT_TRUE(m_printer.waitForJobs(2, kJobTimeout));
    EXPECT_EQ(m_printer.jobs(), (Jobs{bytes, bytes}));
}

TEST_F(CupsPrinterSystemTest, AbandonedDocumentNeverReachesThePrinter) {
    {
        auto handle = m_system.openPrinter("Quill-Socket", PRINTER_ACCESS_USE);
        ASSERT_NE(handle, nullptr);
        ASSERT_TRUE(handle->startDocPrinter(kDocName));
        ASSERT_TRUE(handle->writePrinter(CommandBytes()).ok);
        EXPECT_TRUE(handle->closePrinter());  // without EndDocPrinter
    }
    // A complete document sent afterwards is the only thing the printer sees.
    const std::vector<std::uint8_t> bytes = CommandBytes();
    ASSERT_TRUE(sendDocument("Quill-Socket", bytes));
    ASSERT_TRUE(m_printer.waitForJobs(1, kJobTimeout));
    ASSERT_TRUE(m_cupsd.waitForCompletedJobs("Quill-Socket", 2, 30000));
    EXPECT_EQ(m_printer.jobs(), Jobs{bytes});
}

TEST_F(CupsPrinterSystemTest, StoppedQueueReportsPausedWithoutNeedingIntervention) {
    ASSERT_TRUE(m_cupsd.disable("Quill-Socket")) << m_cupsd.lastError().toStdString();
    auto handle = m_system.openPrinter("Quill-Socket", 0);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->getPrinterStatus(), PRINTER_STATUS_PAUSED);
    handle->closePrinter();
}

TEST_F(CupsPrinterSystemTest, DeletedQueueFails) {
    auto handle = m_system.openPrinter("Quill-Socket", PRINTER_ACCESS_USE);
    ASSERT_NE(handle, nullptr);
    ASSERT_TRUE(m_cupsd.removeQueue("Quill-Socket")) << m_cupsd.lastError().toStdString();

    EXPECT_EQ(handle->getPrinterStatus(), std::nullopt);
    EXPECT_FALSE(handle->startDocPrinter(kDocName));
    handle->closePrinter();
    EXPECT_EQ(m_system.openPrinter("Quill-Socket", PRINTER_ACCESS_USE), nullptr);
    EXPECT_FALSE(m_system.testOpenForUse("Quill-Socket"));
    EXPECT_EQ(m_system.enumLocalAndConnections().size(), 3u);
}

TEST_F(CupsPrinterSystemTest, StoppedSchedulerFailsEveryCall) {
    auto handle = m_system.openPrinter("Quill-Socket", PRINTER_ACCESS_USE);
    ASSERT_NE(handle, nullptr);
    const std::string socket = m_cupsd.socketPath().toStdString();
    m_cupsd.stop();
    setenv("CUPS_SERVER", socket.c_str(), 1);  // still pointing at the dead scheduler

    EXPECT_TRUE(m_system.enumLocalAndConnections().empty());
    EXPECT_TRUE(m_system.enumOnServer("").empty());
    EXPECT_TRUE(m_system.enumLocal().empty());
    EXPECT_FALSE(m_system.testOpenForUse("Quill-Socket"));
    EXPECT_FALSE(handle->startDocPrinter(kDocName));
    EXPECT_FALSE(handle->writePrinter(CommandBytes()).ok);
    EXPECT_FALSE(handle->endDocPrinter());
    unsetenv("CUPS_SERVER");
}

TEST_F(CupsPrinterSystemTest, FollowsCupsServerChangedAtRunTime) {
    ASSERT_EQ(m_system.enumLocalAndConnections().size(), 4u);
    PrivateCupsd second;
    ASSERT_TRUE(second.start()) << second.lastError().toStdString();
    ASSERT_TRUE(second.addQueue("Second-Quill", "file:/dev/null", PrivateCupsd::modelPpd()));
    EXPECT_EQ(m_system.enumLocalAndConnections(),
              (std::vector<PrinterInfo4>{{"Second-Quill", "", PRINTER_ATTRIBUTE_LOCAL}}));
    second.stop();  // CUPS_SERVER points at the first scheduler again
    EXPECT_EQ(m_system.enumLocalAndConnections().size(), 4u);
}

TEST_F(CupsPrinterSystemTest, SettingsImageReachesThePrinterAsTheStatusWriteJob) {
    const settings::SettingsImage& image = settings::FactoryImage();
    const std::vector<std::uint8_t> bytes(image.data(), image.data() + image.size());
    // Linux answers as NT; the other families' status test works on CUPS as well.
    EXPECT_EQ(PrinterTransmission(m_system, PlatformFamily::NT).send("Quill-Socket", image),
              SendResult::Sent);
    EXPECT_EQ(PrinterTransmission(m_system, PlatformFamily::Win9x).send("Quill-Socket", image),
              SendResult::Sent);

    ASSERT_TRUE(m_printer.waitForJobs(2, kJobTimeout));
    EXPECT_EQ(m_printer.jobs(), (Jobs{bytes, bytes}));
    ASSERT_TRUE(m_cupsd.waitForCompletedJobs("Quill-Socket", 2, 30000));
    for (const auto& job : m_cupsd.completedJobs("Quill-Socket")) {
        EXPECT_EQ(job.title, kDocName);
    }
}

TEST_F(CupsPrinterSystemTest, SendToARejectingOrDeletedQueueFindsItNotAvailable) {
    const settings::SettingsImage& image = settings::FactoryImage();
    ASSERT_TRUE(m_cupsd.rejectJobs("Quill-Socket")) << m_cupsd.lastError().toStdString();
    EXPECT_EQ(PrinterTransmission(m_system, PlatformFamily::NT).send("Quill-Socket", image),
              SendResult::NotAvailable);
    EXPECT_EQ(PrinterTransmission(m_system, PlatformFamily::Win9x).send("Quill-Socket", image),
              SendResult::NotAvailable);
    ASSERT_TRUE(m_cupsd.removeQueue("Other-Model")) << m_cupsd.lastError().toStdString();
    EXPECT_EQ(PrinterTransmission(m_system, PlatformFamily::NT).send("Other-Model", image),
              SendResult::NotAvailable);
    EXPECT_TRUE(m_cupsd.completedJobs("Quill-Socket").empty());
}

}  // namespace
