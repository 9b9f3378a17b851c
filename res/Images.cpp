#include "res/Images.h"

#include <QBitmap>
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

namespace {

QIcon OnTransparentFace(const QPixmap& picture) {
    QPixmap pixmap = picture;
    pixmap.setMask(pixmap.createMaskFromColor(QColor(192, 192, 192)));
    return QIcon(pixmap);
}

QIcon StripCell(int strip, int index) {
    return OnTransparentFace(LoadBitmapResource(strip).copy(16 * index, 0, 16, 16));
}

}  // namespace

QIcon AppIcon() {
    return LoadIconResource(IDI_APP);
}

QIcon ToolbarIcon(int index) {
    return StripCell(IDB_TOOLBAR, index);
}

QIcon MenuIcon(MenuImage image) {
    return OnTransparentFace(LoadBitmapResource(static_cast<int>(image)));
}

QIcon TabIcon(int index) {
    return StripCell(IDB_TABS, index);
}

}  // namespace res
