// What the main dialog does once the Options dialog is closed with OK: the
// chosen resets, the product switched off or on (with the monitor and the
// Apply button following), and the automatic switch-off of the external
// keyboard's assignments handed to the running hook.
#pragma once

#include <cstdint>

#include "panel/maintenance/reset_sequence.h"

namespace tavel::panel {

struct OptionsChoices {
  bool disableProduct;
  bool autoDisableExtKb;
  uint32_t resetMask;  // ResetGroup bits
};

class OptionsEffects {
 public:
  virtual ~OptionsEffects() = default;
  virtual void WriteTvkStatus(uint32_t status) = 0;
  // The page that shows hides or shows its settings and places its hint.
  virtual void RefreshShownPage() = 0;
  virtual bool ApplyEnabled() = 0;
  virtual void EnableApply(bool enable) = 0;
  // The ExtKb values the mask selects that changed, into the registry, then
  // into the running hook (by the hook library's SetExtKbSettings).
  virtual void WriteExtKbSettings(const PanelSettings& s) = 0;
};

// What stays between Options dialogs while the program runs.
struct ProductSwitch {
  bool disabled = false;  // TVKStatus as this program knows it
  // Apply was enabled when the product was switched off; it comes back with
  // the product. Never cleared while the program runs.
  bool applyPendingWhileDisabled = false;
};

struct OptionsContext {
  ProductSwitch& product;
  PanelSettings& settings;
  OptionsEffects& effects;
  ProductState& state;
  MonitorControl& monitor;
  // The reset's own parts; its product state is the one before this change.
  ResetPages& pages;
  ResetEffects& resetEffects;
  std::function<ExtKbMap()> externalDefaults;
};

void RunOptionsOutcome(const OptionsChoices& choices, const OptionsContext& c);

}  // namespace tavel::panel
