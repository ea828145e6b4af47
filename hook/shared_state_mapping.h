// Where SharedHookState lives: one named memory block per user and logon
// session, created by the first process that loads the library and
// initialised exactly once, so the monitor and the configuration program of
// one user see the same bytes and no other user can read or change them.
#pragma once

#include "hook/shared_hook_state.h"

namespace tavel {

// Maps the shared block into this process (first process: creates and
// initialises it). When the block cannot be created, or an existing block of
// that name belongs to someone else, the process gets a private state with
// the initial values instead: the hook still works, unshared.
void AttachSharedHookState();

// Unmaps it again (library unloaded while the process goes on).
void DetachSharedHookState();

// The state attached above.
SharedHookState& TheSharedHookState();

}  // namespace tavel
