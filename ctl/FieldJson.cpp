#include "ctl/FieldJson.h"

#include <QJsonArray>
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
    return word.empty() ? QJsonValue(QJsonValue::Null) : QJsonValue(QString::fromUtf8(word));
}

QString Hex(const SettingsImage& image, const Field& f) {
    return QString::fromStdString(settings::HexBytes(image.data() + f.offset, f.width))
        .remove(QLatin1Char(' '));
}

// A number, the panel's word, or null when the panel reads no choice.
QJsonValue ValueJson(const settings::FieldValue& v) {
    using Kind = settings::FieldValue::Kind;
    return v.kind == Kind::Number ? QJsonValue(v.number)
           : v.kind == Kind::Word ? QJsonValue(QString::fromStdString(v.word))
                                  : QJsonValue(QJsonValue::Null);
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
    const std::string name = settings::CountryName(code);
    return {
        {QStringLiteral("code"), code},
        {QStringLiteral("value"), WordOrNull(name)},
        {QStringLiteral("known"), !name.empty()},
    };
}

}  // namespace

QJsonObject FieldJson(const SettingsImage& image, const Field& f) {
    const settings::FieldValue v = settings::ValueOf(image, f);
    QJsonObject json{
        {QStringLiteral("offset"), static_cast<int>(f.offset)},
        {QStringLiteral("width"), static_cast<int>(f.width)},
        {QStringLiteral("bytes"), Hex(image, f)},
        {QStringLiteral("label"), QString::fromUtf8(f.label)},
        {QStringLiteral("encoding"), EncodingName(f.encoding)},
        {QStringLiteral("value"), ValueJson(v)},
        {QStringLiteral("known"), v.known},
    };
    if (f.encoding == Encoding::SwitchPair) {
        const int msw = settings::MemorySwitchIndex(f);
        json.insert(QStringLiteral("switches"), SwitchesJson(image, msw));
        if (msw == 0)
            json.insert(QStringLiteral("country"), CountryJson(image));
    }
    if (f.encoding == Encoding::Fixed)
        json.insert(QStringLiteral("factory"), Hex(settings::FactoryImage(), f));
    if (v.slider)
        json.insert(QStringLiteral("slider"), *v.slider);
    return json;
}

QString HexByte(std::uint8_t byte) {
    return QString::fromStdString(settings::HexBytes(&byte, 1));
}

}  // namespace ctl
