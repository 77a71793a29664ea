// Menu bars: built title by title and item by item; choosing an item arrives as EventMenu (tk_window_proc.cpp).
#include <string>

#include "toolkit/tk_internal.h"

namespace {

HMENU MenuBar(int menu)
{
    const auto& menus = TkSharedState().menus;
    const auto found = menus.find(menu);
    return found == menus.end() ? nullptr : found->second.bar;
}

// Where the next item goes: the drop-down opened last, or the bar itself before any title.
HMENU ItemTarget()
{
    const TkShared& shared = TkSharedState();
    return shared.currentPopup ? shared.currentPopup : shared.currentMenuBar;
}

void Redraw()
{
    if (HWND window = TkSharedState().currentMenuWindow)
        DrawMenuBar(window);
}

} // namespace

int TkCreateMenuBar(int menu, HWND window)
{
    if (!window || !IsWindow(window))
        return 0;
    HMENU bar = CreateMenu();
    if (!bar)
        return 0;
    const HMENU previous = GetMenu(window);
    if (!SetMenu(window, bar)) {
        DestroyMenu(bar);
        return 0;
    }
    TkShared& shared = TkSharedState();
    if (previous) {
        // A bar replaced by SetMenu is not destroyed by the system.
        for (auto it = shared.menus.begin(); it != shared.menus.end();)
            it = it->second.bar == previous ? shared.menus.erase(it) : std::next(it);
        DestroyMenu(previous);
    }
    shared.menus[menu] = {bar, window};
    shared.currentMenuBar = bar;
    shared.currentPopup = nullptr;
    shared.parentPopup = nullptr;
    shared.currentMenuWindow = window;
    return 1;
}

void TkMenuTitle(std::string_view text)
{
    TkShared& shared = TkSharedState();
    if (!shared.currentMenuBar)
        return;
    HMENU popup = CreatePopupMenu();
    const std::string title(text);
    if (!popup ||
        !AppendMenuA(shared.currentMenuBar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title.c_str())) {
        if (popup)
            DestroyMenu(popup);
        return;
    }
    shared.currentPopup = popup;
    shared.parentPopup = nullptr;
    Redraw();
}

void TkMenuSubmenu(std::string_view text)
{
    TkShared& shared = TkSharedState();
    if (!shared.currentPopup || shared.parentPopup)
        return;
    HMENU submenu = CreatePopupMenu();
    const std::string title(text);
    if (!submenu ||
        !AppendMenuA(shared.currentPopup, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), title.c_str())) {
        if (submenu)
            DestroyMenu(submenu);
        return;
    }
    shared.parentPopup = shared.currentPopup;
    shared.currentPopup = submenu;
}

void TkMenuEndSubmenu()
{
    TkShared& shared = TkSharedState();
    if (!shared.parentPopup)
        return;
    shared.currentPopup = shared.parentPopup;
    shared.parentPopup = nullptr;
}

void TkMenuItem(int item, std::string_view text)
{
    if (HMENU target = ItemTarget()) {
        const std::string label(text);
        AppendMenuA(target, MF_STRING, static_cast<UINT_PTR>(item), label.c_str());
        if (target == TkSharedState().currentMenuBar)
            Redraw();
    }
}

void TkMenuSeparator()
{
    if (HMENU target = ItemTarget())
        AppendMenuA(target, MF_SEPARATOR, 0, nullptr);
}

void TkSetMenuItemMark(int menu, int item, int mark)
{
    if (HMENU bar = MenuBar(menu))
        CheckMenuItem(bar, static_cast<UINT>(item), MF_BYCOMMAND | (mark ? MF_CHECKED : MF_UNCHECKED));
}

void TkSetMenuRadioMark(int menu, int first, int last, int item)
{
    if (HMENU bar = MenuBar(menu))
        CheckMenuRadioItem(bar, static_cast<UINT>(first), static_cast<UINT>(last), static_cast<UINT>(item),
                           MF_BYCOMMAND);
}

int TkMenuItemMark(int menu, int item)
{
    HMENU bar = MenuBar(menu);
    if (!bar)
        return 0;
    const UINT state = GetMenuState(bar, static_cast<UINT>(item), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED) ? 1 : 0;
}
