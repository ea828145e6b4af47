// Opens the door of every CD/DVD drive on a thread of its own, since MCI can
// take seconds per drive and the main thread also services the keyboard hook.
#pragma once

#include <atomic>

#include "platform/mci.h"
#include "platform/processes.h"

namespace tavel {

class EjectWorker {
 public:
  EjectWorker(Processes& processes, CdDrives& drives) : processes_(processes), drives_(drives) {}

  // Starts a pass over the drives; dropped while a pass is still running.
  void Request();
  bool Running() const { return running_.load(); }

 private:
  void OpenAllDoors();

  Processes& processes_;
  CdDrives& drives_;
  // Set by the main thread, cleared by the worker.
  std::atomic<bool> running_{false};
};

}  // namespace tavel
