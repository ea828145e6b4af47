#include "hook/desktop_kind.h"

namespace tavel {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (AsciiLower(*a) != AsciiLower(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

DesktopKind DesktopKindFromName(const char* name) {
  if (EqualsIgnoringCase(name, "Winlogon")) return kDesktopWinlogon;
  if (EqualsIgnoringCase(name, "Disconnect")) return kDesktopDisconnect;
  if (EqualsIgnoringCase(name, "Default")) return kDesktopDefault;
  return kDesktopOther;
}

}  // namespace tavel
