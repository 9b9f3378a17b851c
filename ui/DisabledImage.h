#pragma once
#include <QImage>

class QPainter;
struct MenuSystemMetrics;

// The embossed look of a disabled image: the image's shape in the button shadow colour with a
// button highlight edge one pixel right and below, on the 3D face colour (the menu colour on
// an older shell). The shape is every pixel that is neither button face nor button highlight.
// image is the picture on an opaque background, in the image's size.
class DisabledImage {
public:
    DisabledImage(const QImage& image, const MenuSystemMetrics& metrics);

    // The two blocks the raster operations leave: first drawn at (x + 1, y + 1), then at (x, y).
    const QImage& FirstPass() const { return m_first; }
    const QImage& SecondPass() const { return m_second; }

    void Draw(QPainter& painter, int x, int y) const;

private:
    QImage m_first;
    QImage m_second;
};
