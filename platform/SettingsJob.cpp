#include "platform/SettingsJob.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace platform {

namespace {

// IPP's longest name value, in bytes.
constexpr std::size_t kLongestName = 255;

bool ContinuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string SettingsDigest(std::span<const std::uint8_t> image) {
    const QByteArray bytes(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

JobRecord SettingsRecord(std::span<const std::uint8_t> image, const std::string& fileName) {
    // A longer name would make the scheduler refuse the document after the job was created.
    std::size_t from = fileName.size() > kLongestName ? fileName.size() - kLongestName : 0;
    while (from < fileName.size() && ContinuesCharacter(fileName[from]))
        ++from;
    return {fileName.substr(from), SettingsDigest(image)};
}

JobSubmission SendSettingsJob(PrinterSystem& printers, const std::string& queue,
                              std::span<const std::uint8_t> image, const std::string& fileName) {
    return printers.sendRawJob(queue, kStatusWriteTitle, image, SettingsRecord(image, fileName));
}

}  // namespace platform
