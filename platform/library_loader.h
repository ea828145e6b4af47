// Libraries bound at run time. Libraries that ship with the system are only
// ever taken from the system directory, so a file of the same name placed
// beside a program or in the current directory is never picked up instead.
#pragma once

#include <cstdint>

namespace tavel {

using LibraryHandle = uintptr_t;  // 0 = not loaded
using ExportAddress = void (*)();  // cast to the export's real type before calling

class LibraryLoader {
 public:
  virtual ~LibraryLoader() = default;
  // `fileName` is a bare name such as "powrprof.dll".
  virtual LibraryHandle LoadSystemLibrary(const char* fileName) = 0;
  // `path` names the file completely (folder and file name).
  virtual LibraryHandle LoadLibraryAt(const char* path) = 0;
  // nullptr when the library has no export of that name.
  virtual ExportAddress Resolve(LibraryHandle library, const char* exportName) = 0;
  virtual void Free(LibraryHandle library) = 0;
};

}  // namespace tavel
