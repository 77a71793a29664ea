#include "program_windows.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "core/ruler_drag.h"
#include "core/startup.h"
#include "measure/ruler_scales.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"
#include "windows/ruler_window.h"

void BuildProgramWindows(const Settings& settings)
{
    AppState& app = App();
    TkStartup("Tessaro");
    app.screenRight = app.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    app.screenBottom = app.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    LoadProgramFonts();
    LoadEmbeddedImages();
    DrawRulerScales();
    app.settings = settings;
    BuildMainWindow();
    BuildRulerWindow();
    TkSetWindowCallback(RulerWindowCallback, RulerWindow);
    PumpMessages();
}
