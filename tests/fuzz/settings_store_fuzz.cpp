// Loading records and status values from whatever a registry holds: any
// type, any size, any bytes, keys present or not. A record takes at most its
// own size from the front of the value and keeps the rest; a status takes a
// value of exactly four bytes or its default; strings end inside their
// buffers; a library path is absolute or empty.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/hotkey_library.h"
#include "common/registry_layout.h"
#include "common/settings_store.h"
#include "hook/exports.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fuzz/fuzz_failure.h"

namespace tavel {
namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("settings store", what); }

struct NoWow64 : SystemInfo {
  uint32_t SystemDefaultLcid() override { return 1033; }
  PlatformFamily Platform() override { return PlatformFamily::WindowsNt; }
  bool IsWow64Process() override { return false; }
};

struct Stored {
  const char* key;
  const char* name;
  RegRoot root = RegRoot::CurrentUser;
};

const Stored kValues[] = {
    {keys::kVrKb, values::kMapdata},         {keys::kVrKb, values::kMapdataBrw},
    {keys::kExtKb, values::kMapdata},        {keys::kKeySens, values::kMapdata},
    {keys::kSymb, values::kMapdata},         {keys::kVrKb, values::kVrKbStatus},
    {keys::kVrKb, values::kVrKbBrwStatus},   {keys::kKeySens, values::kKeySensStatus},
    {keys::kSymb, values::kSymbStatus},      {keys::kExtKb, values::kExtKbStatus},
    {keys::kExtKb, values::kUsbKbPresent},   {keys::kExtKb, values::kMorrowUsbKbPresent},
    {keys::kMachineData, values::kSvcMnApStatus, RegRoot::LocalMachine},
    {keys::kInstallInfo, values::kTavelVersion, RegRoot::LocalMachine},
    {keys::kInstallPath, "", RegRoot::LocalMachine},
    {keys::kOstra, values::kOstraVersion, RegRoot::LocalMachine},
    {keys::kHotkeyPackage, "", RegRoot::LocalMachine},
};

std::vector<uint8_t> StoredBytes(fake::FakeRegistry& registry, const Stored& s) {
  const auto value = registry.Get(s.root, s.key, s.name);
  return value ? value->bytes : std::vector<uint8_t>{};
}

// A record read over a pattern: the front comes from the value, the rest is
// the pattern untouched.
template <class Record>
void CheckRecord(fake::FakeRegistry& registry, const Stored& s) {
  Record record;
  std::memset(&record, 0xA5, sizeof record);
  ReadRecord(registry, record);
  const std::vector<uint8_t> bytes = StoredBytes(registry, s);
  const auto* got = reinterpret_cast<const uint8_t*>(&record);
  for (size_t i = 0; i < sizeof record; ++i) {
    const uint8_t expected = i < bytes.size() ? bytes[i] : 0xA5;
    if (got[i] != expected) Fail("a record does not hold the value's front and the old rest");
  }
  // The hook library's Load publishes exactly the same bytes.
  Record shared;
  std::memset(&shared, 0xA5, sizeof shared);
  LoadRecord(registry, shared);
  if (std::memcmp(&shared, &record, sizeof record) != 0) Fail("Load differs from the read");
}

void CheckStatus(fake::FakeRegistry& registry, const Stored& s, const StatusValue& which) {
  uint32_t value = 0xDEADBEEF;
  const RegResult result = ReadStatus(registry, which, value);
  const std::vector<uint8_t> bytes = StoredBytes(registry, s);
  uint32_t expected = 0xDEADBEEF;
  if (result == reg::kSuccess) {
    // A value of four bytes or fewer lands on the default; a longer one
    // does not fit and leaves the default.
    expected = which.defaultValue;
    if (registry.Get(s.root, s.key, s.name) && !bytes.empty() && bytes.size() <= 4) {
      std::memcpy(&expected, bytes.data(), bytes.size());
    }
  }
  if (value != expected) Fail("a status is neither the stored word nor its default");
}

void Run(FuzzedDataProvider& data) {
  fake::FakeRegistry registry;
  for (const Stored& s : kValues) {
    switch (data.ConsumeIntegralInRange(0, 2)) {
      case 0: break;  // neither key nor value
      case 1: registry.AddKey(s.root, s.key); break;
      default: {
        const uint32_t type = data.ConsumeIntegralInRange<uint32_t>(0, 11);
        const size_t size = data.ConsumeIntegralInRange<size_t>(0, 300);
        registry.Put(s.root, s.key, s.name, type, data.ConsumeBytes<uint8_t>(size));
        break;
      }
    }
  }

  CheckRecord<VrKbMap>(registry, kValues[0]);
  CheckRecord<VrKbBrwMap>(registry, kValues[1]);
  CheckRecord<ExtKbMap>(registry, kValues[2]);
  CheckRecord<KeySensMap>(registry, kValues[3]);
  CheckRecord<SymbMap>(registry, kValues[4]);
  CheckStatus(registry, kValues[5], status::kVrKb);
  CheckStatus(registry, kValues[6], status::kVrKbBrw);
  CheckStatus(registry, kValues[7], status::kKeySens);
  CheckStatus(registry, kValues[8], status::kSymb);

  ExtKbSettings settings{};
  ReadExtKbSettings(registry, settings);
  uint32_t service = 0;
  ReadSvcMnApStatus(registry, service);

  const std::string version = ReadTavelVersion(registry);
  std::string folder;
  ReadInstallFolder(registry, folder);
  if (version.size() > 260 || folder.size() > 260) Fail("a string ran past its buffer");
  HasOstraVersion4(registry);

  NoWow64 system;
  const std::string library = HotkeyLibraryPath(registry, system, HotkeyLibraryUser::Monitor);
  auto slash = [](char c) { return c == '\\' || c == '/'; };
  const bool absolute = library.size() > 3 && ((library[1] == ':' && slash(library[2])) ||
                                               (slash(library[0]) && slash(library[1])));
  if (!library.empty() && !absolute) Fail("the hot-key library would be searched for");
  if (registry.openHandles() != 0) Fail("a key was left open");
}

}  // namespace
}  // namespace tavel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  tavel::Run(data);
  return 0;
}
