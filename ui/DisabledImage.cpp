#include "ui/DisabledImage.h"

#include <QPainter>
#include <vector>

#include "ui/MenuSystemMetrics.h"

namespace {

// Raster operation 0xE20746 with a monochrome source: the brush where the mask is black, the
// destination unchanged where it is white. The mask lands at (dx, dy) and is clipped.
void PaintWhereBlack(QImage& target, const std::vector<bool>& whiteMask, int width, int height, int dx,
                     int dy, QRgb brush) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int tx = x + dx;
            const int ty = y + dy;
            if (tx < width && ty < height && !whiteMask[y * width + x])
                target.setPixel(tx, ty, brush);
        }
    }
}

}  // namespace

DisabledImage::DisabledImage(const QImage& image, const MenuSystemMetrics& metrics) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const int height = source.height();
    // The monochrome mask: white where the image shows button face, OR-ed with white where it
    // shows button highlight.
    std::vector<bool> white(static_cast<size_t>(width) * height);
    const QRgb face = metrics.btnFace.rgb();
    const QRgb light = metrics.btnHighlight.rgb();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = source.pixel(x, y);
            white[y * width + x] = pixel == face || pixel == light;
        }
    }
    QImage block(width, height, QImage::Format_RGB32);
    block.fill(metrics.btnFace);
    PaintWhereBlack(block, white, width, height, 0, 0, light);
    m_first = block;
    PaintWhereBlack(block, white, width, height, 1, 1, light);
    PaintWhereBlack(block, white, width, height, 0, 0, metrics.btnShadow.rgb());
    m_second = block;
}

void DisabledImage::Draw(QPainter& painter, int x, int y) const {
    painter.drawImage(x + 1, y + 1, m_first);
    painter.drawImage(x, y, m_second);
}
