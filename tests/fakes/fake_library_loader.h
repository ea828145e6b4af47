// Run-time libraries as a table of files and their exports. Records which
// libraries were asked for (and how), which exports were looked up in what
// order, and whether every load was freed again.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/library_loader.h"

namespace tavel::fake {

class FakeLibraryLoader : public LibraryLoader {
 public:
  LibraryHandle LoadSystemLibrary(const char* fileName) override;
  LibraryHandle LoadLibraryAt(const char* path) override;
  ExportAddress Resolve(LibraryHandle library, const char* exportName) override;
  void Free(LibraryHandle library) override;

  // A library under `path` (a full path; system libraries go under
  // "<system>\\name").
  void Install(const std::string& path, std::map<std::string, ExportAddress> exports);

  std::vector<std::string> loads;     // paths asked for, system ones as "<system>\\name"
  std::vector<std::string> resolved;  // export names in lookup order
  int loadedCount = 0;                // loads not yet freed

 private:
  LibraryHandle Load(const std::string& path);

  std::map<std::string, std::map<std::string, ExportAddress>> files_;
  std::map<LibraryHandle, std::string> handles_;
  LibraryHandle next_ = 0x1000;
};

}  // namespace tavel::fake
