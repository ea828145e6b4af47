// How a fuzz target reports a broken invariant: a message, then an abort
// that libFuzzer records as a crash together with the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace tavel {

[[noreturn]] inline void FuzzFailure(const char* target, const char* what) {
  std::fprintf(stderr, "%s invariant broken: %s\n", target, what);
  std::abort();
}

}  // namespace tavel
