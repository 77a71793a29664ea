#include <cstring>

#include <png.h>

#include "toolkit/tk_decode.h"

namespace {

// Deflate turns one 258-byte match into at least two bits, so no stream inflates by more than this.
constexpr uint64_t MostInflation = 1032;

int ChannelCount(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY: return 1;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 0;
    }
}

// Reads the header chunk, which must come first, and refuses sizes the program cannot hold and sizes whose pixels
// the data cannot contain, before libpng allocates anything for them.
bool CheckHeader(const uint8_t* data, size_t length, TkDecodedImage& image)
{
    if (length < 8 + 8 + 13 || TkReadBig32(data + 8) != 13 || std::memcmp(data + 12, "IHDR", 4) != 0) {
        return false;
    }
    const uint32_t width = TkReadBig32(data + 16), height = TkReadBig32(data + 20);
    const int bitDepth = data[24], channels = ChannelCount(data[25]);
    if (width == 0 || height == 0 || width > TkMaxImageSide || height > TkMaxImageSide || channels == 0 ||
        static_cast<int64_t>(width) * height > TkMaxImagePixels) {
        return false;
    }
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * static_cast<uint64_t>(bitDepth * channels) + 7) / 8;
    if (height * (rowBytes + 1) > MostInflation * (length + 1)) {
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.sourceDepth = bitDepth * channels;
    return true;
}

// libpng's simplified reader stops once it has the pixels, so data cut off after them would pass; the chunks must
// lead up to the end chunk within the data.
bool ReachesEndChunk(const uint8_t* data, size_t length)
{
    uint64_t at = sizeof(TkPngSignature);
    while (length - at >= 12) {
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) {
            return true;
        }
        at += 12 + static_cast<uint64_t>(TkReadBig32(data + at));
        if (at > length) {
            return false;
        }
    }
    return false;
}

} // namespace

bool TkIsPngData(const uint8_t* data, size_t length)
{
    return TkHasPngSignature(data, length);
}

std::optional<TkDecodedImage> TkDecodePng(const uint8_t* data, size_t length)
{
    TkDecodedImage image;
    if (!TkIsPngData(data, length) || !CheckHeader(data, length, image) || !ReachesEndChunk(data, length)) {
        return std::nullopt;
    }
    png_image reader{};
    reader.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&reader, data, length)) {
        png_image_free(&reader);
        return std::nullopt;
    }
    if (reader.width != static_cast<png_uint_32>(image.width) ||
        reader.height != static_cast<png_uint_32>(image.height)) {
        png_image_free(&reader);
        return std::nullopt;
    }
    const bool alpha = (reader.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    reader.format = alpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    image.bitsPerPixel = alpha ? 32 : 24;
    image.pixels.resize(PNG_IMAGE_SIZE(reader));
    const bool read = png_image_finish_read(&reader, nullptr, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&reader);
    if (!read) {
        return std::nullopt;
    }
    return image;
}
