#pragma once
// The string table: UTF-8 texts by resource id.
namespace res {

// nullptr when the table has no entry with that id.
const char* LoadStringUtf8(int id);

// Ids of the framework's validation messages.
constexpr int AFX_IDP_PARSE_INT = 0xF110;
constexpr int AFX_IDP_PARSE_INT_RANGE = 0xF111;
constexpr int AFX_IDP_PARSE_STRING_SIZE = 0xF113;

}  // namespace res
