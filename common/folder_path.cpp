#include "common/folder_path.h"

namespace tavel {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

bool IsAbsoluteFolder(std::string_view folder) {
  const bool driveRoot = folder.size() >= 2 && IsLetter(folder[0]) && folder[1] == ':' &&
                         (folder.size() == 2 || IsSeparator(folder[2]));
  const bool network = folder.size() >= 2 && IsSeparator(folder[0]) && IsSeparator(folder[1]);
  return driveRoot || network;
}

}  // namespace tavel
