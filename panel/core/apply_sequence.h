// Apply: turns what the pages show into settings, decides about the monitor,
// writes the registry and hands the new settings to the running monitor.
#pragma once

#include <cstdint>

#include "common/records.h"
#include "panel/core/monitor_control.h"
#include "panel/core/panel_settings.h"

namespace tavel::panel {

struct NotebookPageValues {
  uint32_t enableAssignments;  // the page's check box, 0 or 1
  uint32_t layoutId;
  bool windowsKeyIsShift;  // Left or Right Shift acts as the Windows key
  VrKbMap map;
  VrKbBrwMap brwMap;
};

struct ExternalPageValues {
  uint32_t enableAssignments;
  ExtKbMap map;
};

struct KeySensPageValues {
  uint32_t enableBrowserKeys;
  KeySensMap map;
};

// The four pages as Apply sees them. A failed validation has already shown
// its message to the user.
class SettingsPages {
 public:
  virtual ~SettingsPages() = default;
  virtual bool ValidateNotebook() = 0;
  virtual bool ValidateExternal() = 0;
  virtual bool ValidateSymbols() = 0;
  virtual NotebookPageValues Notebook() = 0;
  virtual ExternalPageValues External() = 0;
  virtual KeySensPageValues KeySens() = 0;
  virtual SymbMap Symbols() = 0;
};

// Where Apply's results go, one group of settings at a time. A write stores
// only the values that changed; the sends hand the whole group over.
class ApplyEffects {
 public:
  virtual ~ApplyEffects() = default;
  virtual void SaveLayout(const PanelSettings& s) = 0;
  virtual void WriteVrKb(const PanelSettings& s) = 0;
  virtual void SendVrKb(const PanelSettings& s) = 0;
  virtual void SwitchOffStickyKeysHotKey() = 0;
  virtual void WriteExtKb(const PanelSettings& s) = 0;
  virtual void SendExtKb(const PanelSettings& s) = 0;
  // The changed key-sensitivity values also go to the hook library at once.
  virtual void WriteKeySens(const PanelSettings& s) = 0;
  virtual void WriteSymb(const PanelSettings& s) = 0;
  virtual void SendSymb(const PanelSettings& s) = 0;
};

struct ApplyContext {
  PanelSettings& settings;
  bool extKbTabEnabled;
  bool productEnabled;
  SettingsPages& pages;
  ApplyEffects& effects;
  ProductState& state;
  MonitorControl& monitor;
};

// Returns false, with nothing written or sent, when a page refuses.
bool RunApply(const ApplyContext& c);

}  // namespace tavel::panel
