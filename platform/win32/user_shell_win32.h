#pragma once

#include "platform/user_shell.h"

namespace tavel {

class Win32UserShell : public UserShell {
 public:
  std::optional<std::wstring> DocumentsFolder() override;
  std::wstring TemporaryFolder() override;
  bool OpenInNotepad(const std::wstring& file) override;
};

}  // namespace tavel
