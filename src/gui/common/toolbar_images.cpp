#include "gui/common/toolbar_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace kst {
namespace {

using Draw = std::function<void(QPainter&)>;

QIcon paint(const Draw& draw, int pixels)
{
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixels / 16.0, pixels / 16.0);  // drawn on a 16 x 16 grid, kept sharp at any size
    draw(p);
    p.end();
    return QIcon(pixmap);
}

QPen pen(const QColor& color, qreal width = 1.5)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A cartridge outline, the base of the list images.
void cartridge(QPainter& p, const QColor& fill = QColor(0x6b, 0x7c, 0x93))
{
    p.setPen(pen(QColor(0x2d, 0x36, 0x45), 1));
    p.setBrush(fill);
    QPainterPath body;
    body.moveTo(2.5, 2.5);
    body.lineTo(11.5, 2.5);
    body.lineTo(13.5, 4.5);
    body.lineTo(13.5, 13.5);
    body.lineTo(2.5, 13.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0xd9, 0xe2, 0xec));
    p.drawRect(QRectF(4.5, 4.5, 7, 5));
}

void badge(QPainter& p, const QColor& color)
{
    p.setPen(pen(Qt::white, 1));
    p.setBrush(color);
    p.drawEllipse(QRectF(8, 8, 7.5, 7.5));
}

void letter(QPainter& p, const QRectF& box, const QString& text, const QColor& color, int pixelSize = 11)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

void roundBox(QPainter& p, const QColor& color)
{
    p.setPen(pen(color.darker(140), 1));
    p.setBrush(color);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
}

// A line with an arrow head at its end, drawn as two short wings.
void arrow(QPainter& p, QPointF from, QPointF to, QPointF wingA, QPointF wingB)
{
    p.drawLine(from, to);
    p.drawLine(wingA, to);
    p.drawLine(wingB, to);
}

// The patch's return arrow: a three-quarter circle in a box.
void returnArc(QPainter& p, const QColor& box)
{
    roundBox(p, box);
    p.setPen(pen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 8, 8), 90 * 16, 270 * 16);
}

const QColor ExitHackGreen(0x2e, 0x7d, 0x32);

// The arc with its arrow head, as the Apply ExitHack image shows it.
void exitHackArrow(QPainter& p)
{
    returnArc(p, ExitHackGreen);
    p.drawLine(QPointF(8, 4), QPointF(10.5, 2.5));
    p.drawLine(QPointF(8, 4), QPointF(10.5, 6));
}

const QColor Red(0xc6, 0x28, 0x28), Blue(0x15, 0x65, 0xc0), Navy(0x1a, 0x23, 0x7e), Amber(0xf9, 0xa8, 0x25);

// The signs that the toolbar's help buttons and the message boxes share.
void informationSign(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Navy);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    letter(p, QRectF(0, 0, 16, 16), QStringLiteral("i"), Qt::white);
}

void questionSign(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    letter(p, QRectF(0, 0, 16, 16), QStringLiteral("?"), Qt::white);
}

void warningSign(QPainter& p)
{
    p.setPen(pen(QColor(0x8d, 0x6e, 0x00), 1));
    p.setBrush(Amber);
    p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(15, 14.5), QPointF(1, 14.5)}));
    letter(p, QRectF(0, 4, 16, 11), QStringLiteral("!"), Qt::black, 10);
}

void errorSign(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Red);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(pen(Qt::white, 2));
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

}  // namespace

QImage messageSignImage(MessageSign sign, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    const Draw signs[] = {informationSign, questionSign, warningSign, errorSign};
    signs[static_cast<int>(sign)](p);
    p.end();
    return image;
}

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    // The cartridge fills the square; the arrow sits on its lower right corner.
    p.save();
    p.translate(-1.2, -1.5);
    p.scale(1.2, 1.2);
    cartridge(p, QColor(0x3f, 0x51, 0xb5));
    p.restore();
    p.translate(7, 7);
    p.scale(0.56, 0.56);
    exitHackArrow(p);
    p.end();
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

ToolbarImages::ToolbarImages(int pixels) : pixels_(pixels)
{
    const QColor red = Red, green = ExitHackGreen, blue = Blue, navy = Navy, amber = Amber, grey(0x54, 0x6e, 0x7a);
    // Exit: a door and an arrow leaving it
    draw(ToolbarImage::Exit, [&](QPainter& p) {
        p.setPen(pen(QColor(0x5d, 0x40, 0x37), 1));
        p.setBrush(QColor(0xa1, 0x88, 0x7f));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        p.setPen(pen(red, 2));
        arrow(p, QPointF(7, 8), QPointF(14, 8), QPointF(11.5, 5.5), QPointF(11.5, 10.5));
    });
    // Options: a gear
    draw(ToolbarImage::Options, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(grey);
        p.translate(8, 8);
        for (int i = 0; i < 8; ++i) {
            p.drawRect(QRectF(-1.5, -7.5, 3, 4));
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 5, 5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(0, 0), 2, 2);
    });
    // Add roms: cartridge and a green plus
    draw(ToolbarImage::AddRoms, [&](QPainter& p) {
        cartridge(p);
        badge(p, green);
        p.setPen(pen(Qt::white, 1.5));
        p.drawLine(QPointF(11.75, 9.5), QPointF(11.75, 14));
        p.drawLine(QPointF(9.5, 11.75), QPointF(14, 11.75));
    });
    // Remove selection: cartridge and a red minus
    draw(ToolbarImage::RemoveSelection, [&](QPainter& p) {
        cartridge(p);
        badge(p, red);
        p.setPen(pen(Qt::white, 1.5));
        p.drawLine(QPointF(9.5, 11.75), QPointF(14, 11.75));
    });
    // Clear list: lines of a list crossed out
    draw(ToolbarImage::ClearList, [&](QPainter& p) {
        p.setPen(pen(grey, 1.5));
        for (qreal y : {3.5, 6.5, 9.5, 12.5})
            p.drawLine(QPointF(2, y), QPointF(12, y));
        p.setPen(pen(red, 2));
        p.drawLine(QPointF(8, 8), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 8), QPointF(8, 14.5));
    });
    // Edit output name: a pencil over a line
    draw(ToolbarImage::EditName, [&](QPainter& p) {
        p.setPen(pen(grey, 1));
        p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
        p.translate(8, 8);
        p.rotate(45);
        p.setPen(pen(QColor(0x6d, 0x4c, 0x41), 1));
        p.setBrush(amber);
        p.drawRect(QRectF(-1.8, -7, 3.6, 10));
        p.setBrush(QColor(0xff, 0xcc, 0xbc));
        QPolygonF tip({QPointF(-1.8, 3), QPointF(1.8, 3), QPointF(0, 6.5)});
        p.drawPolygon(tip);
    });
    // Lost size: a bar that shrinks, with a down arrow
    draw(ToolbarImage::LostSize, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(blue);
        p.drawRect(QRectF(1.5, 3, 5, 11));
        p.setBrush(QColor(0x90, 0xca, 0xf9));
        p.drawRect(QRectF(7.5, 8, 5, 6));
        p.setPen(pen(red, 1.5));
        arrow(p, QPointF(13.5, 1.5), QPointF(13.5, 6.5), QPointF(11.5, 4.5), QPointF(15.5, 4.5));
    });
    // Truncate: scissors
    draw(ToolbarImage::Truncate, [&](QPainter& p) {
        p.setPen(pen(grey, 1.5));
        p.drawLine(QPointF(4, 10), QPointF(13, 2));
        p.drawLine(QPointF(12, 10), QPointF(3, 2));
        p.setPen(pen(red, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4, 12.5), 2.3, 2.3);
        p.drawEllipse(QPointF(12, 12.5), 2.3, 2.3);
    });
    // Remove intro: a film frame crossed out
    draw(ToolbarImage::RemoveIntro, [&](QPainter& p) {
        p.setPen(pen(navy, 1));
        p.setBrush(QColor(0x9f, 0xa8, 0xda));
        p.drawRect(QRectF(1.5, 3.5, 13, 9));
        p.setBrush(navy);
        for (qreal x : {3.0, 6.0, 9.0, 12.0}) {
            p.drawRect(QRectF(x - 0.5, 4.3, 1.5, 1.2));
            p.drawRect(QRectF(x - 0.5, 10.5, 1.5, 1.2));
        }
        p.setPen(pen(red, 2));
        p.drawLine(QPointF(4, 6.5), QPointF(12, 9.5));
    });
    // Apply ExitHack: an arrow back into a box
    draw(ToolbarImage::ApplyExitHack, exitHackArrow);
    // All: an "A" in a box
    draw(ToolbarImage::All, [&](QPainter& p) {
        roundBox(p, blue);
        letter(p, QRectF(0, 0, 16, 16), QStringLiteral("A"), Qt::white);
    });
    // Remove ExitHack: the patch arrow, struck through
    draw(ToolbarImage::RemoveExitHack, [&](QPainter& p) {
        returnArc(p, grey);
        p.setPen(pen(red, 2));
        p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
    });
    // Warnings: a yellow triangle with "!"
    draw(ToolbarImage::Warnings, warningSign);
    // How does it work: a blue "?"
    draw(ToolbarImage::HowDoesItWork, questionSign);
    // Beta-testers: two heads
    draw(ToolbarImage::BetaTesters, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x5c, 0x6b, 0xc0));
        p.drawEllipse(QPointF(5, 5), 2.5, 2.5);
        p.drawPie(QRectF(1, 8, 8, 10), 0, 180 * 16);
        p.setBrush(QColor(0x26, 0xa6, 0x9a));
        p.drawEllipse(QPointF(11, 6), 2.5, 2.5);
        p.drawPie(QRectF(7, 9, 8, 10), 0, 180 * 16);
    });
    // About: a blue "i"
    draw(ToolbarImage::About, informationSign);
    // Play: a green triangle
    draw(ToolbarImage::Play, [&](QPainter& p) {
        p.setPen(pen(green.darker(130), 1));
        p.setBrush(QColor(0x43, 0xa0, 0x47));
        p.drawPolygon(QPolygonF({QPointF(3.5, 2), QPointF(14, 8), QPointF(3.5, 14)}));
    });
    // Total lost size: a sum sign
    draw(ToolbarImage::TotalLostSize, [&](QPainter& p) {
        p.setPen(pen(blue, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(12.5, 3), QPointF(3.5, 3), QPointF(8.5, 8), QPointF(3.5, 13),
                                  QPointF(12.5, 13)}));
    });
    // Edit internal name: a chip with a name tag
    draw(ToolbarImage::EditInternalName, [&](QPainter& p) {
        p.setPen(pen(grey, 1));
        for (qreal x : {4.0, 8.0, 12.0}) {
            p.drawLine(QPointF(x, 0.5), QPointF(x, 2.5));
            p.drawLine(QPointF(x, 13.5), QPointF(x, 15.5));
        }
        p.setPen(pen(Qt::black, 1));
        p.setBrush(QColor(0x37, 0x47, 0x4f));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        letter(p, QRectF(0, 2, 16, 12), QStringLiteral("Ab"), amber, 7);
    });
}

void ToolbarImages::draw(ToolbarImage image, const std::function<void(QPainter&)>& drawing)
{
    icons_[static_cast<std::size_t>(image)] = paint(drawing, pixels_);
}

}  // namespace kst
