#include "check.h"

#include <cstdio>

namespace {
int g_failures = 0;
}

void Check(bool ok, const std::string& what) {
  std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what.c_str());
  std::fflush(stdout);
  if (!ok) ++g_failures;
}

int CheckFailures() { return g_failures; }
