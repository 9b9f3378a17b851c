#include "ctl/FieldText.h"

#include <QJsonArray>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "settings/FactoryImage.h"
#include "settings/FieldCodec.h"
#include "settings/FormatBlock.h"
#include "settings/PanelRules.h"
#include "settings/PanelWords.h"

namespace ctl {

namespace {

using settings::Encoding;
using settings::Field;
using settings::SettingsImage;
namespace field = settings::field;
namespace words = settings::words;

bool Is(const Field& f, const Field& other) {
    return f.offset == other.offset;
}

FieldText Named(const QString& word) {
    return {word, word, true};
}

FieldText Unknown() {
    return {QJsonValue::Null, QStringLiteral("unknown"), false};
}

template <std::size_t N>
FieldText Choice(int index, const std::array<std::string_view, N>& list) {
    if (index < 0 || index >= static_cast<int>(N))
        return Unknown();
    return Named(Utf8(list[static_cast<std::size_t>(index)]));
}

// The pages read any bytes as a number; only digits are what they write back.
FieldText Number(int value, const SettingsImage& image, const Field& f) {
    const bool digits = std::all_of(image.data() + f.offset, image.data() + f.end(),
                                    [](std::uint8_t b) { return b >= '0' && b <= '9'; });
    FieldText text{value, QString::number(value), digits};
    if (!digits)
        text.words += QStringLiteral(" (not all digits)");
    return text;
}

// The decoders leave a value they do not recognise, so a value that starts outside every list
// tells a code the panel does not know.
settings::ParamValues DecodedParam(const SettingsImage& image) {
    settings::ParamValues values;
    values.postcardMode = -1;
    values.paperSet = -1;
    settings::DecodeParam(image, values);
    return values;
}

settings::Param2Values DecodedParam2(const SettingsImage& image) {
    settings::Param2Values values;
    values.returnTime = -1;
    settings::DecodeParam2(image, values);
    return values;
}

FieldText CodeText(const SettingsImage& image, const Field& f) {
    const settings::ParamValues param = DecodedParam(image);
    if (Is(f, field::Font1))
        return Choice(param.font1, words::kFonts);
    if (Is(f, field::Font2))
        return Choice(param.font2, words::kFonts);
    if (Is(f, field::KanjiTable))
        return Choice(param.kanjiTable, words::kKanjiTables);
    if (Is(f, field::PostcardMode))
        return Choice(param.postcardMode, words::kPostcardModes);
    if (Is(f, field::PaperSet))
        return Choice(param.paperSet, words::kPaperSetPositions);
    settings::SelectValues select;
    settings::DecodeSelect(image, select);
    if (Is(f, field::Hopper))
        return Choice(select.hopper, words::kHoppers);
    if (Is(f, field::Typeface))
        return Choice(select.typeface, words::kTypefaces);
    if (Is(f, field::SelectedFormat))
        return Choice(select.format, words::kFormats);
    if (Is(f, field::Reduction) && select.reduction >= 0)
        return Named(Utf8(words::kReductions[static_cast<std::size_t>(select.reduction)].text));
    return Unknown();
}

const settings::FormatBlockLayout* BlockOf(const Field& f) {
    for (const settings::FormatBlockLayout& block : settings::kFormatBlocks) {
        if (f.offset >= block.offset() && f.offset < block.offset() + block.size())
            return &block;
    }
    return nullptr;
}

constexpr int settings::FormatValues::*kPositions[5] = {
    &settings::FormatValues::front, &settings::FormatValues::rear, &settings::FormatValues::guide,
    &settings::FormatValues::feeder, &settings::FormatValues::postcard};
constexpr int settings::FormatValues::*kStops[5] = {
    &settings::FormatValues::frontStop, &settings::FormatValues::rearStop, &settings::FormatValues::guideStop,
    &settings::FormatValues::feederStop, &settings::FormatValues::postcardStop};

settings::FormatValues DecodedFormat(const SettingsImage& image, const settings::FormatBlockLayout& block) {
    settings::FormatValues values;
    if (block.leftMargin)
        settings::DecodeFormatN(image.data() + block.offset(), values);
    else
        settings::DecodeFormat0(image.data() + block.offset(), values);
    return values;
}

// The slider stop the format dialog shows beside an intake position; nothing for other fields.
std::optional<int> SliderOf(const SettingsImage& image, const Field& f) {
    const settings::FormatBlockLayout* block = BlockOf(f);
    if (!block)
        return std::nullopt;
    const settings::FormatValues values = DecodedFormat(image, *block);
    for (std::size_t i = 0; i < block->positions.size(); ++i) {
        if (Is(f, *block->positions[i]))
            return settings::StopValue(values.*kStops[i], i == 4);
    }
    return std::nullopt;
}

int FormatNumber(const SettingsImage& image, const settings::FormatBlockLayout& block, const Field& f) {
    const settings::FormatValues values = DecodedFormat(image, block);
    if (Is(f, block.paperLength))
        return values.paperLength;
    if (block.leftMargin && Is(f, *block.leftMargin))
        return values.leftMargin;
    if (block.rightMargin && Is(f, *block.rightMargin))
        return values.rightMargin;
    for (std::size_t i = 0; i < block.positions.size(); ++i) {
        if (Is(f, *block.positions[i]))
            return values.*kPositions[i];
    }
    return 0;
}

FieldText DecimalText(const SettingsImage& image, const Field& f) {
    if (const settings::FormatBlockLayout* block = BlockOf(f)) {
        FieldText text = Number(FormatNumber(image, *block, f), image, f);
        const std::optional<int> slider = SliderOf(image, f);
        if (slider && *slider != text.value.toInt())
            text.words += QStringLiteral(" (slider at %1)").arg(*slider);
        return text;
    }
    const settings::ParamValues param = DecodedParam(image);
    if (Is(f, field::CutSheetCentring))
        return Number(param.cutSheet, image, f);
    if (Is(f, field::FrontTractorCentring))
        return Number(param.frontTractor, image, f);
    if (Is(f, field::RearTractorCentring))
        return Number(param.rearTractor, image, f);
    const settings::Param2Values param2 = DecodedParam2(image);
    if (Is(f, field::IntakeTime))
        return Number(param2.intakeTime, image, f);
    // What is left is the return time.
    for (const words::ReturnTimeWord& r : words::kReturnTimes) {
        if (r.seconds == param2.returnTime)
            return Named(Utf8(r.text));
    }
    return Unknown();  // a return time the list does not hold
}

FieldText PitchText(const SettingsImage& image, const Field& f) {
    const settings::Param2Values param2 = DecodedParam2(image);
    for (std::size_t i = 0; i < settings::kPitchFields.size(); ++i) {
        if (!Is(f, settings::kPitchFields[i]) || param2.pitch[i].empty())
            continue;
        const QString text = QString::fromStdString(param2.pitch[i]);
        // A pair can decode to a text the panel's list does not hold ("+7"); the list cannot show it.
        if (!settings::IsPitchListed(param2.pitch[i]))
            return {text, text + QStringLiteral(" (not in the panel's list)"), false};
        return Named(text);
    }
    return Unknown();
}

int MswIndex(const Field& f) {
    for (std::size_t i = 0; i < settings::kMemorySwitchFields.size(); ++i) {
        if (Is(f, settings::kMemorySwitchFields[i]))
            return static_cast<int>(i);
    }
    return 0;
}

// Bits the eight switches do not account for (bits 4-7 of either byte).
bool HasOtherBits(const SettingsImage& image, const Field& f, const settings::Switches& switches) {
    SettingsImage rebuilt = image;
    int bits[8];
    std::copy(switches.begin(), switches.end(), std::begin(bits));
    settings::WriteSwitchPair(rebuilt, f.offset, bits);
    return rebuilt[f.offset] != image[f.offset] || rebuilt[f.offset + 1] != image[f.offset + 1];
}

// The country the list shows for MSW1-1..3; empty for a code that names none.
QString CountryName(int code) {
    const words::CodedWord& entry = words::kCountries[static_cast<std::size_t>(settings::CountryIndex(code))];
    return entry.code == code ? Utf8(entry.text) : QString();
}

QString SwitchBits(const settings::Switches& switches, int from, int to) {
    QString bits;
    for (int k = from; k < to; ++k)
        bits += QLatin1Char(switches[static_cast<std::size_t>(k)] ? '1' : '0');
    return bits;
}

FieldText SwitchPairText(const SettingsImage& image, const Field& f) {
    const int msw = MswIndex(f);
    const settings::Switches switches = settings::DecodeSwitches(image, msw);
    const QString bits = SwitchBits(switches, 0, 8);
    FieldText text{bits, bits, true};
    if (HasOtherBits(image, f, switches)) {
        text.known = false;
        text.words += QStringLiteral(" (bits 4-7 set: no switch)");
    }
    if (msw == 0 && CountryName(settings::CountryCode(switches)).isEmpty()) {
        text.known = false;
        text.words +=
            QStringLiteral(" (country code %1 names no country)").arg(settings::CountryCode(switches));
    }
    return text;
}

FieldText FixedText(const SettingsImage& image, const Field& f) {
    const SettingsImage& factory = settings::FactoryImage();
    if (std::equal(image.data() + f.offset, image.data() + f.end(), factory.data() + f.offset))
        return {QJsonValue::Null, QStringLiteral("fixed"), true};
    return {QJsonValue::Null, QStringLiteral("fixed, not the factory %1").arg(HexBytes(factory, f)), false};
}

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
    const QString name = CountryName(code);
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
    switch (f.encoding) {
        case Encoding::Fixed:
            return FixedText(image, f);
        case Encoding::Reserved:
            return {QJsonValue::Null, QStringLiteral("reserved"), true};
        case Encoding::SwitchPair:
            return SwitchPairText(image, f);
        case Encoding::Decimal:
            return DecimalText(image, f);
        case Encoding::Code:
            return CodeText(image, f);
        case Encoding::PitchPair:
            return PitchText(image, f);
    }
    return Unknown();
}

std::vector<SwitchText> SwitchesOf(const SettingsImage& image, int msw) {
    const settings::Switches switches = settings::DecodeSwitches(image, msw);
    const QString prefix = QStringLiteral("msw%1-").arg(msw + 1);
    std::vector<SwitchText> list;
    int k = 0;
    if (msw == 0) {
        // MSW1-1..3 are one list on the page: the country, switch 1 the lowest bit of its code.
        const int code = settings::CountryCode(switches);
        QString country = CountryName(code);
        if (country.isEmpty())
            country = QStringLiteral("unknown (country code %1)").arg(code);
        list.push_back({prefix + QStringLiteral("1..3"),
                        SwitchBits(switches, 0, 3) + QLatin1Char(' ') + country,
                        Utf8(words::kSwitches[0][0].caption)});
        k = 3;
    }
    for (; k < 8; ++k) {
        const auto at = static_cast<std::size_t>(k);
        const words::SwitchWords& w = words::kSwitches[static_cast<std::size_t>(msw)][at];
        SwitchText text{prefix + QString::number(k + 1), QString::number(switches[at]), Utf8(w.caption)};
        switch (settings::kSwitchUse[static_cast<std::size_t>(msw)][at]) {
            case settings::SwitchUse::Shown:
                text.words += QLatin1Char(' ') + Utf8(switches[at] ? w.on : w.off);
                break;
            case settings::SwitchUse::Kept:
                text.label = QStringLiteral("no control; sent as loaded");
                break;
            case settings::SwitchUse::Cleared:
                text.label = QStringLiteral("no control; always sent as 0");
                break;
        }
        list.push_back(text);
    }
    return list;
}

QString HexBytes(const std::uint8_t* bytes, std::size_t count) {
    QStringList hex;
    for (std::size_t i = 0; i < count; ++i)
        hex << QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0'));
    return hex.join(QLatin1Char(' '));
}

QString CharBytes(const std::uint8_t* bytes, std::size_t count) {
    QString text(QLatin1Char('|'));
    for (std::size_t i = 0; i < count; ++i)
        text += QLatin1Char(bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.');
    return text + QLatin1Char('|');
}

QString HexBytes(const SettingsImage& image, const Field& f) {
    return HexBytes(image.data() + f.offset, f.width);
}

QJsonObject FieldJson(const SettingsImage& image, const Field& f) {
    const FieldText text = TextOf(image, f);
    QJsonObject json{
        {QStringLiteral("offset"), static_cast<int>(f.offset)},
        {QStringLiteral("width"), static_cast<int>(f.width)},
        {QStringLiteral("bytes"), HexBytes(image, f).remove(QLatin1Char(' '))},
        {QStringLiteral("label"), Utf8(f.label)},
        {QStringLiteral("encoding"), EncodingName(f.encoding)},
        {QStringLiteral("value"), text.value},
        {QStringLiteral("known"), text.known},
    };
    if (f.encoding == Encoding::SwitchPair) {
        const int msw = MswIndex(f);
        json.insert(QStringLiteral("switches"), SwitchesJson(image, msw));
        if (msw == 0)
            json.insert(QStringLiteral("country"), CountryJson(image));
    }
    if (f.encoding == Encoding::Fixed)
        json.insert(QStringLiteral("factory"),
                    HexBytes(settings::FactoryImage(), f).remove(QLatin1Char(' ')));
    if (const std::optional<int> slider = SliderOf(image, f))
        json.insert(QStringLiteral("slider"), *slider);
    return json;
}

std::vector<std::size_t> SeparatorOffsets() {
    std::vector<std::size_t> offsets;
    for (std::size_t at = 0; at < settings::kImageSize; ++at) {
        if (settings::IsSeparator(at))
            offsets.push_back(at);
    }
    return offsets;
}

}  // namespace ctl
