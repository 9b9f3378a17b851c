#include "platform/PlatformVersion.h"

#include <optional>

namespace platform {

namespace {
std::optional<PlatformVersion>& Override() {
    static std::optional<PlatformVersion> value;
    return value;
}
}  // namespace

PlatformVersion CurrentPlatformVersion() {
#ifdef _WIN32
    // Windows builds read the real version in the winspool layer's sibling; NT is all that still runs.
#endif
    return Override().value_or(PlatformVersion{});
}

void SetPlatformVersionForTesting(const PlatformVersion& version) { Override() = version; }
void ResetPlatformVersion() { Override().reset(); }

}  // namespace platform
