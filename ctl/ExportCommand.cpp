// export FILE [-o TEXT] [--changed]: a settings file as TOML a person can review.
#include <QFile>
#include <QSaveFile>

#include "ctl/Command.h"
#include "ctl/FileNames.h"
#include "ctl/Output.h"
#include "ctl/TomlText.h"

namespace ctl {

namespace {

// Written beside TEXT and renamed over it, as the settings file is.
int WriteText(const QString& path, const std::string& text) {
    if (path.isEmpty() || IsStandardStream(path)) {
        Out() << QString::fromStdString(text);
        Out().flush();
        return kSuccess;
    }
    QSaveFile file(QFile::decodeName(SaveTarget(NativePath(path))));
    const auto size = static_cast<qint64>(text.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size || !file.commit()) {
        Error(QStringLiteral("cannot write %1: %2; nothing was written").arg(path, file.errorString()));
        return kRefused;
    }
    return kSuccess;
}

int Export(const Invocation& call) {
    const std::string text =
        TomlText(settings::TextEntries(call.images.front()), call.parser.isSet(QStringLiteral("changed")));
    return WriteText(call.parser.value(QStringLiteral("output")), text);
}

}  // namespace

Command ExportCommand() {
    return {
        .name = QStringLiteral("export"),
        .summary = "export FILE [--changed]      a settings file as TOML text (-o TEXT)",
        .description = QStringLiteral(
            "Writes a settings file as TOML: one key per field or memory switch, the value in the\n"
            "panel's words and the panel's label as a comment. Bytes the panel would not write as they\n"
            "are stand as { bytes = \"...\" } in hex, so that 'bmk540ctl import' gives the same file back."),
        .arguments = {QStringLiteral("FILE")},
        .options =
            {{{QStringLiteral("o"), QStringLiteral("output")},
              QStringLiteral("Write the text to TEXT (replaced when it exists) instead of standard output."),
              QStringLiteral("TEXT")},
             {QStringLiteral("changed"), QStringLiteral("Only what differs from the factory settings.")}},
        .readsSettings = true,
        .run = Export,
    };
}

}  // namespace ctl
