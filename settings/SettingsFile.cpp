#include "settings/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace settings {

namespace {

bool IsPermissionError(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

mode_t CurrentUmask() {
    // umask can only be read by setting it; the program has a single thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Makes the rename itself durable; a failure here no longer endangers either file.
void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<SettingsImage> ParseSettingsFile(const std::uint8_t* bytes, std::size_t size) {
    const std::size_t modelLength = std::strlen(kModelString);
    if (size < kFileSize)
        return std::nullopt;
    if (std::memcmp(bytes, kModelString, modelLength) != 0 || bytes[modelLength] != 0)
        return std::nullopt;
    SettingsImage image;
    std::memcpy(image.data(), bytes + kHeaderSize, kImageSize);
    return image;
}

LoadOutcome ReadSettingsFile(const std::string& path) {
    // Non-blocking so that a named pipe cannot hang the program; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {std::nullopt, std::strerror(errno)};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {std::nullopt, "not a regular file"};
    }
    std::vector<std::uint8_t> bytes(kFileSize);
    std::size_t got = 0;
    while (got < kFileSize) {
        const ssize_t n = ::read(fd, bytes.data() + got, kFileSize - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return {std::nullopt, std::strerror(error)};
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ReadSettingsBytes(bytes.data(), got);
}

LoadOutcome ReadSettingsBytes(const std::uint8_t* bytes, std::size_t size) {
    if (size < kFileSize)
        return {std::nullopt, "too short for a settings file (" + std::to_string(size) + " of " +
                                  std::to_string(kFileSize) + " bytes)"};
    std::optional<SettingsImage> image = ParseSettingsFile(bytes, size);
    if (!image)
        return {std::nullopt,
                std::string("not a settings file of the ") + kModelString + " (its header differs)"};
    return {image, {}};
}

std::optional<SettingsImage> LoadSettingsFile(const std::string& path) {
    return ReadSettingsFile(path).image;
}

std::array<std::uint8_t, kFileSize> SettingsFileContents(const SettingsImage& image) {
    std::array<std::uint8_t, kFileSize> bytes{};
    std::memcpy(bytes.data(), kModelString, std::strlen(kModelString));
    std::memcpy(bytes.data() + kHeaderSize, image.data(), kImageSize);
    return bytes;
}

SaveResult SaveSettingsFile(const std::string& path, const SettingsImage& image) {
    return WriteSettingsFile(path, image).result;
}

SaveOutcome WriteSettingsFile(const std::string& path, const SettingsImage& image) {
    const auto refused = [](int error) {
        return SaveOutcome{IsPermissionError(error) ? SaveResult::AccessDenied : SaveResult::Failed,
                           std::strerror(error)};
    };
    // An existing target we may not write counts as access denied, as overwriting it would.
    // O_NONBLOCK keeps a named pipe without a reader from blocking the probe.
    mode_t mode = 0666 & ~CurrentUmask();
    const int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (probe >= 0) {
        struct stat info {};
        const bool regular = ::fstat(probe, &info) == 0 && S_ISREG(info.st_mode);
        ::close(probe);
        if (!regular)
            return {SaveResult::Failed, "not a regular file"};
        mode = info.st_mode & 0777;  // a replaced file keeps its permissions
    } else if (errno != ENOENT) {
        return refused(errno);
    }

    const std::string directory = DirectoryOf(path);
    std::string temp = directory + "/.bmk540-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return refused(errno);

    const std::array<std::uint8_t, kFileSize> bytes = SettingsFileContents(image);
    // The first failing call's errno is the reason: a full disk shows in the write, the fsync or
    // the close.
    int error = 0;
    errno = 0;  // a write that stores nothing sets none
    if (::fchmod(fd, mode) != 0 || !WriteAll(fd, bytes.data(), kFileSize) || ::fsync(fd) != 0)
        error = errno != 0 ? errno : EIO;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0) {
        if (::rename(temp.c_str(), path.c_str()) == 0) {
            SyncDirectory(directory);
            return {SaveResult::Saved, {}};
        }
        // A rename refused for permission (a sticky directory, another user's file) is access
        // denied too.
        const int renameError = errno;
        ::unlink(temp.c_str());
        return refused(renameError);
    }
    ::unlink(temp.c_str());
    return {SaveResult::Failed, std::strerror(error)};
}

}  // namespace settings
