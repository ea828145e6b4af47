// Looks at and drives the running configuration program from outside, for
// the end-to-end scripts. Prints its findings on stdout; exit code 0 = yes /
// done, 1 = no / not found, 2 = usage.
//   visible TITLE          a visible top-level window with that title exists
//   count TITLE            how many visible top-level windows have that title
//   foreground             title of the foreground window
//   tab                    selected tab index of the program's tab strip
//   tab-center INDEX       screen centre of a tab: "x y"
//   rect                   main window: "left top right bottom zoomed"
//   post MESSAGE WPARAM    posts to the main window (numbers, 0x... allowed)
//   text TITLE ID          text of control ID in the top-level window TITLE
//   enabled ID             whether control ID of the main window is enabled
//   shown ID               whether control ID of the main window is visible
//   click TITLE ID         clicks button ID of the top-level window TITLE
//   quiet-click TITLE ID   the same without taking the focus (the program may be
//                          behind another one being typed into): a check box
//                          turns over, then its parent is told it was clicked
//   focus-id               control id of the focused window of the program
//   class NAME             a top-level window of that class exists
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr wchar_t kMainTitle[] = L"Tavelkit";
constexpr int kTabStripId = 12320;

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

struct ById {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<ById*>(param);
  if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND Descendant(HWND root, int id) {
  ById search{id, nullptr};
  if (root) EnumChildWindows(root, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND MainWindow() { return FindWindowW(nullptr, kMainTitle); }

std::wstring Widen(const char* text) {
  std::wstring wide;
  for (; *text; ++text) wide.push_back(static_cast<unsigned char>(*text));
  return wide;
}

unsigned long Number(const char* text) { return std::strtoul(text, nullptr, 0); }

// The tab's rectangle lives in the program's memory: ask for it there.
int TabCenter(int index) {
  HWND strip = Descendant(MainWindow(), kTabStripId);
  DWORD processId = 0;
  GetWindowThreadProcessId(strip, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId);
  if (!strip || !process) return 1;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT r{};
  const bool ok = remote && SendMessageW(strip, 0x130A /* TCM_GETITEMRECT */, index,
                                         reinterpret_cast<LPARAM>(remote)) &&
                  ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  if (!ok) return 1;
  POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(strip, &centre);
  std::printf("%ld %ld\n", centre.x, centre.y);
  return 0;
}

int FocusId() {
  HWND main = MainWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!main || !GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info)) return 1;
  std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
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
    std::printf("%ls\n", text);
    return 0;
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
    std::printf("%ls\n", text);
    return 0;
  }
  if (command == "enabled" && argc == 3) {
    HWND control = Descendant(MainWindow(), std::atoi(argv[2]));
    return control && IsWindowEnabled(control) ? 0 : 1;
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
  return 2;
}
