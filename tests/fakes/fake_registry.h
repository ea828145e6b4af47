// An in-memory registry that answers the way Windows does: names are
// case-insensitive, opening needs an existing key, creating makes the
// missing parents, a query into a short buffer gives ERROR_MORE_DATA and
// writes nothing, and a key handle allows only what its access mask grants.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tavel::fake {

struct RegValue {
  uint32_t type;
  std::vector<uint8_t> bytes;
};

// One OpenKey or CreateKey call as the code made it.
struct RegOpen {
  bool create;
  RegRoot root;
  std::string path;
  uint32_t access;
  RegResult result;
};

class FakeRegistry : public Registry {
 public:
  RegResult OpenKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) override;
  RegResult CreateKey(RegRoot root, const char* subkey, uint32_t access, RegKey* key) override;
  RegResult QueryValue(RegKey key, const char* name, void* data, uint32_t* size) override;
  RegResult SetValue(RegKey key, const char* name, uint32_t type, const void* data,
                     uint32_t size) override;
  RegResult DeleteValue(RegKey key, const char* name) override;
  RegResult CloseKey(RegKey key) override;

  // Test set-up and inspection; `name` "" is the default value.
  void AddKey(RegRoot root, const std::string& path);
  void DeleteKey(RegRoot root, const std::string& path);  // with its subkeys
  bool HasKey(RegRoot root, const std::string& path) const;
  void Put(RegRoot root, const std::string& path, const std::string& name, uint32_t type,
           std::vector<uint8_t> bytes);
  void PutDword(RegRoot root, const std::string& path, const std::string& name, uint32_t value);
  void PutString(RegRoot root, const std::string& path, const std::string& name,
                 const std::string& text);  // stored with its terminating zero
  std::optional<RegValue> Get(RegRoot root, const std::string& path,
                              const std::string& name) const;
  std::optional<uint32_t> GetDword(RegRoot root, const std::string& path,
                                   const std::string& name) const;
  // Creating this key (or anything below it) fails with access denied.
  void DenyCreate(RegRoot root, const std::string& path);

  const std::vector<RegOpen>& opens() const { return opens_; }
  size_t openHandles() const { return handles_.size(); }
  size_t valueWrites() const { return valueWrites_; }

 private:
  using KeyId = std::pair<RegRoot, std::string>;  // path folded to lower case
  struct Key {
    std::map<std::string, RegValue> values;  // names folded to lower case
  };
  struct Handle {
    KeyId key;
    uint32_t access;
  };

  RegResult Open(bool create, RegRoot root, const char* subkey, uint32_t access, RegKey* key);
  Key* Find(RegKey handle, uint32_t needed, RegResult& error);

  std::map<KeyId, Key> keys_;
  std::map<RegKey, Handle> handles_;
  std::set<KeyId> denied_;
  std::vector<RegOpen> opens_;
  RegKey nextHandle_ = 0x100;
  size_t valueWrites_ = 0;
};

}  // namespace tavel::fake
