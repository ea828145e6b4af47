// Standby and the privilege it needs.
#pragma once

namespace tavel {

class Power {
 public:
  virtual ~Power() = default;
  // Enables SeShutdownPrivilege in the process token; the result is not
  // reported because a refused privilege only makes the request fail later.
  virtual void EnableShutdownPrivilege() = 0;
  // SetSuspendState of the system's power library, bound at the moment of
  // use; nothing happens when the library or the function is missing.
  virtual void SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
};

}  // namespace tavel
