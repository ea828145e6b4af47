#pragma once

#include "platform/library_loader.h"

namespace tavel {

class Win32LibraryLoader : public LibraryLoader {
 public:
  LibraryHandle LoadSystemLibrary(const char* fileName) override;
  LibraryHandle LoadLibraryAt(const char* path) override;
  ExportAddress Resolve(LibraryHandle library, const char* exportName) override;
  void Free(LibraryHandle library) override;
};

}  // namespace tavel
