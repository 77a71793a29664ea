#include "core/startup.h"

#include <windows.h>

#include <shlobj.h>

#include <initializer_list>

#include "core/app_state.h"
#include "core/crash_report.h"
#include "core/embedded_images.h"
#include "core/event_loop.h"
#include "core/line_marker.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "core/screen_measure.h"
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
    // The running instance's control panel comes forward, restored when it was minimised, and the message stands
    // in front of everything, above the first instance's topmost windows too.
    // The restore is waited for (a hung instance for two seconds at most): done later, it would take the front from
    // the message.
    if (HWND panel = TkFindInstanceWindow(MainWindow, ProgramTitle)) {
        if (IsIconic(panel))
            SendMessageTimeoutA(panel, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        SetForegroundWindow(panel);
    }
    TkMessageBox(ProgramTitle, AlreadyRunningText, MB_OK | MB_SYSTEMMODAL | MB_TOPMOST | MB_SETFOREGROUND);
    if (mutex) {
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    return true;
}

void LoadCursorsAndFonts()
{
    AppState& app = App();
    app.CopyCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_UPARROW));
    app.ArrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    LoadProgramFonts();
}

// The first of the faces that this system has; failing all, the face of the system's message font, or the
// nearest the system offers for it, so that the font is never missing. The ruler's fonts have the pixel size they
// have at 96 dpi on every display: the ruler counts physical pixels, and its numbers and labels have to fit its
// 15-pixel scales and its label boxes at any scale.
intptr_t LoadFirstFace(std::initializer_list<const char*> faces, int points, int style)
{
    for (const char* face : faces)
        if (const intptr_t font = TkLoadFontAtDpi(-1, face, points, style, TkBaseDpi))
            return font;
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    const char* messageFace = "MS Shell Dlg";
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != '\0')
        messageFace = metrics.lfMessageFont.lfFaceName;
    if (const intptr_t font = TkLoadFontAtDpi(-1, messageFace, points, style, TkBaseDpi))
        return font;
    return TkLoadFontAtDpi(-1, messageFace, points, style | TkFontNearestFace, TkBaseDpi);
}

} // namespace

void LoadProgramFonts()
{
    AppState& app = App();
    app.ScaleNumberFont = LoadFirstFace({"Tahoma", "Arial"}, 7, 0);
    app.RulerLabelFont = LoadFirstFace({"Arial"}, 9, TkFontBold);
}

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
    // (a downloads folder, where anyone may have dropped a DLL); those loaded before this line, with the program's
    // imports, are held to it by the image's load configuration (load_config.cpp).
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    TkStartup(ProgramTitle);
    TkInstallFaultHandler(ShowCrashReport, ProgramTitle);
    MarkLine();
    ComputeFolders();
    MarkLine();
    if (AnotherInstanceRuns())
        EndProgram();
    MarkLine();
    if (!MeasureScreen()) {
        TkMessageBox(ErrorTitle, NoDisplayText, MB_OK);
        EndProgram();
    }
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
