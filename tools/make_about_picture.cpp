// Draws the About window's picture from the program's own toolbar art and
// writes it as a 190 x 65 JPEG, the file committed as assets/about.jpg, or
// at a whole multiple of that size for high-density screens
// (assets/about@2x.jpg):
//
//     cmake --build build --target make-about-picture
//     QT_QPA_PLATFORM=offscreen build/bin/make-about-picture assets/about.jpg
//     QT_QPA_PLATFORM=offscreen build/bin/make-about-picture assets/about@2x.jpg 2
//
// The result depends on the fonts installed, so it is made once and
// committed rather than made at every build.

#include "gui/common/toolbar_images.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

constexpr int Width = 190;
constexpr int Height = 65;

// Everything is drawn in the picture's own measures and scaled, so that
// every size shows the same picture.
QImage draw(int scale)
{
    using kst::ToolbarImage;
    const int artSize = 96 * scale;
    const kst::ToolbarImages art(artSize);
    QImage image(Width * scale, Height * scale, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);

    QLinearGradient sky(0, 0, 0, Height);
    sky.setColorAt(0, QColor(0x1a, 0x23, 0x7e));
    sky.setColorAt(1, QColor(0x15, 0x65, 0xc0));
    p.fillRect(QRect(0, 0, Width, Height), sky);

    // A cartridge leaning on the left, as large as the picture allows.
    p.save();
    p.translate(30, 33);
    p.rotate(-12);
    p.drawPixmap(QRect(-27, -27, 54, 54), art[ToolbarImage::AddRoms].pixmap(artSize));
    p.restore();

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setItalic(true);
    title.setPixelSize(25);
    p.setFont(title);
    p.setPen(QColor(0x0d, 0x14, 0x4d));
    p.drawText(QRect(63, 5, 126, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrom"));
    p.setPen(Qt::white);
    p.drawText(QRect(61, 3, 126, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Kestrom"));

    // The four actions in a row: truncate, remove intro, ExitHack, all.
    int left = 64;
    for (ToolbarImage image :
         {ToolbarImage::Truncate, ToolbarImage::RemoveIntro, ToolbarImage::ApplyExitHack, ToolbarImage::All}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 215));
        p.drawRoundedRect(QRectF(left - 2, 38, 24, 24), 4, 4);
        p.drawPixmap(QRect(left, 40, 20, 20), art[image].pixmap(artSize));
        left += 30;
    }
    p.end();
    return image;
}

bool writeJpeg(const QImage& image, const char* path)
{
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const int scale = argc == 3 ? std::atoi(argv[2]) : 1;
    if (argc < 2 || argc > 3 || scale < 1 || scale > 4) {
        std::fprintf(stderr, "usage: make-about-picture OUTPUT.jpg [SCALE]\n");
        return 2;
    }
    if (!writeJpeg(draw(scale), argv[1])) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
