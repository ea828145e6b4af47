#include "monitor/eject_worker.h"

namespace tavel {

void EjectWorker::Request() {
  processes_.DebugOutput("CDEject\n");
  bool idle = false;
  if (!running_.compare_exchange_strong(idle, true)) return;
  if (!processes_.StartThread([this] { OpenAllDoors(); })) running_.store(false);
}

void EjectWorker::OpenAllDoors() {
  const uint32_t drives = drives_.LogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if ((drives & (1u << bit)) == 0) continue;
    const char letter = static_cast<char>('A' + bit);
    if (drives_.IsCdRom(letter)) drives_.OpenDoor(letter);
  }
  running_.store(false);
}

}  // namespace tavel
