// Measures Apply in the running configuration program until the hook
// library's shared state holds the new record: switches the notebook page's
// "Enable key assignments" over, clicks Apply and polls the shared state
// (through the hook library beside this program, whatever the program's
// width: the state is one for both) every millisecond. Prints every time
// and the median of all but the first.
//
//   apply_latency ROUNDS
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/startup/timing.h"
#include "tests/e2e/panel/descendant.h"

namespace {

constexpr int kEnableAssignments = 1106;
constexpr int kApply = 1000;

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 6;
  HWND main = FindWindowW(L"TavelkitWnd", L"Tavelkit");
  HWND check = tavel::test::Descendant(main, kEnableAssignments);
  HWND apply = tavel::test::Descendant(main, kApply);
  HMODULE hook = LoadLibraryW(L"Tavelhook.dll");
  using GetStatus = DWORD* (__stdcall*)(DWORD*);
  auto getVrKbStatus = reinterpret_cast<GetStatus>(
      reinterpret_cast<void (*)()>(GetProcAddress(hook, MAKEINTRESOURCEA(17))));
  if (!check || !apply || !getVrKbStatus) {
    std::fprintf(stderr, "no configuration program, or no hook library beside this program\n");
    return 1;
  }
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    const bool on = SendMessageW(check, BM_GETCHECK, 0, 0) != BST_CHECKED;
    SendMessageW(check, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(GetParent(check), WM_COMMAND, MAKEWPARAM(kEnableAssignments, BN_CLICKED),
                 reinterpret_cast<LPARAM>(check));
    const double start = NowMs();
    PostMessageW(apply, BM_CLICK, 0, 0);
    DWORD status = on ? 0 : 1;
    while (((status != 0) != on) && NowMs() - start < 10000) {
      Sleep(1);
      getVrKbStatus(&status);
    }
    const double ms = NowMs() - start;
    std::printf("round %d %.1f\n", round, ms);
    if (round > 0) times.push_back(ms);
    Sleep(500);
  }
  std::printf("median %.1f ms of %zu\n", Median(times), times.size());
  return 0;
}
