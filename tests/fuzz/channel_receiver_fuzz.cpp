// The monitor's side of the settings channel with a mapping of any size and
// contents, and any message: a record is taken only from a mapping that holds
// all of it, and what the monitor applies is exactly that record.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "monitor/channel_records.h"
#include "monitor/monitor_messages.h"
#include "monitor/monitor_window.h"
#include "tests/fuzz/fuzz_failure.h"
#include "tests/unit/monitor/fake_monitor.h"

namespace tavel::testing {
namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("channel", what); }

constexpr WindowHandle kSelf = 500;

void Run(FuzzedDataProvider& data) {
  FakeMonitor m;
  m.window.HandleMessage(kSelf, WM_CREATE_MESSAGE, 0, 0);
  while (data.remaining_bytes() > 0) {
    const size_t size = data.ConsumeIntegralInRange<size_t>(0, 160);
    const bool present = data.ConsumeBool();
    std::vector<uint8_t> bytes = data.ConsumeBytes<uint8_t>(size);
    if (present) m.mappings.sections[kTavelSharedMemName] = bytes;
    const uint32_t message = 0x8000 + data.ConsumeIntegralInRange<uint32_t>(1, 6);
    m.window.HandleMessage(kSelf, message, data.ConsumeIntegral<uint8_t>(), data.ConsumeIntegral<uint8_t>());
    m.mappings.sections.erase(kTavelSharedMemName);
    m.timers.Advance(data.ConsumeIntegralInRange(0, 400), [&](uint32_t id) {
      m.window.HandleMessage(kSelf, WM_TIMER_MESSAGE, id, 0);
    });

    // Whatever reached the cache came whole from a mapping big enough.
    if (message == WM_VRKB_SETTINGS_CHANGED) {
      const bool taken = present && bytes.size() >= sizeof(VrKbChannelRecord);
      const auto& cache = m.window.Cache();
      if (taken && (std::memcmp(&cache.vrKbMap, bytes.data() + 4, sizeof(VrKbMap)) != 0 ||
                    std::memcmp(&cache.vrKbAsgnsStatus, bytes.data(), 4) != 0)) {
        Fail("the notebook record in the cache is not the one sent");
      }
    }
  }
  m.timers.Advance(1000, [&](uint32_t id) { m.window.HandleMessage(kSelf, WM_TIMER_MESSAGE, id, 0); });
  // The last applied notebook record is the cached one.
  if (std::memcmp(&m.hook.vrKbMap, &m.window.Cache().vrKbMap, sizeof(VrKbMap)) != 0) {
    Fail("the applied notebook record differs from the cached one");
  }
}

}  // namespace
}  // namespace tavel::testing

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  tavel::testing::Run(data);
  return 0;
}
