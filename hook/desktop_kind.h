// Which desktop a thread runs on. The monitor may run one instance per
// desktop, so the hook keeps one hook handle and one monitor window per kind.
#pragma once

#include <cstddef>

#include "hook/shared_hook_state.h"

namespace tavel {

// Slot of a kind in the per-desktop tables of SharedHookState.
constexpr size_t DesktopSlot(DesktopKind kind) { return static_cast<size_t>(kind) - 1; }

// Classifies a desktop name, ignoring case as window station names do.
DesktopKind DesktopKindFromName(const char* name);

// The kind of the calling thread's desktop (Windows only).
DesktopKind CurrentDesktopKind();

}  // namespace tavel
