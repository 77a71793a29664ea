#include "toolkit/tk_decode.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Bgra = std::array<int, 4>; // the fourth value is -1 for 24-bit pictures
using Decoder = std::optional<TkDecodedImage> (*)(const uint8_t*, size_t);

Bgra PixelOf(const TkDecodedImage& image, int x, int y)
{
    const int size = image.bitsPerPixel / 8;
    const uint8_t* p = image.pixels.data() + (static_cast<size_t>(y) * image.width + x) * size;
    return {p[0], p[1], p[2], size == 4 ? p[3] : -1};
}

void Put(Bytes& out, uint32_t value, int count, bool bigEndian = false)
{
    for (int i = 0; i < count; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * (bigEndian ? count - 1 - i : i))));
    }
}

struct BmpLayout {
    int width = 3;
    int height = 2; // negative: rows stored top-down
    int bpp = 24;
    uint32_t headerSize = 40;
    uint32_t compression = 0;
    std::array<uint32_t, 4> masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    int alpha = -1; // -1: each pixel's own alpha of the pattern
};

Bgra Pattern(int x, int y)
{
    return {10 + x, 20 + y, 30 + x + y, 40 + 10 * x + y};
}

Bytes MakeBmp(const BmpLayout& layout)
{
    const int rows = std::abs(layout.height), stride = (layout.width * layout.bpp + 31) / 32 * 4;
    const bool trailingMasks = layout.compression == 3 && layout.headerSize == 40;
    const uint32_t offset = 14 + layout.headerSize + (trailingMasks ? 12 : 0);
    Bytes out = {'B', 'M'};
    Put(out, offset + static_cast<uint32_t>(stride * rows), 4);
    Put(out, 0, 4);
    Put(out, offset, 4);
    for (uint32_t field :
         {layout.headerSize, static_cast<uint32_t>(layout.width), static_cast<uint32_t>(layout.height)}) {
        Put(out, field, 4);
    }
    Put(out, 1, 2);
    Put(out, static_cast<uint32_t>(layout.bpp), 2);
    Put(out, layout.compression, 4);
    out.resize(14 + 40, 0);
    for (size_t i = 0; i < (layout.headerSize >= 56 ? 4u : trailingMasks ? 3u : 0u); ++i) {
        Put(out, layout.masks[i], 4);
    }
    out.resize(offset, 0);
    for (int stored = 0; stored < rows; ++stored) {
        const size_t rowStart = out.size();
        for (int x = 0; x < layout.width; ++x) {
            Bgra p = Pattern(x, layout.height > 0 ? rows - 1 - stored : stored);
            p[3] = layout.alpha >= 0 ? layout.alpha : p[3];
            for (int i = 0; i < layout.bpp / 8; ++i) {
                out.push_back(static_cast<uint8_t>(p[static_cast<size_t>(i)]));
            }
        }
        out.resize(rowStart + static_cast<size_t>(std::max(stride, 0)), 0);
    }
    return out;
}

void PutChunk(Bytes& out, const char* type, const Bytes& body)
{
    Put(out, static_cast<uint32_t>(body.size()), 4, true);
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    Put(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))), 4, true);
}

// A grey PNG, every pixel 0x80. Sizes the decoder must refuse from the header alone get no pixels.
Bytes MakeGreyPng(uint32_t width, uint32_t height, int bitDepth = 8)
{
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, header, raw;
    Put(header, width, 4, true);
    Put(header, height, 4, true);
    header.insert(header.end(), {static_cast<uint8_t>(bitDepth), 0, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    const size_t rowBytes = (static_cast<size_t>(width) * bitDepth + 7) / 8;
    for (uint32_t y = 0; y < height && rowBytes * height <= (size_t{1} << 24); ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rowBytes, 0x80);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
    packed.resize(packedSize);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

std::optional<TkDecodedImage> FindIcon(const uint8_t* data, size_t length)
{
    return TkFindIconImage(data, length) ? std::optional<TkDecodedImage>(TkDecodedImage{}) : std::nullopt;
}

TEST(TkDecodeBmp, RowsComeOutTopDownAndFilesWithoutAlphaComeOutOpaque)
{
    struct Case {
        const char* what;
        BmpLayout layout;
        int expectedAlpha; // -1: the pattern's own
    };
    const Case cases[] = {
        {"24-bit bottom-up, padded rows", {3, 2, 24}, -1},
        {"24-bit top-down", {3, -2, 24}, -1},
        {"32-bit bottom-up", {3, 2, 32}, -1},
        {"32-bit bitfields after a 40-byte header", {3, 2, 32, 40, 3}, -1},
        {"32-bit bitfields in a version 5 header", {2, -3, 32, 124, 3}, -1},
        {"32-bit, alpha bytes all 0", {2, 2, 32, 40, 0, {}, 0}, 255},
        {"version 5 header without an alpha mask", {2, 2, 32, 124, 3, {0xFF0000, 0xFF00, 0xFF, 0}, 7}, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes file = MakeBmp(c.layout);
        const std::optional<TkDecodedImage> image = TkDecodeBmp(file.data(), file.size());
        ASSERT_TRUE(image);
        ASSERT_EQ(image->width, c.layout.width);
        ASSERT_EQ(image->height, std::abs(c.layout.height));
        ASSERT_EQ(image->bitsPerPixel, c.layout.bpp);
        for (int y = 0; y < image->height; ++y) {
            for (int x = 0; x < image->width; ++x) {
                Bgra expected = Pattern(x, y);
                expected[3] = c.layout.bpp == 24 ? -1 : c.expectedAlpha >= 0 ? c.expectedAlpha : expected[3];
                EXPECT_EQ(PixelOf(*image, x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(TkDecodeBmp, FilesItCannotShowFaithfullyOrThatPointOutsideAreRefused)
{
    struct Case {
        const char* what;
        BmpLayout layout;
        size_t patchAt = 0;
        uint32_t patch = 0;
    };
    const Case cases[] = {
        {"zero width", {0, 2}},
        {"zero height", {3, 0}},
        {"width over 32767", {32768, 1}},
        {"top-down height over 32767", {1, -32768}},
        {"16 bits", {2, 2, 16}},
        {"8 bits, which needs a palette", {4, 2, 8}},
        {"run-length compressed", {2, 2, 24, 40, 1}},
        {"bitfields on 24 bits", {2, 2, 24, 40, 3}},
        {"bitfields in another channel order", {2, 2, 32, 40, 3, {0xFF, 0xFF00, 0xFF0000, 0}}},
        {"alpha mask other than the fourth byte", {2, 2, 32, 124, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF}}},
        {"core header", {2, 2, 24, 12}},
        {"pixel offset past the end", {}, 10, 70},
        {"pixel offset inside the header", {}, 10, 20},
        {"pixel offset that wraps", {}, 10, 0xFFFFFFF0u},
        {"header size that wraps", {}, 14, 0xFFFFFFFFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = MakeBmp(c.layout);
        for (size_t i = 0; i < 4 && c.patchAt != 0; ++i) {
            file[c.patchAt + i] = static_cast<uint8_t>(c.patch >> (8 * i));
        }
        EXPECT_FALSE(TkDecodeBmp(file.data(), file.size()));
    }
}

TEST(TkDecoders, FilesOfOtherWritersDecodeToTheirPixels)
{
    struct Probe {
        int x, y;
        Bgra expected;
    };
    struct Case {
        const char* file;
        Decoder decode;
        int width, height, bpp, sourceDepth, tolerance;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"odd-5x3.bmp",
         TkDecodeBmp,
         5,
         3,
         24,
         24,
         0,
         {{0, 0, {0, 0, 255, -1}}, {4, 0, {0, 255, 0, -1}}, {0, 2, {255, 0, 0, -1}}, {4, 2, {3, 2, 1, -1}}}},
        {"alpha-3x2.bmp", TkDecodeBmp, 3, 2, 32, 32, 0, {{0, 0, {0, 0, 255, 255}}, {1, 0, {0, 255, 0, 127}}}},
        {"rgb-3x2.png",
         TkDecodePng,
         3,
         2,
         24,
         24,
         0,
         {{0, 0, {0, 0, 255, -1}}, {2, 0, {255, 0, 0, -1}}, {0, 1, {255, 255, 255, -1}}, {2, 1, {30, 20, 10, -1}}}},
        {"tiny-rgba.png", TkDecodePng, 4, 2, 32, 32, 0, {{3, 0, {255, 255, 255, 127}}, {2, 1, {30, 20, 10, 255}}}},
        // A palette with a transparency chunk has no alpha channel, yet must keep its transparent entry.
        {"palette-alpha-2x1.png", TkDecodePng, 2, 1, 32, 8, 0, {{0, 0, {0, 0, 255, 255}}, {1, 0, {0, 0, 0, 0}}}},
        {"rgb16-2x2.png", TkDecodePng, 2, 2, 24, 48, 0, {{0, 0, {0, 0, 0, -1}}, {1, 0, {255, 255, 255, -1}}}},
        {"tiny-rgb.jpg", TkDecodeJpeg, 16, 16, 24, 24, 3, {{0, 0, {50, 100, 200, -1}}, {15, 15, {50, 100, 200, -1}}}},
        {"progressive-16x16.jpg", TkDecodeJpeg, 16, 16, 24, 24, 3, {{9, 9, {50, 100, 200, -1}}}},
        {"grey-8x8.jpg", TkDecodeJpeg, 8, 8, 24, 8, 2, {{7, 7, {128, 128, 128, -1}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes file = TestDataFile(c.file);
        const std::optional<TkDecodedImage> image = c.decode(file.data(), file.size());
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        EXPECT_EQ(image->bitsPerPixel, c.bpp);
        EXPECT_EQ(image->sourceDepth, c.sourceDepth);
        for (const Probe& probe : c.probes) {
            const Bgra seen = PixelOf(*image, probe.x, probe.y);
            for (size_t i = 0; i < 4; ++i) {
                EXPECT_LE(std::abs(seen[i] - probe.expected[i]), c.tolerance)
                    << "byte " << i << " of " << probe.x << "," << probe.y << " is " << seen[i];
            }
        }
    }
    const Bytes plain = TestDataFile("plain-9x9.png"), interlaced = TestDataFile("interlaced-9x9.png");
    EXPECT_EQ(TkDecodePng(interlaced.data(), interlaced.size()).value().pixels,
              TkDecodePng(plain.data(), plain.size()).value().pixels);
    const Bytes cmyk = TestDataFile("cmyk-8x8.jpg");
    EXPECT_FALSE(TkDecodeJpeg(cmyk.data(), cmyk.size())) << "CMYK must fail, not end the process";
}

TEST(TkDecodePng, SidesOver32767AndPixelsOverTheBudgetAreRefused)
{
    struct Case {
        uint32_t width, height;
        int bitDepth;
        bool decodes;
    };
    const Case cases[] = {
        {32767, 1, 8, true},
        {1, 32767, 8, true},
        {32768, 1, 8, false},
        {1, 32768, 8, false},
        {0, 1, 8, false},
        {0x80000000u, 1, 8, false},
        // 8193 squared is just over the budget: a valid 30 KB file that would decode into 200 MB.
        {8193, 8193, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        const Bytes file = MakeGreyPng(c.width, c.height, c.bitDepth);
        EXPECT_EQ(TkDecodePng(file.data(), file.size()).has_value(), c.decodes);
    }
}

TEST(TkFindIconImage, DirectoriesAndImagesThatLieAreRefused)
{
    const Bytes good = TestDataFile("icon-16.ico");
    const std::optional<TkIconImage> found = TkFindIconImage(good.data(), good.size());
    ASSERT_TRUE(found);
    EXPECT_EQ(found->offset, 22u);
    EXPECT_EQ(found->size, 1128u);
    EXPECT_EQ(found->width, 16);
    EXPECT_EQ(found->height, 16);
    EXPECT_EQ(found->bitsPerPixel, 32);

    struct Case {
        const char* what;
        size_t at;
        uint32_t value;
        int bytes;
    };
    const Case cases[] = {
        {"no images", 4, 0, 2},
        {"a cursor", 2, 2, 2},
        {"more entries than the file holds", 4, 200, 2},
        {"image inside the directory", 18, 6, 4},
        {"image running past the end", 14, 1129, 4},
        {"image size that wraps", 14, 0xFFFFFFFFu, 4},
        {"image offset that wraps", 18, 0xFFFFFFF0u, 4},
        {"header promising a wider picture", 22 + 4, 32, 4},
        {"header promising a taller picture", 22 + 8, 64, 4},
        {"odd double height", 22 + 8, 31, 4},
        {"impossible depth", 22 + 14, 3, 2},
        {"compressed pixels", 22 + 16, 1, 4},
        {"header size past the image", 22, 2000, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = good;
        for (int i = 0; i < c.bytes; ++i) {
            file[c.at + static_cast<size_t>(i)] = static_cast<uint8_t>(c.value >> (8 * i));
        }
        EXPECT_FALSE(TkFindIconImage(file.data(), file.size()));
    }
}

// Every decoder gets every shorter prefix of good data in a heap block of exactly that size, so the address
// sanitizer reports any read past it; none may hand out a picture made up from what was missing.
TEST(TkDecoders, DataCutShortAtAnyLengthFailsCleanly)
{
    struct Case {
        const char* what;
        Bytes data;
        Decoder decode;
    };
    const Case cases[] = {
        {"24-bit bmp", MakeBmp({5, 3, 24}), TkDecodeBmp},
        {"32-bit bmp, version 5", MakeBmp({2, -2, 32, 124, 3}), TkDecodeBmp},
        {"icon", TestDataFile("icon-16.ico"), FindIcon},
        {"png", TestDataFile("rgb-3x2.png"), TkDecodePng},
        {"png with transparency", TestDataFile("palette-alpha-2x1.png"), TkDecodePng},
        {"interlaced png", TestDataFile("interlaced-9x9.png"), TkDecodePng},
        {"jpeg", TestDataFile("tiny-rgb.jpg"), TkDecodeJpeg},
        {"progressive jpeg", TestDataFile("progressive-16x16.jpg"), TkDecodeJpeg},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (size_t length = 0; length <= c.data.size(); ++length) {
            std::unique_ptr<uint8_t[]> block(new uint8_t[length]);
            std::copy_n(c.data.begin(), length, block.get());
            ASSERT_EQ(c.decode(block.get(), length).has_value(), length == c.data.size()) << length << " bytes";
        }
    }
}

// The fuzzers start from these seeds; a seed that no longer decodes leaves its decoder's deeper code unexplored.
TEST(TkDecoders, EverySeedOfTheFuzzCorporaDecodes)
{
    const std::pair<const char*, Decoder> corpora[] = {{"bmp_decoder", TkDecodeBmp},
                                                       {"icon_decoder", FindIcon},
                                                       {"png_decoder", TkDecodePng},
                                                       {"jpeg_decoder", TkDecodeJpeg}};
    for (const auto& [folder, decode] : corpora) {
        for (const auto& seed :
             std::filesystem::directory_iterator(std::filesystem::path(TESSARO_FUZZ_CORPUS_DIR) / folder)) {
            const Bytes data = ReadBytes<Bytes>(seed.path().string());
            EXPECT_TRUE(decode(data.data(), data.size())) << seed.path();
        }
    }
}

} // namespace
