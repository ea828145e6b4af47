// The user's desktop environment: where documents go, and showing a text.
#pragma once

#include <optional>
#include <string>

namespace tavel {

class UserShell {
 public:
  virtual ~UserShell() = default;
  // The user's documents folder, without a trailing backslash.
  virtual std::optional<std::wstring> DocumentsFolder() = 0;
  // The user's temporary folder, with its trailing backslash.
  virtual std::wstring TemporaryFolder() = 0;
  // Opens the file in Notepad from the Windows folder; false when it cannot
  // be started.
  virtual bool OpenInNotepad(const std::wstring& file) = 0;
};

}  // namespace tavel
