// Starting programs, background threads, and whether another program of
// ours runs.
#pragma once

#include <cstdint>
#include <functional>

namespace tavel {

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts a program of the Windows system directory by its file name (never
  // through the search path); false when it cannot be started.
  virtual bool RunSystemProgram(const char* fileName, int showCommand) = 0;
  // Whether a named mutex exists: the single-instance mark of a program.
  virtual bool MutexExists(const char* name) = 0;
  // Runs work on a new thread; false when the thread cannot be created
  // (work is then not run).
  virtual bool StartThread(std::function<void()> work) = 0;
  virtual void DebugOutput(const char* text) = 0;
  // Posts `message` (wParam: the process id) to `window` once the process
  // has ended. False when the process cannot be watched: it has already
  // ended, or may not be opened.
  virtual bool PostWhenEnded(uint32_t processId, uintptr_t window, uint32_t message) = 0;
};

}  // namespace tavel
