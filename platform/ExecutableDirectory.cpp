#include "platform/ExecutableDirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& Override() {
    static QString value;
    return value;
}
}  // namespace

QString ExecutableDirectory() {
    QString dir = Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void SetExecutableDirectoryForTesting(const QString& directory) {
    Override() = directory;
}

}  // namespace platform
