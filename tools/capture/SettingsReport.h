#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A received job as text: a hex dump, then the settings it carries decoded field by field.
std::string HexDump(const std::vector<std::uint8_t>& bytes);
std::string DescribeSettings(const std::vector<std::uint8_t>& bytes);
