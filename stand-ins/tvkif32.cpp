// Stand-in for the notebook platform's hot-key interface library: a volume
// model (level 0..MaxLevel, mute, whether mute can be controlled) whose state
// and call log live in the registry, so every load of the library sees the
// same machine and a test can read what happened.
#include <string>

#include "standin_state.h"

namespace {

constexpr char kPart[] = "tvkif32";

DWORD State(const char* name, DWORD fallback) { return standin::ReadDword(kPart, name, fallback); }

void Log(const std::string& call) { standin::AppendToLog(kPart, call); }

}  // namespace

extern "C" {

// "FnFx<n>Available" answers for one function, "FnFxAvailable" for the rest.
DWORD __stdcall HK_IsFnFxAvailable(DWORD fnKey) {
  Log("HK_IsFnFxAvailable(" + std::to_string(fnKey) + ")");
  const std::string one = "FnFx" + std::to_string(fnKey) + "Available";
  return State(one.c_str(), State("FnFxAvailable", 1));
}

void __stdcall HK_VirtualNotifyFnFx(DWORD fnKey) { Log("HK_VirtualNotifyFnFx(" + std::to_string(fnKey) + ")"); }

DWORD __stdcall HK_IsVolumeMuteControllable() {
  Log("HK_IsVolumeMuteControllable");
  return State("MuteControllable", 1);
}

void __stdcall HK_EnableVolumeMute(DWORD mute) {
  Log("HK_EnableVolumeMute(" + std::to_string(mute) + ")");
  standin::WriteDword(kPart, "Muted", mute);
}

DWORD __stdcall HK_GetMaxVolumeLevel() {
  Log("HK_GetMaxVolumeLevel");
  return State("MaxLevel", 15);
}

DWORD __stdcall HK_GetCurrentVolumeLevel() {
  Log("HK_GetCurrentVolumeLevel");
  return State("Level", 7);
}

void __stdcall HK_SetVolumeLevel(DWORD level) {
  Log("HK_SetVolumeLevel(" + std::to_string(level) + ")");
  standin::WriteDword(kPart, "Level", level & 0xFF);
}

void __stdcall HK_RunFullScreenMagnifier() { Log("HK_RunFullScreenMagnifier"); }

DWORD __stdcall HK_GetVolumeMuteState() {
  Log("HK_GetVolumeMuteState");
  return State("Muted", 0);
}

}  // extern "C"
