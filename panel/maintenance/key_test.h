// The key test: while it runs, the hook library in the monitor stands aside
// (KeySensAsgnsStatus 2) and the page's own hook judges the six keys with
// the durations the sliders show, using the same press timer as the hook
// library's filter, so the user sees exactly what the filter will let
// through.
#pragma once

#include <cstdint>

#include "common/records.h"
#include "hook/key_event.h"
#include "hook/press_duration_filter.h"
#include "panel/maintenance/key_sens_rows.h"

namespace tavel::panel {

enum class KeyTestVerdict {
  PassOn,      // not one of the six keys
  Swallow,     // one of them, not (yet) recognised
  Recognised,  // swallowed, and its name is to be shown
};

// What the key test's hook consults: the six keys with the durations under
// test, and the one press timer they share.
class KeyTestTable {
 public:
  // A fresh table with an idle timer. Browser keys switched off are
  // swallowed without being recognised, as the hook library does.
  void Fill(const SliderPositions& positions, bool browserKeysEnabled);
  KeyTestVerdict Judge(const KeyEvent& ev);
  const KeySensMap& Rows() const { return rows_; }

 private:
  KeySensMap rows_{};
  bool browserKeysEnabled_ = true;
  PressDurationFilter timer_;
};

// What the key test needs of the system.
class KeyTestSystem {
 public:
  virtual ~KeyTestSystem() = default;
  // Installs the page's own low-level hook, which consults `table`; false
  // when the system refused it.
  virtual bool InstallHook(KeyTestTable& table) = 0;
  virtual void RemoveHook() = 0;
  // KeySensAsgnsStatus into the hook library (its shared state and the
  // registry).
  virtual void HandStatusToHookLibrary(uint32_t status) = 0;
};

class KeyTest {
 public:
  explicit KeyTest(KeyTestSystem& system) : system_(system) {}

  // Starts measuring with the sliders' durations. `savedStatus` is the
  // program's KeySensAsgnsStatus, given back to the hook library at the
  // stop. False, with nothing changed anywhere, when the hook could not be
  // installed.
  bool Start(const SliderPositions& positions, bool browserKeysEnabled, uint32_t savedStatus);
  // Removes the hook and puts the saved status back; nothing when idle.
  void Stop();
  bool Running() const { return running_; }
  const KeyTestTable& Table() const { return table_; }

 private:
  KeyTestSystem& system_;
  KeyTestTable table_;
  bool running_ = false;
  uint32_t savedKeySensStatus_ = kKeySensOn;
};

}  // namespace tavel::panel
