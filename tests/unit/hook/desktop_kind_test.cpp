#include "hook/desktop_kind.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

TEST(DesktopKindTest, NamesAreComparedWholeAndWithoutCase) {
  struct Case {
    const char* name;
    DesktopKind kind;
  } cases[] = {
      {"Winlogon", kDesktopWinlogon},   {"WINLOGON", kDesktopWinlogon},
      {"disconnect", kDesktopDisconnect}, {"Default", kDesktopDefault},
      {"dEfAuLt", kDesktopDefault},     {"Defaults", kDesktopOther},
      {"Default ", kDesktopOther},      {"Defaul", kDesktopOther},
      {"", kDesktopOther},              {"Screen-saver", kDesktopOther},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DesktopKindFromName(c.name), c.kind) << c.name;
  }
}

}  // namespace
}  // namespace tavel
