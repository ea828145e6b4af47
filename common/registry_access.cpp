#include "common/registry_access.h"

namespace tavel {

void QueryDword(Registry& registry, RegKey key, const char* name, uint32_t& value) {
  // Read into a copy: after a failed query Windows leaves the buffer's
  // contents undefined.
  uint32_t read = value;
  uint32_t size = sizeof read;
  if (registry.QueryValue(key, name, &read, &size) == reg::kSuccess) value = read;
}

void SetDword(Registry& registry, RegKey key, const char* name, uint32_t value) {
  registry.SetValue(key, name, reg::kTypeDword, &value, sizeof value);
}

bool KeyExists(Registry& registry, RegRoot root, const char* subkey, uint32_t access) {
  RegKey key = 0;
  if (registry.OpenKey(root, subkey, access, &key) != reg::kSuccess) return false;
  registry.CloseKey(key);
  return true;
}

}  // namespace tavel
