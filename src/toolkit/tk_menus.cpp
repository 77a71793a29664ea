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

// A new drop-down under the text in parent; nullptr when there is no parent or the system refuses it.
HMENU AppendPopup(HMENU parent, std::string_view text)
{
    HMENU popup = parent ? CreatePopupMenu() : nullptr;
    const std::string title(text);
    if (popup && !AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title.c_str())) {
        DestroyMenu(popup);
        return nullptr;
    }
    return popup;
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
    shared.currentPopup = shared.titlePopup = nullptr;
    shared.currentMenuWindow = window;
    return 1;
}

void TkMenuTitle(std::string_view text)
{
    TkShared& shared = TkSharedState();
    if (HMENU popup = AppendPopup(shared.currentMenuBar, text)) {
        shared.currentPopup = shared.titlePopup = popup;
        Redraw();
    }
}

void TkMenuSubmenu(std::string_view text)
{
    TkShared& shared = TkSharedState();
    if (HMENU popup = AppendPopup(shared.titlePopup, text))
        shared.currentPopup = popup;
}

void TkEndSubmenu()
{
    TkShared& shared = TkSharedState();
    shared.currentPopup = shared.titlePopup;
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

void TkSetMenuRadio(int menu, int first, int last, int item)
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
