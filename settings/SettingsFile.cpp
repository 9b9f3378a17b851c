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

std::optional<SettingsImage> LoadSettingsFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(kFileSize);
    std::size_t got = 0;
    while (got < kFileSize) {
        const ssize_t n = ::read(fd, bytes.data() + got, kFileSize - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return ParseSettingsFile(bytes.data(), got);
}

SaveResult SaveSettingsFile(const std::string& path, const SettingsImage& image) {
    // An existing target we may not write counts as access denied, as replacing it would be on Windows.
    if (::access(path.c_str(), F_OK) == 0) {
        const int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            return IsPermissionError(errno) ? SaveResult::AccessDenied : SaveResult::Failed;
        ::close(probe);
    }
    std::string temp = DirectoryOf(path) + "/.bmk540-save-XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return IsPermissionError(errno) ? SaveResult::AccessDenied : SaveResult::Failed;
    temp = name.data();
    // A normal new file's mode, not mkstemp's private one.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    std::uint8_t bytes[kFileSize] = {};
    std::memcpy(bytes, kModelString, std::strlen(kModelString));
    std::memcpy(bytes + kHeaderSize, image.data(), kImageSize);
    bool ok = WriteAll(fd, bytes, kFileSize) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0)
        return SaveResult::Saved;
    const int error = errno;
    ::unlink(temp.c_str());
    return ok && IsPermissionError(error) ? SaveResult::AccessDenied : SaveResult::Failed;
}

}  // namespace settings
