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

// The size the section was created with. A view larger than the section
// fails to map on Windows, but Wine maps it for a file-backed section and
// shows zeros past the file's end, so the size is checked explicitly.
// Answers "large enough" when the system cannot tell.
bool SectionHolds(HANDLE mapping, size_t size) {
  struct SectionBasicInformation {
    void* baseAddress;
    ULONG attributes;
    LARGE_INTEGER maximumSize;
  };
  using NtQuerySectionFn = LONG(NTAPI*)(HANDLE, int, void*, SIZE_T, SIZE_T*);
  constexpr int kSectionBasicInformation = 0;
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  auto query = ntdll ? reinterpret_cast<NtQuerySectionFn>(
                           reinterpret_cast<void*>(GetProcAddress(ntdll, "NtQuerySection")))
                     : nullptr;
  SectionBasicInformation info{};
  if (query == nullptr || query(mapping, kSectionBasicInformation, &info, sizeof info, nullptr) < 0) {
    return true;
  }
  return static_cast<unsigned long long>(info.maximumSize.QuadPart) >= size;
}

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
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ | SECTION_QUERY, FALSE, name);
  if (mapping == nullptr) return false;
  if (!SectionHolds(mapping, size)) {
    CloseHandle(mapping);
    return false;
  }
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
