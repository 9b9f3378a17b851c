#pragma once
#include <QIcon>
#include <QPixmap>

namespace res {

void InitImageResources();
QPixmap LoadBitmapResource(int id);
QIcon LoadIconResource(int id);

}  // namespace res
