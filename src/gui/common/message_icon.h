#pragma once

#include <QMessageBox>
#include <QPixmap>

namespace kst {

// The icon of a message box, sharp at the given device pixel ratio: the
// style's when it has one that large (a desktop's icon theme), else the
// program's own sign, since the style's built-in icons are 32-pixel bitmaps
// that a scaled screen would double. Null for NoIcon.
QPixmap messageIconPixmap(QMessageBox::Icon icon, qreal devicePixelRatio);

}  // namespace kst
