#pragma once
// A field as show --json and diff --json give it: offset, width, bytes (hex without blanks),
// label, encoding, value, known; memory switches add switches (and MSW1 country), intake
// positions slider, fixed fields factory. The values are settings/'s, as the text lines show them.
#include <QJsonObject>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "settings/ImageLayout.h"
#include "settings/SettingsImage.h"

namespace ctl {

QJsonObject FieldJson(const settings::SettingsImage& image, const settings::Field& field);

// "2c": one byte in hex, as the separators of show --json and diff --json give it.
QString HexByte(std::uint8_t byte);

}  // namespace ctl
