// Where the stand-ins for outside components keep what a test can read and
// script: values under HKEY_LOCAL_MACHINE\Software\TavelStandIns\<part>.
// Stand-ins are test and demonstration equipment; they never ship.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

inline std::string KeyPath(const char* part) { return std::string("Software\\TavelStandIns\\") + part; }

inline DWORD ReadDword(const char* part, const char* name, DWORD fallback) {
  DWORD value = fallback, size = sizeof value;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, KeyPath(part).c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS) {
    return fallback;
  }
  return value;
}

inline void WriteDword(const char* part, const char* name, DWORD value) {
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, KeyPath(part).c_str(), name, REG_DWORD, &value, sizeof value);
}

inline std::string ReadString(const char* part, const char* name) {
  char buffer[8192] = {};
  DWORD size = sizeof buffer - 1;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, KeyPath(part).c_str(), name, RRF_RT_REG_SZ | RRF_RT_REG_MULTI_SZ,
                   nullptr, buffer, &size) != ERROR_SUCCESS) {
    return {};
  }
  return std::string(buffer, size);
}

// Appends "entry;" to the string value `CallLog`.
inline void AppendToLog(const char* part, const std::string& entry) {
  const std::string log = ReadString(part, "CallLog").c_str() + entry + ";";
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, KeyPath(part).c_str(), "CallLog", REG_SZ, log.c_str(),
                  static_cast<DWORD>(log.size() + 1));
}

}  // namespace standin
