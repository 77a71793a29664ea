// Controls: creation in the current control list, and the operations on them.
#include <algorithm>
#include <string>

#include "toolkit/tk_internal.h"

namespace {

HWND CreateControl(int control, TkControlKind kind, const char* className, std::string_view text, DWORD style,
                   DWORD exStyle, int x, int y, int width, int height, void* createParam = nullptr)
{
    TkDeleteControl(control);
    HWND parent = TkCurrentParent();
    if (!parent)
        return nullptr;
    const std::string caption(text);
    HWND handle = CreateWindowExA(exStyle, className, caption.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, width,
                                  height, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(control)),
                                  GetModuleHandleA(nullptr), createParam);
    if (!handle)
        return nullptr;
    TkControlRecord& record = TkAddControl(control, handle, kind);
    TkGiveControlFont(record, TkDefaultControlFont(record.window), false);
    return handle;
}

bool IsBitmap(HANDLE image)
{
    return GetObjectType(image) == OBJ_BITMAP;
}

void ReplaceStyleBits(HWND handle, LONG_PTR mask, LONG_PTR bits)
{
    const LONG_PTR style = GetWindowLongPtrA(handle, GWL_STYLE);
    if ((style & mask) != bits)
        SetWindowLongPtrA(handle, GWL_STYLE, (style & ~mask) | bits);
}

void ShowImage(TkControlRecord& record, HANDLE image)
{
    const bool bitmap = !image || IsBitmap(image);
    if (record.kind == TkControlKind::Image) {
        ReplaceStyleBits(record.handle, SS_TYPEMASK, bitmap ? SS_BITMAP : SS_ICON);
        // The static sizes itself to the picture (neither SS_CENTERIMAGE nor SS_REALSIZECONTROL is set).
        const auto previous = reinterpret_cast<HANDLE>(SendMessageA(
            record.handle, STM_SETIMAGE, bitmap ? IMAGE_BITMAP : IMAGE_ICON, reinterpret_cast<LPARAM>(image)));
        // Version 6 of the static control keeps its own copy of a bitmap with alpha values and hands that copy
        // back here; it belongs to us then.
        if (previous && previous != record.image && IsBitmap(previous))
            DeleteObject(previous);
        record.image = image;
    } else if (record.kind == TkControlKind::ImageButton) {
        ReplaceStyleBits(record.handle, BS_BITMAP | BS_ICON, bitmap ? BS_BITMAP : BS_ICON);
        SendMessageA(record.handle, BM_SETIMAGE, bitmap ? IMAGE_BITMAP : IMAGE_ICON, reinterpret_cast<LPARAM>(image));
        record.image = image;
    }
}

bool IsOptionButton(HWND handle)
{
    const TkControlRecord* record = TkFindControlByHandle(handle);
    return record && record->kind == TkControlKind::OptionButton;
}

// Clears the other option buttons of the group: the siblings from the nearest WS_GROUP at or before the button to
// the next WS_GROUP after it. Hidden and disabled ones too, which the system's own click handling skips.
void ClearOtherOptions(HWND selected)
{
    HWND first = selected;
    while (!(GetWindowLongPtrA(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous)
            break;
        first = previous;
    }
    for (HWND sibling = first; sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != first && (GetWindowLongPtrA(sibling, GWL_STYLE) & WS_GROUP))
            break;
        if (sibling != selected && IsOptionButton(sibling))
            SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

HWND HandleOf(int control)
{
    const TkControlRecord* record = TkFindControl(control);
    return record ? record->handle : nullptr;
}

void Redraw(HWND handle)
{
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Whether a change of the control is to be painted later, by TkPaintChangedControls; the control is noted for it
// then. A hidden control paints nothing either way.
bool PaintLater(int control, TkControlRecord& record)
{
    TkShared& shared = TkSharedState();
    if (shared.paintHolds == 0 || !(GetWindowLongA(record.handle, GWL_STYLE) & WS_VISIBLE))
        return false;
    if (!record.unpainted) {
        record.unpainted = true;
        shared.unpaintedControls.push_back(control);
    }
    return true;
}

// Makes a change that the control would paint at once (a static paints inside WM_SETTEXT and STM_SETIMAGE) with its
// drawing switched off, when painting is held.
template <typename Change> void ChangeControl(int control, TkControlRecord& record, Change change)
{
    if (!PaintLater(control, record)) {
        change();
        return;
    }
    SendMessageA(record.handle, WM_SETREDRAW, FALSE, 0);
    change();
    SendMessageA(record.handle, WM_SETREDRAW, TRUE, 0);
}

// Paints a static (text, colour or picture) at once into a device context of the control: a text by the toolkit's
// drawing of it, a picture by the static's own (WM_PRINTCLIENT, which controls answer as they answer WM_PAINT).
// Cheaper than invalidating it and having it painted through the system's paint message.
bool PaintStaticNow(const TkControlRecord& record)
{
    if (record.kind != TkControlKind::Text && record.kind != TkControlKind::Image)
        return false;
    HDC dc = GetDC(record.handle);
    if (!dc)
        return false;
    if (record.kind == TkControlKind::Text)
        TkDrawTextControl(record, dc);
    else
        SendMessageA(record.handle, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ReleaseDC(record.handle, dc);
    return true;
}

// Gives a text control the text in its record, as the static itself would store it (the default procedure, where
// other programs read it), and paints it: the static's own WM_SETTEXT would paint it by asking its window for the
// text once more.
void ShowTextNow(TkControlRecord& record)
{
    record.textPending = false;
    DefWindowProcA(record.handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(record.lastText.c_str()));
    PaintStaticNow(record);
}

// A text control's window procedure in front of the static's own, which its user data holds: the control paints
// itself from the toolkit's record. Everything else is the static's, and so is the painting of a control whose record
// is gone (while it is destroyed).
LRESULT CALLBACK TextControlProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto staticProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_USERDATA));
    const TkControlRecord* record = nullptr;
    if (message == WM_PAINT || message == WM_PRINTCLIENT || message == WM_ENABLE) {
        record = TkFindControlByHandle(handle);
        if (record && record->kind != TkControlKind::Text)
            record = nullptr;
    }
    if (record && (message == WM_PAINT || message == WM_PRINTCLIENT)) {
        // Both may bring a device context to draw into, as the static's own painting accepts.
        if (wParam) {
            TkDrawTextControl(*record, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PAINTSTRUCT paint;
        if (HDC dc = BeginPaint(handle, &paint)) {
            TkDrawTextControl(*record, dc);
            EndPaint(handle, &paint);
        }
        return 0;
    }
    const LRESULT result = CallWindowProcA(staticProcedure, handle, message, wParam, lParam);
    // The static paints itself at once when it is enabled or disabled (Wine's does, its own way): the toolkit's
    // drawing goes over it.
    if (record && message == WM_ENABLE && IsWindowVisible(handle))
        PaintStaticNow(*record);
    return result;
}

} // namespace

HWND TkTextControl(int control, int x, int y, int width, int height, std::string_view text, uint32_t style)
{
    // A static with its own styles, which other programs read (an inspection or accessibility tool sees its
    // alignment), painted by the toolkit as the static would paint it: a text control repainted often would
    // otherwise ask its window for its own text each time it paints (a trip to the window system under Wine).
    const UINT alignment = (style & SS_TYPEMASK) == SS_RIGHT    ? DT_RIGHT
                           : (style & SS_TYPEMASK) == SS_CENTER ? DT_CENTER
                                                                : DT_LEFT;
    HWND handle = CreateControl(control, TkControlKind::Text, "STATIC", text, style | SS_NOPREFIX | WS_GROUP, 0, x, y,
                                width, height);
    if (TkControlRecord* record = handle ? TkFindControl(control) : nullptr) {
        record->textFormat = alignment | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
        record->lastText.assign(text);
        record->textSet = true;
        SetWindowLongPtrA(handle, GWLP_USERDATA, GetWindowLongPtrA(handle, GWLP_WNDPROC));
        SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TextControlProcedure));
    }
    return handle;
}

void TkGiveControlFont(TkControlRecord& record, HFONT font, bool redraw)
{
    record.font = font;
    SendMessageA(record.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

void TkDrawTextControl(const TkControlRecord& record, HDC dc)
{
    RECT client;
    GetClientRect(record.handle, &client);
    auto brush =
        reinterpret_cast<HBRUSH>(SendMessageA(GetParent(record.handle), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(record.handle)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (!IsWindowEnabled(record.handle))
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const HGDIOBJ old = record.font ? SelectObject(dc, record.font) : nullptr;
    DrawTextA(dc, record.lastText.c_str(), static_cast<int>(record.lastText.size()), &client, record.textFormat);
    if (old)
        SelectObject(dc, old);
}

HWND TkImageControl(int control, int x, int y, int width, int height, HANDLE image)
{
    const DWORD type = !image || IsBitmap(image) ? SS_BITMAP : SS_ICON;
    HWND handle = CreateControl(control, TkControlKind::Image, "STATIC", {}, type | SS_NOTIFY, 0, x, y, width, height);
    if (handle && image)
        ShowImage(*TkFindControl(control), image);
    return handle;
}

HWND TkImageButton(int control, int x, int y, int width, int height, HANDLE image)
{
    const DWORD type = !image || IsBitmap(image) ? BS_BITMAP : BS_ICON;
    HWND handle = CreateControl(control, TkControlKind::ImageButton, "BUTTON", {}, BS_PUSHBUTTON | WS_TABSTOP | type, 0,
                                x, y, width, height);
    if (handle && image)
        ShowImage(*TkFindControl(control), image);
    return handle;
}

HWND TkOptionButton(int control, int x, int y, int width, int height, std::string_view text)
{
    const TkShared& shared = TkSharedState();
    const TkControlRecord* last = TkFindControl(shared.lastCreatedControl);
    const bool joinsGroup = last && last->kind == TkControlKind::OptionButton && IsWindow(last->handle) &&
                            GetParent(last->handle) == TkCurrentParent();
    return CreateControl(control, TkControlKind::OptionButton, "BUTTON", text,
                         BS_AUTORADIOBUTTON | WS_TABSTOP | (joinsGroup ? 0 : WS_GROUP), 0, x, y, width, height);
}

HWND TkFrame(int control, int x, int y, int width, int height, std::string_view text, int kind)
{
    switch (kind) {
    case 0: return CreateControl(control, TkControlKind::Frame, "BUTTON", text, BS_GROUPBOX, 0, x, y, width, height);
    case 1: return CreateControl(control, TkControlKind::Frame, "STATIC", {}, 0, WS_EX_CLIENTEDGE, x, y, width, height);
    case 2: return CreateControl(control, TkControlKind::Frame, "STATIC", {}, 0, WS_EX_STATICEDGE, x, y, width, height);
    case 3: return CreateControl(control, TkControlKind::Frame, "STATIC", {}, WS_BORDER, 0, x, y, width, height);
    }
    return nullptr;
}

HWND TkContainer(int control, int x, int y, int width, int height, int borderFlags)
{
    DWORD style = 0;
    DWORD exStyle = WS_EX_CONTROLPARENT; // Tab and Shift+Tab walk into the container
    if (borderFlags & 1)
        style |= WS_BORDER;
    if (borderFlags & 2)
        style |= WS_DLGFRAME;
    if (borderFlags & 4)
        exStyle |= WS_EX_STATICEDGE;
    if (borderFlags & 8)
        exStyle |= WS_EX_CLIENTEDGE;
    TkShared& shared = TkSharedState();
    HWND handle = CreateControl(control, TkControlKind::Container, TkContainerClassName(), {}, style, exStyle, x, y,
                                width, height, reinterpret_cast<void*>(static_cast<intptr_t>(shared.currentWindow)));
    // Entered even when it failed, so that the matching TkEndContainer leaves the right level.
    shared.containerStack.push_back(control);
    return handle;
}

void TkEndContainer()
{
    TkShared& shared = TkSharedState();
    if (!shared.containerStack.empty())
        shared.containerStack.pop_back();
}

HWND TkButton(int control, int x, int y, int width, int height, std::string_view text)
{
    return CreateControl(control, TkControlKind::Button, "BUTTON", text, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, x, y,
                         width, height);
}

HWND TkEditField(int control, int x, int y, int width, int height, std::string_view text)
{
    return CreateControl(control, TkControlKind::EditField, "EDIT", text, ES_AUTOHSCROLL | WS_GROUP | WS_TABSTOP,
                         WS_EX_CLIENTEDGE, x, y, width, height);
}

HWND TkCheckBox(int control, int x, int y, int width, int height, std::string_view text)
{
    return CreateControl(control, TkControlKind::CheckBox, "BUTTON", text, BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 0,
                         x, y, width, height);
}

void TkSetControlText(int control, std::string_view text)
{
    TkControlRecord* record = TkFindControl(control);
    if (!record || !record->handle)
        return;
    // Setting a text repaints the control at once, and even reading it back is a round trip to the window
    // system. A control written on every step of a mouse loop mostly gets the text it already has; the text last
    // set is remembered to skip those.
    if (record->textSet && record->lastText == text)
        return;
    record->lastText.assign(text);
    record->textSet = true;
    // A static paints inside WM_SETTEXT. While painting is held its text waits in the record, which the toolkit's
    // drawing of the control and TkGetControlText read: a text written under a hold costs no trip to the window system.
    if (record->kind != TkControlKind::Text)
        ChangeControl(control, *record, [record] { SetWindowTextA(record->handle, record->lastText.c_str()); });
    else if (PaintLater(control, *record))
        record->textPending = true;
    else
        ShowTextNow(*record);
}

void TkHoldControlPainting(int held)
{
    TkShared& shared = TkSharedState();
    shared.paintHolds = held ? shared.paintHolds + 1 : std::max(0, shared.paintHolds - 1);
}

int TkPaintChangedControls(bool pass)
{
    TkShared& shared = TkSharedState();
    std::vector<HWND> windows;
    for (int control : shared.unpaintedControls) {
        TkControlRecord* record = TkFindControl(control);
        if (!record || !record->handle)
            continue;
        record->unpainted = false;
        if (record->textPending) {
            ShowTextNow(*record);
            continue;
        }
        if (PaintStaticNow(*record))
            continue;
        RedrawWindow(record->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        HWND window = GetAncestor(record->handle, GA_ROOT);
        if (std::find(windows.begin(), windows.end(), window) == windows.end())
            windows.push_back(window);
    }
    const int changed = static_cast<int>(shared.unpaintedControls.size());
    shared.unpaintedControls.clear();
    if (pass == TkPaintWhole) {
        for (HWND window : windows)
            UpdateWindow(window);
    }
    return changed;
}

std::string TkGetControlText(int control)
{
    const TkControlRecord* record = TkFindControl(control);
    if (!record || !record->handle)
        return {};
    if (record->kind == TkControlKind::Text && record->textSet)
        return record->lastText;
    return TkNativeText(record->handle);
}

void TkSetControlState(int control, intptr_t state)
{
    TkControlRecord* record = TkFindControl(control);
    if (!record)
        return;
    switch (record->kind) {
    case TkControlKind::OptionButton:
        SendMessageA(record->handle, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
        if (state)
            ClearOtherOptions(record->handle);
        break;
    case TkControlKind::CheckBox:
        SendMessageA(record->handle, BM_SETCHECK, state ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case TkControlKind::Image:
    case TkControlKind::ImageButton: {
        const auto image = reinterpret_cast<HANDLE>(state);
        // A picture drawn anew into the bitmap the static already shows (as often as every frame of a mouse loop)
        // needs painting only: handing it over again would have the static measure it and size itself once more.
        // Where the static shows a copy of its own (a bitmap with alpha values), the copy must be made anew.
        if (record->kind == TkControlKind::Image && image && image == record->image && IsBitmap(image) &&
            reinterpret_cast<HANDLE>(SendMessageA(record->handle, STM_GETIMAGE, IMAGE_BITMAP, 0)) == image) {
            if (!PaintLater(control, *record))
                Redraw(record->handle);
            break;
        }
        ChangeControl(control, *record, [record, image] { ShowImage(*record, image); });
        break;
    }
    default: break;
    }
}

int TkGetControlState(int control)
{
    const TkControlRecord* record = TkFindControl(control);
    if (!record || (record->kind != TkControlKind::OptionButton && record->kind != TkControlKind::CheckBox))
        return 0;
    return SendMessageA(record->handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void TkSetControlColor(int control, int which, int32_t colour)
{
    TkControlRecord* record = TkFindControl(control);
    if (!record)
        return;
    const int32_t value = colour == -1 ? -1 : (colour & 0xFFFFFF);
    // A control given its colour on every step of a mouse loop mostly gets the one it has: the same colour again
    // needs no new brush and no repaint.
    if ((which == TkTextColour && record->textColour == value) ||
        (which == TkBackColour && record->backColour == value))
        return;
    if (which == TkTextColour) {
        record->textColour = value;
    } else if (which == TkBackColour) {
        record->backColour = value;
        if (record->backBrush)
            DeleteObject(record->backBrush);
        record->backBrush = value == -1 ? nullptr : CreateSolidBrush(static_cast<COLORREF>(value));
    } else {
        return;
    }
    if (!PaintLater(control, *record))
        Redraw(record->handle);
}

void TkSetControlFont(int control, intptr_t font)
{
    if (TkControlRecord* record = TkFindControl(control)) {
        record->defaultFont = font == TkDefaultFont;
        const HFONT chosen = record->defaultFont ? TkDefaultControlFont(record->window) : reinterpret_cast<HFONT>(font);
        TkGiveControlFont(*record, chosen, true);
    }
}

void TkResizeControl(int control, int x, int y, int width, int height)
{
    HWND handle = HandleOf(control);
    if (!handle)
        return;
    RECT rect;
    GetWindowRect(handle, &rect);
    MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
    if (x == TkKeep)
        x = rect.left;
    if (y == TkKeep)
        y = rect.top;
    if (width == TkKeep)
        width = rect.right - rect.left;
    if (height == TkKeep)
        height = rect.bottom - rect.top;
    // A window laid out on every step of a mouse loop mostly puts its controls where they already stand.
    if (x == rect.left && y == rect.top && width == rect.right - rect.left && height == rect.bottom - rect.top)
        return;
    TkShared& shared = TkSharedState();
    if (shared.controlMoves) {
        // Nothing is painted, copied or erased per move (the system would erase the window after each move):
        // the end repaints the window once. A failed gathering has freed what it held: the rest of the moves are
        // made one by one.
        shared.controlMoves =
            DeferWindowPos(shared.controlMoves, handle, nullptr, x, y, width, height,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE);
        shared.movedParent = GetParent(handle);
        if (shared.controlMoves)
            return;
    }
    MoveWindow(handle, x, y, width, height, TRUE);
}

void TkBeginControlMoves(int count)
{
    TkShared& shared = TkSharedState();
    if (!shared.controlMoves)
        shared.controlMoves = BeginDeferWindowPos(count);
}

void TkEndControlMoves()
{
    TkShared& shared = TkSharedState();
    if (shared.controlMoves)
        EndDeferWindowPos(shared.controlMoves);
    if (shared.movedParent)
        RedrawWindow(shared.movedParent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    shared.controlMoves = nullptr;
    shared.movedParent = nullptr;
}

int TkControlTextWidth(int control, std::string_view text)
{
    const TkControlRecord* record = TkFindControl(control);
    if (!record || !record->handle)
        return 0;
    HWND handle = record->handle;
    HDC dc = GetDC(handle);
    const HGDIOBJ old = SelectObject(dc, record->font ? record->font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(handle, dc);
    return extent.cx;
}

void TkHideControl(int control, int hidden)
{
    if (HWND handle = HandleOf(control))
        ShowWindow(handle, hidden ? SW_HIDE : SW_SHOW);
}

void TkDisableControl(int control, int disabled)
{
    if (HWND handle = HandleOf(control))
        EnableWindow(handle, disabled ? FALSE : TRUE);
}

void TkClipControlSiblings(int control)
{
    if (HWND handle = HandleOf(control))
        ReplaceStyleBits(handle, WS_CLIPSIBLINGS, WS_CLIPSIBLINGS);
}

void TkRaiseControl(int control)
{
    if (HWND handle = HandleOf(control))
        SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND TkControlHandle(int control)
{
    return HandleOf(control);
}
