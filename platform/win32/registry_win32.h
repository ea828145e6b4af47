#pragma once

#include "platform/registry.h"

namespace tavel {

class Win32Registry : public Registry {
 public:
  RegResult OpenKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) override;
  RegResult CreateKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) override;
  RegResult QueryValue(RegKey key, const char* name, void* data, uint32_t* size) override;
  RegResult SetValue(RegKey key, const char* name, uint32_t type, const void* data,
                     uint32_t size) override;
  RegResult DeleteValue(RegKey key, const char* name) override;
  RegResult CloseKey(RegKey key) override;
};

}  // namespace tavel
