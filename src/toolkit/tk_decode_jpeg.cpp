#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "toolkit/tk_decode.h"

namespace {

// Ten or so scans make a progressive picture; thousands of empty ones only make the decoder loop.
constexpr int MostScans = 256;
// The library's own working memory (a progressive picture keeps all its coefficients).
constexpr long MostWorkingMemory = 256L * 1024 * 1024;

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void LeaveDecoding(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// libjpeg's warnings are its reports of corrupt data (a premature end among them), after which it goes on with
// made-up pixels; a negative level is such a warning.
void TreatWarningsAsErrors(j_common_ptr info, int level)
{
    if (level < 0) {
        LeaveDecoding(info);
    }
}

void StayQuiet(j_common_ptr)
{
}

void LimitScans(j_common_ptr info)
{
    if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > MostScans) {
        LeaveDecoding(info);
    }
}

// Kept free of objects with destructors between setjmp and every longjmp, so that jumping back skips nothing.
bool Decode(const uint8_t* data, size_t length, TkDecodedImage& image)
{
    jpeg_decompress_struct info{};
    ErrorJump error{};
    jpeg_progress_mgr progress{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = LeaveDecoding;
    error.manager.emit_message = TreatWarningsAsErrors;
    error.manager.output_message = StayQuiet;
    progress.progress_monitor = LimitScans;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &progress;
    info.mem->max_memory_to_use = MostWorkingMemory;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(length));
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > TkMaxImageSide ||
        info.image_height > TkMaxImageSide ||
        static_cast<int64_t>(info.image_width) * info.image_height > TkMaxImagePixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width != info.image_width ||
        info.output_height != info.image_height) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.bitsPerPixel = 24;
    image.sourceDepth = 8 * info.num_components;
    const size_t rowBytes = static_cast<size_t>(image.width) * 3;
    image.pixels.resize(rowBytes * static_cast<size_t>(image.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool TkIsJpegData(const uint8_t* data, size_t length)
{
    return data != nullptr && length >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

std::optional<TkDecodedImage> TkDecodeJpeg(const uint8_t* data, size_t length)
{
    // The memory source counts in unsigned long, which has 32 bits on Windows.
    if (!TkIsJpegData(data, length) || length > ULONG_MAX) {
        return std::nullopt;
    }
    TkDecodedImage image;
    if (!Decode(data, length, image)) {
        return std::nullopt;
    }
    return image;
}
