#include "e2e_support.h"

#include <shlobj.h>
#include <tlhelp32.h>

RunningProgram StartProgram(const std::string& exe, const std::string& environment)
{
    RunningProgram program;
    std::string name, value;
    if (!environment.empty()) {
        const size_t equals = environment.find('=');
        name = environment.substr(0, equals);
        value = environment.substr(equals + 1);
        SetEnvironmentVariableA(name.c_str(), value.c_str());
    }
    std::string command = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a start with ERROR_INTERNAL_ERROR while the program of the previous test is still
    // being torn down; a second try a moment later succeeds.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
            CloseHandle(info.hThread);
            program.process = info.hProcess;
            program.processId = info.dwProcessId;
            break;
        }
        Sleep(200);
    }
    if (!name.empty())
        SetEnvironmentVariableA(name.c_str(), nullptr);
    return program;
}

DWORD WaitForExit(RunningProgram& program, std::chrono::milliseconds timeout)
{
    if (!program.process)
        return STILL_ACTIVE;
    WaitForSingleObject(program.process, static_cast<DWORD>(timeout.count()));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(program.process, &code);
    return code;
}

void StopProgram(RunningProgram& program)
{
    if (!program.process)
        return;
    if (WaitForSingleObject(program.process, 0) == WAIT_TIMEOUT) {
        TerminateProcess(program.process, 1);
        WaitForSingleObject(program.process, 5000);
    }
    CloseHandle(program.process);
    program = {};
}

void StopAllTessaros()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, "Tessaro.exe") != 0 && _stricmp(entry.szExeFile, "TessaroFaultTest.exe") != 0)
            continue;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

std::string MessageBoxText(HWND box)
{
    // The message is the box's static control with id 0xFFFF.
    char text[4096] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

void PressMessageBoxButton(HWND box, int buttonId)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

std::string AppDataFolder()
{
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, path);
    std::string folder = path;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}
