#include "ctl/FieldText.h"

#include <QJsonArray>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "settings/FactoryImage.h"
#include "settings/FieldValue.h"
#include "settings/PanelRules.h"
#include "settings/PanelWords.h"

namespace ctl {

namespace {

using settings::Encoding;
using settings::Field;
using settings::SettingsImage;
namespace words = settings::words;

QString EncodingName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Fixed:
            return QStringLiteral("fixed");
        case Encoding::Reserved:
            return QStringLiteral("reserved");
        case Encoding::SwitchPair:
            return QStringLiteral("switches");
        case Encoding::Decimal:
            return QStringLiteral("decimal");
        case Encoding::Code:
            return QStringLiteral("code");
        case Encoding::PitchPair:
            return QStringLiteral("pitch");
    }
    return {};
}

QJsonValue WordOrNull(std::string_view word) {
    return word.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(Utf8(word));
}

QJsonArray SwitchesJson(const SettingsImage& image, int msw) {
    const settings::Switches switches = settings::DecodeSwitches(image, msw);
    QJsonArray list;
    for (std::size_t k = 0; k < 8; ++k) {
        const words::SwitchWords& w = words::kSwitches[static_cast<std::size_t>(msw)][k];
        const std::string_view word = switches[k] ? w.on : w.off;
        const settings::SwitchUse use = settings::kSwitchUse[static_cast<std::size_t>(msw)][k];
        list.append(QJsonObject{
            {QStringLiteral("switch"), static_cast<int>(k) + 1},
            {QStringLiteral("value"), switches[k]},
            {QStringLiteral("caption"), WordOrNull(w.caption)},
            {QStringLiteral("word"), WordOrNull(word)},
            {QStringLiteral("control"), use == settings::SwitchUse::Shown  ? QStringLiteral("shown")
                                        : use == settings::SwitchUse::Kept ? QStringLiteral("kept")
                                                                           : QStringLiteral("cleared")},
        });
    }
    return list;
}

QJsonObject CountryJson(const SettingsImage& image) {
    const int code = settings::CountryCode(settings::DecodeSwitches(image, 0));
    const QString name = Utf8(settings::CountryName(code));
    return {
        {QStringLiteral("code"), code},
        {QStringLiteral("value"), name.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(name)},
        {QStringLiteral("known"), !name.isEmpty()},
    };
}

}  // namespace

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

FieldText TextOf(const SettingsImage& image, const Field& f) {
    const settings::FieldValue v = settings::ValueOf(image, f);
    QJsonValue value(QJsonValue::Null);
    if (v.kind == settings::FieldValue::Kind::Number)
        value = v.number;
    else if (v.kind == settings::FieldValue::Kind::Word)
        value = Utf8(v.word);
    return {value, Utf8(v.words), v.known};
}

std::vector<SwitchText> SwitchesOf(const SettingsImage& image, int msw) {
    std::vector<SwitchText> list;
    for (const settings::SwitchValue& s : settings::SwitchValuesOf(image, msw))
        list.push_back({Utf8(s.name), Utf8(s.words), Utf8(s.label)});
    return list;
}

QString HexBytes(const std::uint8_t* bytes, std::size_t count) {
    return Utf8(settings::HexBytes(bytes, count));
}

QString CharBytes(const std::uint8_t* bytes, std::size_t count) {
    return Utf8(settings::CharBytes(bytes, count));
}

QString HexBytes(const SettingsImage& image, const Field& f) {
    return HexBytes(image.data() + f.offset, f.width);
}

QJsonObject FieldJson(const SettingsImage& image, const Field& f) {
    const settings::FieldValue v = settings::ValueOf(image, f);
    QJsonObject json{
        {QStringLiteral("offset"), static_cast<int>(f.offset)},
        {QStringLiteral("width"), static_cast<int>(f.width)},
        {QStringLiteral("bytes"), HexBytes(image, f).remove(QLatin1Char(' '))},
        {QStringLiteral("label"), Utf8(f.label)},
        {QStringLiteral("encoding"), EncodingName(f.encoding)},
        {QStringLiteral("value"), TextOf(image, f).value},
        {QStringLiteral("known"), v.known},
    };
    if (f.encoding == Encoding::SwitchPair) {
        const int msw = settings::MemorySwitchIndex(f);
        json.insert(QStringLiteral("switches"), SwitchesJson(image, msw));
        if (msw == 0)
            json.insert(QStringLiteral("country"), CountryJson(image));
    }
    if (f.encoding == Encoding::Fixed)
        json.insert(QStringLiteral("factory"),
                    HexBytes(settings::FactoryImage(), f).remove(QLatin1Char(' ')));
    if (v.slider)
        json.insert(QStringLiteral("slider"), *v.slider);
    return json;
}

std::vector<std::size_t> SeparatorOffsets() {
    return settings::SeparatorOffsets();
}

}  // namespace ctl
