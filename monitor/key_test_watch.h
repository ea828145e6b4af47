// A key test puts the hook aside (KeySensAsgnsStatus 2) until the program
// running it puts the status back. Should that program end first (killed,
// crashed), the status would stay 2 and the hook would apply nothing until
// the monitor's next start. So the monitor watches the program that started
// the test and, when it ends with the status still 2, puts back the status
// from before the test. Nothing is watched while no test has been started.
#pragma once

#include <cstdint>
#include <set>

#include "monitor/hook_library.h"
#include "platform/processes.h"

namespace tavel {

class KeyTestWatch {
 public:
  KeyTestWatch(HookLibrary& hook, Processes& processes) : hook_(hook), processes_(processes) {}

  // WM_KEY_TEST_STARTED: `processId` set the status to 2, which was
  // `statusBefore` until then.
  void OnStarted(WindowHandle self, uint32_t processId, uint32_t statusBefore);
  // WM_KEY_TEST_PROGRAM_ENDED.
  void OnProgramEnded(uint32_t processId);

 private:
  HookLibrary& hook_;
  Processes& processes_;
  uint32_t owner_ = 0;  // the program that started the latest test
  uint32_t statusBefore_ = 1;
  std::set<uint32_t> watched_;  // one watch per program, however many tests it runs
};

}  // namespace tavel
