// Files the configuration program writes for the user to read.
#pragma once

#include <string>

namespace tavel {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const std::wstring& path) = 0;
  // Takes away the read-only, hidden and system marks, then deletes the
  // file; false when either step fails (the file is in use, say).
  virtual bool Delete(const std::wstring& path) = 0;
  // Creates or replaces the file with exactly these bytes.
  virtual bool Write(const std::wstring& path, const std::string& bytes) = 0;
  virtual bool MakeReadOnly(const std::wstring& path) = 0;
};

}  // namespace tavel
