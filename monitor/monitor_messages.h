// Messages the monitor window understands and the ids of its timers. The
// channel messages are declared with their records (channel_records.h).
#pragma once

#include <cstdint>

namespace tavel {

inline constexpr uint32_t WM_CREATE_MESSAGE = 0x0001;
inline constexpr uint32_t WM_QUIT_MESSAGE = 0x0012;
inline constexpr uint32_t WM_TIMER_MESSAGE = 0x0113;
inline constexpr uint32_t WM_DEVICECHANGE_MESSAGE = 0x0219;
inline constexpr uint32_t WM_FN_FUNCTION_REQUEST = 0x07E8;
inline constexpr uint32_t WM_ASSIGNED_KEY = 0x8001;
inline constexpr uint32_t WM_INPUT_MESSAGE = 0x00FF;
inline constexpr uint32_t WM_POWERBROADCAST_MESSAGE = 0x0218;
inline constexpr uint32_t WM_WTSSESSION_CHANGE_MESSAGE = 0x02B1;
// Posted to itself when a program that started a key test has ended
// (wParam: its process id); the start comes as WM_KEY_TEST_STARTED.
inline constexpr uint32_t WM_KEY_TEST_PROGRAM_ENDED = 0x8006;

inline constexpr uintptr_t WTS_SESSION_LOCK_EVENT = 0x7;
inline constexpr uintptr_t WTS_SESSION_UNLOCK_EVENT = 0x8;
inline constexpr uintptr_t PBT_APMRESUMESUSPEND_EVENT = 0x7;
inline constexpr uintptr_t PBT_APMRESUMEAUTOMATIC_EVENT = 0x12;

inline constexpr uintptr_t DBT_DEVNODES_CHANGED_EVENT = 0x0007;
inline constexpr uintptr_t DBT_CONFIGCHANGED_EVENT = 0x0018;

inline constexpr uint32_t IDT_APPLY_VRKB_SETTINGS = 1001;
inline constexpr uint32_t IDT_APPLY_EXTKB_SETTINGS = 1002;
inline constexpr uint32_t IDT_APPLY_SYMB_SETTINGS = 1003;
inline constexpr uint32_t IDT_RESCAN_AND_CLOSE_MIXER = 2001;
inline constexpr uint32_t IDT_RESCAN_DEVICES = 2002;
inline constexpr uint32_t IDT_CHECK_HOOK = 2003;

inline constexpr uint32_t kApplySettingsDelayMs = 250;
inline constexpr uint32_t kDeviceSettleDelayMs = 4000;
inline constexpr uint32_t kMixerCloseDelayMs = 3000;

inline constexpr char kVolumeMixerTitle[] = "Volume Mixer";

}  // namespace tavel
