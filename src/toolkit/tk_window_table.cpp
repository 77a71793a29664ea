// The tables that map the program's window and control numbers to their native objects, and the current control
// list that new controls go into.
#include "toolkit/tk_internal.h"

TkWindowRecord* TkFindWindow(int window)
{
    auto& windows = TkSharedState().windows;
    const auto found = windows.find(window);
    return found == windows.end() ? nullptr : &found->second;
}

TkWindowRecord* TkFindWindowByHandle(HWND handle, int* window)
{
    if (!handle)
        return nullptr;
    for (auto& [number, record] : TkSharedState().windows) {
        if (record.handle == handle) {
            if (window)
                *window = number;
            return &record;
        }
    }
    return nullptr;
}

TkControlRecord* TkFindControl(int control)
{
    auto& controls = TkSharedState().controls;
    const auto found = controls.find(control);
    return found == controls.end() ? nullptr : &found->second;
}

TkControlRecord* TkFindControlByHandle(HWND handle, int* control)
{
    if (!handle)
        return nullptr;
    // The control's child id is its number whenever that fits the 16 bits WM_COMMAND carries; the search covers
    // the rest.
    const int id = GetDlgCtrlID(handle);
    if (TkControlRecord* record = TkFindControl(id); record && record->handle == handle) {
        if (control)
            *control = id;
        return record;
    }
    for (auto& [number, record] : TkSharedState().controls) {
        if (record.handle == handle) {
            if (control)
                *control = number;
            return &record;
        }
    }
    return nullptr;
}

void TkDeleteControl(int control)
{
    TkShared& shared = TkSharedState();
    const TkControlRecord* record = TkFindControl(control);
    if (!record)
        return;
    const HWND handle = record->handle;
    // A container takes the controls inside it along.
    for (auto it = shared.controls.begin(); it != shared.controls.end();) {
        if (it->second.handle == handle || IsChild(handle, it->second.handle)) {
            TkRemoveToolTip(it->second.handle);
            if (it->second.backBrush)
                DeleteObject(it->second.backBrush);
            it = shared.controls.erase(it);
        } else {
            ++it;
        }
    }
    DestroyWindow(handle);
}

void TkForgetWindow(int window)
{
    TkShared& shared = TkSharedState();
    const auto found = shared.windows.find(window);
    if (found == shared.windows.end())
        return;
    const TkWindowRecord record = found->second;
    shared.windows.erase(found);
    if (record.accelerators)
        DestroyAcceleratorTable(record.accelerators);
    if (record.backBrush)
        DeleteObject(record.backBrush);

    for (auto it = shared.controls.begin(); it != shared.controls.end();) {
        if (it->second.window == window) {
            if (it->second.backBrush)
                DeleteObject(it->second.backBrush);
            it = shared.controls.erase(it);
        } else {
            ++it;
        }
    }
    // The menu bar went with the window.
    for (auto it = shared.menus.begin(); it != shared.menus.end();) {
        if (it->second.window == record.handle)
            it = shared.menus.erase(it);
        else
            ++it;
    }
    if (shared.currentMenuWindow == record.handle) {
        shared.currentMenuBar = nullptr;
        shared.currentPopup = shared.titlePopup = nullptr;
        shared.currentMenuWindow = nullptr;
    }
}

HWND TkCurrentParent()
{
    TkShared& shared = TkSharedState();
    if (!shared.containerStack.empty()) {
        const TkControlRecord* container = TkFindControl(shared.containerStack.back());
        return container && container->kind == TkControlKind::Container ? container->handle : nullptr;
    }
    const TkWindowRecord* window = TkFindWindow(shared.currentWindow);
    return window ? window->handle : nullptr;
}

TkControlRecord& TkAddControl(int control, HWND handle, TkControlKind kind)
{
    TkShared& shared = TkSharedState();
    TkControlRecord& record = shared.controls[control];
    record = TkControlRecord{};
    record.handle = handle;
    record.kind = kind;
    record.window = shared.currentWindow;
    shared.lastCreatedControl = control;
    return record;
}

void TkClearTables()
{
    TkShared& shared = TkSharedState();
    for (auto& [number, record] : shared.controls) {
        if (record.backBrush)
            DeleteObject(record.backBrush);
    }
    for (auto& [number, record] : shared.windows) {
        if (record.accelerators)
            DestroyAcceleratorTable(record.accelerators);
        if (record.backBrush)
            DeleteObject(record.backBrush);
    }
    shared.windows.clear();
    shared.controls.clear();
    shared.menus.clear();
    std::vector<int>().swap(shared.containerStack);
    shared.currentWindow = -1;
    shared.lastCreatedControl = -1;
    shared.currentMenuBar = nullptr;
    shared.currentPopup = shared.titlePopup = nullptr;
    shared.currentMenuWindow = nullptr;
}

TkObjectCounts TkCountObjects()
{
    const TkShared& shared = TkSharedState();
    TkObjectCounts counts;
    counts.windows = static_cast<int>(shared.windows.size());
    counts.controls = static_cast<int>(shared.controls.size());
    counts.menus = static_cast<int>(shared.menus.size());
    for (const auto& [number, record] : shared.windows) {
        counts.brushes += record.backBrush != nullptr;
        counts.accelerators += record.accelerators != nullptr;
    }
    for (const auto& [number, record] : shared.controls)
        counts.brushes += record.backBrush != nullptr;
    counts.fonts = TkFontCount();
    counts.images = TkImageCount();
    return counts;
}
