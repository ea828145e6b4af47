#include "monitor/actions.h"

#include "monitor/driver_actions.h"
#include "monitor/hotkey_actions.h"
#include "monitor/service_control.h"
#include "monitor/volume_mixer.h"

namespace tavel {

namespace {

constexpr uint32_t kFirstSymbAction = 40;

void Standby(Power& power) {
  power.EnableShutdownPrivilege();
  power.SetSuspendState(/*hibernate=*/false, /*forceCritical=*/false, /*disableWakeEvent=*/true);
}

// The maker's power service hibernates the machine; the privilege is
// enabled so that the request is made with shutdown rights.
void Hibernate(ActionPlatform& p) {
  p.power.EnableShutdownPrivilege();
  PowerServiceControl(p.services, kPowerHibernate);
}

// A row whose character choice is not one of the table's types nothing: an
// empty Unicode event would only confuse the receiving program.
void TypeSpecialCharacter(CharacterInput& characters, const SymbEntry& entry) {
  const uint16_t codeUnit = SpecialCharacter(entry.characterChoice);
  if (codeUnit != 0) characters.TypeCodeUnit(codeUnit);
}

}  // namespace

void ExecuteAction(ActionPlatform& p, const SymbMap& symbMap, uint32_t actionCode) {
  switch (actionCode) {
    case kExtVolumeUp: return VolumeStepUp(p.hotkeys);
    case kExtVolumeDown: return VolumeStepDown(p.hotkeys);
    case kExtVolumeMute: return VolumeMute(p.hotkeys);
    case kExtBrandedButton: return NotifyFnKey(p.hotkeys, kFnBrandedButton);
    case kExtStandby: return Standby(p.power);
    case kExtHibernate: return Hibernate(p);
    case kExtWirelessRadio: return NotifyFnKey(p.hotkeys, kFnWirelessRadio);
    case kExtDovra: return NotifyFnKey(p.hotkeys, kFnDovra);
    case kExtMagnifier: return RunMagnifier(p.hotkeys);
    case kExtLumara: return DriverTrigger(p.driver);
    case 20 + kBrwEject: return p.eject.Request();
    case 20 + kBrwVolumeUp:
    case 20 + kBrwVolumeDown: return ShowVolumeMixer(p.windows, p.timers, p.processes);
    default: break;
  }
  if (actionCode >= kFirstSymbAction && actionCode < kFirstSymbAction + SymbMap::kEntries) {
    TypeSpecialCharacter(p.characters, symbMap.entries[actionCode - kFirstSymbAction]);
  }
}

void ExecuteFnFunction(ActionPlatform& p, uint32_t fnFunctionCode) {
  switch (fnFunctionCode) {
    case 240: return (void)PowerServiceControl(p.services, kPowerFnRequest);
    case 241: return NotifyFnKey(p.hotkeys, kFnWirelessRadio);
    case 242: return DriverTriggerOrCycle(p.driver);
    case 243: return Hibernate(p);
    case 244: return DriverStepUp(p.driver);
    case 245: return DriverStepDown(p.driver);
    case 246: return NotifyFnKey(p.hotkeys, kFnBrandedButton);
    case 247: return NotifyFnKey(p.hotkeys, kFnDovra);
    case 248: return RunMagnifier(p.hotkeys);
    default: return;
  }
}

}  // namespace tavel
