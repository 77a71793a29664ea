// Keyboard shortcuts: each window's list of key combinations and the accelerator table built from it, which
// TkWaitEvent applies while the window is active.
#include "toolkit/tk_internal.h"

namespace {

void RebuildAccelerators(TkWindowRecord& record)
{
    if (record.accelerators)
        DestroyAcceleratorTable(record.accelerators);
    std::vector<ACCEL> table;
    table.reserve(record.shortcuts.size());
    for (const TkShortcut& shortcut : record.shortcuts)
        table.push_back({shortcut.modifiers, shortcut.key, static_cast<WORD>(shortcut.eventId)});
    record.accelerators =
        table.empty() ? nullptr : CreateAcceleratorTableA(table.data(), static_cast<int>(table.size()));
}

void SetShortcut(TkWindowRecord& record, BYTE modifiers, WORD key, int eventId)
{
    for (TkShortcut& shortcut : record.shortcuts) {
        if (shortcut.modifiers == modifiers && shortcut.key == key) {
            shortcut.eventId = eventId;
            return;
        }
    }
    record.shortcuts.push_back({modifiers, key, eventId});
}

} // namespace

void TkInitShortcuts(TkWindowRecord& record)
{
    record.shortcuts.clear();
    SetShortcut(record, FVIRTKEY, VK_TAB, TkFocusNextId);
    SetShortcut(record, FVIRTKEY | FSHIFT, VK_TAB, TkFocusPreviousId);
    RebuildAccelerators(record);
}

void TkAddShortcut(int window, int shortcut, int eventId)
{
    TkWindowRecord* record = TkFindWindow(window);
    if (!record)
        return;
    BYTE modifiers = FVIRTKEY;
    if (shortcut & TkShiftKey)
        modifiers |= FSHIFT;
    if (shortcut & TkControlKey)
        modifiers |= FCONTROL;
    if (shortcut & TkAltKey)
        modifiers |= FALT;
    SetShortcut(*record, modifiers, static_cast<WORD>(shortcut & 0xFFFF), eventId);
    RebuildAccelerators(*record);
}
