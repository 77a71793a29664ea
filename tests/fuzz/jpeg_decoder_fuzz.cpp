// Arbitrary bytes into the JPEG decoder: libjpeg's errors and warnings must come back as a failure (never an exit
// or a read past the data), and whatever it accepts must be a well-formed 24-bit picture, the same each time.
#include <cstddef>
#include <cstdint>

#include "decoder_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<TkDecodedImage> image = TkDecodeJpeg(data, size);
    if (!image) {
        return 0;
    }
    RequireWellFormed(*image);
    Require(image->bitsPerPixel == 24, "JPEG decoded to other than 24 bits");
    const std::optional<TkDecodedImage> again = TkDecodeJpeg(data, size);
    Require(again && again->pixels == image->pixels, "a second decoding differs");
    return 0;
}
