// Copies a record of 32-bit words one aligned word at a time. The hook reads
// the shared records without a lock while another process sets them, so it
// may see a record that is half old and half new, but never a torn word.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tavel {

template <class Record>
void CopyWords(Record& to, const Record& from) {
  static_assert(sizeof(Record) % sizeof(uint32_t) == 0 && alignof(Record) >= alignof(uint32_t));
  constexpr size_t kWords = sizeof(Record) / sizeof(uint32_t);
  auto* out = reinterpret_cast<volatile uint32_t*>(&to);
  const auto* in = reinterpret_cast<const volatile uint32_t*>(&from);
  for (size_t i = 0; i < kWords; ++i) out[i] = in[i];
}

}  // namespace tavel
