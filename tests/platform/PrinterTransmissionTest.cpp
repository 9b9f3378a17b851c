// The spooler steps of sending the settings image, on the in-memory spooler.
#include <gtest/gtest.h>

#include "platform/InMemoryPrinterSystem.h"
#include "settings/PrinterTransmission.h"

using namespace platform;
using settings::PrinterTransmission;
using settings::SendResult;
using settings::SettingsImage;

namespace {

using Calls = std::vector<std::string>;

SettingsImage DistinctImage() {
    // Distinct bytes, so a lost, repeated or reordered byte shows.
    SettingsImage image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 37 + 0x1C);
    }
    return image;
}

std::vector<std::uint8_t> BytesOf(const SettingsImage& image) {
    return {image.data(), image.data() + image.size()};
}

class PrinterTransmissionTest : public ::testing::Test {
protected:
    SendResult send(PlatformFamily family) {
        return PrinterTransmission(m_system, family).send("Quill", m_image);
    }
    InMemoryPrinter& quill() { return *m_system.printer("Quill"); }

    InMemoryPrinterSystem m_system{{{.name = "Quill", .port = "LPT1:", .driver = "ORV Quillstrike 540QZ7"}}};
    SettingsImage m_image = DistinctImage();
};

TEST_F(PrinterTransmissionTest, NtSendsTheWholeImageAsOneDocumentInOneWrite) {
    EXPECT_EQ(send(PlatformFamily::NT), SendResult::Sent);
    EXPECT_EQ(
        m_system.calls(),
        (Calls{"OpenPrinter(Quill, 8)", "StartDocPrinter(1, Brindlemark Status Write)", "ResetPrinter(NULL)",
               "WritePrinter(190)", "EndDocPrinter", "SetLastError(0)", "ClosePrinter"}));
    ASSERT_EQ(m_system.documents().size(), 1u);
    EXPECT_EQ(m_system.documents()[0].docName, "Brindlemark Status Write");
    EXPECT_EQ(m_system.documents()[0].bytes, BytesOf(m_image));
    EXPECT_EQ(m_system.handlesNotClosed(), 0);
}

TEST_F(PrinterTransmissionTest, NtNeverReadsTheStatus) {
    quill().status = PRINTER_STATUS_USER_INTERVENTION;
    EXPECT_EQ(send(PlatformFamily::NT), SendResult::Sent);
    EXPECT_EQ(m_system.calls()[1], "StartDocPrinter(1, Brindlemark Status Write)");
}

TEST_F(PrinterTransmissionTest, PrinterThatCannotBeOpenedIsNotAvailable) {
    quill().failOpen = true;
    EXPECT_EQ(send(PlatformFamily::NT), SendResult::NotAvailable);
    EXPECT_EQ(send(PlatformFamily::Win9x), SendResult::NotAvailable);
    EXPECT_EQ(m_system.calls(), (Calls{"OpenPrinter(Quill, 8)", "OpenPrinter(Quill, 0)"}));
    EXPECT_TRUE(m_system.documents().empty());
}

TEST_F(PrinterTransmissionTest, OtherFamiliesOpenWithoutAccessAndTestTheStatus) {
    for (PlatformFamily family : {PlatformFamily::Win9x, PlatformFamily::Other}) {
        m_system.clearCalls();
        // Other status bits do not stop the send.
        quill().status = PRINTER_STATUS_PAUSED | PRINTER_STATUS_ERROR;
        EXPECT_EQ(send(family), SendResult::Sent);
        EXPECT_EQ(m_system.calls(),
                  (Calls{"OpenPrinter(Quill, 0)", "GetPrinter(2)",
                         "StartDocPrinter(1, Brindlemark Status Write)", "ResetPrinter(NULL)",
                         "WritePrinter(190)", "EndDocPrinter", "SetLastError(0)", "ClosePrinter"}));
    }
    EXPECT_EQ(m_system.documents().size(), 2u);
}

TEST_F(PrinterTransmissionTest, PrinterNeedingTheUserIsNotAvailableAndIsClosed) {
    quill().status = PRINTER_STATUS_USER_INTERVENTION;
    EXPECT_EQ(send(PlatformFamily::Win9x), SendResult::NotAvailable);
    EXPECT_EQ(m_system.calls(),
              (Calls{"OpenPrinter(Quill, 0)", "GetPrinter(2)", "SetLastError(0)", "ClosePrinter"}));
    EXPECT_EQ(m_system.handlesNotClosed(), 0);
    EXPECT_TRUE(m_system.documents().empty());
}

TEST_F(PrinterTransmissionTest, UnreadableStatusDoesNotStopTheSend) {
    quill().failGetPrinter = true;
    EXPECT_EQ(send(PlatformFamily::Win9x), SendResult::Sent);
}

TEST_F(PrinterTransmissionTest, DocumentThatCannotStartClosesAfterClearingTheError) {
    quill().failStartDoc = true;
    EXPECT_EQ(send(PlatformFamily::NT), SendResult::NotAvailable);
    EXPECT_EQ(m_system.calls(),
              (Calls{"OpenPrinter(Quill, 8)", "StartDocPrinter(1, Brindlemark Status Write)",
                     "SetLastError(0)", "ClosePrinter"}));
    EXPECT_EQ(m_system.handlesNotClosed(), 0);
}

struct WriteFault {
    const char* name;
    void (*inject)(InMemoryPrinter&);
};

class PrinterTransmissionWriteFault : public PrinterTransmissionTest,
                                      public ::testing::WithParamInterface<WriteFault> {};

TEST_P(PrinterTransmissionWriteFault, FailsButStillEndsAndCloses) {
    GetParam().inject(quill());
    EXPECT_EQ(send(PlatformFamily::NT), SendResult::WriteFailed);
    EXPECT_EQ(
        m_system.calls(),
        (Calls{"OpenPrinter(Quill, 8)", "StartDocPrinter(1, Brindlemark Status Write)", "ResetPrinter(NULL)",
               "WritePrinter(190)", "EndDocPrinter", "SetLastError(0)", "ClosePrinter"}));
    EXPECT_EQ(m_system.handlesNotClosed(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PrinterTransmissionWriteFault,
    ::testing::Values(WriteFault{"WriteFails", [](InMemoryPrinter& p) { p.failWrite = true; }},
                      WriteFault{"ShortWrite", [](InMemoryPrinter& p) { p.shortWrite = 189; }},
                      WriteFault{"NothingWritten", [](InMemoryPrinter& p) { p.shortWrite = 0; }},
                      WriteFault{"EndDocFails", [](InMemoryPrinter& p) { p.failEndDoc = true; }}),
    [](const ::testing::TestParamInfo<WriteFault>& info) { return std::string(info.param.name); });

}  // namespace
