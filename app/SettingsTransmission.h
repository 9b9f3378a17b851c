#pragma once
// Sends the settings image to a printer: one raw job titled "Brindlemark Status Write" whose
// document is the 190 bytes of the image. Telling the user is the caller's part.
#include <string>

#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"
#include "settings/SettingsImage.h"

platform::JobSubmission SendSettingsImage(platform::PrinterSystem& printers, const std::string& printerName,
                                          const settings::SettingsImage& image);
