#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/app_state.h"
#include "core/startup.h"
#include "tk_test_support.h"
#include "toolkit/tk_fonts.h"

namespace {

constexpr int NewFont = -1;
constexpr int RulerLabelFont = 7;

// Whether the system lists a font family of exactly that name, asked without the toolkit.
bool Installed(const char* face)
{
    struct Search {
        const char* face;
        bool found;
    } search{face, false};
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
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

void ExpectHeightAndWeight(const char* face, int points, int style)
{
    SCOPED_TRACE(testing::Message() << face << " " << points << " style " << style);
    const intptr_t font = TkLoadFont(NewFont, face, points, style);
    ASSERT_NE(font, 0);
    LOGFONTA description{};
    GetObjectA(TkFontHandle(static_cast<int>(font)), sizeof(description), &description);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(description.lfHeight, -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(description.lfWeight, style & TkFontBold ? FW_BOLD : FW_NORMAL);
}

} // namespace

using Fonts = ToolkitTest;

TEST_F(Fonts, FaceLoadsExactlyWhenTheSystemHasIt)
{
    for (const char* face : {"Arial", "Tahoma", "Liberation Sans", "No Such Face Tessaro"}) {
        SCOPED_TRACE(face);
        const bool installed = Installed(face);
        EXPECT_EQ(TkLoadFont(NewFont, face, 10, 0) != 0, installed)
            << (installed ? "an installed face failed" : "a substitute was taken for a missing face");
    }
    EXPECT_EQ(TkLoadFont(RulerLabelFont, "No Such Face Tessaro", 9, TkFontBold), 0);
    EXPECT_EQ(TkFontHandle(RulerLabelFont), nullptr);
}

TEST_F(Fonts, NewNumbersAreNonzeroAndDistinctAndAGivenNumberReturnsTheHandle)
{
    const char* face = Installed("Arial") ? "Arial" : "Liberation Sans";
    if (!Installed(face))
        GTEST_SKIP() << "neither Arial nor Liberation Sans is installed";
    ExpectHeightAndWeight(face, 9, TkFontBold);
    const intptr_t first = TkLoadFont(NewFont, face, 7, 0);
    EXPECT_NE(first, 0);
    EXPECT_NE(TkLoadFont(NewFont, face, 7, 0), first);
    const intptr_t given = TkLoadFont(RulerLabelFont, face, 9, TkFontBold);
    EXPECT_EQ(reinterpret_cast<HFONT>(given), TkFontHandle(RulerLabelFont));
    EXPECT_NE(TkLoadFont(NewFont, face, 7, 0), RulerLabelFont) << "a number in use is not handed out again";
}

TEST_F(Fonts, ArialLoadsWithTheProgramsSizesAndBoldWeight)
{
    if (!Installed("Arial"))
        GTEST_SKIP() << "no font family named Arial here (this Wine offers Liberation Sans under its own name)";
    for (int points : {7, 9, 10}) {
        ExpectHeightAndWeight("Arial", points, 0);
        ExpectHeightAndWeight("Arial", points, TkFontBold);
    }
}

// The ruler's labels and scale numbers get a proportional font of their pixel size at 96 dpi on every system and at
// every display scale (the test runs in prefixes of 96 to 192 dpi), so that they fit the ruler's pixel-sized strips
// and boxes: where neither Tahoma nor Arial exists (the test run in a Wine prefix without the Arial stand-in), the
// message font's face.
TEST_F(Fonts, ProgramFontsAreNeverMissingAndHaveTheAskedPixelSize)
{
    if (std::getenv("TESSARO_PLAIN_FONTS")) {
        ASSERT_FALSE(Installed("Arial") || Installed("Tahoma")) << "this run is meant for a system without both";
    }
    LoadProgramFonts();
    const AppState& app = App();
    const struct {
        const char* what;
        intptr_t font;
        int points, style;
    } cases[] = {{"scale numbers", app.ScaleNumberFont, 7, 0}, {"ruler labels", app.RulerLabelFont, 9, TkFontBold}};
    HDC screen = GetDC(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.font, 0);
        const HGDIOBJ previous = SelectObject(screen, TkFontHandle(static_cast<int>(c.font)));
        TEXTMETRICA metrics{};
        GetTextMetricsA(screen, &metrics);
        SelectObject(screen, previous);
        // The realised glyph height may round a pixel either way of the asked size; a bitmap stand-in is far off.
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, MulDiv(c.points, 96, 72), 1);
        EXPECT_EQ(metrics.tmWeight, c.style & TkFontBold ? FW_BOLD : FW_NORMAL);
        // The bit is set for a proportional font.
        EXPECT_TRUE(metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) << "a fixed-pitch font";
    }
    ReleaseDC(nullptr, screen);
}
