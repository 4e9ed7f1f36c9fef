#pragma once

namespace kst {

// A window's place and size on the desktop, in pixels.
struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowBounds&) const = default;
};

// Stored bounds as the window opens on a screen whose free area is given:
// exactly as stored when they lie inside it; otherwise shrunk to at most
// the area's size and moved the least distance that brings them inside.
// Settings written on a larger screen, or at a larger scale, would
// otherwise open the window partly out of reach.
WindowBounds fitIntoArea(const WindowBounds& stored, const WindowBounds& area);

}  // namespace kst
