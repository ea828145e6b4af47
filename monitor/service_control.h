// User-defined control codes to the two outside services. Neither program
// waits for or looks at an answer; a missing service or a refused code is
// simply no effect.
#pragma once

#include <cstdint>

#include "platform/services.h"

namespace tavel {

inline constexpr char kTavelServiceName[] = "TavelSVC";
inline constexpr char kPowerServiceName[] = "NorvikPMSVC";

// TavelSVC codes.
inline constexpr uint32_t kSvcMonitorStarted = 129;
inline constexpr uint32_t kSvcMonitorStopped = 130;
inline constexpr uint32_t kSvcHelperStarted = 140;
inline constexpr uint32_t kSvcMorrowKeyboardFound = 141;
// NorvikPMSVC codes.
inline constexpr uint32_t kPowerHibernate = 129;
inline constexpr uint32_t kPowerFnRequest = 130;

// Opens the manager and the service, sends the code, closes both. Returns
// whether the service accepted the code (callers need not look).
bool SendServiceControl(ServiceManager& services, const char* serviceName, uint32_t code);

inline bool TavelSvcControl(ServiceManager& services, uint32_t code) {
  return SendServiceControl(services, kTavelServiceName, code);
}

inline bool PowerServiceControl(ServiceManager& services, uint32_t code) {
  return SendServiceControl(services, kPowerServiceName, code);
}

}  // namespace tavel
