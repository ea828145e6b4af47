#include "panel/pages/external_choices.h"

#include "common/driver_client.h"
#include "common/hotkey_library.h"
#include "common/settings_store.h"
#include "panel/res/resource.h"

namespace tavel::panel {
bool HasBrandedButton(DeviceIo& io, Registry& registry) {
  return DriverHasF1Function(io) || HasOstraVersion4(registry) || HasVelmoraProgram(registry);
}

ExternalRowCapabilities AskExternalRowCapabilities(DeviceIo& io, Registry& registry,
                                                   SystemInfo& system, LibraryLoader& loader) {
  ExternalRowCapabilities answers;
  answers.brandedButton = HasBrandedButton(io, registry);
  answers.wirelessRadio = IsFnFunctionAvailable(registry, system, loader, kFnWirelessRadio);
  answers.dovra = IsFnFunctionAvailable(registry, system, loader, kFnDovra);
  answers.lumara = DriverHasF7Function(io);
  return answers;
}

RowPresence PresenceOf(ExtKbFunction row, const ExternalRowCapabilities& c) {
  switch (row) {
    case kExtBrandedButton:
      return c.brandedButton ? RowPresence::Usable : RowPresence::Disabled;
    case kExtWirelessRadio:
      return c.wirelessRadio ? RowPresence::Usable : RowPresence::Disabled;
    case kExtDovra:
      return c.dovra ? RowPresence::Usable : RowPresence::Disabled;
    case kExtLumara:
      return c.lumara ? RowPresence::Usable : RowPresence::Hidden;
    default:
      return RowPresence::Usable;
  }
}

void ExternalChoices::LoadPageChoices(const ExtKbMap& map) { rows_.LoadPageChoices(map.entries); }

ExtKbMap ExternalChoices::BuildPageRecord() const {
  ExtKbMap map{};
  for (size_t row = 0; row < kRows; ++row) map.entries[row] = rows_.BuildPageRecord(row);
  return map;
}

unsigned ExternalChoices::RowNameId(size_t row, VaroButtonKind kind) {
  constexpr unsigned kNames[kRows] = {
      IDS_FN_VOLUME_UP, IDS_FN_VOLUME_DOWN,    IDS_FN_VOLUME_MUTE, 0,
      IDS_FN_STANDBY,   IDS_FN_HIBERNATE,      IDS_FN_WIRELESS_RADIO,
      IDS_FN_DOVRA,     IDS_FN_MAGNIFIER,      IDS_FN_LUMARA};
  return row == kExtBrandedButton ? TextsOf(kind).functionNameId : kNames[row];
}

}  // namespace tavel::panel
