#include "platform/win32/file_mapping_win32.h"

#include <windows.h>

#include <cstring>

namespace tavel {

namespace {

class Win32SharedBlock : public SharedBlock {
 public:
  Win32SharedBlock(HANDLE mapping, void* view) : mapping_(mapping), view_(view) {}
  ~Win32SharedBlock() override {
    UnmapViewOfFile(view_);
    CloseHandle(mapping_);
  }
  Win32SharedBlock(const Win32SharedBlock&) = delete;
  Win32SharedBlock& operator=(const Win32SharedBlock&) = delete;
  void* Data() override { return view_; }

 private:
  HANDLE mapping_;
  void* view_;
};

}  // namespace

std::unique_ptr<SharedBlock> Win32FileMappings::Create(const char* name, size_t size) {
  HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      static_cast<DWORD>(size), name);
  if (mapping == nullptr) return nullptr;
  void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0);
  if (view == nullptr) {
    CloseHandle(mapping);
    return nullptr;
  }
  return std::make_unique<Win32SharedBlock>(mapping, view);
}

bool Win32FileMappings::Read(const char* name, void* destination, size_t size) {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, name);
  if (mapping == nullptr) return false;
  // A view of exactly the record's size: a section that is too small (made by
  // anyone, the name is open to every process) fails here instead of being
  // read past its end.
  const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, size);
  if (view == nullptr) {
    CloseHandle(mapping);
    return false;
  }
  std::memcpy(destination, view, size);
  UnmapViewOfFile(view);
  CloseHandle(mapping);
  return true;
}

}  // namespace tavel
