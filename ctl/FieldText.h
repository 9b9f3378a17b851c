#pragma once
// A field's value as the panel shows it, in the panel's own words, beside its raw bytes: what show,
// diff and check say about each field. Every decoding is the one the pages use (settings/).
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/ImageLayout.h"
#include "settings/SettingsImage.h"

namespace ctl {

struct FieldText {
    QJsonValue value;   // a number, the panel's word, or null when the panel reads no choice
    QString words;      // the same for people, with a note when the bytes are not known
    bool known = true;  // false: bytes the panel would not write (a code outside its list, ...)
};
FieldText TextOf(const settings::SettingsImage& image, const settings::Field& field);

// One memory switch as its page shows it; MSW1-1..3 come as one entry, the country.
struct SwitchText {
    QString name;   // "msw1-4", "msw1-1..3"
    QString words;  // "0 従来互換", "000 日本"; a switch without a control only "0" or "1"
    QString label;  // the page's caption, or what becomes of a switch without a control
};
std::vector<SwitchText> SwitchesOf(const settings::SettingsImage& image, int msw);

// The panel's words, labels and keys are UTF-8.
QString Utf8(std::string_view text);

// "1c 30" and "|.0|" (printable ASCII as it is, any other byte as '.').
QString HexBytes(const std::uint8_t* bytes, std::size_t count);
QString CharBytes(const std::uint8_t* bytes, std::size_t count);
QString HexBytes(const settings::SettingsImage& image, const settings::Field& field);

// offset, width, bytes (hex without blanks), label, encoding, value, known; memory switches add
// switches (and MSW1 country), intake positions slider, fixed fields factory.
QJsonObject FieldJson(const settings::SettingsImage& image, const settings::Field& field);

// The one-byte separators between fields, in image order.
std::vector<std::size_t> SeparatorOffsets();

}  // namespace ctl
