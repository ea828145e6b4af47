#pragma once

#include "platform/file_system.h"

namespace tavel {

class Win32FileSystem : public FileSystem {
 public:
  bool Exists(const std::wstring& path) override;
  bool Delete(const std::wstring& path) override;
  bool Write(const std::wstring& path, const std::string& bytes) override;
  bool MakeReadOnly(const std::wstring& path) override;
};

}  // namespace tavel
