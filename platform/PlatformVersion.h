#pragma once
// What GetVersionExA would report. Linux answers as a modern NT-family system.
namespace platform {

enum class PlatformFamily { NT, Win9x, Other };

struct PlatformVersion {
    PlatformFamily family = PlatformFamily::NT;
    int major = 10;
    int minor = 0;
};

PlatformVersion CurrentPlatformVersion();
// Tests pretend to be another system.
void SetPlatformVersionForTesting(const PlatformVersion& version);
void ResetPlatformVersion();

}  // namespace platform
