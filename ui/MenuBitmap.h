#pragma once
#include <QImage>

struct MenuSystemMetrics;

// The grey-scale colours of a 16-colour bitmap become the system's 3D colours: black,
// RGB(128,128,128), RGB(192,192,192) and white turn into button text, button shadow, button
// face and button highlight.
QImage ReplaceSystemColours(const QImage& bitmap, const MenuSystemMetrics& metrics);

// The image list's one image: the top-left cell of the bitmap after the colour replacement,
// transparent wherever it shows the button face. A null image for a null bitmap.
QImage MenuCellImage(const QImage& bitmap, int width, int height, const MenuSystemMetrics& metrics);
