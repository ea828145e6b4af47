#pragma once

#include "platform/processes.h"

namespace tavel {

class Win32Processes : public Processes {
 public:
  bool RunSystemProgram(const char* fileName, int showCommand) override;
  bool MutexExists(const char* name) override;
  bool StartThread(std::function<void()> work) override;
  void DebugOutput(const char* text) override;
  bool PostWhenEnded(uint32_t processId, uintptr_t window, uint32_t message) override;
};

}  // namespace tavel
