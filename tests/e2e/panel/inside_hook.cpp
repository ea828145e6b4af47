// Loaded into the configuration program by a window hook that the probe
// sets on the program's user-interface thread, so that what it asks for is
// done there: texts measured with the controls' own fonts, the objects a
// screen reader gets (which Wine hands only to the program's own process),
// system colours the program sees at once (Wine shows a colour change made
// by another process only to processes started after it).
// The report goes back through the library's shared section.
#include <windows.h>

#include <cstring>

#include "tests/e2e/panel/inside_library.h"

namespace tavel::test {
namespace {

InsideReport insideReport __attribute__((section(".shared"), shared)) = {};

LRESULT CALLBACK InsideHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && call->message == InsideMessage() && call->hwnd == insideReport.window) {
    insideReport.counted = insideReport.failed = 0;
    insideReport.lines[0] = 0;
    switch (insideReport.request) {
      case kMeasureTextFit:
        MeasureTextFit(call->hwnd);
        break;
      case kDescribeControls:
        DescribeControls(call->hwnd);
        break;
      case kSwitchToHighContrast:
        SwitchToHighContrast(call->hwnd, insideReport.scheme);
        break;
      default:
        break;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

InsideReport& Report() { return insideReport; }

void AppendLine(const std::string& line) {
  const size_t used = strlen(insideReport.lines);
  if (used + line.size() + 2 < sizeof insideReport.lines) {
    memcpy(insideReport.lines + used, line.c_str(), line.size());
    insideReport.lines[used + line.size()] = '\n';
    insideReport.lines[used + line.size() + 1] = 0;  // an earlier report's lines may follow
  }
}

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 3 + 1, '\0');
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                    static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return bytes;
}

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

bool IsPropertySheet(HWND window) { return FindWindowExW(window, nullptr, L"SysTabControl32", nullptr) != nullptr; }

std::wstring Place(HWND control) {
  HWND dialog = GetParent(control);
  while (dialog && (ClassOf(dialog) != L"#32770" || IsPropertySheet(dialog))) dialog = GetParent(dialog);
  std::wstring caption = TextOf(dialog);
  if (caption.empty()) caption = L"(main dialog)";
  return caption + L" #" + std::to_wstring(GetDlgCtrlID(control));
}

}  // namespace tavel::test

// Plain C exports: the same names in both widths.
extern "C" __declspec(dllexport) HOOKPROC InsideHookProcedure() { return tavel::test::InsideHook; }
extern "C" __declspec(dllexport) tavel::test::InsideReport* InsideSharedReport() { return &tavel::test::insideReport; }
