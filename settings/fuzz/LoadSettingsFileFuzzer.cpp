// Any file handed to the loader is either loaded exactly or refused; nothing else may happen.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = [] {
        char name[] = "/tmp/bmk540-fuzz-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        return std::string(name);
    }();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);

    const auto loaded = settings::LoadSettingsFile(path);
    const bool header = size >= 23 && std::memcmp(data, settings::kModelString, 22) == 0 && data[22] == 0;
    const bool shouldLoad = header && size >= settings::kFileSize;
    if (loaded.has_value() != shouldLoad) std::abort();
    if (loaded && std::memcmp(loaded->data(), data + settings::kHeaderSize, settings::kImageSize) != 0) std::abort();
    return 0;
}
