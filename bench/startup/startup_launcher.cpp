// Measures how long programs take to show their window: starts each in
// turn, polls every 2 ms for a visible top-level window of the new process
// with the expected title, closes it (WM_CLOSE) and waits for the process
// to end. Prints every time, then per program the median of all rounds but
// the first (which pays for a cold start), and the first program's median
// over the second's.
//
//   startup_launcher ROUNDS TITLE1 PROGRAM1 TITLE2 PROGRAM2 ...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/startup/timing.h"

namespace {

struct Search {
  DWORD processId;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  if (search->title != std::wstring(text)) return TRUE;
  search->found = window;
  return FALSE;
}

// Milliseconds until the window shows; negative when it did not within 30 s.
double TimeOneStart(const std::wstring& program, const wchar_t* title) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = NowMs();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    return -1;
  }
  Search search{process.dwProcessId, title, nullptr};
  double shown = -1;
  while (NowMs() - start < 30000) {
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      shown = NowMs() - start;
      break;
    }
    Sleep(2);
  }
  if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return shown;
}

std::wstring Widen(const char* text) {
  std::wstring wide;
  while (*text) wide += static_cast<wchar_t>(*text++);
  return wide;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc % 2 != 0) {
    std::fprintf(stderr, "usage: startup_launcher ROUNDS TITLE PROGRAM [TITLE PROGRAM ...]\n");
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  const int programs = (argc - 2) / 2;
  std::vector<std::vector<double>> times(programs);
  for (int round = 0; round < rounds; ++round) {
    for (int p = 0; p < programs; ++p) {
      const std::wstring title = Widen(argv[2 + 2 * p]);
      const double ms = TimeOneStart(Widen(argv[3 + 2 * p]), title.c_str());
      std::printf("round %d %s %.1f\n", round, argv[2 + 2 * p], ms);
      if (ms < 0) return 1;
      if (round > 0) times[p].push_back(ms);
    }
  }
  std::vector<double> medians;
  for (int p = 0; p < programs; ++p) {
    medians.push_back(Median(times[p]));
    std::printf("median %s %.1f ms of %zu\n", argv[2 + 2 * p], medians.back(), times[p].size());
  }
  if (programs >= 2) std::printf("ratio %.2f\n", medians[0] / medians[1]);
  return 0;
}
