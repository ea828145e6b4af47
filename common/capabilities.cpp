#include "common/capabilities.h"

#include "common/driver_client.h"
#include "common/hotkey_library.h"
#include "common/settings_store.h"

namespace tavel {

CapabilityAnswers GatherFirstRunCapabilities(DeviceIo& io, Registry& registry) {
  CapabilityAnswers answers;
  answers.driverF1 = DriverHasF1Function(io);
  answers.ostraVersion4 = !answers.driverF1 && HasOstraVersion4(registry);
  answers.driverF5 = DriverHasF5Function(io);
  answers.driverF9 = DriverHasF9Function(io);
  answers.driverF7 = DriverHasF7Function(io);
  return answers;
}

CapabilityAnswers GatherResetCapabilities(DeviceIo& io, Registry& registry, SystemInfo& system,
                                          LibraryLoader& loader) {
  CapabilityAnswers answers;
  // The branded-button sources are tried in order and the first yes ends it.
  answers.driverF1 = DriverHasF1Function(io);
  answers.ostraVersion4 = !answers.driverF1 && HasOstraVersion4(registry);
  answers.velmoraProgram =
      !answers.driverF1 && !answers.ostraVersion4 && HasVelmoraProgram(registry);
  answers.fnFx5Available = IsFnFunctionAvailable(registry, system, loader, kFnWirelessRadio);
  answers.fnFx9Available = IsFnFunctionAvailable(registry, system, loader, kFnDovra);
  answers.driverF7 = DriverHasF7Function(io);
  return answers;
}

}  // namespace tavel
