// diff A B [--json]: the fields in which two settings files differ, old → new; exits like diff(1).
#include <QJsonArray>
#include <QJsonObject>

#include "ctl/Command.h"
#include "ctl/FieldJson.h"
#include "ctl/FieldLines.h"
#include "ctl/Output.h"
#include "settings/FieldValue.h"
#include "settings/ImageChanges.h"

namespace ctl {

namespace {

QJsonObject DiffJson(const QString& pathA, const QString& pathB, const settings::SettingsImage& a,
                     const settings::SettingsImage& b) {
    QJsonObject fields;
    for (const settings::Field* f : settings::ChangedFields(a, b)) {
        fields.insert(QString::fromUtf8(f->key), QJsonObject{{QStringLiteral("old"), FieldJson(a, *f)},
                                                             {QStringLiteral("new"), FieldJson(b, *f)}});
    }
    QJsonArray separators;
    for (const std::size_t offset : settings::ChangedSeparators(a, b)) {
        separators.append(QJsonObject{{QStringLiteral("offset"), static_cast<int>(offset)},
                                      {QStringLiteral("old"), HexByte(a[offset])},
                                      {QStringLiteral("new"), HexByte(b[offset])}});
    }
    return {{QStringLiteral("a"), pathA},
            {QStringLiteral("b"), pathB},
            {QStringLiteral("equal"), a == b},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("separators"), separators}};
}

int Diff(const Invocation& call) {
    const settings::SettingsImage &a = call.images[0], &b = call.images[1];
    if (call.parser.isSet(QStringLiteral("json")))
        PrintJson(DiffJson(call.arguments[0], call.arguments[1], a, b));
    else
        PrintLines(ChangeLines(a, b));
    return a == b ? kSuccess : kFailure;
}

}  // namespace

Command DiffCommand() {
    return {
        .name = QStringLiteral("diff"),
        .summary = "diff A B [--json]            the fields in which two files differ",
        .description = QStringLiteral(
            "Lists the fields in which two settings files differ, A's value then B's, with their bytes.\n"
            "Exit status: 0 the images are equal, 1 they differ, 2 a file is not a settings file."),
        .arguments = {QStringLiteral("A"), QStringLiteral("B")},
        .options = {{QStringLiteral("json"), QStringLiteral("Print JSON: one key per differing field.")}},
        .readsSettings = true,
        .run = Diff,
    };
}

}  // namespace ctl
