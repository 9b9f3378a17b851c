#include "ctl/SettingsInput.h"

#include <QFile>

#include "ctl/Output.h"
#include "settings/SettingsFile.h"

namespace ctl {

std::optional<settings::SettingsImage> ReadSettings(const QString& path) {
    // The same loader as the window's: what it refuses, the window refuses.
    settings::LoadOutcome loaded = settings::ReadSettingsFile(QFile::encodeName(path).toStdString());
    if (!loaded.image)
        Error(path + QStringLiteral(": ") + QString::fromStdString(loaded.refusal));
    return loaded.image;
}

}  // namespace ctl
