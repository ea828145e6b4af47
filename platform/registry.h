// The registry as the settings store uses it: open or create a key with an
// access mask, read and write single values, close. Every call returns the
// Win32 error code of the underlying API, so callers can hand it on as is.
#pragma once

#include <cstdint>

namespace tavel {

using RegResult = int32_t;   // Win32 error code (LONG); 0 = success
using RegKey = uintptr_t;    // opened key; meaningful only to the Registry that gave it

enum class RegRoot { CurrentUser, LocalMachine };

namespace reg {
inline constexpr RegResult kSuccess = 0;
inline constexpr RegResult kFileNotFound = 2;  // missing key or value
inline constexpr RegResult kAccessDenied = 5;
inline constexpr RegResult kMoreData = 234;    // buffer too small; nothing written

inline constexpr uint32_t kKeyQueryValue = 0x0001;
inline constexpr uint32_t kKeySetValue = 0x0002;
inline constexpr uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr uint32_t kKeyWow64_64Key = 0x0100;
inline constexpr uint32_t kKeyRead = 0x20019;
inline constexpr uint32_t kKeyAllAccess = 0xF003F;

inline constexpr uint32_t kTypeSz = 1;
inline constexpr uint32_t kTypeBinary = 3;
inline constexpr uint32_t kTypeDword = 4;
}  // namespace reg

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key; kFileNotFound when it does not exist.
  virtual RegResult OpenKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) = 0;
  // Opens the key, creating it and any missing parents first.
  virtual RegResult CreateKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) = 0;
  // Reads a value (nullptr or "" = the key's default value) whatever its
  // type. On entry *size is the capacity of `data`, on return the value's
  // size. A value larger than the buffer gives kMoreData and leaves `data`
  // untouched; `data` = nullptr asks only for the size.
  virtual RegResult QueryValue(RegKey key, const char* name, void* data, uint32_t* size) = 0;
  virtual RegResult SetValue(RegKey key, const char* name, uint32_t type, const void* data,
                             uint32_t size) = 0;
  virtual RegResult DeleteValue(RegKey key, const char* name) = 0;
  virtual RegResult CloseKey(RegKey key) = 0;
};

}  // namespace tavel
