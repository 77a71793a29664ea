#include "core/startup.h"

#include <windows.h>

#include <shlobj.h>

#include "core/app_state.h"
#include "core/crash_report.h"
#include "core/embedded_images.h"
#include "core/event_loop.h"
#include "core/line_marker.h"
#include "core/program_texts.h"
#include "measure/ruler_scales.h"
#include "toolkit/tk_fonts.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"
#include "windows/settings.h"
#include "windows/window_placement.h"

namespace {

void ComputeFolders()
{
    AppState& app = App();
    app.settingsFolder = SpecialFolderPath(CSIDL_APPDATA) + "Tessaro\\";
    char path[1000] = {};
    GetModuleFileNameA(nullptr, path, sizeof(path));
    app.modulePath = path;
    app.programFolder = TkPathPart(app.modulePath);
    TkCreateDirectory(app.settingsFolder);
}

// Nonzero when another instance runs already; that one keeps the mutex.
bool AnotherInstanceRuns()
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, "Tessaro");
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        App().instanceMutex = mutex;
        return false;
    }
    TkMessageBox(ProgramTitle, AlreadyRunningText, MB_OK);
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return true;
}

bool MeasureScreen()
{
    if (TkExamineMonitors() == 0) {
        TkMessageBox(ErrorTitle, NoDisplayText, MB_OK);
        return false;
    }
    RECT box{};
    HDC screen = GetDC(nullptr);
    GetClipBox(screen, &box);
    ReleaseDC(nullptr, screen);
    AppState& app = App();
    app.screenLeft = box.left;
    app.screenTop = box.top;
    app.screenRight = box.right;
    app.screenBottom = box.bottom;
    app.screenWidth = box.right - box.left;
    app.screenHeight = box.bottom - box.top;
    return true;
}

void LoadCursorsAndFonts()
{
    AppState& app = App();
    app.CopyCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_UPARROW));
    app.ArrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    app.ScaleNumberFont = TkLoadFont(-1, "Tahoma", 7, 0);
    if (app.ScaleNumberFont == 0)
        app.ScaleNumberFont = TkLoadFont(-1, "Arial", 7, 0);
    app.RulerLabelFont = TkLoadFont(-1, "Arial", 9, TkFontBold);
}

} // namespace

std::string SpecialFolderPath(int folderId)
{
    char path[MAX_PATH] = {};
    PIDLIST_ABSOLUTE list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folderId, &list)))
        return {};
    const bool found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    if (!found)
        return {};
    std::string folder = path;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

void StartUp()
{
    // DLLs loaded at run time come from the system folder only, never from the folder the program was started from
    // (a downloads folder, where anyone may have dropped a DLL).
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    TkStartup();
    TkInstallFaultHandler(ShowCrashReport);
    MarkLine();
    ComputeFolders();
    MarkLine();
    if (AnotherInstanceRuns())
        EndProgram();
    MarkLine();
    if (!MeasureScreen())
        EndProgram();
    MarkLine();
    LoadCursorsAndFonts();
    MarkLine();
    LoadEmbeddedImages();
    MarkLine();
    LoadSettings();
    MarkLine();
    DrawRulerScales();
    MarkLine();
    BuildWindows();
    MarkLine();
    RunEventLoop();
}

void EndProgram()
{
    TkShutdown();
    ExitProcess(0);
}
