#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tk_test_support.h"
#include "toolkit/tk_fonts.h"

namespace {

constexpr int NewFont = -1;
constexpr int RulerLabelFont = 7;

LOGFONTA Describe(HFONT font)
{
    LOGFONTA description{};
    GetObjectA(font, sizeof(description), &description);
    return description;
}

int PixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    const int pixels = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Whether the system lists a font family of exactly that name, asked independently of the toolkit.
bool Installed(const char* face)
{
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    struct Search {
        const char* face;
        bool found;
    } search{face, false};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(
        screen, &wanted,
        [](const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) -> int {
            auto* s = reinterpret_cast<Search*>(data);
            s->found = s->found || lstrcmpiA(font->lfFaceName, s->face) == 0;
            return 1;
        },
        reinterpret_cast<LPARAM>(&search), 0);
    ReleaseDC(nullptr, screen);
    return search.found;
}

// The program's faces first, then faces a Linux system brings along.
const char* const CandidateFaces[] = {"Arial", "Tahoma", "Liberation Sans", "DejaVu Sans"};

const char* AnyInstalledFace()
{
    for (const char* face : CandidateFaces) {
        if (Installed(face))
            return face;
    }
    return nullptr;
}

void ExpectSizeAndWeight(HFONT font, int points, int style)
{
    ASSERT_NE(font, nullptr);
    const LOGFONTA description = Describe(font);
    EXPECT_EQ(description.lfHeight, -MulDiv(points, PixelsPerInch(), 72));
    EXPECT_EQ(description.lfWeight, style & TkFontBold ? FW_BOLD : FW_NORMAL);
}

} // namespace

using Fonts = ToolkitTest;

TEST_F(Fonts, FaceLoadsExactlyWhenTheSystemHasIt)
{
    const char* faces[] = {"Arial", "Tahoma", "Liberation Sans", "DejaVu Sans", "No Such Face Tessaro"};
    for (const char* face : faces) {
        SCOPED_TRACE(face);
        const bool installed = Installed(face);
        EXPECT_EQ(TkLoadFont(NewFont, face, 10, 0) != 0, installed)
            << (installed ? "an installed face failed" : "a substitute was taken for a missing face");
    }
    EXPECT_EQ(TkLoadFont(RulerLabelFont, "No Such Face Tessaro", 9, TkFontBold), 0);
    EXPECT_EQ(TkFontHandle(RulerLabelFont), nullptr);
    EXPECT_EQ(TkLoadFont(NewFont, "", 10, 0), 0);
}

TEST_F(Fonts, ArialLoadsWithTheProgramsSizesAndBoldWeight)
{
    if (!Installed("Arial"))
        GTEST_SKIP() << "no font named Arial on this system (Wine substitutes Liberation Sans under another name)";
    struct Case {
        int points, style;
    } cases[] = {{7, 0}, {9, TkFontBold}, {10, 0}, {10, TkFontBold}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        const intptr_t font = TkLoadFont(NewFont, "Arial", c.points, c.style);
        ASSERT_NE(font, 0);
        ExpectSizeAndWeight(TkFontHandle(static_cast<int>(font)), c.points, c.style);
    }
}

TEST_F(Fonts, NewNumbersAreDistinctAndGiveTheAskedSizeAndWeight)
{
    const char* face = AnyInstalledFace();
    if (!face)
        GTEST_SKIP() << "none of the candidate faces is installed";
    SCOPED_TRACE(face);
    struct Case {
        int points, style;
    } cases[] = {{7, 0}, {9, TkFontBold}, {10, 0}, {10, TkFontBold}};
    intptr_t previous = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.points);
        const intptr_t font = TkLoadFont(NewFont, face, c.points, c.style);
        ASSERT_NE(font, 0);
        EXPECT_NE(font, previous) << "every new font has a number of its own";
        previous = font;
        ExpectSizeAndWeight(TkFontHandle(static_cast<int>(font)), c.points, c.style);
    }
}

TEST_F(Fonts, GivenNumberReturnsTheHandleAndReplacesTheOldFont)
{
    const char* face = AnyInstalledFace();
    if (!face)
        GTEST_SKIP() << "none of the candidate faces is installed";
    const intptr_t first = TkLoadFont(RulerLabelFont, face, 9, TkFontBold);
    ASSERT_NE(first, 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(first), TkFontHandle(RulerLabelFont));
    const intptr_t second = TkLoadFont(RulerLabelFont, face, 7, 0);
    ASSERT_NE(second, 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(second), TkFontHandle(RulerLabelFont));
    ExpectSizeAndWeight(TkFontHandle(RulerLabelFont), 7, 0);
    const intptr_t handedOut = TkLoadFont(NewFont, face, 7, 0);
    EXPECT_NE(handedOut, 0);
    EXPECT_NE(handedOut, RulerLabelFont) << "a number in use is not handed out again";
}
