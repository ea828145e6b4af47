// The device-ID list walker over any multi-string the Configuration Manager
// might hand back: any reported length (also one that disagrees with the
// list), IDs without the closing empty one, unconvertible characters, and a
// device tree whose parents may loop. Every ID visited lies inside the list,
// and the walk visits exactly the IDs before the first empty one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/device_detection.h"
#include "common/device_id_list.h"
#include "tests/fuzz/fuzz_failure.h"

namespace tavel {
namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("device list", what); }

class FuzzedDeviceTree : public DeviceTree {
 public:
  explicit FuzzedDeviceTree(FuzzedDataProvider& data) : data_(data) {
    reportedLength_ = data.ConsumeBool() ? data.ConsumeIntegralInRange<uint32_t>(0, 600)
                                         : data.ConsumeIntegral<uint32_t>();
    const size_t chars = data.ConsumeIntegralInRange<size_t>(0, 600);
    for (size_t i = 0; i < chars && data.remaining_bytes() > 0; ++i) {
      // Mostly ASCII with many separators, now and then anything.
      const uint8_t b = data.ConsumeIntegral<uint8_t>();
      list_.push_back(b < 40 ? u'\0' : b < 250 ? static_cast<char16_t>(b / 2) : data.ConsumeIntegral<char16_t>());
    }
  }

  ConfigRet GetDeviceIdListSize(uint32_t* length) override {
    *length = reportedLength_;
    return Answer();
  }
  ConfigRet GetDeviceIdList(char16_t* buffer, uint32_t length) override {
    // Writes what fits, as a list that changed since its size was asked.
    std::memcpy(buffer, list_.data(), std::min<size_t>(length, list_.size()) * sizeof(char16_t));
    return Answer();
  }
  ConfigRet LocateDevNode(DevInst* instance, const char* id) override {
    *instance = static_cast<DevInst>(std::strlen(id));
    return Answer();
  }
  ConfigRet GetClassGuid(DevInst, char* buffer, uint32_t* length) override {
    static const char kGuid[] = "{4D36E96B-E325-11CE-BFC1-08002BE10318}";
    return Text(data_.ConsumeBool() ? kGuid : "", buffer, *length);
  }
  ConfigRet GetParent(DevInst* parent, DevInst) override {
    *parent = data_.ConsumeIntegral<uint8_t>();  // may name itself: a loop
    return Answer();
  }
  ConfigRet GetDeviceId(DevInst, char* buffer, uint32_t length) override {
    return Text(data_.ConsumeBool() ? "USB\\ROOT_HUB\\4&1" : "PCI\\VEN_8086", buffer, length);
  }
  bool ToAnsi(const char16_t* wide, uint32_t wideLength, char* ansi, uint32_t ansiLength) override {
    if (data_.ConsumeIntegralInRange(0, 15) == 0) return false;
    for (uint32_t i = 0; i < wideLength && i < ansiLength; ++i) {
      ansi[i] = wide[i] > 0xFF ? '?' : static_cast<char>(wide[i]);
    }
    return true;
  }

  // The IDs the walk must visit: the buffer as the list reader sized it.
  std::vector<std::string> ExpectedIds() const {
    const size_t length = size_t{reportedLength_} + 1;
    std::vector<char16_t> buffer(length, u'\0');
    std::copy_n(list_.begin(), std::min(length, list_.size()), buffer.begin());
    std::vector<std::string> ids;
    std::string current;
    for (char16_t c : buffer) {
      if (c == u'\0') {
        if (current.empty()) break;
        ids.push_back(current);
        current.clear();
      } else {
        current.push_back(c > 0xFF ? '?' : static_cast<char>(c));
      }
    }
    if (!current.empty()) ids.push_back(current);
    return ids;
  }

 private:
  ConfigRet Answer() { return data_.ConsumeIntegralInRange(0, 31) == 0 ? 0x1A : cfgmgr::kSuccess; }
  ConfigRet Text(const char* text, char* buffer, uint32_t length) {
    if (std::strlen(text) + 1 > length) return 0x1A;
    std::memcpy(buffer, text, std::strlen(text) + 1);
    return Answer();
  }

  FuzzedDataProvider& data_;
  uint32_t reportedLength_ = 0;
  std::u16string list_;
};

void Run(FuzzedDataProvider& data) {
  FuzzedDeviceTree tree(data);
  const DeviceIdList list(tree);
  if (list.ok()) {
    std::vector<std::string> visited;
    list.FindIf([&](const char* id) {
      visited.emplace_back(id);
      return false;
    });
    const std::vector<std::string> expected = tree.ExpectedIds();
    if (visited != expected) Fail("the walk did not visit exactly the listed IDs");
  }
  int reports = 0;
  DetectUsbKeyboards(tree, [&](uint32_t, const ExtKbSettings&) { ++reports; });
  HasMorrowUsbKeyboard(tree);
}

}  // namespace
}  // namespace tavel

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  tavel::Run(data);
  return 0;
}
