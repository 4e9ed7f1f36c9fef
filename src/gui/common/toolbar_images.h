#pragma once

#include <QIcon>
#include <QImage>

#include <array>
#include <cstddef>
#include <functional>

class QPainter;

namespace kst {

// The images of the toolbar and of the menus, one per command that shows one.
enum class ToolbarImage {
    Exit,
    Options,
    AddRoms,
    RemoveSelection,
    ClearList,
    EditName,
    LostSize,
    Truncate,
    RemoveIntro,
    ApplyExitHack,
    All,
    RemoveExitHack,
    Warnings,
    HowDoesItWork,
    BetaTesters,
    About,
    Play,
    TotalLostSize,
    EditInternalName,
    Count,
};

// Every image drawn once, on a 16 x 16 grid, for the menus and the toolbar to
// share; pixels is the size of the pixmaps they are drawn into.
class ToolbarImages {
public:
    explicit ToolbarImages(int pixels = 32);

    const QIcon& operator[](ToolbarImage image) const { return icons_[static_cast<std::size_t>(image)]; }

private:
    void draw(ToolbarImage image, const std::function<void(QPainter&)>& drawing);

    int pixels_;
    std::array<QIcon, static_cast<std::size_t>(ToolbarImage::Count)> icons_;
};

// The signs of the message boxes, in the toolbar's drawing, at any size.
enum class MessageSign { Information, Question, Warning, Error };
QImage messageSignImage(MessageSign sign, int size);

// The program's icon: the cartridge of the list images carrying the patch's
// return arc, drawn at any size. The window icon and the icons an install
// puts into the desktop's theme both come from it.
QImage programIconImage(int size);
QIcon programIcon();

}  // namespace kst
