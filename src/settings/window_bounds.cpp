#include "settings/window_bounds.h"

#include <algorithm>

namespace kst {
namespace {

// One axis: the span shrunk to the area's length, then moved inside it.
void fitSpan(int& start, int& length, int areaStart, int areaLength)
{
    length = std::clamp(length, 0, std::max(areaLength, 0));
    start = std::clamp(start, areaStart, areaStart + std::max(areaLength, 0) - length);
}

}  // namespace

WindowBounds fitIntoArea(const WindowBounds& stored, const WindowBounds& area)
{
    WindowBounds fitted = stored;
    fitSpan(fitted.left, fitted.width, area.left, area.width);
    fitSpan(fitted.top, fitted.height, area.top, area.height);
    return fitted;
}

}  // namespace kst
