// show FILE [--json]: every field of a settings file, its bytes and the panel's value.
#include <QJsonArray>
#include <QJsonObject>

#include "ctl/Commands.h"
#include "ctl/FieldLines.h"
#include "ctl/FieldText.h"
#include "ctl/Output.h"
#include "ctl/SettingsInput.h"
#include "settings/FactoryImage.h"

namespace {

QJsonObject ShowJson(const QString& path, const settings::SettingsImage& image) {
    QJsonObject fields;
    for (const settings::Field& f : settings::kFields)
        fields.insert(ctl::Utf8(f.key), ctl::FieldJson(image, f));
    // Separators only when they are not the factory's, as show's text says.
    QJsonArray separators;
    for (const std::size_t offset : ctl::SeparatorOffsets()) {
        const std::uint8_t factory = settings::FactoryImage()[offset];
        if (image[offset] != factory) {
            separators.append(QJsonObject{{QStringLiteral("offset"), static_cast<int>(offset)},
                                          {QStringLiteral("bytes"), ctl::HexBytes(image.data() + offset, 1)},
                                          {QStringLiteral("factory"), ctl::HexBytes(&factory, 1)}});
        }
    }
    return {{QStringLiteral("file"), path},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("separators"), separators}};
}

}  // namespace

int ctl::Show(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print JSON: one key per field."));
    parser.addOption(json);
    const QString description = QStringLiteral(
        "Shows every field of a settings file: its key, offset, bytes (hex and characters), the value\n"
        "as the panel shows it and the panel's label. The memory switches follow their field one\n"
        "by one; separators are listed only when they are not the factory's ','.");
    if (const std::optional<int> done =
            ParseCommand(parser, arguments, description, QStringLiteral("FILE"), 1, 1))
        return *done;
    const QString path = parser.positionalArguments().constFirst();
    const std::optional<settings::SettingsImage> image = ReadSettings(path);
    if (!image)
        return kRefused;
    if (parser.isSet(json)) {
        PrintJson(ShowJson(path, *image));
        return kSuccess;
    }
    // Separators in their place between the fields.
    std::size_t at = 0;
    for (const settings::Field& f : settings::kFields) {
        for (; at < f.offset; ++at) {
            for (const QString& line : SeparatorLines(*image, at))
                Out() << line << '\n';
        }
        for (const QString& line : FieldLines(*image, f))
            Out() << line << '\n';
        at = f.end();
    }
    Out().flush();
    return kSuccess;
}
