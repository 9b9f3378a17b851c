#include "app/SettingsTransmission.h"

platform::JobSubmission SendSettingsImage(platform::PrinterSystem& printers, const std::string& printerName,
                                          const settings::SettingsImage& image) {
    return printers.sendRawJob(printerName, kStatusWriteTitle, {image.data(), image.size()});
}
