// A low-level keyboard hook that only watches: it records every event that
// reaches it and passes it on. Installed before the hook under test, it runs
// after it and so sees exactly what that hook lets through or injects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

struct ObservedKey {
  uint32_t vk;
  uint32_t flags;
};

// Installs the observer on the calling thread; false when Windows refuses.
bool StartKeyObserver();
void StopKeyObserver();

// Everything seen since the last call.
std::vector<ObservedKey> TakeObservedKeys();

constexpr bool IsUp(const ObservedKey& key) { return (key.flags & LLKHF_UP) != 0; }
constexpr bool IsInjected(const ObservedKey& key) { return (key.flags & LLKHF_INJECTED) != 0; }
