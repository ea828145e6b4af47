// Looks at and drives the running configuration program from outside, for
// the end-to-end scripts. Prints its findings on stdout; exit code 0 = yes /
// done, 1 = no / not found, 2 = usage.
//   visible TITLE          a visible top-level window with that title exists
//   count TITLE            how many visible top-level windows have that title
//   foreground             title of the foreground window
//   foreground-class       class of the foreground window
//   tab                    selected tab index of the program's tab strip
//   tab-center INDEX       screen centre of a tab: "x y"
//   rect                   main window: "left top right bottom zoomed"
//   wide-band WIDTH        moves the main window to the screen's top left
//                          corner and makes its caption band WIDTH pixels
//                          wide (as a wide window on a screen of many dots
//                          per inch has it); prints the band's corner "x y"
//   post MESSAGE WPARAM    posts to the main window (numbers, 0x... allowed)
//   text TITLE ID          text of control ID in the top-level window TITLE
//   enabled ID             whether control ID of the main window is enabled
//   shown ID               whether control ID of the main window is visible
//   checked ID             whether check box ID of the main window is checked
//   click TITLE ID         clicks button ID of the top-level window TITLE
//   quiet-click TITLE ID   the same without taking the focus (the program may be
//                          behind another one being typed into): a check box
//                          turns over, then its parent is told it was clicked
//   focus-id               control id of the focused window of the program
//   class NAME             a top-level window of that class exists
//   close TITLE            asks the visible top-level window TITLE to close
//   program TITLE          full path of the program of the window TITLE
//   program-of-class NAME  the same for the top-level window of class NAME
//   center ID              screen centre of the visible control ID: "x y"
//   dropped ID             whether the drop-down list ID is open
//   selection ID           selected position of list ID
//   selected-text ID       text of the selected item of list ID
//   item-text ID INDEX     text of item INDEX of list ID
//   item-image ID INDEX    image of item INDEX of extended list ID (-2 none)
//   dialog-click TITLE ID  clicks button ID of the dialog box TITLE
//   dialog-checked TITLE ID  whether check box ID of the dialog box TITLE is checked
//   message                text of the program's open message box
//   message-ok             closes the program's message box with OK
//   message-owner          class of the window that owns the message box
//   settings               every value below the user's settings key, a line
//                          each: "SUBKEY\NAME TYPE HEXBYTES" (bytes as stored)
//   decoy TITLE SECONDS    shows a window of another class with that title
//                          for that long; exit 3 when a WM_QUIT ended it early
//   slider ID              position of slider ID
//   command ID             posts WM_COMMAND ID to the main dialog, as Enter
//                          (IDOK) or Esc (IDCANCEL) do
//   key-delays             the Key Sensitivity page's delays of the keys its
//                          test has shown: "EVENT_MS HOOK_US" lines
//   observe SECONDS        watches the keys with a low-level hook for that
//                          long: "key VK FLAGS" lines
//   front-title            title of the dialog box in front of the main window
//   front-click ID         clicks button ID of that dialog box
//   fit main|front         measures every control's text of the main window or
//                          of the dialog box in front with the control's own
//                          font; lists what does not fit; 0 = all fit
//   describe main|front    what a screen reader hears of every control there,
//                          read inside the program; 0 = every input control
//                          has a description of the program's
//   events SECONDS         watches the program for that long: "focus ID" for
//                          each control it says got the focus, "name-change
//                          ID" for each whose name it says has changed
//   high-contrast RRGGBB...  switches the program to a high-contrast scheme of
//                          these 31 system colours: they are set inside it and
//                          it is told that high contrast is on (Wine has no
//                          such setting)
//   colours                the 31 system colours, "RRGGBB" each
//   set-colours RRGGBB...  sets them for programs started from now on
//   area ID|band           screen rectangle "x y width height" of control ID of
//                          the page that shows or the main dialog, shown or
//                          not, or of the caption band
// Texts are printed in UTF-8.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "../hook/key_observer.h"
#include "tests/e2e/panel/descendant.h"
#include "tests/e2e/panel/inside.h"

namespace {

constexpr wchar_t kMainTitle[] = L"Tavelkit";
constexpr int kTabStripId = 12320;
constexpr int kApplyButtonId = 1000;
constexpr int kTestButtonId = 1084;
// The Key Sensitivity page's answer: wParam the shown key, lParam 0 for the
// delay from its key event (ms), 1 from the page's hook (µs); -1 for none.
constexpr UINT kKeyTestDelayMessage = WM_APP + 0x40;

struct Search {
  const wchar_t* title;
  int count;
  HWND found;
};

BOOL CALLBACK CountVisible(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  if (IsWindowVisible(hwnd) && std::wstring(text) == search->title) {
    ++search->count;
    search->found = hwnd;
  }
  return TRUE;
}

Search Visible(const wchar_t* title) {
  Search search{title, 0, nullptr};
  EnumWindows(CountVisible, reinterpret_cast<LPARAM>(&search));
  return search;
}

using tavel::test::ById;
using tavel::test::Descendant;

// The program's own window class; its message boxes share the title.
HWND MainWindow() { return FindWindowW(L"TavelkitWnd", kMainTitle); }

// Control ids repeat across pages: the one on the page that shows wins.
BOOL CALLBACK MatchVisibleId(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ById*>(param);
  if (GetDlgCtrlID(hwnd) != search->id || !IsWindowVisible(hwnd)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND VisibleControl(int id) {
  ById search{id, nullptr};
  if (HWND main = MainWindow()) EnumChildWindows(main, MatchVisibleId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool IsExtendedList(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return std::wstring(name) == L"ComboBoxEx32";
}

// Memory in the program's process for messages whose answer is written
// through a pointer, read back once the message returns.
class RemoteBlock {
 public:
  RemoteBlock(HWND owner, size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(owner, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  char* Address() const { return static_cast<char*>(address_); }
  bool Write(const void* data, size_t size) {
    return address_ && WriteProcessMemory(process_, address_, data, size, nullptr);
  }
  bool Read(void* data, size_t size, size_t offset = 0) {
    return address_ && ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

// Item INDEX of an extended list: its text and image.
bool ExtendedItem(HWND list, int index, std::wstring& text, int& image) {
  RemoteBlock block(list, sizeof(COMBOBOXEXITEMW) + 256 * sizeof(wchar_t));
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT | CBEIF_IMAGE;
  item.iItem = index;
  item.pszText = reinterpret_cast<wchar_t*>(block.Address() + sizeof item);
  item.cchTextMax = 256;
  wchar_t buffer[256] = {};
  if (!block.Write(&item, sizeof item) ||
      !SendMessageW(list, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.Address())) ||
      !block.Read(&item, sizeof item) || !block.Read(buffer, sizeof buffer, sizeof item)) {
    return false;
  }
  buffer[255] = 0;
  text = buffer;
  image = item.iImage;
  return true;
}

bool ListItemText(HWND list, int index, std::wstring& text) {
  if (IsExtendedList(list)) {
    int image = 0;
    return ExtendedItem(list, index, text, image);
  }
  // The system carries this message's text across processes itself.
  wchar_t buffer[256] = {};
  if (SendMessageW(list, CB_GETLBTEXTLEN, index, 0) >= 255) return false;
  if (SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer)) < 0) return false;
  buffer[255] = 0;
  text = buffer;
  return true;
}

// The tab's rectangle lives in the program's memory: ask for it there.
int TabCenter(int index) {
  HWND strip = Descendant(MainWindow(), kTabStripId);
  if (!strip) return 1;
  RemoteBlock block(strip, sizeof(RECT));
  RECT r{};
  if (!SendMessageW(strip, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(block.Address())) ||
      !block.Read(&r, sizeof r)) {
    return 1;
  }
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(strip, &centre);
  std::printf("%ld %ld\n", centre.x, centre.y);
  return 0;
}

// A dialog box of the program (message boxes are captioned like it too).
HWND DialogWindow(const wchar_t* title) {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", title); w;
       w = FindWindowExW(nullptr, w, L"#32770", title)) {
    if (IsWindowVisible(w)) return w;
  }
  return nullptr;
}

HWND MessageBoxWindow() { return DialogWindow(kMainTitle); }

void PrintLine(const std::wstring& text) {
  std::string bytes(text.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                    static_cast<int>(bytes.size()), nullptr, nullptr);
  std::fwrite(bytes.data(), 1, n > 0 ? static_cast<size_t>(n) : 0, stdout);
  std::fputc('\n', stdout);
}

BOOL CALLBACK PrintStaticText(HWND hwnd, LPARAM) {
  wchar_t name[64] = {}, text[512] = {};
  GetClassNameW(hwnd, name, 64);
  GetWindowTextW(hwnd, text, 512);
  if (std::wstring(name) == L"Static" && text[0]) PrintLine(text);
  return TRUE;
}

std::wstring Widen(const char* text) {
  std::wstring wide;
  for (; *text; ++text) wide.push_back(static_cast<unsigned char>(*text));
  return wide;
}

unsigned long Number(const char* text) { return std::strtoul(text, nullptr, 0); }

int FocusId() {
  HWND main = MainWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!main || !GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return 1;
  std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
  return 0;
}

int KeyDelays() {
  HWND button = Descendant(MainWindow(), kTestButtonId);
  if (!button) return 1;
  HWND page = GetParent(button);
  for (WPARAM i = 0;; ++i) {
    const LRESULT fromEvent = SendMessageW(page, kKeyTestDelayMessage, i, 0);
    if (fromEvent < 0) return 0;
    std::printf("%ld %ld\n", static_cast<long>(fromEvent),
                static_cast<long>(SendMessageW(page, kKeyTestDelayMessage, i, 1)));
  }
}

// A hook needs a message loop on its thread to be called.
int Observe(DWORD seconds) {
  if (!StartKeyObserver()) return 1;
  const DWORD end = GetTickCount() + seconds * 1000;
  while (GetTickCount() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  StopKeyObserver();
  for (const ObservedKey& key : TakeObservedKeys()) std::printf("key %X %X\n", key.vk, key.flags);
  return 0;
}

// The full path of the program that owns a window.
int PrintProgramOf(HWND window) {
  DWORD process = 0;
  if (!window || !GetWindowThreadProcessId(window, &process)) return 1;
  HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process);
  if (!handle) return 1;
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const BOOL ok = QueryFullProcessImageNameW(handle, 0, path, &size);
  CloseHandle(handle);
  if (!ok) return 1;
  std::printf("%ls\n", path);
  return 0;
}

// The dialog box the program shows in front of its main window: its one
// enabled, visible top-level window besides the main window (a modal box
// disables the window it was opened from).
BOOL CALLBACK MatchFront(HWND hwnd, LPARAM param) {
  auto* front = reinterpret_cast<HWND*>(param);
  if (hwnd == MainWindow() || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
  *front = hwnd;
  return FALSE;
}

HWND FrontDialog() {
  HWND front = nullptr;
  if (HWND main = MainWindow()) {
    EnumThreadWindows(GetWindowThreadProcessId(main, nullptr), MatchFront, reinterpret_cast<LPARAM>(&front));
  }
  return front;
}

// Values as the registry stores them, whatever their type or length.
void PrintValues(HKEY key, const std::wstring& path) {
  static BYTE data[1 << 17];
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD nameLength = 256, type = 0, size = sizeof data;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
    std::wstring line = path + L"\\" + name + L" " + std::to_wstring(type) + L" ";
    for (DWORD b = 0; b < size; ++b) {
      wchar_t hex[3];
      swprintf(hex, 3, L"%02X", data[b]);
      line += hex;
    }
    PrintLine(line);
  }
  wchar_t subkey[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, subkey, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY child;
    if (RegOpenKeyExW(key, subkey, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    PrintValues(child, path.empty() ? subkey : path + L"\\" + subkey);
    RegCloseKey(child);
  }
}

int PrintSettings() {
  HKEY root;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Norvik\\Tavel\\DataV1_1", 0, KEY_READ, &root) != ERROR_SUCCESS) {
    return 1;
  }
  PrintValues(root, L"");
  RegCloseKey(root);
  return 0;
}

// Another program's window that bears the program's title, as a folder
// window showing the installation folder does.
int Decoy(const wchar_t* title, DWORD seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TavelDecoyWnd";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  SetTimer(nullptr, 0, seconds * 1000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) return 0;
    DispatchMessageW(&msg);
  }
  return 3;
}

// The library beside this probe does the work inside the program's process
// and reports through its shared section.
int Inside(HWND window, tavel::test::InsideRequest request, const COLORREF* scheme = nullptr) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring library = path;
  library = library.substr(0, library.find_last_of(L'\\') + 1) + L"panel_inside.dll";
  HMODULE module = LoadLibraryW(library.c_str());
  // Through void(*)() because FARPROC has no prototype worth keeping.
  auto hookProcedure = reinterpret_cast<HOOKPROC (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, "InsideHookProcedure")));
  auto sharedReport = reinterpret_cast<tavel::test::InsideReport* (*)()>(
      reinterpret_cast<void (*)()>(GetProcAddress(module, "InsideSharedReport")));
  if (!window || !hookProcedure || !sharedReport) return 2;
  tavel::test::InsideReport* report = sharedReport();
  report->window = window;
  report->request = request;
  if (scheme) std::copy(scheme, scheme + tavel::test::kSystemColours, report->scheme);
  HHOOK installed =
      SetWindowsHookExW(WH_CALLWNDPROC, hookProcedure(), module, GetWindowThreadProcessId(window, nullptr));
  DWORD_PTR result = 0;
  const bool answered = installed && SendMessageTimeoutW(window, tavel::test::InsideMessage(), 0, 0,
                                                         SMTO_ABORTIFHUNG, 20000, &result);
  if (installed) UnhookWindowsHookEx(installed);
  std::fputs(report->lines, stdout);
  std::printf("%ld counted, %ld failed\n", report->counted, report->failed);
  return answered && report->counted > 0 && report->failed == 0 ? 0 : 1;
}

HWND MainOrFront(const std::string& which) {
  if (which == "main") return MainWindow();
  if (which == "front") return FrontDialog();
  return nullptr;
}

void CALLBACK PrintEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object != OBJID_CLIENT || child != CHILDID_SELF) return;
  if (event == EVENT_OBJECT_FOCUS) std::printf("focus %d\n", GetDlgCtrlID(window));
  if (event == EVENT_OBJECT_NAMECHANGE) std::printf("name-change %d\n", GetDlgCtrlID(window));
  std::fflush(stdout);
}

// Events reach a hook outside their process through its message loop.
int WatchEvents(DWORD seconds) {
  DWORD process = 0;
  if (!GetWindowThreadProcessId(MainWindow(), &process)) return 1;
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, PrintEvent,
                                       process, 0, WINEVENT_OUTOFCONTEXT);
  if (!hook) return 1;
  const DWORD end = GetTickCount() + seconds * 1000;
  while (GetTickCount() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  UnhookWinEvent(hook);
  return 0;
}

COLORREF FromHex(const char* text) {
  const unsigned long rgb = std::strtoul(text, nullptr, 16);
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

using tavel::test::kSystemColours;

bool ReadColours(int count, char** hex, COLORREF (&colours)[kSystemColours]) {
  if (count != kSystemColours) return false;
  for (int i = 0; i < kSystemColours; ++i) colours[i] = FromHex(hex[i]);
  return true;
}

int SetColours(int count, char** hex) {
  COLORREF colours[kSystemColours];
  int indices[kSystemColours];
  for (int i = 0; i < kSystemColours; ++i) indices[i] = i;
  if (!ReadColours(count, hex, colours)) return 2;
  return SetSysColors(kSystemColours, indices, colours) ? 0 : 1;
}

int SwitchToHighContrast(int count, char** hex) {
  COLORREF scheme[kSystemColours];
  if (!ReadColours(count, hex, scheme)) return 2;
  return Inside(MainWindow(), tavel::test::kSwitchToHighContrast, scheme);
}

// The caption band: the main window's dialog without controls.
HWND CaptionBand() {
  for (HWND child = GetWindow(MainWindow(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (std::wstring(name) == L"#32770" && !GetWindow(child, GW_CHILD)) return child;
  }
  return nullptr;
}

// A control of the page that shows, else of the main dialog.
HWND ControlForArea(int id) {
  HWND strip = Descendant(MainWindow(), kTabStripId);
  HWND sheet = strip ? GetParent(strip) : nullptr;
  auto page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (HWND onPage = page ? GetDlgItem(page, id) : nullptr) return onPage;
  return Descendant(MainWindow(), id);
}

int PrintArea(HWND control) {
  RECT r;
  if (!control || !GetWindowRect(control, &r)) return 1;
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string command = argv[1];
  if (command == "visible" && argc == 3) return Visible(Widen(argv[2]).c_str()).count > 0 ? 0 : 1;
  if (command == "count" && argc == 3) {
    std::printf("%d\n", Visible(Widen(argv[2]).c_str()).count);
    return 0;
  }
  if (command == "foreground") {
    wchar_t text[256] = {};
    GetWindowTextW(GetForegroundWindow(), text, 256);
    PrintLine(text);
    return 0;
  }
  if (command == "foreground-class") {
    wchar_t name[256] = {};
    GetClassNameW(GetForegroundWindow(), name, 256);
    PrintLine(name);
    return 0;
  }
  if (command == "settings") return PrintSettings();
  if (command == "decoy" && argc == 4) return Decoy(Widen(argv[2]).c_str(), Number(argv[3]));
  if (command == "wide-band" && argc == 3) {
    HWND band = CaptionBand();
    RECT r;
    if (!band || !GetClientRect(band, &r)) return 1;
    SetWindowPos(MainWindow(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(band, nullptr, 0, 0, std::atoi(argv[2]), r.bottom, SWP_NOMOVE | SWP_NOZORDER);
    RedrawWindow(band, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    POINT corner{0, 0};
    ClientToScreen(band, &corner);
    GetClientRect(band, &r);
    std::printf("%ld %ld %ld\n", corner.x, corner.y, r.right);
    return r.right == std::atoi(argv[2]) ? 0 : 1;
  }
  if (command == "tab") {
    HWND strip = Descendant(MainWindow(), kTabStripId);
    if (!strip) return 1;
    std::printf("%d\n", static_cast<int>(SendMessageW(strip, 0x130B /* TCM_GETCURSEL */, 0, 0)));
    return 0;
  }
  if (command == "tab-center" && argc == 3) return TabCenter(std::atoi(argv[2]));
  if (command == "rect") {
    RECT r;
    if (!GetWindowRect(MainWindow(), &r)) return 1;
    std::printf("%ld %ld %ld %ld %d\n", r.left, r.top, r.right, r.bottom, IsZoomed(MainWindow()) ? 1 : 0);
    return 0;
  }
  if (command == "post" && argc == 4) {
    return PostMessageW(MainWindow(), Number(argv[2]), Number(argv[3]), 0) ? 0 : 1;
  }
  if (command == "text" && argc == 4) {
    HWND control = Descendant(Visible(Widen(argv[2]).c_str()).found, std::atoi(argv[3]));
    if (!control) return 1;
    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    PrintLine(text);
    return 0;
  }
  if (command == "enabled" && argc == 3) {
    HWND control = Descendant(MainWindow(), std::atoi(argv[2]));
    return control && IsWindowEnabled(control) ? 0 : 1;
  }
  if (command == "checked" && argc == 3) {
    HWND control = Descendant(MainWindow(), std::atoi(argv[2]));
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1;
  }
  if (command == "shown" && argc == 3) {
    HWND control = Descendant(MainWindow(), std::atoi(argv[2]));
    return control && IsWindowVisible(control) ? 0 : 1;
  }
  if (command == "click" && argc == 4) {
    HWND control = Descendant(Visible(Widen(argv[2]).c_str()).found, std::atoi(argv[3]));
    return control && PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (command == "quiet-click" && argc == 4) {
    HWND control = Descendant(Visible(Widen(argv[2]).c_str()).found, std::atoi(argv[3]));
    if (!control) return 1;
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
      const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
      SendMessageW(control, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
    }
    const WPARAM clicked = MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED);
    return PostMessageW(GetParent(control), WM_COMMAND, clicked, reinterpret_cast<LPARAM>(control)) ? 0 : 1;
  }
  if (command == "focus-id") return FocusId();
  if (command == "class" && argc == 3) return FindWindowW(Widen(argv[2]).c_str(), nullptr) ? 0 : 1;
  if (command == "program" && argc == 3) return PrintProgramOf(Visible(Widen(argv[2]).c_str()).found);
  if (command == "program-of-class" && argc == 3) {
    return PrintProgramOf(FindWindowW(Widen(argv[2]).c_str(), nullptr));
  }
  if (command == "close" && argc == 3) {
    HWND window = Visible(Widen(argv[2]).c_str()).found;
    return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  if (command == "center" && argc == 3) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    RECT r;
    if (!control || !GetWindowRect(control, &r)) return 1;
    std::printf("%ld %ld\n", (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    return 0;
  }
  if (command == "dropped" && argc == 3) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    return control && SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0) ? 0 : 1;
  }
  if (command == "selection" && argc == 3) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    if (!control) return 1;
    std::printf("%d\n", static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    return 0;
  }
  if (command == "selected-text" && argc == 3) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    std::wstring text;
    if (!control) return 1;
    const int selected = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
    if (selected < 0 || !ListItemText(control, selected, text)) return 1;
    PrintLine(text);
    return 0;
  }
  if (command == "item-text" && argc == 4) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    std::wstring text;
    if (!control || !ListItemText(control, std::atoi(argv[3]), text)) return 1;
    PrintLine(text);
    return 0;
  }
  if (command == "item-image" && argc == 4) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    std::wstring text;
    int image = 0;
    if (!control || !ExtendedItem(control, std::atoi(argv[3]), text, image)) return 1;
    std::printf("%d\n", image);
    return 0;
  }
  if (command == "dialog-click" && argc == 4) {
    HWND control = GetDlgItem(DialogWindow(Widen(argv[2]).c_str()), std::atoi(argv[3]));
    return control && PostMessageW(control, BM_CLICK, 0, 0) ? 0 : 1;
  }
  if (command == "dialog-checked" && argc == 4) {
    HWND control = GetDlgItem(DialogWindow(Widen(argv[2]).c_str()), std::atoi(argv[3]));
    return control && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1;
  }
  if (command == "message") {
    HWND box = MessageBoxWindow();
    if (!box) return 1;
    EnumChildWindows(box, PrintStaticText, 0);
    return 0;
  }
  if (command == "slider" && argc == 3) {
    HWND control = VisibleControl(std::atoi(argv[2]));
    if (!control) return 1;
    std::printf("%d\n", static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0)));
    return 0;
  }
  if (command == "command" && argc == 3) {
    HWND apply = Descendant(MainWindow(), kApplyButtonId);
    return apply && PostMessageW(GetParent(apply), WM_COMMAND, std::atoi(argv[2]), 0) ? 0 : 1;
  }
  if (command == "key-delays") return KeyDelays();
  if (command == "observe" && argc == 3) return Observe(Number(argv[2]));
  if (command == "front-title") {
    wchar_t text[256] = {};
    HWND front = FrontDialog();
    if (!front) return 1;
    GetWindowTextW(front, text, 256);
    PrintLine(text);
    return 0;
  }
  if (command == "front-click" && argc == 3) {
    // The notification a click sends: a posted BM_CLICK can be lost while
    // the box is just getting back the input from one it opened.
    HWND front = FrontDialog();
    const int id = std::atoi(argv[2]);
    HWND control = GetDlgItem(front, id);
    return control && PostMessageW(front, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(control)) ? 0 : 1;
  }
  if (command == "fit" && argc == 3) return Inside(MainOrFront(argv[2]), tavel::test::kMeasureTextFit);
  if (command == "describe" && argc == 3) return Inside(MainOrFront(argv[2]), tavel::test::kDescribeControls);
  if (command == "high-contrast") return SwitchToHighContrast(argc - 2, argv + 2);
  if (command == "events" && argc == 3) return WatchEvents(Number(argv[2]));
  if (command == "colours") {
    for (int i = 0; i < kSystemColours; ++i) {
      const COLORREF c = GetSysColor(i);
      std::printf("%02X%02X%02X%c", GetRValue(c), GetGValue(c), GetBValue(c), i + 1 < kSystemColours ? ' ' : '\n');
    }
    return 0;
  }
  if (command == "set-colours") return SetColours(argc - 2, argv + 2);
  if (command == "area" && argc == 3) {
    return PrintArea(std::string(argv[2]) == "band" ? CaptionBand() : ControlForArea(std::atoi(argv[2])));
  }
  if (command == "message-owner") {
    wchar_t name[256] = {};
    HWND box = MessageBoxWindow();
    if (!box) return 1;
    GetClassNameW(GetWindow(box, GW_OWNER), name, 256);
    PrintLine(name);
    return 0;
  }
  if (command == "message-ok") {
    HWND box = MessageBoxWindow();
    return box && PostMessageW(box, WM_COMMAND, IDOK, 0) ? 0 : 1;
  }
  return 2;
}
