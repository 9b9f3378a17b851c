#pragma once
// Sends the settings image to a printer through the spooler: one document named
// "Brindlemark Status Write" whose data is the 190 bytes of the image in one write.
// Telling the user is the caller's part.
#include <memory>
#include <string>

#include "platform/PlatformVersion.h"
#include "platform/PrinterSystem.h"
#include "settings/SettingsImage.h"

namespace settings {

enum class SendResult {
    Sent,
    NotAvailable,  // cannot be opened, needs the user (9x), or the document cannot be started
    WriteFailed,   // the document was started but did not take all of the image
};

class PrinterTransmission {
public:
    static constexpr const char* kDocumentName = "Brindlemark Status Write";

    // The family decides how availability is tested, as GetVersionExA did.
    PrinterTransmission(platform::PrinterSystem& system, platform::PlatformFamily family);

    SendResult send(const std::string& printerName, const SettingsImage& image);

private:
    // The open printer when it can be used now; nullptr otherwise (nothing left open).
    std::unique_ptr<platform::PrinterHandle> openAvailable(const std::string& printerName);
    void close(platform::PrinterHandle& handle);

    platform::PrinterSystem& m_system;
    platform::PlatformFamily m_family;
};

}  // namespace settings
