#pragma once
#include <QIcon>
#include <QPixmap>

namespace res {

// Makes the images compiled into this static library reachable; safe to call any number of times.
void InitImageResources();

// Bitmap resources 150, 160..167 and 168; a null pixmap for any other id.
QPixmap LoadBitmapResource(int id);

// Icon resources (128) with every size drawn for them; a null icon for any other id.
QIcon LoadIconResource(int id);

}  // namespace res
