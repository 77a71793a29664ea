// Toolkit images and drawing over Win32. Images are named by numbers the program chooses, or hands -1 for the
// toolkit to choose one; an operation on a number that names no image does nothing and returns 0.
// Bitmaps are 24- or 32-bit DIB sections whose pixels the drawing operations write directly (see tk_pixels.h for
// the modes and their colour rules); icons are native icons, which controls show but nothing draws on.
// The fonts that TkDrawingFont takes come from tk_fonts.h.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "toolkit/tk_colour.h"
#include "toolkit/tk_pixels.h"

// --- Images ----------------------------------------------------------------------------------------------------------

// Decodes a BMP file, an icon file or, once their decoders are in use, PNG or JPEG data, whichever the first bytes
// announce. The length is not part of the historical call, which trusted the data's own headers; with it no
// decoder reads past the data handed in. Returns the image number for -1, else the native handle; 0 on failure,
// after which the number names no image.
intptr_t TkCatchImage(int image, const void* data, size_t length);
// A bitmap filled with black, opaque black at 32 bits. Returns as TkCatchImage.
intptr_t TkCreateImage(int image, int width, int height, int bitsPerPixel = 24);
// Until these are called, PNG and JPEG data are not recognised.
void TkUsePngDecoder();
void TkUseJpegDecoder();

int TkImageWidth(int image);
int TkImageHeight(int image);
// The HBITMAP or HICON, for controls and TkDrawImage. Resizing replaces it.
HANDLE TkImageHandle(int image);

// A copy of the pixels (an icon is copied as an icon) under target, -1 for a new number. Returns as TkCatchImage.
intptr_t TkCopyImage(int source, int target);
// Scales a bitmap into a new bitmap of the same depth; TkKeep (tk_windows.h) keeps a dimension. The old handle is
// freed and the number names the new one. TkResizeAveraged averages the source area under each pixel, reducing or
// enlarging (a drawing stays sharp, TkPixelsAverage); every other mode scales without smoothing (each target pixel
// takes one source pixel, so enlargements become solid blocks). Nonzero on success; the same size counts as success
// and changes nothing. An icon is resized only by TkResizeAveraged (its alpha averaged with its colours, TkKeep not
// taken), into a new icon.
constexpr int TkResizeAveraged = 2;
int TkResizeImage(int image, int width, int height, int mode);

// --- Drawing ---------------------------------------------------------------------------------------------------------

// The drawing target of a bitmap for TkStartDrawing; 0 for an icon. It is the bitmap's handle, so it too has to be
// fetched again after a resize.
intptr_t TkImageOutput(int image);
// Begins the one drawing pass on the target and returns the memory device context that holds the bitmap (for
// BitBlt into the image); 0 if the target is 0 or names no bitmap. Resets the mode to 0 and the font to the default
// GUI font; the text background is opaque black.
intptr_t TkStartDrawing(intptr_t target);
// Ends the pass; the pixels are final. Controls showing the image are not redrawn.
void TkStopDrawing();
// Bits of TkModeTransparentText, TkModeOutline, TkModeAlphaChannel, TkModeAlphaBlend.
void TkDrawingMode(int mode);
void TkBox(int x, int y, int width, int height, int32_t colour);
// From (x, y) to (x + width - 1, y + height - 1); negative sizes run the other way, 0 draws nothing.
void TkLine(int x, int y, int width, int height, int32_t colour);
// nullptr selects the default GUI font again.
void TkDrawingFont(HFONT font);
// The top-left corner of the first character cell at (x, y); the text is code page 1252.
void TkDrawText(int x, int y, std::string_view text, int32_t colour);
// As TkDrawText, turned counter-clockwise about (x, y) by angle degrees (reduced modulo 360); -90 reads from top to
// bottom with the tops of the glyphs to the right, the text lying below and to the left of (x, y).
void TkDrawRotatedText(int x, int y, std::string_view text, int angle, int32_t colour);
// As TkDrawRotatedText (angle 0 for upright text) for a text of the digits 0 to 9, with the same pixels, but composed
// from glyphs that are rendered once per font and angle and kept until the font is deleted. Where composition could
// differ from the whole text - a font whose digits differ in width, kern or touch one another, an angle off the axes,
// a text with another character, or text drawn with its background cell - the whole text is drawn instead. True
// when the glyphs drew the text.
bool TkDrawDigits(int x, int y, std::string_view digits, int angle, int32_t colour);
// Draws a bitmap (through the mode, its pixels opaque unless it has 32 bits) or an icon with its top-left corner at
// (x, y).
void TkDrawImage(HANDLE image, int x, int y);
