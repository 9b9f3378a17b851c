#include "res/Images.h"

#include <QFile>

static void InitQrc() {
    Q_INIT_RESOURCE(images);
}

namespace res {

void InitImageResources() {
    static bool done = false;
    if (!done) {
        InitQrc();
        done = true;
    }
}

QPixmap LoadBitmapResource(int id) {
    InitImageResources();
    const QString path = QStringLiteral(":/res/bmp%1").arg(id);
    if (!QFile::exists(path))
        return QPixmap();
    return QPixmap(path);
}

QIcon LoadIconResource(int id) {
    InitImageResources();
    QIcon icon;
    for (const QString& name :
         {QStringLiteral(":/res/icon%1").arg(id), QStringLiteral(":/res/icon%1_16").arg(id)}) {
        if (QFile::exists(name))
            icon.addPixmap(QPixmap(name));
    }
    return icon;
}

}  // namespace res
