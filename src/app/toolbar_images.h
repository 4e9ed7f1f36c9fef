#pragma once

#include <QIcon>
#include <QList>

namespace kst {

inline constexpr int ToolbarImageCount = 19;

// The 19 images of the toolbar and the Action menu, drawn at 16 x 16 pixels,
// in the order of their indexes.
QList<QIcon> makeToolbarImages();

}  // namespace kst
