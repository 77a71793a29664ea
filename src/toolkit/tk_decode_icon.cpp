#include <cstring>

#include "toolkit/tk_decode.h"

namespace {

constexpr size_t DirectoryHeaderSize = 6;
constexpr size_t DirectoryEntrySize = 16;
constexpr uint32_t InfoHeaderSize = 40;

// Icons stored as PNG (Vista and later) are decoded by the system; only their header is read here.
bool MeasurePngImage(const uint8_t* image, size_t size, TkIconImage& found)
{
    if (size < 8 + 8 + 13 || std::memcmp(image + 12, "IHDR", 4) != 0) {
        return false;
    }
    const uint32_t width = TkReadBig32(image + 16), height = TkReadBig32(image + 20);
    if (width == 0 || height == 0 || width > TkMaxImageSide || height > TkMaxImageSide) {
        return false;
    }
    found.width = static_cast<int>(width);
    found.height = static_cast<int>(height);
    found.bitsPerPixel = 32;
    return true;
}

// A device-independent bitmap as icons store it: the header, the colour table, the colour pixels and then the
// 1-bit transparency mask, the header's height counting both pictures.
bool MeasureBitmapImage(const uint8_t* image, size_t size, TkIconImage& found)
{
    if (size < InfoHeaderSize) {
        return false;
    }
    const uint32_t headerSize = TkReadLittle32(image);
    const auto width = static_cast<int32_t>(TkReadLittle32(image + 4));
    const auto doubleHeight = static_cast<int32_t>(TkReadLittle32(image + 8));
    const uint32_t bitsPerPixel = TkReadLittle16(image + 14);
    const uint32_t compression = TkReadLittle32(image + 16);
    const uint32_t coloursUsed = TkReadLittle32(image + 32);
    if (headerSize < InfoHeaderSize || headerSize > size || compression != 0) {
        return false;
    }
    if (width <= 0 || width > TkMaxImageSide || doubleHeight <= 0 || doubleHeight % 2 != 0 ||
        doubleHeight / 2 > TkMaxImageSide) {
        return false;
    }
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24 &&
        bitsPerPixel != 32) {
        return false;
    }
    uint64_t colours = 0;
    if (bitsPerPixel <= 8) {
        const uint64_t most = uint64_t{1} << bitsPerPixel;
        if (coloursUsed > most) {
            return false;
        }
        colours = coloursUsed != 0 ? coloursUsed : most;
    }
    const uint64_t height = static_cast<uint64_t>(doubleHeight) / 2;
    const uint64_t colourStride = TkRowStride(width, bitsPerPixel);
    const uint64_t maskStride = TkRowStride(width, 1);
    if (headerSize + colours * 4 + (colourStride + maskStride) * height > size) {
        return false;
    }
    found.width = width;
    found.height = static_cast<int>(height);
    found.bitsPerPixel = static_cast<int>(bitsPerPixel);
    return true;
}

} // namespace

bool TkIsIconData(const uint8_t* data, size_t length)
{
    return data != nullptr && length >= DirectoryHeaderSize && TkReadLittle16(data) == 0 &&
           TkReadLittle16(data + 2) == 1 && TkReadLittle16(data + 4) != 0;
}

std::optional<TkIconImage> TkFindIconImage(const uint8_t* data, size_t length)
{
    if (!TkIsIconData(data, length)) {
        return std::nullopt;
    }
    const uint64_t directoryEnd = DirectoryHeaderSize + DirectoryEntrySize * TkReadLittle16(data + 4);
    if (directoryEnd > length) {
        return std::nullopt;
    }
    const uint8_t* entry = data + DirectoryHeaderSize;
    TkIconImage found;
    found.size = TkReadLittle32(entry + 8);
    found.offset = TkReadLittle32(entry + 12);
    if (found.offset < directoryEnd || found.size == 0 || found.offset > length || found.size > length - found.offset) {
        return std::nullopt;
    }
    const uint8_t* image = data + found.offset;
    const bool measured = TkHasPngSignature(image, found.size) ? MeasurePngImage(image, found.size, found)
                                                               : MeasureBitmapImage(image, found.size, found);
    if (!measured) {
        return std::nullopt;
    }
    return found;
}
