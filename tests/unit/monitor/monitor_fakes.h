// Fakes of the monitor's platform and library interfaces. Every call lands in
// one shared log, so tests can check the order of calls across interfaces.
#pragma once

#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "monitor/driver_features.h"
#include "monitor/hook_library.h"
#include "monitor/hotkey_interface.h"
#include "monitor/keyboard_scan.h"
#include "platform/character_input.h"
#include "platform/file_mapping.h"
#include "platform/mci.h"
#include "platform/platform_events.h"
#include "platform/power.h"
#include "platform/processes.h"
#include "platform/services.h"
#include "platform/thread_desktop.h"
#include "platform/window_messages.h"
#include "platform/window_timer.h"

namespace tavel::testing {

using CallLog = std::vector<std::string>;

inline std::string Call(const std::string& name, std::initializer_list<long long> args = {}) {
  std::string text = name + "(";
  bool first = true;
  for (long long a : args) {
    text += (first ? "" : ",") + std::to_string(a);
    first = false;
  }
  return text + ")";
}

// Windows timers keep firing until killed; this one does too, so a handler
// that forgets its KillTimer shows up as a second expiry.
class FakeTimers : public WindowTimers {
 public:
  explicit FakeTimers(CallLog& log) : log_(log) {}
  void Arm(uint32_t id, uint32_t ms) override {
    log_.push_back(Call("SetTimer", {id, ms}));
    timers_[id] = {now_ + ms, ms};
  }
  void Kill(uint32_t id) override {
    log_.push_back(Call("KillTimer", {id}));
    timers_.erase(id);
  }
  // Moves the clock on, delivering each expiry in time order.
  void Advance(uint64_t ms, const std::function<void(uint32_t)>& fire) {
    const uint64_t end = now_ + ms;
    for (;;) {
      auto next = timers_.end();
      for (auto it = timers_.begin(); it != timers_.end(); ++it) {
        if (it->second.due <= end && (next == timers_.end() || it->second.due < next->second.due))
          next = it;
      }
      if (next == timers_.end()) break;
      now_ = next->second.due;
      const uint32_t id = next->first;
      next->second.due += next->second.period;
      fire(id);
    }
    now_ = end;
  }
  uint64_t now() const { return now_; }
  bool Pending(uint32_t id) const { return timers_.count(id) != 0; }

 private:
  struct Timer {
    uint64_t due;
    uint64_t period;
  };
  CallLog& log_;
  uint64_t now_ = 0;
  std::map<uint32_t, Timer> timers_;
};

class FakeWindows : public WindowMessages {
 public:
  explicit FakeWindows(CallLog& log) : log_(log) {}
  WindowHandle FindTopLevel(const char* className, const char* title) override {
    const std::string key = className ? std::string("class:") + className : std::string("title:") + title;
    log_.push_back("Find(" + key + ")");
    auto it = existing.find(key);
    return it == existing.end() ? 0 : it->second;
  }
  void Post(WindowHandle w, uint32_t m, uintptr_t wp, intptr_t lp) override {
    log_.push_back(Call("Post", {static_cast<long long>(w), m, static_cast<long long>(wp), lp}));
  }
  intptr_t Send(WindowHandle w, uint32_t m, uintptr_t wp, intptr_t lp) override {
    log_.push_back(Call("Send", {static_cast<long long>(w), m, static_cast<long long>(wp), lp}));
    if (onSend) onSend();
    return 0;
  }
  void BringToForeground(WindowHandle w) override {
    log_.push_back(Call("Foreground", {static_cast<long long>(w)}));
  }
  void WaitUntilGone(WindowHandle w, uint32_t limitMs) override {
    log_.push_back(Call("WaitUntilGone", {static_cast<long long>(w), limitMs}));
  }
  std::map<std::string, WindowHandle> existing;  // "class:X" or "title:Y"
  std::function<void()> onSend;

 private:
  CallLog& log_;
};

class FakeMappings : public FileMappings {
 public:
  explicit FakeMappings(CallLog& log) : log_(log) {}
  std::unique_ptr<SharedBlock> Create(const char* name, size_t size) override {
    log_.push_back(std::string("CreateMapping(") + name + "," + std::to_string(size) + ")");
    if (failCreate) return nullptr;
    sections[name].assign(size, 0);
    return std::make_unique<Block>(*this, name);
  }
  bool Read(const char* name, void* destination, size_t size) override {
    auto it = sections.find(name);
    if (it == sections.end() || it->second.size() < size) return false;
    std::memcpy(destination, it->second.data(), size);
    return true;
  }
  template <typename Record>
  void Put(const Record& record) {
    auto& bytes = sections["Tavel_SharedMem"];
    bytes.resize(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
  }
  std::map<std::string, std::vector<unsigned char>> sections;
  bool failCreate = false;

 private:
  class Block : public SharedBlock {
   public:
    Block(FakeMappings& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    ~Block() override {
      owner_.log_.push_back("CloseMapping(" + name_ + ")");
      owner_.sections.erase(name_);
    }
    void* Data() override { return owner_.sections[name_].data(); }

   private:
    FakeMappings& owner_;
    std::string name_;
  };
  CallLog& log_;
};

class FakeServices : public ServiceManager {
 public:
  explicit FakeServices(CallLog& log) : log_(log) {}
  ServiceHandle OpenManager(uint32_t access) override {
    log_.push_back(Call("OpenSCManager", {access}));
    return managerAvailable ? 1 : 0;
  }
  ServiceHandle OpenNamed(ServiceHandle, const char* name, uint32_t access) override {
    log_.push_back(std::string("OpenService(") + name + "," + std::to_string(access) + ")");
    return installed.count(name) ? 2 : 0;
  }
  bool Control(ServiceHandle, uint32_t code) override {
    log_.push_back(Call("ControlService", {code}));
    return acceptsCodes;
  }
  void Close(ServiceHandle h) override { log_.push_back(Call("CloseServiceHandle", {static_cast<long long>(h)})); }
  bool managerAvailable = true;
  bool acceptsCodes = true;
  std::map<std::string, bool> installed{{"TavelSVC", true}, {"NorvikPMSVC", true}};

 private:
  CallLog& log_;
};

class FakeProcesses : public Processes {
 public:
  explicit FakeProcesses(CallLog& log) : log_(log) {}
  bool RunSystemProgram(const char* fileName, int show) override {
    log_.push_back(std::string("Run(") + fileName + "," + std::to_string(show) + ")");
    return true;
  }
  bool MutexExists(const char* name) override { return mutexes.count(name) != 0; }
  // Threads are kept, not run, until the test runs them.
  bool StartThread(std::function<void()> work) override {
    log_.push_back("StartThread");
    if (!threadsAvailable) return false;
    threads.push_back(std::move(work));
    return true;
  }
  void DebugOutput(const char* text) override { log_.push_back(std::string("Debug:") + text); }
  // Processes in `running` can be watched; the test ends them with End.
  bool PostWhenEnded(uint32_t processId, uintptr_t window, uint32_t message) override {
    log_.push_back(Call("PostWhenEnded", {processId}));
    if (running.count(processId) == 0) return false;
    watches.push_back({processId, window, message});
    return true;
  }
  struct Watch {
    uint32_t processId;
    uintptr_t window;
    uint32_t message;
  };
  std::set<uint32_t> running;
  std::vector<Watch> watches;
  void RunThreads() {
    auto pending = std::move(threads);
    threads.clear();
    for (auto& t : pending) t();
  }
  std::map<std::string, bool> mutexes;
  std::vector<std::function<void()>> threads;
  bool threadsAvailable = true;

 private:
  CallLog& log_;
};

class FakeHotkeyLibrary : public HotkeyInterface {
 public:
  struct State {
    bool installed = true;
    uint32_t controllable = 1, muted = 0, maximum = 15, level = 5;
  };
  FakeHotkeyLibrary(CallLog& log, State& s) : log_(log), s_(s) { log_.push_back("LoadLibrary"); }
  ~FakeHotkeyLibrary() override { log_.push_back("FreeLibrary"); }
  uint32_t IsVolumeMuteControllable() override { return Log("IsVolumeMuteControllable", s_.controllable); }
  uint32_t GetVolumeMuteState() override { return Log("GetVolumeMuteState", s_.muted); }
  uint32_t GetMaxVolumeLevel() override { return Log("GetMaxVolumeLevel", s_.maximum); }
  uint32_t GetCurrentVolumeLevel() override { return Log("GetCurrentVolumeLevel", s_.level); }
  void EnableVolumeMute(uint32_t mute) override {
    log_.push_back(Call("EnableVolumeMute", {mute}));
    s_.muted = mute;
  }
  void SetVolumeLevel(uint32_t level) override {
    log_.push_back(Call("SetVolumeLevel", {level}));
    s_.level = level;
  }
  void VirtualNotifyFnFx(uint32_t fnKey) override { log_.push_back(Call("VirtualNotifyFnFx", {fnKey})); }
  void RunFullScreenMagnifier() override { log_.push_back("RunFullScreenMagnifier()"); }

 private:
  uint32_t Log(const char* name, uint32_t result) {
    log_.push_back(std::string(name) + "()");
    return result;
  }
  CallLog& log_;
  State& s_;
};

class FakeHotkeyLoader : public HotkeyInterfaceLoader {
 public:
  explicit FakeHotkeyLoader(CallLog& log) : log_(log) {}
  std::unique_ptr<HotkeyInterface> Load() override {
    if (!state.installed) return nullptr;
    return std::make_unique<FakeHotkeyLibrary>(log_, state);
  }
  FakeHotkeyLibrary::State state;

 private:
  CallLog& log_;
};

class FakeDriver : public DriverFeatures {
 public:
  explicit FakeDriver(CallLog& log) : log_(log) {}
  bool IsSupported(uint16_t feature) override { return values.count(feature) != 0; }
  bool Get(uint16_t feature, FeatureState& out) override {
    if (!IsSupported(feature)) return false;
    out = values[feature];
    return true;
  }
  bool Set(uint16_t feature, uint8_t value) override {
    log_.push_back(Call("DriverSet", {feature, value}));
    if (!IsSupported(feature)) return false;
    values[feature].value = value;
    return true;
  }
  std::map<uint16_t, FeatureState> values;  // supported features

 private:
  CallLog& log_;
};

class FakePower : public Power {
 public:
  explicit FakePower(CallLog& log) : log_(log) {}
  void EnableShutdownPrivilege() override { log_.push_back("EnableShutdownPrivilege"); }
  void SetSuspendState(bool h, bool f, bool d) override { log_.push_back(Call("SetSuspendState", {h, f, d})); }

 private:
  CallLog& log_;
};

class FakeCdDrives : public CdDrives {
 public:
  explicit FakeCdDrives(CallLog& log) : log_(log) {}
  uint32_t LogicalDrives() override { return mask; }
  bool IsCdRom(char letter) override { return cdRoms.find(letter) != std::string::npos; }
  bool OpenDoor(char letter) override {
    log_.push_back(std::string("OpenDoor(") + letter + ")");
    return true;
  }
  uint32_t mask = 0;
  std::string cdRoms;

 private:
  CallLog& log_;
};

class FakeCharacters : public CharacterInput {
 public:
  explicit FakeCharacters(CallLog& log) : log_(log) {}
  void TypeCodeUnit(uint16_t c) override { log_.push_back(Call("TypeCodeUnit", {c})); }

 private:
  CallLog& log_;
};

class FakeKeyboardScan : public KeyboardScan {
 public:
  explicit FakeKeyboardScan(CallLog& log) : log_(log) {}
  void DetectUsbKeyboards() override { log_.push_back("DetectUsbKeyboards"); }

 private:
  CallLog& log_;
};

// Raw input handles are the test's own numbers: odd ones are keyboard
// events, even ones come from other devices.
class FakePlatformEvents : public PlatformEvents {
 public:
  explicit FakePlatformEvents(CallLog& log) : log_(log) {}
  bool WatchSession(WindowHandle w) override {
    log_.push_back(Call("WatchSession", {static_cast<long long>(w)}));
    return true;
  }
  bool WatchRawKeyboard(WindowHandle w) override {
    log_.push_back(Call("WatchRawKeyboard", {static_cast<long long>(w)}));
    return true;
  }
  bool IsKeyboardEvent(intptr_t rawInput) override { return rawInput % 2 == 1; }

 private:
  CallLog& log_;
};

class FakeDesktop : public ThreadDesktop {
 public:
  explicit FakeDesktop(CallLog& log) : log_(log) {}
  bool SwitchTo(const char* name) override {
    log_.push_back(std::string("SwitchDesktop(") + name + ")");
    return opens;
  }
  bool opens = true;

 private:
  CallLog& log_;
};

}  // namespace tavel::testing
