#include "monitor/key_test_watch.h"

#include "common/records.h"
#include "monitor/monitor_messages.h"

namespace tavel {

void KeyTestWatch::OnStarted(WindowHandle self, uint32_t processId, uint32_t statusBefore) {
  owner_ = processId;
  // A test started during another has 2 as its "before"; filtering on is
  // what the user then gets back.
  statusBefore_ = statusBefore == kKeySensOff ? kKeySensOff : kKeySensOn;
  if (watched_.count(processId) != 0) return;
  if (processes_.PostWhenEnded(processId, self, WM_KEY_TEST_PROGRAM_ENDED)) {
    watched_.insert(processId);
  } else {
    OnProgramEnded(processId);  // gone already
  }
}

void KeyTestWatch::OnProgramEnded(uint32_t processId) {
  watched_.erase(processId);
  // Another program's test runs now; it is watched on its own.
  if (processId != owner_) return;
  owner_ = 0;
  uint32_t status = 0;
  hook_.GetKeySensStatus(status);
  if (status == kKeySensKeyTestRunning) hook_.SetKeySensStatus(statusBefore_);
}

}  // namespace tavel
