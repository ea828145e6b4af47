// Test driver for the monitor's end-to-end tests: plays the configuration
// program's side of the channel with the real sender, plays a stranger
// sending channel messages without a proper mapping, and reads back what the
// hook library holds.
//
//   monitor_probe running                 exit 0 when a monitor window exists
//   monitor_probe send-vrkb STATUS PHYS EMUL
//   monitor_probe watch-vrkb PHYS1 EMUL1 [PHYS2 EMUL2]
//                                         sends one record (or two at once) and
//                                         watches the shared state: prints when
//                                         the last one is in force and whether
//                                         anything else was seen on the way
//   monitor_probe flip-vrkb PERIOD_MS STOP_FILE
//                                         sends the notebook record every PERIOD_MS,
//                                         its switch on and off in turn, until the
//                                         file STOP_FILE is gone; prints how many
//   monitor_probe send-symb ROW CHOICE FIRST SECOND
//   monitor_probe send-ext MASK STATUS AUTO ROW FIRST SECOND
//   monitor_probe send MESSAGE [WPARAM LPARAM]
//                                         a bare message (no mapping made)
//   monitor_probe send-short MESSAGE FILE mapping backed by an 8-byte file
//   monitor_probe show                    prints the hook library's shared state
//   monitor_probe unhook                  takes the monitor's hook out of the chain
//                                         from this process (ordinal 11), as the
//                                         system does to a hook it gives up on
//   monitor_probe open-device NAME        opens a device as the programs do and
//                                         prints "opened" or "error N"
//   monitor_probe key-test-hold [STATUS]  plays a configuration program in a key
//                                         test: sets KeySensAsgnsStatus to 2 through
//                                         ordinal 30, prints its process id and waits
//                                         to be killed (with STATUS: puts that back
//                                         after a second and ends, as a test that ends)
//   monitor_probe set-keysens STATUS      SetKeySensStatus(STATUS)
//   monitor_probe terminate PID           TerminateProcess on a Windows process id
//   monitor_probe usage                   the monitor process's private bytes and
//                                         handle count: "private N handles M"
//   monitor_probe activate TITLE          brings the top-level window TITLE to the front
//   monitor_probe held                    prints every key GetAsyncKeyState reports
//                                         held (hexadecimal), or "none"
//   monitor_probe time-start PROGRAM      starts the monitor and prints the time
//                                         until its window exists (its hook is
//                                         installed and the settings loaded by
//                                         then), and the process id
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hook/tavelhook_api.h"
#include "monitor/channel_sender.h"
#include "platform/win32/file_mapping_win32.h"
#include "platform/win32/window_messages_win32.h"

using namespace tavel;

namespace {

uint32_t Number(const char* text) { return static_cast<uint32_t>(std::strtoul(text, nullptr, 0)); }

HWND Monitor() { return FindWindowA(kMonitorWindowClass, nullptr); }

int SendShort(uint32_t message, const char* path) {
  HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  const char bytes[8] = {1, 0, 0, 0, 1, 0, 0, 0};
  DWORD written = 0;
  WriteFile(file, bytes, sizeof bytes, &written, nullptr);
  HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, 0, kTavelSharedMemName);
  if (mapping == nullptr) return 4;
  SendMessageA(Monitor(), message, 0, 0);
  CloseHandle(mapping);
  CloseHandle(file);
  DeleteFileA(path);
  return 0;
}

void Show() {
  VrKbMap vrKb{};
  GetVrKbMap(&vrKb);
  DWORD vrKbStatus = 0;
  GetVrKbStatus(&vrKbStatus);
  SymbMap symb{};
  GetSymbMap(&symb);
  ExtKbMap ext{};
  GetExtKbMap(&ext);
  ExtKbSettingsRequest settings{kExtKbMaskAll, {}};
  GetExtKbSettings(&settings);
  DWORD keySens = 0;
  GetKeySensStatus(&keySens);
  DWORD symbStatus = 0;
  GetSymbStatus(&symbStatus);
  std::printf("vrkb %lu %X %X\n", vrKbStatus, vrKb.entries[0].physicalKey, vrKb.entries[0].emulatedKey);
  std::printf("symb0 %u %X %X\n", symb.entries[0].characterChoice, symb.entries[0].firstKey,
              symb.entries[0].secondKey);
  std::printf("symb %lu\n", symbStatus);
  std::printf("ext %u %u %u %u %u\n", settings.values.status, settings.values.autoStatus,
              settings.values.usbKbPresent, settings.values.docked, settings.values.morrowUsbKbPresent);
  std::printf("ext4 %X %X\n", ext.entries[4].firstKey, ext.entries[4].secondKey);
  std::printf("keysens %lu\n", keySens);
}

VrKbChannelRecord VrKbRecord(uint32_t status, uint32_t physical, uint32_t emulated) {
  VrKbChannelRecord record{};
  record.vrKbAsgnsStatus = status;
  record.vrKbMap.entries[0] = {physical, emulated};
  record.vrKbBrwAsgnsStatus = 1;
  return record;
}

int WatchVrKb(int count, char** pairs) {
  Win32FileMappings mappings;
  Win32WindowMessages windows;
  VrKbMap before{};
  GetVrKbMap(&before);
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  VrKbChannelRecord last{};
  for (int i = 0; i < count; ++i) {
    last = VrKbRecord(1, Number(pairs[2 * i]), Number(pairs[2 * i + 1]));
    if (!SendChannelRecord(mappings, windows, last)) return 1;
  }
  bool sawOther = false;
  for (;;) {
    VrKbMap current{};
    GetVrKbMap(&current);
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (std::memcmp(&current, &last.vrKbMap, sizeof current) == 0) {
      std::printf("applied_ms %.1f other_seen %d\n", ms, sawOther ? 1 : 0);
      return 0;
    }
    if (std::memcmp(&current, &before, sizeof current) != 0) sawOther = true;
    if (ms > 3000) {
      std::printf("not_applied other_seen %d\n", sawOther ? 1 : 0);
      return 1;
    }
    Sleep(1);
  }
}

int TimeStart(const char* program) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = std::string("\"") + program + "\"";
  if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 1;
  }
  for (;;) {
    QueryPerformanceCounter(&now);
    const double ms = 1000.0 * (now.QuadPart - start.QuadPart) / frequency.QuadPart;
    if (Monitor() != nullptr) {
      std::printf("window_ms %.1f pid %lu\n", ms, process.dwProcessId);
      break;
    }
    if (ms > 10000) return 1;
    Sleep(1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

int OpenDevice(const char* name) {
  HANDLE device = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (device == INVALID_HANDLE_VALUE) {
    std::printf("error %lu\n", GetLastError());
    return 1;
  }
  CloseHandle(device);
  std::printf("opened\n");
  return 0;
}

int KeyTestHold(int argc, char** argv) {
  SetKeySensStatus(2);
  std::printf("pid %lu\n", GetCurrentProcessId());
  std::fflush(stdout);
  if (argc < 3) Sleep(INFINITE);
  Sleep(1000);
  SetKeySensStatus(Number(argv[2]));
  return 0;
}

int Terminate(uint32_t processId) {
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, processId);
  if (process == nullptr) return 1;
  const BOOL ended = TerminateProcess(process, 9);
  CloseHandle(process);
  return ended ? 0 : 1;
}

// From the system's process list: Wine answers the memory counters of
// another process only there.
int PrintUsage() {
  struct ProcessEntry {  // the start of SYSTEM_PROCESS_INFORMATION
    ULONG nextEntryOffset;
    ULONG threads;
    BYTE reserved1[48];
    struct {
      USHORT length;
      USHORT maximumLength;
      PWSTR buffer;
    } imageName;
    LONG basePriority;
    HANDLE processId;
    HANDLE parentProcessId;
    ULONG handleCount;
    ULONG sessionId;
    ULONG_PTR pageDirectoryBase;
    SIZE_T peakVirtualSize;
    SIZE_T virtualSize;
    ULONG pageFaultCount;
    SIZE_T peakWorkingSetSize;
    SIZE_T workingSetSize;
    SIZE_T quotaPeakPagedPoolUsage;
    SIZE_T quotaPagedPoolUsage;
    SIZE_T quotaPeakNonPagedPoolUsage;
    SIZE_T quotaNonPagedPoolUsage;
    SIZE_T pagefileUsage;
  };
  using QueryFn = LONG(NTAPI*)(int, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<QueryFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  DWORD monitorId = 0;
  GetWindowThreadProcessId(Monitor(), &monitorId);
  if (query == nullptr || monitorId == 0) return 1;
  std::string buffer(1 << 20, '\0');
  constexpr int kSystemProcessInformation = 5;
  if (query(kSystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), nullptr) < 0) return 1;
  for (size_t offset = 0;;) {
    const auto* entry = reinterpret_cast<const ProcessEntry*>(buffer.data() + offset);
    if (reinterpret_cast<uintptr_t>(entry->processId) == monitorId) {
      std::printf("private %llu handles %lu\n", static_cast<unsigned long long>(entry->pagefileUsage),
                  entry->handleCount);
      return 0;
    }
    if (entry->nextEntryOffset == 0) return 1;
    offset += entry->nextEntryOffset;
  }
}

void PrintHeldKeys() {
  bool any = false;
  for (int key = 1; key < 256; ++key) {
    if (GetAsyncKeyState(key) & 0x8000) {
      std::printf("%s%02X", any ? " " : "", key);
      any = true;
    }
  }
  std::printf("%s\n", any ? "" : "none");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string command = argv[1];
  Win32FileMappings mappings;
  Win32WindowMessages windows;
  if (command == "running") return Monitor() != nullptr ? 0 : 1;
  if (command == "show") {
    Show();
    return 0;
  }
  if (command == "send-vrkb" && argc == 5) {
    return SendChannelRecord(mappings, windows, VrKbRecord(Number(argv[2]), Number(argv[3]), Number(argv[4])))
               ? 0
               : 1;
  }
  if (command == "watch-vrkb" && (argc == 4 || argc == 6)) return WatchVrKb((argc - 2) / 2, argv + 2);
  if (command == "flip-vrkb" && argc == 4) {
    // One process for the whole stream: starting one per record would cost
    // more than the period under emulation.
    int sent = 0;
    for (; GetFileAttributesA(argv[3]) != INVALID_FILE_ATTRIBUTES; ++sent) {
      SendChannelRecord(mappings, windows, VrKbRecord(sent % 2, vk::RMenu, vk::LWin));
      Sleep(Number(argv[2]));
    }
    std::printf("%d\n", sent);
    return 0;
  }
  if (command == "send-symb" && argc == 6) {
    SymbChannelRecord record{};
    record.symbAsgnsStatus = 1;
    record.symbMap.entries[Number(argv[2])] = {Number(argv[3]), Number(argv[4]), Number(argv[5])};
    return SendChannelRecord(mappings, windows, record) ? 0 : 1;
  }
  if (command == "send-ext" && argc == 8) {
    ExtKbChannelRecord record{};
    record.settings = {Number(argv[2]), {Number(argv[3]), Number(argv[4]), 0, 0, 0}};
    record.extKbMap.entries[Number(argv[5])] = {Number(argv[6]), Number(argv[7])};
    return SendChannelRecord(mappings, windows, record) ? 0 : 1;
  }
  if (command == "send" && (argc == 3 || argc == 5)) {
    SendMessageA(Monitor(), Number(argv[2]), argc == 5 ? Number(argv[3]) : 0, argc == 5 ? Number(argv[4]) : 0);
    return 0;
  }
  if (command == "open-device" && argc == 3) return OpenDevice(argv[2]);
  if (command == "time-start" && argc == 3) return TimeStart(argv[2]);
  if (command == "key-test-hold") return KeyTestHold(argc, argv);
  if (command == "set-keysens" && argc == 3) return SetKeySensStatus(Number(argv[2])) == 0 ? 0 : 1;
  if (command == "terminate" && argc == 3) return Terminate(Number(argv[2]));
  if (command == "usage") return PrintUsage();
  if (command == "activate" && argc == 3) {
    HWND window = FindWindowA(nullptr, argv[2]);
    return window && SetForegroundWindow(window) ? 0 : 1;
  }
  if (command == "held") {
    PrintHeldKeys();
    return 0;
  }
  if (command == "send-short" && argc == 4) return SendShort(Number(argv[2]), argv[3]);
  if (command == "unhook") return RemoveKeyboardHook() ? 0 : 1;
  return 2;
}
