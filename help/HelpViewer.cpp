#include "help/HelpViewer.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace help {

namespace {
HelpOpener& Opener() {
    static HelpOpener opener;
    return opener;
}
}  // namespace

QString HelpFileIn(const QString& directory, platform::Language language) {
    const QString english = directory + QStringLiteral("bmk540-en.chm");
    if (language == platform::Language::English && QFileInfo(english).isFile())
        return english;
    return directory + QStringLiteral("bmk540.chm");
}

bool OpenHelpFile(const QString& path, const HelpOpener& ownViewer) {
    if (Opener())
        return Opener()(path);
    if (ownViewer)
        return ownViewer(path);
    // The viewer launcher succeeds even for a missing file, so check it first.
    QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

void SetHelpOpenerForTesting(HelpOpener opener) {
    Opener() = std::move(opener);
}

}  // namespace help
