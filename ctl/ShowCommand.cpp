// show FILE [--json]: every field of a settings file, its bytes and the panel's value.
#include <QJsonArray>
#include <QJsonObject>

#include "ctl/Commands.h"
#include "ctl/FieldJson.h"
#include "ctl/FieldLines.h"
#include "ctl/Output.h"
#include "ctl/SettingsInput.h"
#include "settings/FactoryImage.h"
#include "settings/FieldValue.h"

namespace {

QJsonObject ShowJson(const QString& path, const settings::SettingsImage& image) {
    QJsonObject fields;
    for (const settings::Field& f : settings::kFields)
        fields.insert(QString::fromUtf8(f.key), ctl::FieldJson(image, f));
    // Separators only when they are not the factory's, as show's text says.
    QJsonArray separators;
    for (const std::size_t offset : settings::SeparatorOffsets()) {
        const std::uint8_t factory = settings::FactoryImage()[offset];
        if (image[offset] != factory) {
            separators.append(QJsonObject{{QStringLiteral("offset"), static_cast<int>(offset)},
                                          {QStringLiteral("bytes"), ctl::HexByte(image[offset])},
                                          {QStringLiteral("factory"), ctl::HexByte(factory)}});
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
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (const settings::Field& f : settings::kFields) {
        for (; at < f.offset; ++at) {
            for (std::string& line : SeparatorLines(*image, at))
                lines.push_back(std::move(line));
        }
        for (std::string& line : FieldLines(*image, f))
            lines.push_back(std::move(line));
        at = f.end();
    }
    PrintLines(lines);
    return kSuccess;
}
