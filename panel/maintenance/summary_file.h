// Where the summary goes and how it is shown: the user's documents folder
// (the temporary folder when there is none), a file name an earlier report
// does not block, the report made read-only and opened in Notepad.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/user_shell.h"

namespace tavel::panel {

struct SummaryFolder {
  std::wstring path;       // with its trailing backslash
  std::wstring shownName;  // what the report names as its place
};
// Nothing when neither folder can be found.
std::optional<SummaryFolder> ChooseSummaryFolder(UserShell& shell);

// "TVKSmry.txt", replacing an earlier report; when that one cannot be
// replaced (it is open, say), "TVKSmry1.txt", "TVKSmry2.txt" and so on, up to
// a limit. Nothing when no name is free, or the names grow too long.
std::optional<std::wstring> ChooseSummaryFile(FileSystem& files, const std::wstring& folder);

// Writes the report, whose bytes depend on the folder it names, and opens
// it. Nothing is reported: what cannot be done is left out.
void ShowSummary(FileSystem& files, UserShell& shell,
                 const std::function<std::string(const std::wstring& shownFolder)>& report);

}  // namespace tavel::panel
