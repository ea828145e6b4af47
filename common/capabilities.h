// Gathering the machine's answers that the default external-keyboard rows
// depend on. The two programs ask different questions: the hook library only
// the driver and the Ostra version, the configuration program also the
// Velmora program and the hot-key interface library.
#pragma once

#include "common/defaults.h"
#include "platform/device_io.h"
#include "platform/library_loader.h"
#include "platform/registry.h"
#include "platform/system_info.h"

namespace tavel {

CapabilityAnswers GatherFirstRunCapabilities(DeviceIo& io, Registry& registry);
CapabilityAnswers GatherResetCapabilities(DeviceIo& io, Registry& registry, SystemInfo& system,
                                          LibraryLoader& loader);

}  // namespace tavel
