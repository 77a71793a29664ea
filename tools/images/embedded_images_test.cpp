// Checks the pictures that make_images.py draws and the program embeds against the formats its image loader and
// Windows expect: the loader decodes PNG through libpng, JPEG through libjpeg (baseline only is what the resource
// loader is built for), icons and the BMP through the system. The program's decoders read the files; what they pass
// over (ancillary chunks, the kind of JPEG frame and its tables, the icon's mask, padding) is read here.

#include <zlib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files.h"
#include "toolkit/tk_decode.h"

namespace {

using Bytes = std::vector<uint8_t>;

// --- PNG ---------------------------------------------------------------------------------------------------------

const char* const kHandPath = TESSARO_RESOURCES_DIR "/images/ruler-hand.png";

TEST(RulerHandPng, HeaderIsNineteenSquareEightBitRgba)
{
    const Bytes png = ReadBytes<Bytes>(kHandPath);
    ASSERT_GE(png.size(), 8u + 25u + 12u) << kHandPath;
    EXPECT_TRUE(TkHasPngSignature(png.data(), png.size()));

    // IHDR must be the first chunk: length 13, then width, height, depth, colour type, compression, filter, interlace.
    EXPECT_EQ(TkReadBig32(&png[8]), 13u);
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(TkReadBig32(&png[16]), 19u) << "width";
    EXPECT_EQ(TkReadBig32(&png[20]), 19u) << "height";
    EXPECT_EQ(png[24], 8) << "bits per channel";
    EXPECT_EQ(png[25], 6) << "colour type (6 = RGBA)";
    EXPECT_EQ(png[26], 0) << "compression";
    EXPECT_EQ(png[27], 0) << "filter method";
    EXPECT_EQ(png[28], 0) << "interlace (Adam7 would be 1)";
}

// libpng refuses a critical chunk with a wrong CRC. Time and text chunks (ImageMagick writes its dates as text)
// would make every regeneration of the picture differ.
TEST(RulerHandPng, EveryChunkHasAValidCrcAndNoneCarriesATimestampOrText)
{
    const Bytes png = ReadBytes<Bytes>(kHandPath);
    ASSERT_GE(png.size(), 8u) << kHandPath;
    std::set<std::string> seen;
    std::string last;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        const uint32_t length = TkReadBig32(&png[at]);
        ASSERT_LE(at + 12 + length, png.size()) << "chunk runs past the end at offset " << at;
        last = std::string(png.begin() + at + 4, png.begin() + at + 8);
        SCOPED_TRACE(last);
        EXPECT_EQ(crc32(0, &png[at + 4], 4 + length), TkReadBig32(&png[at + 8 + length]));
        seen.insert(last);
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size()) << "bytes after the last chunk";
    EXPECT_EQ(last, "IEND");
    EXPECT_EQ(seen.count("IDAT"), 1u);
    for (const char* stamp : {"tIME", "tEXt", "zTXt", "iTXt"})
        EXPECT_EQ(seen.count(stamp), 0u) << stamp;
}

// --- JPEG --------------------------------------------------------------------------------------------------------

// What the program's decoder passes over: the kind of frame and the tables before the first scan.
struct JpegFrame {
    int sofMarker = -1; // 0xC0 for baseline; any other start-of-frame marker counts as well
    int largestQuantiser = 0;
    bool wideQuantTable = false; // 16-bit table entries are not allowed in baseline
    int largestHuffmanId = -1;   // baseline allows table ids 0 and 1
};

uint32_t Be16(const Bytes& b, size_t at)
{
    return uint32_t(b.at(at)) << 8 | uint32_t(b.at(at + 1));
}

bool IsStartOfFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the marker segments up to the first scan; the frame header always comes before it.
JpegFrame ReadJpegFrame(const Bytes& jpeg)
{
    JpegFrame f;
    size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const int marker = jpeg[at + 1];
        const size_t length = Be16(jpeg, at + 2);
        const size_t body = at + 4;
        if (IsStartOfFrame(marker)) {
            f.sofMarker = marker;
        } else if (marker == 0xDB) {
            for (size_t t = body; t < at + 2 + length;) {
                const bool wide = (jpeg.at(t) >> 4) != 0;
                f.wideQuantTable = f.wideQuantTable || wide;
                for (size_t k = 0; k < 64; ++k) {
                    const int q = wide ? int(Be16(jpeg, t + 1 + 2 * k)) : jpeg.at(t + 1 + k);
                    f.largestQuantiser = std::max(f.largestQuantiser, q);
                }
                t += 1 + (wide ? 128 : 64);
            }
        } else if (marker == 0xC4) {
            for (size_t t = body; t < at + 2 + length;) {
                f.largestHuffmanId = std::max(f.largestHuffmanId, jpeg.at(t) & 0x0F);
                size_t symbols = 0;
                for (size_t k = 0; k < 16; ++k)
                    symbols += jpeg.at(t + 1 + k);
                t += 17 + symbols;
            }
        } else if (marker == 0xDA) {
            break;
        }
        at += 2 + length;
    }
    return f;
}

struct JpegCase {
    const char* path;
    int width;
    int height;
};

// The main window's background first; then the guide; then the background as drawn for 125 to 200 % and the guide
// for 200 %, at their 96-dpi boxes scaled by their edges (the guide's stands at 10, 10).
const JpegCase kJpegs[] = {
    {TESSARO_RESOURCES_DIR "/images/main-background.jpg", 272, 452},
    {TESSARO_RESOURCES_DIR "/images/short-guide.jpg", 680, 450},
    {TESSARO_RESOURCES_DIR "/images/main-background-125.jpg", 340, 565},
    {TESSARO_RESOURCES_DIR "/images/main-background-150.jpg", 408, 678},
    {TESSARO_RESOURCES_DIR "/images/main-background-175.jpg", 476, 791},
    {TESSARO_RESOURCES_DIR "/images/main-background-200.jpg", 544, 904},
    {TESSARO_RESOURCES_DIR "/images/short-guide-200.jpg", 1360, 900},
};

TEST(EmbeddedJpeg, IsOneBaselineFrameOfThreeComponentsAtTheLayoutSize)
{
    for (const JpegCase& c : kJpegs) {
        SCOPED_TRACE(c.path);
        const Bytes jpeg = ReadBytes<Bytes>(c.path);
        // The decoder takes data from its start marker on, one frame of 8-bit samples, to its end marker.
        const std::optional<TkDecodedImage> image = TkDecodeJpeg(jpeg.data(), jpeg.size());
        ASSERT_TRUE(image) << "the program's decoder refuses it";
        const int sofMarker = ReadJpegFrame(jpeg).sofMarker;
        EXPECT_EQ(sofMarker, 0xC0) << "SOF marker 0x" << std::hex << sofMarker << " (0xC2 is progressive)";
        EXPECT_EQ(image->sourceDepth, 24) << "a grey-only picture must still be stored as three components";
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        EXPECT_TRUE(jpeg[jpeg.size() - 2] == 0xFF && jpeg.back() == 0xD9) << "bytes after the end marker";
    }
}

// An encoder can write an SOF0 marker yet use tables that only extended-sequential decoders accept.
TEST(EmbeddedJpeg, TablesStayWithinBaselineLimits)
{
    for (const JpegCase& c : kJpegs) {
        SCOPED_TRACE(c.path);
        const JpegFrame f = ReadJpegFrame(ReadBytes<Bytes>(c.path));
        EXPECT_FALSE(f.wideQuantTable);
        EXPECT_GE(f.largestHuffmanId, 0) << "no Huffman table";
        EXPECT_LE(f.largestHuffmanId, 1);
    }
}

// The main window's labels are painted in exactly PanelGrey and LowerPanelGrey on top of this picture; coarse
// quantisation makes the greys around the drawing's lines ring, and the label boxes show up as patches.
TEST(EmbeddedJpeg, MainBackgroundIsQuantisedFinelyEnoughForFlatGreys)
{
    for (const JpegCase& c : kJpegs) {
        if (std::string(c.path).find("main-background") == std::string::npos)
            continue;
        SCOPED_TRACE(c.path);
        const JpegFrame f = ReadJpegFrame(ReadBytes<Bytes>(c.path));
        EXPECT_GE(f.largestQuantiser, 1);
        EXPECT_LE(f.largestQuantiser, 2);
    }
}

// --- icons -------------------------------------------------------------------------------------------------------

constexpr size_t kIconFileSize = 1150;
constexpr size_t kIconImageAt = 22;
constexpr size_t kIconPixelsAt = kIconImageAt + 40;
constexpr size_t kIconMaskAt = kIconPixelsAt + 16 * 16 * 4;

enum class Glyph { Up, Down, Left, Right, Plus, Minus };

struct IconCase {
    const char* path;
    Glyph glyph;
};

const IconCase kIcons[] = {
    {TESSARO_RESOURCES_DIR "/images/arrow-up.ico", Glyph::Up},
    {TESSARO_RESOURCES_DIR "/images/arrow-down.ico", Glyph::Down},
    {TESSARO_RESOURCES_DIR "/images/arrow-left.ico", Glyph::Left},
    {TESSARO_RESOURCES_DIR "/images/arrow-right.ico", Glyph::Right},
    {TESSARO_RESOURCES_DIR "/images/plus.ico", Glyph::Plus},
    {TESSARO_RESOURCES_DIR "/images/minus.ico", Glyph::Minus},
};

// Pixel (x, y) counted from the top; the file stores the rows bottom-up.
size_t IconPixel(int x, int y)
{
    return kIconPixelsAt + size_t((15 - y) * 16 + x) * 4;
}

int IconAlpha(const Bytes& ico, int x, int y)
{
    return ico.at(IconPixel(x, y) + 3);
}

TEST(ButtonIcon, FileIsOneSixteenSquareThirtyTwoBitImageOf1150Bytes)
{
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.path);
        const Bytes ico = ReadBytes<Bytes>(c.path);
        ASSERT_EQ(ico.size(), kIconFileSize);
        // The program's reader checks the type and that the image is uncompressed and holds its pixels and mask.
        const std::optional<TkIconImage> image = TkFindIconImage(ico.data(), ico.size());
        ASSERT_TRUE(image) << "the program's icon reader refuses it";
        EXPECT_EQ(image->size, 1128u) << "image bytes";
        EXPECT_EQ(image->offset, kIconImageAt);
        EXPECT_EQ(image->width, 16);
        EXPECT_EQ(image->height, 16) << "half the header's, which counts the colour and the AND mask";
        EXPECT_EQ(image->bitsPerPixel, 32);
        EXPECT_EQ(TkReadLittle16(&ico[4]), 1u) << "image count";
        EXPECT_EQ(ico[6], 16) << "entry width";
        EXPECT_EQ(ico[7], 16) << "entry height";
        EXPECT_EQ(ico[8], 0) << "palette size";
        EXPECT_EQ(ico[9], 0) << "entry reserved";
        EXPECT_EQ(TkReadLittle16(&ico[10]), 1u) << "planes";
        EXPECT_EQ(TkReadLittle16(&ico[12]), 32u) << "bits per pixel";
        EXPECT_EQ(TkReadLittle32(&ico[22]), 40u) << "BITMAPINFOHEADER size";
        EXPECT_EQ(TkReadLittle16(&ico[34]), 1u) << "planes";
    }
}

// Where the AND mask disagrees with the alpha channel, renderers that use the mask draw black or lose the glyph.
TEST(ButtonIcon, AndMaskIsSetExactlyWhereThePixelIsFullyTransparent)
{
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.path);
        const Bytes ico = ReadBytes<Bytes>(c.path);
        ASSERT_EQ(ico.size(), kIconFileSize);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const size_t row = kIconMaskAt + size_t(15 - y) * 4;
                const bool masked = (ico[row + size_t(x / 8)] >> (7 - x % 8)) & 1;
                EXPECT_EQ(masked, IconAlpha(ico, x, y) == 0) << "pixel " << x << "," << y;
            }
        }
        for (size_t row = 0; row < 16; ++row)
            EXPECT_EQ(TkReadLittle16(&ico[kIconMaskAt + row * 4 + 2]), 0u) << "mask row padding " << row;
    }
}

TEST(ButtonIcon, GlyphIsDarkWithSoftEdgesOnTransparentGround)
{
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.path);
        const Bytes ico = ReadBytes<Bytes>(c.path);
        ASSERT_EQ(ico.size(), kIconFileSize);
        int opaque = 0;
        int partial = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const size_t p = IconPixel(x, y);
                const int alpha = ico[p + 3];
                opaque += alpha == 255;
                partial += alpha > 0 && alpha < 255;
                if (alpha > 0) {
                    EXPECT_LT(ico[p] + ico[p + 1] + ico[p + 2], 3 * 80) << "light pixel " << x << "," << y;
                }
            }
        }
        for (const auto& [x, y] : std::array<std::pair<int, int>, 4>{{{0, 0}, {15, 0}, {0, 15}, {15, 15}}})
            EXPECT_EQ(IconAlpha(ico, x, y), 0) << "corner " << x << "," << y;
        EXPECT_GE(opaque, 12) << "no solid body";
        EXPECT_GE(partial, 4) << "hard-edged glyph";
    }
}

// The button is 20 x 20 and shows the icon at an offset of 2: an off-centre glyph looks crooked on the button.
TEST(ButtonIcon, GlyphIsCentredInItsBox)
{
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.path);
        const Bytes ico = ReadBytes<Bytes>(c.path);
        ASSERT_EQ(ico.size(), kIconFileSize);
        int left = 16, right = -1, top = 16, bottom = -1;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (IconAlpha(ico, x, y) > 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        ASSERT_GE(right, 0) << "empty icon";
        EXPECT_EQ(left + right, 15) << "left " << left << ", right " << right;
        EXPECT_EQ(top + bottom, 15) << "top " << top << ", bottom " << bottom;
    }
}

// Catches a file drawn for another button (or rows stored top-down, which turns up into down): an arrow's head
// weighs more than its shaft, so most of the glyph lies in the half it points to; plus has a bar across the
// middle row's ends that minus lacks above and below.
TEST(ButtonIcon, EachGlyphPointsTheWayItsButtonActs)
{
    for (const IconCase& c : kIcons) {
        SCOPED_TRACE(c.path);
        const Bytes ico = ReadBytes<Bytes>(c.path);
        ASSERT_EQ(ico.size(), kIconFileSize);
        long upper = 0, lower = 0, leftHalf = 0, rightHalf = 0, outsideMiddleRows = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int a = IconAlpha(ico, x, y);
                (y < 8 ? upper : lower) += a;
                (x < 8 ? leftHalf : rightHalf) += a;
                if (y < 5 || y > 10)
                    outsideMiddleRows += a;
            }
        }
        switch (c.glyph) {
        case Glyph::Up: EXPECT_GT(upper, lower); break;
        case Glyph::Down: EXPECT_GT(lower, upper); break;
        case Glyph::Left: EXPECT_GT(leftHalf, rightHalf); break;
        case Glyph::Right: EXPECT_GT(rightHalf, leftHalf); break;
        case Glyph::Plus: EXPECT_GT(outsideMiddleRows, 255 * 8) << "no upright bar"; break;
        case Glyph::Minus: EXPECT_EQ(outsideMiddleRows, 0) << "ink above or below the bar"; break;
        }
    }
}

// --- magnifier picture -------------------------------------------------------------------------------------------

const char* const kMagnifierPath = TESSARO_RESOURCES_DIR "/images/magnifier.bmp";

TEST(MagnifierBmp, HeadersDescribeA63SquareBottomUp24BitPicture)
{
    const Bytes bmp = ReadBytes<Bytes>(kMagnifierPath);
    ASSERT_EQ(bmp.size(), 12150u) << kMagnifierPath;
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(TkReadLittle32(&bmp[2]), 12150u) << "file size field";
    EXPECT_EQ(TkReadLittle32(&bmp[6]), 0u) << "reserved";
    EXPECT_EQ(TkReadLittle32(&bmp[10]), 54u) << "pixel offset";
    EXPECT_EQ(TkReadLittle32(&bmp[14]), 40u) << "BITMAPINFOHEADER size";
    EXPECT_EQ(static_cast<int32_t>(TkReadLittle32(&bmp[18])), 63) << "width";
    EXPECT_EQ(static_cast<int32_t>(TkReadLittle32(&bmp[22])), 63) << "height; negative would mean top-down rows";
    EXPECT_EQ(TkReadLittle16(&bmp[26]), 1u) << "planes";
    EXPECT_EQ(TkReadLittle16(&bmp[28]), 24u) << "bits per pixel";
    EXPECT_EQ(TkReadLittle32(&bmp[30]), 0u) << "compression (BI_RGB)";
    const uint32_t imageSize = TkReadLittle32(&bmp[34]);
    EXPECT_TRUE(imageSize == 0 || imageSize == 63u * 192u) << imageSize;
    EXPECT_EQ(TkReadLittle32(&bmp[46]), 0u) << "palette colours";
}

// The view shows this picture until the first measurement: a coloured or dark picture would read as a measurement.
TEST(MagnifierBmp, PictureIsNeutralMidGreyAndRowPaddingIsZero)
{
    const Bytes bmp = ReadBytes<Bytes>(kMagnifierPath);
    ASSERT_EQ(bmp.size(), 12150u) << kMagnifierPath;
    constexpr size_t stride = 192; // 63 pixels x 3 bytes = 189, padded to a multiple of 4
    for (size_t row = 0; row < 63; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        const size_t at = 54 + row * stride;
        for (size_t x = 0; x < 63; ++x) {
            const uint8_t b = bmp[at + 3 * x], g = bmp[at + 3 * x + 1], r = bmp[at + 3 * x + 2];
            EXPECT_TRUE(r == g && g == b) << "colour at x " << x;
            EXPECT_GE(g, 96);
            EXPECT_LE(g, 160);
        }
        for (size_t pad = 189; pad < stride; ++pad)
            EXPECT_EQ(bmp[at + pad], 0) << "padding byte " << pad;
    }
}

} // namespace
