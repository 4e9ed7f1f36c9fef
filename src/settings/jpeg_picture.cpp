#include "settings/jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>

#include <jpeglib.h>

namespace kst {
namespace {

// Far larger than any picture of the program; a header that claims more is damaged.
constexpr std::uint64_t MaximumPixels = 16u << 20;

// libjpeg's default error handler prints and calls exit(); this one jumps
// back into decodeJpeg, which gives up on the picture.
struct ReturningErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void giveUp(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ReturningErrorManager*>(info->err)->escape, 1);
}

// Level -1 is a warning about corrupt data (a truncated file among them);
// higher levels are trace messages, which are ignored.
void warningIsFatal(j_common_ptr info, int level)
{
    if (level < 0)
        giveUp(info);
}

}  // namespace

std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> jpeg)
{
    if (jpeg.empty())
        return std::nullopt;

    jpeg_decompress_struct info{};
    ReturningErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = giveUp;
    errors.base.emit_message = warningIsFatal;

    // The picture lives on the heap: the jump back leaves automatic objects
    // changed after setjmp indeterminate, and the pointer itself never changes.
    const auto picture = std::make_unique<RgbPicture>();
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const std::uint64_t pixels = std::uint64_t{info.output_width} * info.output_height;
    if (info.output_components != 3 || pixels == 0 || pixels > MaximumPixels)
        giveUp(reinterpret_cast<j_common_ptr>(&info));

    picture->width = static_cast<int>(info.output_width);
    picture->height = static_cast<int>(info.output_height);
    const std::size_t stride = std::size_t{info.output_width} * 3;
    try {
        picture->pixels.resize(stride * info.output_height);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture->pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    return std::move(*picture);
}

}  // namespace kst
