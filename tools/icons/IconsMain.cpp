// Writes the application icon as PNG files in the sizes desktops look for:
//   bmk540-icons OUT-DIR ICON-32.xpm ICON-16.xpm
// gives OUT-DIR/<N>x<N>/apps/bmk540.png. The icon is pixel art, so it is enlarged by whole
// pixels where it can be; 16 and 24 come from the hand-drawn 16-pixel picture.
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUT-DIR ICON-32.xpm ICON-16.xpm\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QImage large(QString::fromLocal8Bit(argv[2]));
    const QImage small(QString::fromLocal8Bit(argv[3]));
    if (large.isNull() || small.isNull()) {
        std::fprintf(stderr, "%s: cannot read the icon pictures\n", argv[0]);
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage& source = size < 32 ? small : large;
        const Qt::TransformationMode mode =
            size % source.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage icon =
            size == source.width() ? source : source.scaled(size, size, Qt::KeepAspectRatio, mode);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !icon.save(dir + QStringLiteral("/bmk540.png"))) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
