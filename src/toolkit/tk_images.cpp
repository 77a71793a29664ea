#include "toolkit/tk_images.h"

#include <climits>
#include <map>
#include <optional>
#include <vector>

#include "toolkit/tk_decode.h"
#include "toolkit/tk_image_table.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_windows.h"

namespace {

// Handed-out numbers start far above the small numbers the program picks for itself.
constexpr int FirstHandedOutNumber = 0x100000;

struct ImageTable {
    std::map<int, TkImageRecord> records;
    int nextNumber = FirstHandedOutNumber;
    bool pngInUse = false;
    bool jpegInUse = false;
};

ImageTable& Table()
{
    static ImageTable table;
    return table;
}

int HandOutNumber()
{
    ImageTable& table = Table();
    const auto advance = [](int number) { return number == INT_MAX ? FirstHandedOutNumber : number + 1; };
    while (table.records.count(table.nextNumber) != 0) {
        table.nextNumber = advance(table.nextNumber);
    }
    const int number = table.nextNumber;
    table.nextNumber = advance(number);
    return number;
}

void FreeRecord(const TkImageRecord& record)
{
    if (record.icon) {
        DestroyIcon(static_cast<HICON>(record.handle));
        return;
    }
    TkEndDrawingOn(record.handle);
    DeleteObject(record.handle);
}

void Forget(int image)
{
    auto found = Table().records.find(image);
    if (found != Table().records.end()) {
        FreeRecord(found->second);
        Table().records.erase(found);
    }
}

// Stores a new image under the number, replacing what it named; a failure leaves the number naming nothing.
intptr_t Keep(int image, std::optional<TkImageRecord> record)
{
    ImageTable& table = Table();
    if (!record) {
        if (image != -1) {
            Forget(image);
        }
        return 0;
    }
    if (image == -1) {
        image = HandOutNumber();
        table.records[image] = *record;
        return image;
    }
    Forget(image);
    table.records[image] = *record;
    return reinterpret_cast<intptr_t>(record->handle);
}

bool SizeAllowed(int width, int height)
{
    return width > 0 && height > 0 && width <= TkMaxImageSide && height <= TkMaxImageSide;
}

std::optional<TkImageRecord> NewBitmap(int width, int height, int bitsPerPixel, bool bottomUp, TkImageSource source)
{
    if (!SizeAllowed(width, height) || (bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return std::nullopt;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = bottomUp ? height : -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr) {
            DeleteObject(bitmap);
        }
        return std::nullopt;
    }
    TkImageRecord record;
    record.handle = bitmap;
    record.width = width;
    record.height = height;
    record.bitsPerPixel = bitsPerPixel;
    record.sourceDepth = bitsPerPixel;
    record.source = source;
    const int stride = static_cast<int>(TkRowStride(width, bitsPerPixel));
    record.pixels = {static_cast<uint8_t*>(bits), width, height, stride, bitsPerPixel, bottomUp};
    return record;
}

std::optional<TkImageRecord> FromDecoded(std::optional<TkDecodedImage> decoded, TkImageSource source)
{
    if (!decoded) {
        return std::nullopt;
    }
    std::optional<TkImageRecord> record =
        NewBitmap(decoded->width, decoded->height, decoded->bitsPerPixel, false, source);
    if (record) {
        record->sourceDepth = decoded->sourceDepth;
        TkPixelsBlit(record->pixels, 0, 0, TkDecodedPixels(*decoded), TkModeDefault);
    }
    return record;
}

std::optional<TkImageRecord> FromIcon(const uint8_t* data, size_t length)
{
    const std::optional<TkIconImage> found = TkFindIconImage(data, length);
    if (!found) {
        return std::nullopt;
    }
    // The system reader takes a writable pointer; it gets a copy of exactly the checked range.
    std::vector<BYTE> bytes(data + found->offset, data + found->offset + found->size);
    HICON icon = CreateIconFromResourceEx(bytes.data(), static_cast<DWORD>(bytes.size()), TRUE, 0x00030000, 0, 0,
                                          LR_DEFAULTCOLOR);
    if (icon == nullptr) {
        return std::nullopt;
    }
    TkImageRecord record;
    record.handle = icon;
    record.icon = true;
    record.width = found->width;
    record.height = found->height;
    record.bitsPerPixel = found->bitsPerPixel;
    record.sourceDepth = found->bitsPerPixel;
    record.source = TkImageSource::Icon;
    return record;
}

std::optional<TkImageRecord> Decode(const void* data, size_t length)
{
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (TkIsBmpData(bytes, length)) {
        return FromDecoded(TkDecodeBmp(bytes, length), TkImageSource::Bmp);
    }
    if (TkIsIconData(bytes, length)) {
        return FromIcon(bytes, length);
    }
    if (Table().pngInUse && TkIsPngData(bytes, length)) {
        return FromDecoded(TkDecodePng(bytes, length), TkImageSource::Png);
    }
    if (Table().jpegInUse && TkIsJpegData(bytes, length)) {
        return FromDecoded(TkDecodeJpeg(bytes, length), TkImageSource::Jpeg);
    }
    return std::nullopt;
}

} // namespace

TkImageRecord* TkFindImage(int image)
{
    auto found = Table().records.find(image);
    return found == Table().records.end() ? nullptr : &found->second;
}

TkImageRecord* TkFindBitmap(HANDLE handle)
{
    if (handle == nullptr) {
        return nullptr;
    }
    for (auto& [number, record] : Table().records) {
        if (!record.icon && record.handle == handle) {
            return &record;
        }
    }
    return nullptr;
}

void TkReleaseImages()
{
    TkReleaseDrawing();
    for (const auto& [number, record] : Table().records) {
        FreeRecord(record);
    }
    Table().records.clear();
}

intptr_t TkCatchImage(int image, const void* data, size_t length)
{
    return Keep(image, data == nullptr ? std::nullopt : Decode(data, length));
}

intptr_t TkCreateImage(int image, int width, int height, int bitsPerPixel)
{
    std::optional<TkImageRecord> record = NewBitmap(width, height, bitsPerPixel, true, TkImageSource::Created);
    if (record) {
        TkPixelsBox(record->pixels, 0, 0, width, height, TkRGBA(0, 0, 0, 255), TkModeDefault);
    }
    return Keep(image, record);
}

void TkUsePngDecoder()
{
    Table().pngInUse = true;
}

void TkUseJpegDecoder()
{
    Table().jpegInUse = true;
}

int TkImageWidth(int image)
{
    const TkImageRecord* record = TkFindImage(image);
    return record ? record->width : 0;
}

int TkImageHeight(int image)
{
    const TkImageRecord* record = TkFindImage(image);
    return record ? record->height : 0;
}

HANDLE TkImageHandle(int image)
{
    const TkImageRecord* record = TkFindImage(image);
    return record ? record->handle : nullptr;
}

intptr_t TkCopyImage(int source, int target)
{
    const TkImageRecord* original = TkFindImage(source);
    if (original == nullptr) {
        return Keep(target, std::nullopt);
    }
    std::optional<TkImageRecord> copy;
    if (original->icon) {
        if (HICON icon = CopyIcon(static_cast<HICON>(original->handle))) {
            copy = *original;
            copy->handle = icon;
        }
    } else {
        // The source may be the target of an open pass, whose GDI calls must have reached the bits.
        GdiFlush();
        const TkPixels& from = original->pixels;
        copy = NewBitmap(from.width, from.height, from.bitsPerPixel, from.bottomUp, original->source);
        if (copy) {
            copy->sourceDepth = original->sourceDepth;
            TkPixelsBlit(copy->pixels, 0, 0, from, TkModeDefault);
        }
    }
    return Keep(target, copy);
}

namespace {

// An icon averaged to another size through 32-bit copies of its colours and alpha; its mask is made anew from the
// alpha (transparent where nothing of the drawing is left). nullptr when the system gives no 32-bit colours.
HICON AverageIcon(const TkImageRecord& record, int width, int height)
{
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(record.handle), &info))
        return nullptr;
    std::optional<TkImageRecord> from = NewBitmap(record.width, record.height, 32, false, TkImageSource::Icon);
    std::optional<TkImageRecord> to = NewBitmap(width, height, 32, false, TkImageSource::Icon);
    BITMAPINFO read{};
    read.bmiHeader = {sizeof(BITMAPINFOHEADER), record.width, -record.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    const bool copied = from && to && info.hbmColor &&
                        GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(record.height), from->pixels.bits, &read,
                                  DIB_RGB_COLORS) == record.height;
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    HICON icon = nullptr;
    if (copied) {
        TkPixelsAverage(to->pixels, from->pixels);
        // Rows of a monochrome bitmap are whole 16-bit words.
        const int maskStride = (width + 15) / 16 * 2;
        std::vector<uint8_t> maskBits(static_cast<size_t>(maskStride) * static_cast<size_t>(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (TkPixelRow(to->pixels, y)[x * 4 + 3] == 0)
                    maskBits[static_cast<size_t>(y * maskStride + x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        ICONINFO made{TRUE, 0, 0, CreateBitmap(width, height, 1, 1, maskBits.data()), static_cast<HBITMAP>(to->handle)};
        icon = made.hbmMask ? CreateIconIndirect(&made) : nullptr;
        DeleteObject(made.hbmMask);
    }
    for (const std::optional<TkImageRecord>* bitmap : {&from, &to})
        if (*bitmap)
            DeleteObject((*bitmap)->handle);
    return icon;
}

} // namespace

int TkResizeImage(int image, int width, int height, int mode)
{
    TkImageRecord* record = TkFindImage(image);
    if (record == nullptr) {
        return 0;
    }
    if (record->icon) {
        if (mode != TkResizeAveraged || !SizeAllowed(width, height))
            return 0;
        if (width == record->width && height == record->height)
            return 1;
        HICON icon = AverageIcon(*record, width, height);
        if (icon == nullptr)
            return 0;
        DestroyIcon(static_cast<HICON>(record->handle));
        record->handle = icon;
        record->width = width;
        record->height = height;
        return 1;
    }
    width = width == TkKeep ? record->width : width;
    height = height == TkKeep ? record->height : height;
    if (!SizeAllowed(width, height)) {
        return 0;
    }
    if (width == record->width && height == record->height) {
        return 1;
    }
    GdiFlush();
    std::optional<TkImageRecord> scaled =
        NewBitmap(width, height, record->bitsPerPixel, record->pixels.bottomUp, record->source);
    if (!scaled) {
        return 0;
    }
    if (mode == TkResizeAveraged)
        TkPixelsAverage(scaled->pixels, record->pixels);
    else
        TkPixelsResize(scaled->pixels, record->pixels);
    scaled->sourceDepth = record->sourceDepth;
    FreeRecord(*record);
    *record = *scaled;
    return 1;
}

intptr_t TkImageOutput(int image)
{
    const TkImageRecord* record = TkFindImage(image);
    return record && !record->icon ? reinterpret_cast<intptr_t>(record->handle) : 0;
}

int TkImageCount()
{
    return static_cast<int>(Table().records.size());
}
