#include "platform/win32/registry_win32.h"

#include <windows.h>

namespace tavel {

namespace {

HKEY RootKey(RegRoot root) {
  return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

HKEY ToHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

RegResult Win32Registry::OpenKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(RootKey(root), subkey, 0, access, &opened);
  *key = reinterpret_cast<RegKey>(opened);
  return result;
}

RegResult Win32Registry::CreateKey(RegRoot root, const char* subkey, uint32_t access,
                                   RegKey* key) {
  HKEY created = nullptr;
  const LONG result = RegCreateKeyExA(RootKey(root), subkey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                      access, nullptr, &created, nullptr);
  *key = reinterpret_cast<RegKey>(created);
  return result;
}

RegResult Win32Registry::QueryValue(RegKey key, const char* name, void* data, uint32_t* size) {
  DWORD bytes = *size;
  const LONG result =
      RegQueryValueExA(ToHkey(key), name, nullptr, nullptr, static_cast<BYTE*>(data), &bytes);
  *size = bytes;
  return result;
}

RegResult Win32Registry::SetValue(RegKey key, const char* name, uint32_t type, const void* data,
                                  uint32_t size) {
  return RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size);
}

RegResult Win32Registry::DeleteValue(RegKey key, const char* name) {
  return RegDeleteValueA(ToHkey(key), name);
}

RegResult Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace tavel
