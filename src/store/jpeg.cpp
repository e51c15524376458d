#include "jpeg.h"

#include "atomic_file.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

namespace pesavia {

namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

// Warnings are silent, except the end of the data inside the picture: a cut file is a failed load, not a
// picture padded with grey.
void onMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) onError(info);
}

void silent(j_common_ptr) {}

// A picture beyond this is no logo or landing-gear drawing, and would only exhaust the memory.
constexpr unsigned long long kMaxPixels = 64ull * 1024 * 1024;

std::uint8_t scale(unsigned a, unsigned b) {
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

// Everything that lives across setjmp is in this function's caller, so that no local is clobbered here.
bool decode(jpeg_decompress_struct& info, ErrorManager& errors, std::string_view bytes, Image& image,
            std::vector<std::uint8_t>& row) {
    if (setjmp(errors.back)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    const unsigned long long pixels = 1ull * info.output_width * info.output_height;
    if (pixels == 0 || pixels > kMaxPixels) return false;
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rgb.resize(pixels * 3);
    row.resize(static_cast<size_t>(info.output_width) * static_cast<size_t>(info.output_components));
    // Adobe writes CMYK inverted, which is what nearly every CMYK JPEG holds.
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        std::uint8_t* out =
            image.rgb.data() + static_cast<size_t>(info.output_scanline) * info.output_width * 3;
        JSAMPROW rows[] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        if (!cmyk) {
            std::copy(row.begin(), row.begin() + static_cast<std::ptrdiff_t>(info.output_width) * 3, out);
            continue;
        }
        for (size_t x = 0; x < info.output_width; ++x) {
            unsigned c = row[4 * x], m = row[4 * x + 1], y = row[4 * x + 2], k = row[4 * x + 3];
            if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            out[3 * x] = scale(c, k);
            out[3 * x + 1] = scale(m, k);
            out[3 * x + 2] = scale(y, k);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

std::optional<Image> DecodeJpeg(std::string_view bytes) {
    if (bytes.empty()) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.base.output_message = silent;
    Image image;
    std::vector<std::uint8_t> row;
    bool ok = false;
    try {
        ok = decode(info, errors, bytes, image, row);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    jpeg_destroy_decompress(&info);
    if (!ok) return std::nullopt;
    return image;
}

bool ChargeImageJpeg(Picture& picture, const std::string& folder, const std::string& fileName) {
    if (fileName.empty()) return false;
    const std::string path =
        folder.empty() || folder.back() != '/' ? folder + "/" + fileName : folder + fileName;
    const FileContent content = ReadWholeFile(path);
    if (!content.bytes) return false;
    std::optional<Image> image = DecodeJpeg(*content.bytes);
    if (!image) return false;
    picture.setImage(std::make_shared<const Image>(std::move(*image)));
    return true;
}

} // namespace pesavia
