#include <cstring>

#include "toolkit/tk_decode.h"

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t UncompressedRgb = 0;
constexpr uint32_t BitFields = 3;

// With BI_BITFIELDS the red, green and blue masks sit at file offset 54: right after a 40-byte header, or as the
// header's own fields from version 2 on. Only the layout of an uncompressed file is taken.
bool HasPlainMasks(const uint8_t* data, size_t length)
{
    constexpr size_t at = FileHeaderSize + InfoHeaderSize;
    return length >= at + 12 && TkReadLittle32(data + at) == 0x00FF0000 &&
           TkReadLittle32(data + at + 4) == 0x0000FF00 && TkReadLittle32(data + at + 8) == 0x000000FF;
}

} // namespace

bool TkIsBmpData(const uint8_t* data, size_t length)
{
    return data != nullptr && length >= 2 && data[0] == 'B' && data[1] == 'M';
}

std::optional<TkDecodedImage> TkDecodeBmp(const uint8_t* data, size_t length)
{
    if (!TkIsBmpData(data, length) || length < FileHeaderSize + InfoHeaderSize) {
        return std::nullopt;
    }
    const uint8_t* info = data + FileHeaderSize;
    const uint32_t headerSize = TkReadLittle32(info);
    const uint32_t pixelOffset = TkReadLittle32(data + 10);
    const auto width = static_cast<int32_t>(TkReadLittle32(info + 4));
    const auto storedHeight = static_cast<int32_t>(TkReadLittle32(info + 8));
    const int bitsPerPixel = static_cast<int>(TkReadLittle16(info + 14));
    const uint32_t compression = TkReadLittle32(info + 16);
    if (headerSize < InfoHeaderSize || headerSize > length - FileHeaderSize) {
        return std::nullopt;
    }
    if (width <= 0 || width > TkMaxImageSide || storedHeight == 0 || storedHeight > TkMaxImageSide ||
        storedHeight < -TkMaxImageSide || (bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return std::nullopt;
    }
    uint64_t tablesEnd = FileHeaderSize + headerSize;
    if (compression == BitFields) {
        if (bitsPerPixel != 32 || !HasPlainMasks(data, length)) {
            return std::nullopt;
        }
        if (headerSize == InfoHeaderSize) {
            tablesEnd += 12;
        }
    } else if (compression != UncompressedRgb) {
        return std::nullopt;
    }
    // A version 3 or later header says whether the fourth byte is alpha at all.
    bool alphaDeclared = true;
    if (headerSize >= InfoHeaderSize + 16 && compression == BitFields) {
        const uint32_t alphaMask = TkReadLittle32(info + InfoHeaderSize + 12);
        if (alphaMask != 0 && alphaMask != 0xFF000000) {
            return std::nullopt;
        }
        alphaDeclared = alphaMask != 0;
    }

    const bool bottomUp = storedHeight > 0;
    const int height = bottomUp ? storedHeight : -storedHeight;
    const uint64_t stride = TkRowStride(width, bitsPerPixel);
    if (pixelOffset < tablesEnd || pixelOffset > length ||
        stride * static_cast<uint64_t>(height) > length - pixelOffset) {
        return std::nullopt;
    }

    TkDecodedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bitsPerPixel;
    image.sourceDepth = bitsPerPixel;
    const size_t rowBytes = static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel / 8);
    image.pixels.resize(rowBytes * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const int stored = bottomUp ? height - 1 - y : y;
        std::memcpy(image.pixels.data() + rowBytes * static_cast<size_t>(y),
                    data + pixelOffset + stride * static_cast<uint64_t>(stored), rowBytes);
    }
    if (bitsPerPixel == 32) {
        // The fourth byte of an old-style 32-bit file is unused and written as 0; taken as alpha, the picture would
        // vanish.
        bool anyAlpha = false;
        for (size_t i = 3; i < image.pixels.size() && alphaDeclared; i += 4) {
            anyAlpha = anyAlpha || image.pixels[i] != 0;
        }
        if (!anyAlpha) {
            for (size_t i = 3; i < image.pixels.size(); i += 4) {
                image.pixels[i] = 255;
            }
        }
    }
    return image;
}
