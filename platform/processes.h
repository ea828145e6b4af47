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
};

}  // namespace tavel
