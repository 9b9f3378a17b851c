// Any file handed to the loader is either loaded exactly or refused; nothing else may happen.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/SettingsFile.h"

namespace {

// One scratch file for the whole run, removed when libFuzzer exits normally.
const std::string& ScratchPath() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        std::string name = std::string(dir && *dir ? dir : "/tmp") + "/bmk540-fuzz-XXXXXX";
        const int fd = mkstemp(name.data());
        if (fd < 0)
            std::abort();
        close(fd);
        return name;
    }();
    static const bool cleanup = std::atexit([] { unlink(ScratchPath().c_str()); }) == 0;
    (void)cleanup;
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = ScratchPath();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size)
        std::abort();
    if (std::fclose(file) != 0)
        std::abort();

    const auto loaded = settings::LoadSettingsFile(path);
    const bool header = size >= 23 && std::memcmp(data, settings::kModelString, 22) == 0 && data[22] == 0;
    const bool shouldLoad = header && size >= settings::kFileSize;
    if (loaded.has_value() != shouldLoad)
        std::abort();
    if (loaded && std::memcmp(loaded->data(), data + settings::kHeaderSize, settings::kImageSize) != 0)
        std::abort();
    return 0;
}
