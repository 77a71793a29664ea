// Arbitrary bytes into the icon-file reader: the range it hands to the system's icon reader must lie inside the
// data, behind the directory, and hold at least what its own header promises.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "decoder_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<TkIconImage> found = TkFindIconImage(data, size);
    if (!found) {
        return 0;
    }
    const size_t directoryEnd = 6 + 16 * static_cast<size_t>(TkReadLittle16(data + 4));
    Require(found->offset >= directoryEnd, "image overlaps the directory");
    Require(found->size > 0 && found->offset <= size && found->size <= size - found->offset, "image outside the data");
    Require(found->width > 0 && found->width <= TkMaxImageSide, "width out of range");
    Require(found->height > 0 && found->height <= TkMaxImageSide, "height out of range");
    const uint8_t* image = data + found->offset;
    const uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (found->size < 8 || std::memcmp(image, pngSignature, 8) != 0) {
        const size_t colourBytes = (static_cast<size_t>(found->width) * found->bitsPerPixel + 31) / 32 * 4;
        Require(TkReadLittle32(image) + colourBytes * static_cast<size_t>(found->height) <= found->size,
                "pixels promised by the header lie outside the image");
    }
    return 0;
}
