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
    return Override().value_or(PlatformVersion{});
}

void SetPlatformVersionForTesting(const PlatformVersion& version) {
    Override() = version;
}
void ResetPlatformVersion() {
    Override().reset();
}

}  // namespace platform
