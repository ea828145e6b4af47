#include "tests/fakes/fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tavel::fake {

namespace {

constexpr RegResult kInvalidHandle = 6;

std::string Fold(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

std::string ValueName(const char* name) { return Fold(name == nullptr ? "" : name); }

bool IsSameOrBelow(const std::string& path, const std::string& ancestor) {
  return path == ancestor ||
         (path.size() > ancestor.size() && path.compare(0, ancestor.size(), ancestor) == 0 &&
          path[ancestor.size()] == '\\');
}

}  // namespace

RegResult FakeRegistry::Open(bool create, RegRoot root, const char* subkey, uint32_t access,
                             RegKey* key) {
  const std::string path = Fold(subkey);
  RegResult result = reg::kSuccess;
  if (create) {
    const bool denied = std::any_of(denied_.begin(), denied_.end(), [&](const KeyId& d) {
      return d.first == root && IsSameOrBelow(path, d.second);
    });
    if (denied && !keys_.count({root, path})) {
      result = reg::kAccessDenied;
    } else {
      AddKey(root, path);
    }
  } else if (!keys_.count({root, path})) {
    result = reg::kFileNotFound;
  }
  opens_.push_back({create, root, subkey, access, result});
  if (result != reg::kSuccess) return result;
  *key = nextHandle_++;
  handles_[*key] = {{root, path}, access};
  return result;
}

RegResult FakeRegistry::OpenKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) {
  return Open(false, root, subkey, access, key);
}

RegResult FakeRegistry::CreateKey(RegRoot root, const char* subkey, uint32_t access,
                                  RegKey* key) {
  return Open(true, root, subkey, access, key);
}

FakeRegistry::Key* FakeRegistry::Find(RegKey handle, uint32_t needed, RegResult& error) {
  const auto h = handles_.find(handle);
  if (h == handles_.end()) {
    error = kInvalidHandle;
    return nullptr;
  }
  if ((h->second.access & needed) != needed) {
    error = reg::kAccessDenied;
    return nullptr;
  }
  const auto k = keys_.find(h->second.key);
  if (k == keys_.end()) {  // deleted while open
    error = kInvalidHandle;
    return nullptr;
  }
  error = reg::kSuccess;
  return &k->second;
}

RegResult FakeRegistry::QueryValue(RegKey handle, const char* name, void* data, uint32_t* size) {
  RegResult error;
  Key* key = Find(handle, reg::kKeyQueryValue, error);
  if (key == nullptr) return error;
  const auto v = key->values.find(ValueName(name));
  if (v == key->values.end()) return reg::kFileNotFound;
  const uint32_t stored = static_cast<uint32_t>(v->second.bytes.size());
  const uint32_t capacity = *size;
  *size = stored;
  if (data == nullptr) return reg::kSuccess;
  if (capacity < stored) return reg::kMoreData;
  if (stored != 0) std::memcpy(data, v->second.bytes.data(), stored);
  return reg::kSuccess;
}

RegResult FakeRegistry::SetValue(RegKey handle, const char* name, uint32_t type, const void* data,
                                 uint32_t size) {
  RegResult error;
  Key* key = Find(handle, reg::kKeySetValue, error);
  if (key == nullptr) return error;
  const auto* bytes = static_cast<const uint8_t*>(data);
  key->values[ValueName(name)] = {type, std::vector<uint8_t>(bytes, bytes + size)};
  ++valueWrites_;
  return reg::kSuccess;
}

RegResult FakeRegistry::DeleteValue(RegKey handle, const char* name) {
  RegResult error;
  Key* key = Find(handle, reg::kKeySetValue, error);
  if (key == nullptr) return error;
  return key->values.erase(ValueName(name)) ? reg::kSuccess : reg::kFileNotFound;
}

RegResult FakeRegistry::CloseKey(RegKey handle) {
  return handles_.erase(handle) ? reg::kSuccess : kInvalidHandle;
}

void FakeRegistry::AddKey(RegRoot root, const std::string& path) {
  const std::string folded = Fold(path);
  for (size_t end = folded.find('\\'); end != std::string::npos; end = folded.find('\\', end + 1)) {
    keys_[{root, folded.substr(0, end)}];
  }
  keys_[{root, folded}];
}

void FakeRegistry::DeleteKey(RegRoot root, const std::string& path) {
  const std::string folded = Fold(path);
  std::erase_if(keys_, [&](const auto& entry) {
    return entry.first.first == root && IsSameOrBelow(entry.first.second, folded);
  });
}

bool FakeRegistry::HasKey(RegRoot root, const std::string& path) const {
  return keys_.count({root, Fold(path)}) != 0;
}

void FakeRegistry::Put(RegRoot root, const std::string& path, const std::string& name,
                       uint32_t type, std::vector<uint8_t> bytes) {
  AddKey(root, path);
  keys_[{root, Fold(path)}].values[Fold(name)] = {type, std::move(bytes)};
}

void FakeRegistry::PutDword(RegRoot root, const std::string& path, const std::string& name,
                            uint32_t value) {
  std::vector<uint8_t> bytes(sizeof value);
  std::memcpy(bytes.data(), &value, sizeof value);
  Put(root, path, name, reg::kTypeDword, std::move(bytes));
}

void FakeRegistry::PutString(RegRoot root, const std::string& path, const std::string& name,
                             const std::string& text) {
  const char* begin = text.c_str();
  Put(root, path, name, reg::kTypeSz, std::vector<uint8_t>(begin, begin + text.size() + 1));
}

std::optional<RegValue> FakeRegistry::Get(RegRoot root, const std::string& path,
                                          const std::string& name) const {
  const auto k = keys_.find({root, Fold(path)});
  if (k == keys_.end()) return std::nullopt;
  const auto v = k->second.values.find(Fold(name));
  if (v == k->second.values.end()) return std::nullopt;
  return v->second;
}

std::optional<uint32_t> FakeRegistry::GetDword(RegRoot root, const std::string& path,
                                               const std::string& name) const {
  const auto value = Get(root, path, name);
  if (!value || value->type != reg::kTypeDword || value->bytes.size() != sizeof(uint32_t)) {
    return std::nullopt;
  }
  uint32_t dword;
  std::memcpy(&dword, value->bytes.data(), sizeof dword);
  return dword;
}

void FakeRegistry::DenyCreate(RegRoot root, const std::string& path) {
  denied_.insert({root, Fold(path)});
}

}  // namespace tavel::fake
