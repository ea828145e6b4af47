// Shows Tavelpanel's dialog templates and artwork on their own, so they can be
// looked at (and screenshot) without the program, and checks that every
// template can be instantiated.
//   preview check        create every template in every language of the
//                        string table; exit code = failures
//   preview show <id>    show one template until its window is closed
//                        (a page id shows the four pages in a property sheet)
//   preview icons        a window with every icon and the caption band
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string_view>
#include <vector>

#include "resource.h"

namespace {

const int kDialogs[] = {IDD_ABOUTBOX,         IDD_NOTEBOOK_KB_PAGE, IDD_KEY_SENS_PAGE,
                        IDD_CAPTION_BAND,     IDD_MAIN_DIALOG,      IDD_EXTERNAL_KB_PAGE,
                        IDD_SPECIAL_CHAR_PAGE, IDD_RESET_DIALOG,    IDD_OPTIONS_DIALOG};
const int kPages[] = {IDD_NOTEBOOK_KB_PAGE, IDD_EXTERNAL_KB_PAGE, IDD_KEY_SENS_PAGE,
                      IDD_SPECIAL_CHAR_PAGE};

struct IconSample {
    int id;
    int cx;
    int cy;
};
// Every icon at the size the program draws it.
const IconSample kIcons[] = {
    {IDI_TAVELKIT, 16, 16},        {IDI_TAVELKIT, 32, 32},        {IDI_TAVELKIT, 48, 48},
    {IDI_ARROW_UP, 16, 16},        {IDI_ARROW_DOWN, 16, 16},      {IDI_ARROW_LEFT, 16, 16},
    {IDI_ARROW_RIGHT, 16, 16},     {IDI_VOLUME_UP, 16, 16},       {IDI_VOLUME_DOWN, 16, 16},
    {IDI_VOLUME_MUTE, 16, 16},     {IDI_VARO_BUTTON, 48, 16},     {IDI_OSTRA_BUTTON, 48, 16},
    {IDI_VELMORA_BUTTON, 48, 16},  {IDI_STANDBY, 32, 16},         {IDI_HIBERNATE, 32, 16},
    {IDI_WIRELESS_RADIO, 32, 16},  {IDI_EJECT, 16, 16},           {IDI_MAGNIFIER, 32, 16},
    {IDI_PRESENTATION, 32, 16},    {IDI_SHIFT_KEY, 32, 16},       {IDI_ARABIC_KEY, 32, 16},
    {IDI_HANJA_KEY, 32, 16},       {IDI_HAN_YEONG_KEY, 32, 16},   {IDI_BROWSER_BACK, 16, 16},
    {IDI_BROWSER_FORWARD, 16, 16}, {IDI_CHAR_EURO, 16, 16},       {IDI_CHAR_POUND, 16, 16},
    {IDI_CHAR_YEN, 16, 16},        {IDI_CHAR_CENT, 16, 16},       {IDI_CHAR_COPYRIGHT, 16, 16},
    {IDI_CHAR_REGISTERED, 16, 16}, {IDI_CHAR_TRADE_MARK, 16, 16}, {IDI_CHAR_DEGREE, 16, 16},
    {IDI_CHAR_PLUS_MINUS, 16, 16}, {IDI_CHAR_LESS_EQUAL, 16, 16}, {IDI_CHAR_GREATER_EQUAL, 16, 16},
};

bool IsPage(int id) {
    for (int page : kPages)
        if (page == id) return true;
    return false;
}

bool IsChildTemplate(int id) {
    return IsPage(id) || id == IDD_CAPTION_BAND || id == IDD_MAIN_DIALOG;
}

std::wstring_view ClassOf(HWND control, wchar_t (&buffer)[64]) {
    int n = GetClassNameW(control, buffer, 64);
    return {buffer, static_cast<size_t>(n)};
}

// Stand-in content where the program fills controls at run time, so that the
// layout can be judged with real text in place.
BOOL CALLBACK FillSample(HWND control, LPARAM) {
    wchar_t name[64];
    std::wstring_view cls = ClassOf(control, name);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    wchar_t text[256];
    LoadStringW(inst, IDS_NOT_ASSIGNED, text, 256);
    if (cls == L"ComboBoxEx32") {
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT;
        item.iItem = 0;
        item.pszText = text;
        SendMessageW(control, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    } else if (cls == L"ComboBox") {
        SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageW(control, CB_SETCURSEL, 0, 0);
    } else if (cls == L"msctls_trackbar32") {
        SendMessageW(control, TBM_SETRANGE, TRUE, MAKELPARAM(0, 4));
    }
    // The key sensitivity page's explanations (their ids recur on other pages).
    if (!GetDlgItem(GetParent(control), IDC_KSN_TEST_BUTTON)) return TRUE;
    const struct { int control; int string; } texts[] = {
        {IDC_KSN_EXPLAIN, IDS_KSN_EXPLAIN},
        {IDC_KSN_START_HELP, IDS_KSN_START_HELP},
        {IDC_KSN_RECOGNISED_HELP, IDS_KSN_RECOGNISED_HELP},
    };
    for (const auto& t : texts) {
        if (GetDlgCtrlID(control) == t.control) {
            LoadStringW(inst, t.string, text, 256);
            SetWindowTextW(control, text);
        }
    }
    return TRUE;
}

// Fn symbols of the external keyboard page at the sizes the page shows them.
const struct {
    int control;
    IconSample icon;
} kFnSymbols[] = {
    {IDC_EKB_VOLUP_ICON, {IDI_VOLUME_UP, 16, 16}},
    {IDC_EKB_VOLDOWN_ICON, {IDI_VOLUME_DOWN, 16, 16}},
    {IDC_EKB_MUTE_ICON, {IDI_VOLUME_MUTE, 16, 16}},
    {IDC_EKB_BUTTON_ICON, {IDI_VARO_BUTTON, 48, 16}},
    {IDC_EKB_STANDBY_ICON, {IDI_STANDBY, 32, 16}},
    {IDC_EKB_HIBERNATE_ICON, {IDI_HIBERNATE, 32, 16}},
    {IDC_EKB_WIRELESS_ICON, {IDI_WIRELESS_RADIO, 32, 16}},
    {IDC_EKB_DOVRA_ICON, {IDI_EJECT, 16, 16}},
    {IDC_EKB_MAGNIFIER_ICON, {IDI_MAGNIFIER, 32, 16}},
    {IDC_EKB_LUMARA_ICON, {IDI_PRESENTATION, 32, 16}},
};
// Special characters in list order: list position p shows character code p.
const int kCharacters[] = {IDI_CHAR_EURO,       IDI_CHAR_POUND,      IDI_CHAR_YEN,
                           IDI_CHAR_CENT,       IDI_CHAR_COPYRIGHT,  IDI_CHAR_REGISTERED,
                           IDI_CHAR_TRADE_MARK, IDI_CHAR_DEGREE,     IDI_CHAR_PLUS_MINUS,
                           IDI_CHAR_LESS_EQUAL, IDI_CHAR_GREATER_EQUAL};

HICON LoadIconAt(int id, int cx, int cy) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, LR_SHARED));
}

// The Fn symbol statics become owner-drawn pictures holding their icon.
void ShowFnSymbols(HWND page) {
    for (const auto& s : kFnSymbols) {
        HWND picture = GetDlgItem(page, s.control);
        SetWindowLongPtrW(picture, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(LoadIconAt(s.icon.id, s.icon.cx, s.icon.cy)));
        LONG style = GetWindowLongW(picture, GWL_STYLE);
        SetWindowLongW(picture, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW);
    }
}

// Row r of the special-character page shows character r + 1.
void FillCharacterLists(HWND page) {
    const int lists[] = {IDC_SMB_CHAR0, IDC_SMB_CHAR1, IDC_SMB_CHAR2,
                         IDC_SMB_CHAR3, IDC_SMB_CHAR4, IDC_SMB_CHAR5};
    for (int row = 0; row < 6; ++row) {
        HWND list = GetDlgItem(page, lists[row]);
        for (int icon : kCharacters) {
            LRESULT at = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
            SendMessageW(list, CB_SETITEMDATA, at, icon);
        }
        SendMessageW(list, CB_SETCURSEL, row + 1, 0);
        // Wine sizes the selection field from the dialog font set after
        // WM_MEASUREITEM; set it again so the icon is not cut off.
        SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), GetSystemMetrics(SM_CXSMICON) + 4);
    }
}

// Puts an item with an image at the top of a ComboBoxEx list and selects it.
void ShowImageItem(HWND list, HIMAGELIST images, int image, int text) {
    wchar_t name[64];
    LoadStringW(GetModuleHandleW(nullptr), text, name, 64);
    SendMessageW(list, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = 0;
    item.pszText = name;
    item.iImage = item.iSelectedImage = image;
    SendMessageW(list, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

// The notebook page's lists with their key symbols: each first-key list shows
// one of the four modifier symbols, the second-key lists the browser keys.
void ShowKeySymbols(HWND page) {
    HIMAGELIST modifiers = ImageList_Create(32, 16, ILC_COLOR32 | ILC_MASK, 4, 1);
    for (int id : {IDI_SHIFT_KEY, IDI_ARABIC_KEY, IDI_HANJA_KEY, IDI_HAN_YEONG_KEY})
        ImageList_ReplaceIcon(modifiers, -1, LoadIconAt(id, 32, 16));
    HIMAGELIST browser = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1);
    for (int id : {IDI_BROWSER_BACK, IDI_BROWSER_FORWARD})
        ImageList_ReplaceIcon(browser, -1, LoadIconAt(id, 16, 16));
    const struct { int list; HIMAGELIST images; int image; int text; } samples[] = {
        {IDC_TKB_WINDOWS_KEY, modifiers, 0, IDS_KEY_LEFT_SHIFT},
        {IDC_TKB_APP_KEY, modifiers, 1, IDS_KEY_RIGHT_SHIFT},
        {IDC_TKB_EJECT_FIRST, modifiers, 2, IDS_KEY_RIGHT_CTRL},
        {IDC_TKB_VOLUP_FIRST, modifiers, 3, IDS_KEY_RIGHT_ALT},
        {IDC_TKB_VOLDOWN_FIRST, modifiers, 0, IDS_KEY_LEFT_SHIFT},
        {IDC_TKB_EJECT_SECOND, browser, 0, IDS_KEY_BROWSER_BACK},
        {IDC_TKB_VOLUP_SECOND, browser, 1, IDS_KEY_BROWSER_FORWARD},
        {IDC_TKB_VOLDOWN_SECOND, browser, 0, IDS_KEY_BROWSER_BACK},
    };
    for (const auto& s : samples) ShowImageItem(GetDlgItem(page, s.list), s.images, s.image, s.text);
}

void DrawOwnerItem(const DRAWITEMSTRUCT& d) {
    const int w = d.rcItem.right - d.rcItem.left, h = d.rcItem.bottom - d.rcItem.top;
    if (d.CtlType == ODT_STATIC) {
        FillRect(d.hDC, &d.rcItem, GetSysColorBrush(COLOR_WINDOW));
        auto icon = reinterpret_cast<HICON>(GetWindowLongPtrW(d.hwndItem, GWLP_USERDATA));
        DrawIconEx(d.hDC, (w - 16) / 2, (h - 16) / 2, icon, 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    if (d.itemID == static_cast<UINT>(-1)) return;
    bool selected = d.itemState & ODS_SELECTED;
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int small = GetSystemMetrics(SM_CXSMICON);
    if (d.itemData) {
        DrawIconEx(d.hDC, d.rcItem.left + (w - small) / 2, d.rcItem.top + 2,
                   LoadIconAt(static_cast<int>(d.itemData), small, small), small, small, 0, nullptr, DI_NORMAL);
        return;
    }
    wchar_t text[64];
    LoadStringW(GetModuleHandleW(nullptr), IDS_NOT_ASSIGNED, text, 64);
    RECT r = d.rcItem;
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(d.hDC, text, -1, &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

INT_PTR CALLBACK SampleProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        EnumChildWindows(dlg, FillSample, 0);
        // Property pages receive their page description; it names the template.
        auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lp);
        int id = page ? static_cast<int>(reinterpret_cast<ULONG_PTR>(page->pszTemplate)) : 0;
        if (id == IDD_NOTEBOOK_KB_PAGE) ShowKeySymbols(dlg);
        if (id == IDD_EXTERNAL_KB_PAGE) ShowFnSymbols(dlg);
        if (id == IDD_SPECIAL_CHAR_PAGE) FillCharacterLists(dlg);
        return TRUE;
    }
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = GetSystemMetrics(SM_CXSMICON) + 4;
        return TRUE;
    case WM_DRAWITEM:
        DrawOwnerItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            if (GetWindowLongW(dlg, GWL_STYLE) & WS_CHILD)
                DestroyWindow(GetParent(dlg));  // the host window ends the loop
            else
                EndDialog(dlg, LOWORD(wp));
        }
        return TRUE;
    }
    return FALSE;
}

LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

HWND CreateHost(const wchar_t* title, int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = L"TavelResPreviewHost";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                           20, 20, width, height, nullptr, nullptr, wc.hInstance, nullptr);
}

// Outer size of a window whose client area holds the dialog template.
SIZE HostSizeFor(HWND dialog) {
    RECT r;
    GetWindowRect(dialog, &r);
    RECT outer = {0, 0, r.right - r.left, r.bottom - r.top};
    AdjustWindowRect(&outer, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

int RunLoop() {
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found) {
    reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
    return TRUE;
}

std::vector<WORD> LanguagesOf(LPCWSTR type, LPCWSTR name) {
    std::vector<WORD> found;
    EnumResourceLanguagesW(GetModuleHandleW(nullptr), type, name, AddLanguage,
                           reinterpret_cast<LONG_PTR>(&found));
    std::sort(found.begin(), found.end());
    return found;
}

const DLGTEMPLATE* TemplateIn(int id, WORD language) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(inst, RT_DIALOG, MAKEINTRESOURCEW(id), language);
    return found ? static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(inst, found))) : nullptr;
}

int Check() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HWND host = CreateHost(L"check", 100, 100);
    // Every language of the string table has every template.
    const auto languages = LanguagesOf(RT_STRING, MAKEINTRESOURCEW(IDS_MAIN_TITLE / 16 + 1));
    int failures = 0;
    for (int id : kDialogs) {
        const auto found = LanguagesOf(RT_DIALOG, MAKEINTRESOURCEW(id));
        std::printf("dialog %d: %zu languages, the strings %zu\n", id, found.size(), languages.size());
        if (found != languages) ++failures;
        for (WORD language : found) {
            HWND dlg = CreateDialogIndirectParamW(inst, TemplateIn(id, language),
                                                  IsChildTemplate(id) ? host : nullptr, SampleProc, 0);
            int controls = 0;
            for (HWND c = dlg ? GetWindow(dlg, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT))
                ++controls;
            std::printf("  language %04x: %s, %d controls\n", language, dlg ? "created" : "FAILED", controls);
            if (!dlg) ++failures;
            if (dlg) DestroyWindow(dlg);
        }
    }
    DestroyWindow(host);
    return failures;
}

// The four pages in a property sheet, starting at the given page.
struct Sheet {
    PROPSHEETPAGEW pages[4]{};
    PROPSHEETHEADERW header{};

    explicit Sheet(int firstPage) {
        for (int i = 0; i < 4; ++i) {
            pages[i].dwSize = sizeof(PROPSHEETPAGEW);
            pages[i].hInstance = GetModuleHandleW(nullptr);
            pages[i].pszTemplate = MAKEINTRESOURCEW(kPages[i]);
            pages[i].pfnDlgProc = SampleProc;
            if (kPages[i] == firstPage) header.nStartPage = i;
        }
        header.dwSize = sizeof(header);
        header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
        header.hInstance = GetModuleHandleW(nullptr);
        header.pszCaption = L"Tavelkit";
        header.nPages = 4;
        header.ppsp = pages;
    }
};

// Turns the sheet's own template into a child window, as the main dialog
// embeds it.
int CALLBACK ChildSheetCallback(HWND, UINT msg, LPARAM lp) {
    if (msg != PSCB_PRECREATE) return 0;
    WORD* words = reinterpret_cast<WORD*>(lp);
    bool extended = words[1] == 0xFFFF;  // DLGTEMPLATEEX: style after version, signature, help id, ex-style
    DWORD* style = reinterpret_cast<DWORD*>(extended ? words + 6 : words);
    *style = (*style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE)) | WS_CHILD | DS_CONTROL;
    return 0;
}

void PaintCaptionBand(HDC dc, int width);

INT_PTR CALLBACK BandProc(HWND dlg, UINT msg, WPARAM, LPARAM) {
    if (msg != WM_PAINT) return FALSE;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dlg, &ps);
    RECT client;
    GetClientRect(dlg, &client);
    PaintCaptionBand(dc, client.right);
    EndPaint(dlg, &ps);
    return TRUE;
}

// The main window as the program lays it out: caption band on top, the main
// dialog below, the sheet moved 7 pixels up and left of the placeholder.
int ShowMainWindow() {
    const int bandHeight = 39;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HWND host = CreateHost(L"Tavelkit", 100, 100);
    HWND band = CreateDialogParamW(inst, MAKEINTRESOURCEW(IDD_CAPTION_BAND), host, BandProc, 0);
    HWND main = CreateDialogParamW(inst, MAKEINTRESOURCEW(IDD_MAIN_DIALOG), host, SampleProc, 0);
    if (!band || !main) return 1;
    Sheet sheet(IDD_NOTEBOOK_KB_PAGE);
    sheet.header.dwFlags |= PSH_MODELESS | PSH_USECALLBACK;
    sheet.header.hwndParent = main;
    sheet.header.pfnCallback = ChildSheetCallback;
    HWND sheetWnd = reinterpret_cast<HWND>(PropertySheetW(&sheet.header));
    // Without its buttons the sheet ends a margin below its tab control.
    for (int button : {IDOK, IDCANCEL, IDHELP}) ShowWindow(GetDlgItem(sheetWnd, button), SW_HIDE);
    RECT tabs, sheetRect;
    GetWindowRect(PropSheet_GetTabControl(sheetWnd), &tabs);
    GetWindowRect(sheetWnd, &sheetRect);
    RECT place;
    GetWindowRect(GetDlgItem(main, IDC_SHEET_PLACEHOLDER), &place);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(sheetWnd, nullptr, place.left - 7, place.top - 7, sheetRect.right - sheetRect.left,
                 tabs.bottom - sheetRect.top + 7, SWP_NOZORDER);

    RECT dialog;
    GetWindowRect(main, &dialog);
    int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    RECT outer = {0, 0, width, bandHeight + height};
    AdjustWindowRect(&outer, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, FALSE);
    SetWindowPos(host, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    MoveWindow(band, 0, 0, width, bandHeight, FALSE);
    MoveWindow(main, 0, bandHeight, width, height, FALSE);
    ShowWindow(host, SW_SHOW);
    for (HWND w : {band, main, sheetWnd}) ShowWindow(w, SW_SHOW);
    return RunLoop();
}

int Show(int id) {
    if (IsPage(id)) {
        Sheet sheet(id);
        PropertySheetW(&sheet.header);
        return 0;
    }
    if (id == IDD_MAIN_DIALOG) return ShowMainWindow();
    HINSTANCE inst = GetModuleHandleW(nullptr);
    if (!IsChildTemplate(id)) {
        DialogBoxParamW(inst, MAKEINTRESOURCEW(id), nullptr, SampleProc, 0);
        return 0;
    }
    HWND host = CreateHost(L"Tavelkit", 100, 100);
    HWND dlg = CreateDialogParamW(inst, MAKEINTRESOURCEW(id), host, BandProc, 0);
    if (!dlg) return 1;
    SIZE s = HostSizeFor(dlg);
    SetWindowPos(host, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(host, SW_SHOW);
    ShowWindow(dlg, SW_SHOW);
    return RunLoop();
}

// The right-hand end of the band with the heading, as the caption band shows it.
void PaintCaptionBand(HDC dc, int width) {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(inst, MAKEINTRESOURCEW(IDB_CAPTION_BAND), IMAGE_BITMAP, 0, 0, 0));
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, bmp);
    BITMAP info;
    GetObjectW(bmp, sizeof(info), &info);
    BitBlt(dc, 0, 0, width, info.bmHeight, mem, info.bmWidth - width, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    HFONT font = CreateFontW(-MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, 600, 0, 0, 0,
                             DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    SetTextCharacterExtra(dc, 1);
    wchar_t heading[128];
    LoadStringW(inst, IDS_CAPTION_HEADING, heading, 128);
    TextOutW(dc, 10, 18, heading, lstrlenW(heading));
    SetTextCharacterExtra(dc, 0);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

// Draws every icon three ways: straight, and through masked 16-bit and 8-bit
// image lists as the pages' pictures and character lists hold them, each on
// the window colour and on the selection colour.
LRESULT CALLBACK IconsProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return HostProc(wnd, msg, wp, lp);
    HINSTANCE inst = GetModuleHandleW(nullptr);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(wnd, &ps);
    RECT client;
    GetClientRect(wnd, &client);
    PaintCaptionBand(dc, client.right);

    const UINT depths[] = {0, ILC_COLOR16 | ILC_MASK, ILC_COLOR8 | ILC_MASK};
    const int backgrounds[] = {COLOR_WINDOW, COLOR_HIGHLIGHT};
    int y = 50;
    for (int bg : backgrounds) {
        for (UINT depth : depths) {
            RECT row = {0, y - 2, client.right, y + 18};
            FillRect(dc, &row, GetSysColorBrush(bg));
            int x = 8;
            for (const auto& s : kIcons) {
                HICON icon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(s.id), IMAGE_ICON, s.cx, s.cy, 0));
                int h = s.cy > 16 ? 16 : s.cy;
                int w = s.cx * h / s.cy;
                if (depth == 0) {
                    DrawIconEx(dc, x, y, icon, w, h, 0, nullptr, DI_NORMAL);
                } else {
                    HIMAGELIST list = ImageList_Create(w, h, depth, 0, 1);
                    ImageList_ReplaceIcon(list, -1, icon);
                    ImageList_Draw(list, 0, dc, x, y, ILD_TRANSPARENT);
                    ImageList_Destroy(list);
                }
                DestroyIcon(icon);
                x += w + 6;
            }
            y += 24;
        }
    }
    // The large sizes of the product icon.
    int x = 8;
    for (int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_TAVELKIT), IMAGE_ICON, size, size, 0));
        DrawIconEx(dc, x, y + 4, icon, size, size, 0, nullptr, DI_NORMAL);
        DestroyIcon(icon);
        x += size + 10;
    }
    EndPaint(wnd, &ps);
    return 0;
}

int ShowIcons() {
    HWND host = CreateHost(L"Tavelkit artwork", 1200, 300);
    SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(IconsProc));
    ShowWindow(host, SW_SHOW);
    return RunLoop();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&icc);
    if (argc >= 2 && std::wcscmp(argv[1], L"check") == 0) return Check();
    if (argc >= 3 && std::wcscmp(argv[1], L"show") == 0) return Show(_wtoi(argv[2]));
    if (argc >= 2 && std::wcscmp(argv[1], L"icons") == 0) return ShowIcons();
    std::printf("usage: preview check | show <dialog id> | icons\n");
    return 2;
}
