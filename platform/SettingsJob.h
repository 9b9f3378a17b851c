#pragma once
// The settings job as the window and the command line both send it, with the record the
// scheduler keeps in its job history. Apart from ModelPrinter, which stays free of Qt so that the
// Windows spooler code builds with it alone.
#include <cstdint>
#include <span>
#include <string>

#include "platform/ModelPrinter.h"
#include "platform/PrinterSystem.h"

namespace platform {

// The SHA-256 of the bytes in lower-case hex, as a settings job's record carries it.
std::string SettingsDigest(std::span<const std::uint8_t> image);

// The record a settings job carries: the file's name as the user opened or gave it (UTF-8; none for
// settings never saved), and the digest of the bytes. A name longer than the spooler keeps loses
// its beginning, so that the file's own name stays.
JobRecord SettingsRecord(std::span<const std::uint8_t> image, const std::string& fileName);

// The settings job, as the window and the command line both send it: the image's bytes as one raw
// job under the settings title (kStatusWriteTitle), with its record. Sent only when the spooler took the
// whole document (accepted()).
JobSubmission SendSettingsJob(PrinterSystem& printers, const std::string& queue,
                              std::span<const std::uint8_t> image, const std::string& fileName = {});

}  // namespace platform
