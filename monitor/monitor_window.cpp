#include "monitor/monitor_window.h"

#include <cstring>

#include "hook/monitor_notices.h"
#include "monitor/channel_records.h"
#include "monitor/monitor_messages.h"
#include "monitor/volume_mixer.h"

namespace tavel {

void MonitorWindow::HandleMessage(WindowHandle self, uint32_t message, uintptr_t wParam,
                                  intptr_t lParam) {
  switch (message) {
    case WM_CREATE_MESSAGE: return OnCreate(self);
    // Reached only when WM_QUIT is sent to the window itself; a posted one
    // ends the message loop before any window sees it. The hook stays off:
    // the keeper puts back only what the system took away.
    case WM_QUIT_MESSAGE:
      hookKeeper_.StandDown();
      return parts_.hook.RemoveKeyboardHook();
    case WM_TIMER_MESSAGE: return OnTimer(static_cast<uint32_t>(wParam));
    case WM_DEVICECHANGE_MESSAGE: return OnDeviceChange(wParam);
    case WM_FN_FUNCTION_REQUEST:
      if (lParam == 1) ExecuteFnFunction(parts_.actions, static_cast<uint32_t>(wParam));
      return;
    case WM_ASSIGNED_KEY:
      return ExecuteAction(parts_.actions, cache_.symbMap, static_cast<uint32_t>(lParam));
    case WM_VRKB_SETTINGS_CHANGED:
      return OnChannelMessage<VrKbChannelRecord>(IDT_APPLY_VRKB_SETTINGS);
    case WM_EXTKB_SETTINGS_CHANGED:
      return OnChannelMessage<ExtKbChannelRecord>(IDT_APPLY_EXTKB_SETTINGS);
    case WM_SYMB_SETTINGS_CHANGED:
      return OnChannelMessage<SymbChannelRecord>(IDT_APPLY_SYMB_SETTINGS);
    case WM_WTSSESSION_CHANGE_MESSAGE: return hookKeeper_.OnSessionChange(wParam);
    case WM_POWERBROADCAST_MESSAGE: return hookKeeper_.OnPowerBroadcast(wParam);
    case WM_INPUT_MESSAGE: return hookKeeper_.OnRawInput(lParam);
    case WM_KEY_TEST_STARTED:
      return keyTests_.OnStarted(self, static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
    case WM_KEY_TEST_PROGRAM_ENDED: return keyTests_.OnProgramEnded(static_cast<uint32_t>(wParam));
    default: return;
  }
}

void MonitorWindow::OnCreate(WindowHandle self) {
  HookLibrary& hook = parts_.hook;
  hook.InstallKeyboardHook(self);
  hook.LoadVrKbStatus();
  hook.LoadExtKbSettings();
  hook.LoadVrKbMap();
  hook.LoadExtKbMap();
  hook.LoadKeySensStatus();
  hook.LoadKeySensMap();
  hook.LoadSymbStatus();
  hook.LoadSymbMap();
  hook.GetSymbMap(cache_.symbMap);
  hook.LoadVrKbBrwStatus();
  hook.LoadVrKbBrwMap();
  hook.GetVrKbBrwMap(cache_.vrKbBrwMap);
  hook.GetKeySensMap(cache_.keySensMap);
  hook.GetKeySensStatus(cache_.keySensAsgnsStatus);
  // A key test that ended with its program (a crash) leaves the hook
  // standing aside for good; with no configuration program running nobody
  // can be testing keys, so filtering is switched back on.
  if (cache_.keySensAsgnsStatus == kKeySensKeyTestRunning &&
      !parts_.processes.MutexExists(kPanelInstanceMutex)) {
    hook.SetKeySensStatus(kKeySensOn);
    cache_.keySensAsgnsStatus = kKeySensOn;
  }
  parts_.keyboards.DetectUsbKeyboards();
  hookKeeper_.Watch(self);
}

void MonitorWindow::OnTimer(uint32_t id) {
  switch (id) {
    case IDT_APPLY_VRKB_SETTINGS: parts_.timers.Kill(id); return ApplyVrKb();
    case IDT_APPLY_EXTKB_SETTINGS: parts_.timers.Kill(id); return ApplyExtKb();
    case IDT_APPLY_SYMB_SETTINGS: parts_.timers.Kill(id); return ApplySymb();
    case IDT_RESCAN_AND_CLOSE_MIXER:
      parts_.timers.Kill(id);
      parts_.keyboards.DetectUsbKeyboards();
      return CloseVolumeMixer(parts_.windows);
    case IDT_RESCAN_DEVICES:
      parts_.timers.Kill(id);
      return parts_.keyboards.DetectUsbKeyboards();
    case IDT_CHECK_HOOK: return hookKeeper_.OnCheckTimer();
    default: return;
  }
}

void MonitorWindow::OnDeviceChange(uintptr_t event) {
  if (event == DBT_CONFIGCHANGED_EVENT) {
    parts_.timers.Arm(IDT_RESCAN_AND_CLOSE_MIXER, kDeviceSettleDelayMs);
  } else if (event == DBT_DEVNODES_CHANGED_EVENT) {
    parts_.timers.Arm(IDT_RESCAN_DEVICES, kDeviceSettleDelayMs);
  }
}

// The record is copied while the sender waits; it is applied a moment later,
// so a quick second send replaces it before it takes effect.
template <typename Record>
void MonitorWindow::OnChannelMessage(uint32_t timerId) {
  Record record{};
  if (!parts_.mappings.Read(kTavelSharedMemName, &record, sizeof record)) return;
  Store(record);
  parts_.timers.Arm(timerId, kApplySettingsDelayMs);
}

void MonitorWindow::Store(const VrKbChannelRecord& record) {
  cache_.vrKbAsgnsStatus = record.vrKbAsgnsStatus;
  cache_.vrKbMap = record.vrKbMap;
  cache_.vrKbBrwAsgnsStatus = record.vrKbBrwAsgnsStatus;
  cache_.vrKbBrwMap = record.vrKbBrwMap;
}

void MonitorWindow::Store(const ExtKbChannelRecord& record) {
  cache_.extKbSettings = record.settings;
  cache_.extKbMap = record.extKbMap;
}

void MonitorWindow::Store(const SymbChannelRecord& record) {
  cache_.symbAsgnsStatus = record.symbAsgnsStatus;
  cache_.symbMap = record.symbMap;
}

namespace {

// A value already in force is not set again: the Set would write it to the
// registry, over a stored value nobody changed (one of another type, say,
// that reads as the same value).
template <typename Value, typename SetArgument>
void SetIfChanged(HookLibrary& hook, void (HookLibrary::*get)(Value&),
                  void (HookLibrary::*set)(SetArgument), const Value& wanted) {
  Value inForce{};
  (hook.*get)(inForce);
  if (std::memcmp(&inForce, &wanted, sizeof wanted) != 0) (hook.*set)(wanted);
}

}  // namespace

void MonitorWindow::ApplyVrKb() {
  HookLibrary& hook = parts_.hook;
  SetIfChanged(hook, &HookLibrary::GetVrKbStatus, &HookLibrary::SetVrKbStatus, cache_.vrKbAsgnsStatus);
  SetIfChanged(hook, &HookLibrary::GetVrKbMap, &HookLibrary::SetVrKbMap, cache_.vrKbMap);
  SetIfChanged(hook, &HookLibrary::GetVrKbBrwStatus, &HookLibrary::SetVrKbBrwStatus,
               cache_.vrKbBrwAsgnsStatus);
  SetIfChanged(hook, &HookLibrary::GetVrKbBrwMap, &HookLibrary::SetVrKbBrwMap, cache_.vrKbBrwMap);
}

void MonitorWindow::ApplyExtKb() {
  HookLibrary& hook = parts_.hook;
  ExtKbSettingsRequest inForce{kExtKbMaskAll, {}};
  hook.GetExtKbSettings(inForce);
  const ExtKbSettingsRequest& wanted = cache_.extKbSettings;
  const uint32_t changed = wanted.mask & DifferingExtKbSettings(inForce.values, wanted.values);
  if (changed != 0) hook.SetExtKbSettings({changed, wanted.values});
  SetIfChanged(hook, &HookLibrary::GetExtKbMap, &HookLibrary::SetExtKbMap, cache_.extKbMap);
}

void MonitorWindow::ApplySymb() {
  HookLibrary& hook = parts_.hook;
  SetIfChanged(hook, &HookLibrary::GetSymbStatus, &HookLibrary::SetSymbStatus, cache_.symbAsgnsStatus);
  SetIfChanged(hook, &HookLibrary::GetSymbMap, &HookLibrary::SetSymbMap, cache_.symbMap);
}

}  // namespace tavel
