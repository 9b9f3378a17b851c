// check FILE: is it a settings file by the window's rules, and would the window change a byte of
// it when it loads the file and sends it?
#include "ctl/Command.h"
#include "ctl/FieldLines.h"
#include "ctl/Output.h"
#include "platform/Translations.h"
#include "settings/ImageChanges.h"
#include "settings/Normalised.h"

namespace ctl {

namespace {

int Check(const Invocation& call) {
    const QString& path = call.arguments.front();
    const settings::SettingsImage& image = call.images.front();
    // Exactly what the window sends after loading this file.
    const settings::SettingsImage sent = settings::Normalised(image);
    const std::size_t changed = settings::ChangedFields(image, sent).size();
    if (changed == 0) {
        Out() << path << ": the window sends it unchanged\n";
    } else {
        Out() << path << ": the window would change " << changed << (changed == 1 ? " field" : " fields")
              << " when it loads and sends it:\n";
        PrintLines(ChangeLines(image, sent));
    }
    for (const settings::RangeRefusal& refusal : settings::DataCheckRefusals(image)) {
        Out() << "warning: " << QString::fromUtf8(refusal.field->key) << " is " << refusal.value
              << ": the window's data check refuses it ("
              << platform::SettingsText(settings::context::kDataCheck, settings::kRangeMessage)
                     .arg(refusal.range.min)
                     .arg(refusal.range.max)
              << ") but sends it all the same\n";
    }
    Out().flush();
    return changed == 0 ? kSuccess : kFailure;
}

}  // namespace

Command CheckCommand() {
    return {
        .name = QStringLiteral("check"),
        .summary = "check FILE                   would the window change a byte of it?",
        .description = QStringLiteral(
            "Checks that FILE is a settings file by the window's rules (a regular file, the model's\n"
            "header, 214 bytes or more) and lists every field the window would change when it loads the\n"
            "file and sends it, with its bytes before and after. Values the window's data check refuses\n"
            "are warnings: the window sends them all the same.\n"
            "Exit status: 0 sent unchanged, 1 the window would change bytes, 2 not a settings file."),
        .arguments = {QStringLiteral("FILE")},
        .readsSettings = true,
        .run = Check,
    };
}

}  // namespace ctl
