#pragma once

#include "platform/file_mapping.h"

namespace tavel {

class Win32FileMappings : public FileMappings {
 public:
  std::unique_ptr<SharedBlock> Create(const char* name, size_t size) override;
  bool Read(const char* name, void* destination, size_t size) override;
};

}  // namespace tavel
