// Named, pagefile-backed memory shared between processes for one exchange.
#pragma once

#include <cstddef>
#include <memory>

namespace tavel {

// A writable view of a mapping; closing it (destruction) unmaps the view and
// closes the mapping handle.
class SharedBlock {
 public:
  virtual ~SharedBlock() = default;
  virtual void* Data() = 0;
};

class FileMappings {
 public:
  virtual ~FileMappings() = default;
  // Creates (or opens, if another process holds it) the mapping with room for
  // size bytes and maps all of it for writing; null when either step fails.
  virtual std::unique_ptr<SharedBlock> Create(const char* name, size_t size) = 0;
  // Copies the first size bytes of an existing mapping into destination. The
  // view is exactly size bytes, so a smaller section fails to map. False when
  // the mapping is missing or too small; destination is then untouched.
  virtual bool Read(const char* name, void* destination, size_t size) = 0;
};

}  // namespace tavel
