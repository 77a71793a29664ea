// Decodes a PNG and a JPEG with the statically linked libpng, libjpeg-turbo and zlib and checks their pixels.
// Usage: depcheck FILE.png FILE.jpg. Exit code 0 when both decode to the expected pixels.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace {

int Fail(const char* what)
{
    std::fprintf(stderr, "depcheck: %s\n", what);
    return 1;
}

int CheckPng(const char* path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path))
        return Fail(image.message);
    image.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return Fail(image.message);
    // Row 0: red, green, blue, half-transparent white; row 1: (10, 20, 30).
    const unsigned char expected[8][4] = {{255, 0, 0, 255},  {0, 255, 0, 255},  {0, 0, 255, 255},  {255, 255, 255, 127},
                                          {10, 20, 30, 255}, {10, 20, 30, 255}, {10, 20, 30, 255}, {10, 20, 30, 255}};
    if (image.width != 4 || image.height != 2)
        return Fail("PNG has the wrong size");
    for (int i = 0; i < 8; ++i)
        for (int c = 0; c < 4; ++c)
            if (pixels[i * 4 + c] != expected[i][c])
                return Fail("PNG pixel differs");
    std::printf("PNG %ux%u decoded\n", image.width, image.height);
    return 0;
}

struct JpegError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

int CheckJpeg(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return Fail("cannot open the JPEG file");
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = [](j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1); };
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        std::fclose(file);
        return Fail("libjpeg reported an error");
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    std::vector<unsigned char> row(info.output_width * info.output_components);
    int worst = 0;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (unsigned x = 0; x < info.output_width; ++x) {
            const int expected[3] = {200, 100, 50};
            for (int c = 0; c < 3; ++c)
                worst = std::max(worst, std::abs(row[x * 3 + c] - expected[c]));
        }
    }
    const unsigned width = info.output_width, height = info.output_height;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    if (width != 16 || height != 16)
        return Fail("JPEG has the wrong size");
    if (worst > 3)
        return Fail("JPEG pixels are far from (200, 100, 50)");
    std::printf("JPEG %ux%u decoded, largest channel error %d\n", width, height, worst);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: depcheck FILE.png FILE.jpg");
    const int png = CheckPng(argv[1]);
    const int jpeg = CheckJpeg(argv[2]);
    return png | jpeg;
}
