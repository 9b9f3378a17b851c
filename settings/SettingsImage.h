#pragma once
// The printer's whole configuration: one 190-byte printer command, copied and compared whole.
#include <array>
#include <cstddef>
#include <cstdint>

namespace settings {

constexpr std::size_t kImageSize = 190;

class SettingsImage {
public:
    SettingsImage() { m_bytes.fill(0); }
    explicit SettingsImage(const std::array<std::uint8_t, kImageSize>& bytes) : m_bytes(bytes) {}

    std::uint8_t& operator[](std::size_t offset) { return m_bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return m_bytes[offset]; }
    std::uint8_t* data() { return m_bytes.data(); }
    const std::uint8_t* data() const { return m_bytes.data(); }
    static constexpr std::size_t size() { return kImageSize; }

    // Equal when all 190 bytes are, the trailing NULs included.
    bool operator==(const SettingsImage& other) const { return m_bytes == other.m_bytes; }

private:
    std::array<std::uint8_t, kImageSize> m_bytes;
};

}  // namespace settings
