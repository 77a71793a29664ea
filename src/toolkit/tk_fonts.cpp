#include "toolkit/tk_fonts.h"

#include <algorithm>
#include <map>
#include <string>

#include "toolkit/tk_internal.h"

namespace {

std::map<int, HFONT> gFonts;
// The controls' font of scaled windows, one per resolution in use.
std::map<int, HFONT> gControlFonts;

// The default GUI font's size at 96 dpi.
constexpr int ControlFontPoints = 8;

// The face the system really selects for the font; for a missing face it silently takes another.
std::string SelectedFace(HFONT font)
{
    char face[LF_FACESIZE] = {};
    if (HDC screen = GetDC(nullptr)) {
        const HGDIOBJ previous = SelectObject(screen, font);
        GetTextFaceA(screen, LF_FACESIZE, face);
        SelectObject(screen, previous);
        ReleaseDC(nullptr, screen);
    }
    return face;
}

} // namespace

intptr_t TkLoadFont(int font, std::string_view name, int points, int style)
{
    int pixelsPerInch = TkBaseDpi;
    if (HDC screen = GetDC(nullptr)) {
        pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return TkLoadFontAtDpi(font, name, points, style, pixelsPerInch);
}

intptr_t TkLoadFontAtDpi(int font, std::string_view name, int points, int style, int pixelsPerInch)
{
    const bool newNumber = font == -1;
    if (newNumber) {
        // Numbers start at 1: the result 0 means failure.
        font = gFonts.empty() ? 1 : std::max(1, gFonts.rbegin()->first + 1);
    } else if (const auto old = gFonts.find(font); old != gFonts.end()) {
        DeleteObject(old->second);
        gFonts.erase(old);
        TkForgetDigitGlyphs();
    }

    const std::string face(name);
    if (face.empty() || face.size() >= LF_FACESIZE)
        return 0;
    const bool nearest = (style & TkFontNearestFace) != 0;
    HFONT handle =
        CreateFontA(-MulDiv(points, pixelsPerInch, 72), 0, 0, 0, (style & TkFontBold) ? FW_BOLD : FW_NORMAL, FALSE,
                    FALSE, FALSE, DEFAULT_CHARSET, nearest ? OUT_TT_PRECIS : OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, nearest ? VARIABLE_PITCH | FF_SWISS : DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    if (!handle)
        return 0;
    if (!nearest && lstrcmpiA(SelectedFace(handle).c_str(), face.c_str()) != 0) {
        DeleteObject(handle);
        return 0;
    }
    gFonts[font] = handle;
    return newNumber ? font : reinterpret_cast<intptr_t>(handle);
}

HFONT TkFontHandle(int font)
{
    const auto found = gFonts.find(font);
    return found == gFonts.end() ? nullptr : found->second;
}

HFONT TkControlFont(int dpi)
{
    if (const auto found = gControlFonts.find(dpi); found != gControlFonts.end())
        return found->second;
    // The face and style of the default GUI font, at the size it has at 96 dpi scaled to this resolution.
    LOGFONTA description{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    description.lfHeight = -MulDiv(ControlFontPoints, dpi, 72);
    description.lfWidth = 0;
    HFONT font = CreateFontIndirectA(&description);
    if (!font)
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    gControlFonts[dpi] = font;
    return font;
}

void TkReleaseFonts()
{
    for (const auto& [dpi, handle] : gControlFonts)
        DeleteObject(handle);
    gControlFonts.clear();
    for (const auto& [number, handle] : gFonts)
        DeleteObject(handle);
    gFonts.clear();
    TkForgetDigitGlyphs();
}

int TkFontCount()
{
    return static_cast<int>(gFonts.size());
}
