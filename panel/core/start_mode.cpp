#include "start_mode.h"

#include <initializer_list>

namespace tavel::panel {
namespace {

bool ContainsAny(std::wstring_view text, std::initializer_list<std::wstring_view> needles) {
  for (std::wstring_view needle : needles) {
    if (text.find(needle) != std::wstring_view::npos) return true;
  }
  return false;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring_view ArgumentsOf(std::wstring_view commandLine) {
  size_t pos = 0;
  while (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
  if (pos < commandLine.size() && commandLine[pos] == L'"') {
    size_t close = commandLine.find(L'"', pos + 1);
    pos = close == std::wstring_view::npos ? commandLine.size() : close + 1;
  } else {
    while (pos < commandLine.size() && !IsBlank(commandLine[pos])) ++pos;
  }
  return commandLine.substr(pos);
}

StartMode SelectStartMode(std::wstring_view commandLine) {
  std::wstring_view args = ArgumentsOf(commandLine);
  if (ContainsAny(args, {L"/x", L"/X", L"-x", L"-X"})) return StartMode::Stop;
  if (ContainsAny(args, {L"/uninstall", L"/UNINSTALL", L"-uninstall", L"-UNINSTALL"})) {
    return StartMode::Uninstall;
  }
  if (ContainsAny(args, {L"/upgraded", L"/UPGRADED", L"-upgraded", L"-UPGRADED"})) {
    return StartMode::Upgraded;
  }
  if (ContainsAny(args, {L"/helper", L"/HELPER", L"-helper", L"-HELPER"})) return StartMode::Helper;
  return StartMode::Interactive;
}

}  // namespace tavel::panel
