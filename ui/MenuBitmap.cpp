#include "ui/MenuBitmap.h"

#include <algorithm>

#include "ui/MenuSystemMetrics.h"

QImage ReplaceSystemColours(const QImage& bitmap, const MenuSystemMetrics& metrics) {
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb from[] = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 255, 255)};
    const QRgb to[] = {metrics.btnText.rgb(), metrics.btnShadow.rgb(), metrics.btnFace.rgb(),
                       metrics.btnHighlight.rgb()};
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            for (int k = 0; k < 4; ++k) {
                if (line[x] == from[k]) {
                    line[x] = to[k];
                    break;
                }
            }
        }
    }
    return image;
}

QImage MenuCellImage(const QImage& bitmap, int width, int height, const MenuSystemMetrics& metrics) {
    if (bitmap.isNull())
        return QImage();
    QImage cell(width, height, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    const QImage replaced = ReplaceSystemColours(bitmap, metrics);
    const QRgb transparentColour = metrics.btnFace.rgb();
    for (int y = 0; y < std::min(height, replaced.height()); ++y) {
        for (int x = 0; x < std::min(width, replaced.width()); ++x) {
            const QRgb pixel = replaced.pixel(x, y);
            if (pixel != transparentColour)
                cell.setPixel(x, y, pixel);
        }
    }
    return cell;
}
