#include "res/Images.h"

#include <QFile>

// Q_INIT_RESOURCE must not be used inside a namespace.
static bool InitQrc() {
    Q_INIT_RESOURCE(images);
    return true;
}

namespace res {

namespace {

QPixmap LoadXpm(const QString& path) {
    if (!QFile::exists(path))
        return QPixmap();
    return QPixmap(path, "XPM");
}

}  // namespace

void InitImageResources() {
    [[maybe_unused]] static const bool done = InitQrc();
}

QPixmap LoadBitmapResource(int id) {
    InitImageResources();
    return LoadXpm(QStringLiteral(":/res/bmp%1").arg(id));
}

QIcon LoadIconResource(int id) {
    InitImageResources();
    QIcon icon;
    for (const QString& path :
         {QStringLiteral(":/res/icon%1").arg(id), QStringLiteral(":/res/icon%1_16").arg(id)}) {
        const QPixmap pixmap = LoadXpm(path);
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace res
