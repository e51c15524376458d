#include "store/jpeg.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <jpeglib.h>

namespace pesavia {
namespace {

using test::TempDir;
using test::WriteAll;

// A width × height JPEG of one colour, in the given colour space (3 or 4 components, or 1 for grey).
std::string makeJpeg(int width, int height, J_COLOR_SPACE space, std::vector<std::uint8_t> pixel) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = static_cast<int>(pixel.size());
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), pixel.begin(), pixel.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

TEST(DecodeJpeg, givesRgbForEveryColourSpace) {
    struct Case {
        const char* what;
        J_COLOR_SPACE space;
        std::vector<std::uint8_t> pixel;
        std::array<int, 3> rgb;
    } cases[] = {
        {"rgb", JCS_RGB, {200, 40, 90}, {200, 40, 90}},
        {"grey", JCS_GRAYSCALE, {128}, {128, 128, 128}},
        {"cmyk (Adobe, inverted)", JCS_CMYK, {255, 0, 0, 255}, {255, 0, 0}},
        {"cmyk half black", JCS_CMYK, {255, 255, 255, 128}, {128, 128, 128}},
    };
    for (const auto& c : cases) {
        const auto image = DecodeJpeg(makeJpeg(17, 9, c.space, c.pixel));
        ASSERT_TRUE(image) << c.what;
        EXPECT_EQ(image->width, 17) << c.what;
        EXPECT_EQ(image->height, 9) << c.what;
        ASSERT_EQ(image->rgb.size(), 17u * 9u * 3u) << c.what;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(image->rgb[3 * 60 + i], c.rgb[i], 3) << c.what << " " << i;
    }
}

TEST(DecodeJpeg, refusesDamagedData) {
    const std::string good = makeJpeg(64, 64, JCS_RGB, {1, 2, 3});
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"garbage", "definitely not a picture"},
        {"header only", good.substr(0, 200)},
        {"cut in the data", good.substr(0, good.size() / 2)},
        {"bad marker", good.substr(0, 2) + std::string(40, '\xFF')},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(DecodeJpeg(c.bytes)) << c.what;
}

TEST(ChargeImageJpeg, loadsFolderAndNameOrKeepsThePicture) {
    TempDir dir;
    WriteAll(dir.file("logo.jpg"), makeJpeg(4, 3, JCS_RGB, {9, 9, 9}));
    WriteAll(dir.file("broken.jpg"), "JFIF?");
    Picture picture;
    EXPECT_TRUE(ChargeImageJpeg(picture, dir.path(), "logo.jpg"));
    ASSERT_TRUE(picture.image());
    EXPECT_EQ(picture.image()->width, 4);
    const auto shown = picture.image();

    std::string noSeparator = dir.path();
    noSeparator.pop_back();
    EXPECT_TRUE(ChargeImageJpeg(picture, noSeparator, "logo.jpg"));
    for (const char* name : {"", "broken.jpg", "missing.jpg"}) {
        picture.setImage(shown);
        EXPECT_FALSE(ChargeImageJpeg(picture, dir.path(), name)) << name;
        EXPECT_EQ(picture.image(), shown) << name;
    }
}

} // namespace
} // namespace pesavia
