// The in-memory spooler that the dialog and send tests stand on.
#include <gtest/gtest.h>

#include "platform/InMemoryPrinterSystem.h"

using namespace platform;

namespace {

InMemoryPrinterSystem TwoServers() {
    InMemoryPrinter local{.name = "Quill", .port = "LPT1:", .driver = "ORV Quillstrike 540QZ7"};
    InMemoryPrinter remote{.name = "\\\\spool\\Quill",
                           .server = "\\\\spool",
                           .port = "Ne00:",
                           .driver = "ORV Quillstrike 540QZ7",
                           .status = PRINTER_STATUS_USER_INTERVENTION,
                           .attributes = PRINTER_ATTRIBUTE_NETWORK};
    InMemoryPrinter hidden{
        .name = "Quill", .server = "\\\\spool", .driver = "Other", .inShortEnumeration = false};
    return InMemoryPrinterSystem({local, remote, hidden});
}

TEST(InMemoryPrinterSystem, EnumerationsFollowTheDescribedRecords) {
    InMemoryPrinterSystem system = TwoServers();

    EXPECT_EQ(system.enumLocalAndConnections(),
              (std::vector<PrinterInfo4>{{"Quill", "", PRINTER_ATTRIBUTE_LOCAL},
                                         {"\\\\spool\\Quill", "\\\\spool", PRINTER_ATTRIBUTE_NETWORK}}));
    const auto onSpool = system.enumOnServer("\\\\spool");
    ASSERT_EQ(onSpool.size(), 2u);
    EXPECT_EQ(onSpool[0], (PrinterInfo2{"\\\\spool\\Quill", "\\\\spool", "Ne00:", "ORV Quillstrike 540QZ7",
                                        PRINTER_STATUS_USER_INTERVENTION, PRINTER_ATTRIBUTE_NETWORK}));
    EXPECT_EQ(onSpool[1].driverName, "Other");
    EXPECT_EQ(system.enumOnServer("").size(), 1u);
    EXPECT_EQ(system.enumLocal().size(), 3u);
    EXPECT_EQ(system.calls(), (std::vector<std::string>{"EnumPrinters(4, 6)", "EnumPrinters(2, 8, \\\\spool)",
                                                        "EnumPrinters(2, 8, )", "EnumPrinters(2, 2)"}));

    system.setEnumerationFails(true);
    EXPECT_TRUE(system.enumLocalAndConnections().empty());
    EXPECT_TRUE(system.enumOnServer("").empty());
    EXPECT_TRUE(system.enumLocal().empty());
}

TEST(InMemoryPrinterSystem, TestOpenOpensForUseAndClosesAtOnce) {
    InMemoryPrinterSystem system = TwoServers();
    EXPECT_TRUE(system.testOpenForUse("Quill"));
    EXPECT_FALSE(system.testOpenForUse("quill"));
    system.printer("Quill")->failOpen = true;
    EXPECT_FALSE(system.testOpenForUse("Quill"));
    EXPECT_EQ(system.calls(), (std::vector<std::string>{"OpenPrinter(Quill, 8)", "ClosePrinter",
                                                        "OpenPrinter(quill, 8)", "OpenPrinter(Quill, 8)"}));
    EXPECT_EQ(system.handlesNotClosed(), 0);
}

TEST(InMemoryPrinterSystem, KeepsOnlyDocumentsThatEnded) {
    InMemoryPrinterSystem system = TwoServers();
    const std::vector<std::uint8_t> bytes{0x1C, 'o', '0', 0};
    {
        auto handle = system.openPrinter("Quill", PRINTER_ACCESS_USE);
        ASSERT_NE(handle, nullptr);
        ASSERT_TRUE(handle->startDocPrinter("first"));
        ASSERT_TRUE(handle->writePrinter(bytes).ok);
        // Dropped without EndDocPrinter or ClosePrinter: nothing delivered, the leak is visible.
    }
    EXPECT_TRUE(system.documents().empty());
    EXPECT_EQ(system.handlesNotClosed(), 1);

    auto handle = system.openPrinter("Quill", PRINTER_ACCESS_USE);
    EXPECT_FALSE(handle->writePrinter(bytes).ok) << "no document started";
    ASSERT_TRUE(handle->startDocPrinter("second"));
    system.printer("Quill")->shortWrite = 2;
    const WriteResult written = handle->writePrinter(bytes);
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(written.written, 2u);
    EXPECT_TRUE(handle->endDocPrinter());
    EXPECT_TRUE(handle->closePrinter());
    EXPECT_FALSE(handle->closePrinter());

    ASSERT_EQ(system.documents().size(), 1u);
    EXPECT_EQ(system.documents()[0].printerName, "Quill");
    EXPECT_EQ(system.documents()[0].docName, "second");
    EXPECT_EQ(system.documents()[0].bytes, (std::vector<std::uint8_t>{0x1C, 'o'}));
}

TEST(InMemoryPrinterSystem, RemovedPrinterFailsOpenHandles) {
    InMemoryPrinterSystem system = TwoServers();
    auto handle = system.openPrinter("Quill", 0);
    ASSERT_NE(handle, nullptr);
    system.removePrinter("Quill");
    EXPECT_EQ(handle->getPrinterStatus(), std::nullopt);
    EXPECT_FALSE(handle->startDocPrinter("doc"));
    EXPECT_TRUE(handle->closePrinter());
    EXPECT_EQ(system.openPrinter("Quill", 0), nullptr);
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
