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
