// show FILE [--json]: every field of a settings file, its bytes and the panel's value.
#include <QJsonArray>
#include <QJsonObject>

#include "ctl/Command.h"
#include "ctl/FieldJson.h"
#include "ctl/FieldLines.h"
#include "ctl/Output.h"
#include "settings/FactoryImage.h"
#include "settings/FieldValue.h"

namespace ctl {

namespace {

QJsonObject ShowJson(const QString& path, const settings::SettingsImage& image) {
    QJsonObject fields;
    for (const settings::Field& f : settings::kFields)
        fields.insert(QString::fromUtf8(f.key), FieldJson(image, f));
    // Separators only when they are not the factory's, as show's text says.
    QJsonArray separators;
    for (const std::size_t offset : settings::SeparatorOffsets()) {
        const std::uint8_t factory = settings::FactoryImage()[offset];
        if (image[offset] != factory) {
            separators.append(QJsonObject{{QStringLiteral("offset"), static_cast<int>(offset)},
                                          {QStringLiteral("bytes"), HexByte(image[offset])},
                                          {QStringLiteral("factory"), HexByte(factory)}});
        }
    }
    return {{QStringLiteral("file"), path},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("separators"), separators}};
}

int Show(const Invocation& call) {
    const settings::SettingsImage& image = call.images.front();
    if (call.parser.isSet(QStringLiteral("json"))) {
        PrintJson(ShowJson(call.arguments.front(), image));
        return kSuccess;
    }
    // Separators in their place between the fields.
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (const settings::Field& f : settings::kFields) {
        for (; at < f.offset; ++at) {
            for (std::string& line : SeparatorLines(image, at))
                lines.push_back(std::move(line));
        }
        for (std::string& line : FieldLines(image, f))
            lines.push_back(std::move(line));
        at = f.end();
    }
    PrintLines(lines);
    return kSuccess;
}

}  // namespace

Command ShowCommand() {
    return {
        .name = QStringLiteral("show"),
        .summary = "show FILE [--json]           every field of a settings file",
        .description = QStringLiteral(
            "Shows every field of a settings file: its key, offset, bytes (hex and characters), the value\n"
            "as the panel shows it and the panel's label. The memory switches follow their field one\n"
            "by one; separators are listed only when they are not the factory's ','."),
        .arguments = {QStringLiteral("FILE")},
        .options = {{QStringLiteral("json"), QStringLiteral("Print JSON: one key per field.")}},
        .readsSettings = true,
        .run = Show,
    };
}

}  // namespace ctl
