#include "tests/fakes/fake_library_loader.h"

namespace tavel::fake {

LibraryHandle FakeLibraryLoader::Load(const std::string& path) {
  loads.push_back(path);
  if (!files_.count(path)) return 0;
  ++loadedCount;
  handles_[next_] = path;
  return next_++;
}

LibraryHandle FakeLibraryLoader::LoadSystemLibrary(const char* fileName) {
  return Load(std::string("<system>\\") + fileName);
}

LibraryHandle FakeLibraryLoader::LoadLibraryAt(const char* path) { return Load(path); }

ExportAddress FakeLibraryLoader::Resolve(LibraryHandle library, const char* exportName) {
  resolved.push_back(exportName);
  const auto handle = handles_.find(library);
  if (handle == handles_.end()) return nullptr;
  const auto& exports = files_[handle->second];
  const auto found = exports.find(exportName);
  return found == exports.end() ? nullptr : found->second;
}

void FakeLibraryLoader::Free(LibraryHandle library) {
  if (handles_.erase(library)) --loadedCount;
}

void FakeLibraryLoader::Install(const std::string& path,
                                std::map<std::string, ExportAddress> exports) {
  files_[path] = std::move(exports);
}

}  // namespace tavel::fake
