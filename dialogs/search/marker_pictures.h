#pragma once
#include <QPixmap>

namespace dialogs {

// The Diagram page's tool pictures, square, in device pixels by resolution
// class: 32 for class 3, 24 for class 2, else 16.
int MarkerPictureSize(int dpiClass);
QPixmap DotPicture(int dpiClass, qreal devicePixelRatio);
QPixmap EraserPicture(int dpiClass, qreal devicePixelRatio);

}  // namespace dialogs
