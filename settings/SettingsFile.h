#pragma once
// The settings file: the model string, two zero bytes, then the 190-byte image (214 bytes).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "settings/SettingsImage.h"

namespace settings {

constexpr const char* kModelString = "ORV Quillstrike 540QZ7";
constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kFileSize = kHeaderSize + kImageSize;

// The image of a settings file; nothing when the file cannot be read, its header is not the
// model's (bytes 0..21 and a zero byte 22; byte 23 is not examined) or fewer than 190 image bytes
// follow. Bytes after the image are ignored.
std::optional<SettingsImage> LoadSettingsFile(const std::string& path);

// The same with the reason a file is refused, in English for the command line.
struct LoadOutcome {
    std::optional<SettingsImage> image;
    std::string refusal;  // e.g. "not a regular file"; empty when the image was read
};
LoadOutcome ReadSettingsFile(const std::string& path);
// The same on bytes already read.
std::optional<SettingsImage> ParseSettingsFile(const std::uint8_t* bytes, std::size_t size);
LoadOutcome ReadSettingsBytes(const std::uint8_t* bytes, std::size_t size);

// The whole file of an image, as a save writes it: the model's header, then the image.
std::array<std::uint8_t, kFileSize> SettingsFileContents(const SettingsImage& image);

enum class SaveResult { Saved, AccessDenied, Failed };

// Writes a temporary file beside the target and renames it over the target, so a failed or
// short write never destroys an earlier file.
SaveResult SaveSettingsFile(const std::string& path, const SettingsImage& image);

// The same with the reason a save failed, in English for the command line.
struct SaveOutcome {
    SaveResult result;
    std::string reason;  // e.g. "No space left on device"; empty when saved
};
SaveOutcome WriteSettingsFile(const std::string& path, const SettingsImage& image);

}  // namespace settings
