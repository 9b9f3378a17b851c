#include "app/SettingsTransmission.h"

platform::JobSubmission SendSettingsImage(platform::PrinterSystem& printers, const std::string& printerName,
                                          const settings::SettingsImage& image) {
    return printers.sendRawJob(printerName, platform::kStatusWriteTitle, {image.data(), image.size()});
}
