// diff A B [--json]: the fields in which two settings files differ, old → new; exits like diff(1).
#include <QJsonArray>
#include <QJsonObject>

#include "ctl/Commands.h"
#include "ctl/FieldJson.h"
#include "ctl/FieldLines.h"
#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "ctl/SettingsInput.h"
#include "settings/FieldValue.h"

namespace {

QJsonObject DiffJson(const QString& pathA, const QString& pathB, const settings::SettingsImage& a,
                     const settings::SettingsImage& b) {
    QJsonObject fields;
    for (const settings::Field* f : ctl::ChangedFields(a, b)) {
        fields.insert(QString::fromUtf8(f->key), QJsonObject{{QStringLiteral("old"), ctl::FieldJson(a, *f)},
                                                             {QStringLiteral("new"), ctl::FieldJson(b, *f)}});
    }
    QJsonArray separators;
    for (const std::size_t offset : settings::SeparatorOffsets()) {
        if (a[offset] != b[offset]) {
            separators.append(QJsonObject{{QStringLiteral("offset"), static_cast<int>(offset)},
                                          {QStringLiteral("old"), ctl::HexByte(a[offset])},
                                          {QStringLiteral("new"), ctl::HexByte(b[offset])}});
        }
    }
    return {{QStringLiteral("a"), pathA},
            {QStringLiteral("b"), pathB},
            {QStringLiteral("equal"), a == b},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("separators"), separators}};
}

}  // namespace

int ctl::Diff(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print JSON: one key per differing field."));
    parser.addOption(json);
    const QString description = QStringLiteral(
        "Lists the fields in which two settings files differ, A's value then B's, with their bytes.\n"
        "Exit status: 0 the images are equal, 1 they differ, 2 a file is not a settings file.");
    if (const std::optional<int> done =
            ParseCommand(parser, arguments, description, QStringLiteral("A B"), 2, 2))
        return *done;
    const QStringList paths = parser.positionalArguments();
    if (IsStandardStream(paths[0]) && IsStandardStream(paths[1])) {
        Error(QStringLiteral("standard input ('-') can be only one of A and B"));
        return kRefused;
    }
    // Both files are read, so that every refused file is named at once.
    const std::optional<settings::SettingsImage> a = ReadSettings(paths[0]);
    const std::optional<settings::SettingsImage> b = ReadSettings(paths[1]);
    if (!a || !b)
        return kRefused;
    if (parser.isSet(json)) {
        PrintJson(DiffJson(paths[0], paths[1], *a, *b));
    } else {
        PrintLines(ChangeLines(*a, *b));
    }
    return *a == *b ? kSuccess : kFailure;
}
