#include "hook/first_run_win32.h"

#include "common/capabilities.h"
#include "common/first_run.h"
#include "hook/shared_state_mapping.h"
#include "platform/win32/device_io_win32.h"
#include "platform/win32/library_loader_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/system_info_win32.h"

namespace tavel {

void WriteFirstRunSettings() {
  Win32Registry registry;
  Win32LibraryLoader loader;
  Win32SystemInfo system(loader);
  Win32DeviceIo io;
  SharedHookState& state = TheSharedHookState();
  InitializeDefaultSettings(
      registry, system, [&] { return FirstRunExtKbMap(GatherFirstRunCapabilities(io, registry)); },
      InMemorySettings{state.vrKbMap, state.vrKbBrwMap, state.extKbMap, state.symbMap,
                       state.extKbSettings});
}

}  // namespace tavel
