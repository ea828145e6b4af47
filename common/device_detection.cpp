#include "common/device_detection.h"

#include <cctype>
#include <string>

#include "common/device_id_list.h"
#include "common/maker_ids.h"

namespace tavel {

namespace {

constexpr char kKeyboardClassGuid[] = "{4d36e96b-e325-11ce-bfc1-08002be10318}";
// Ancestors that make a keyboard USB-attached: any root hub, and a hub that
// some docks put between the keyboard and the root hub.
constexpr char kUsbRootHub[] = "USB\\ROOT_HUB";
constexpr char kDockHub[] = "VID_0451&PID_2036";

// Size of the buffers for ancestor IDs and the class property.
constexpr uint32_t kPropertyBufferSize = 200;

char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualsIgnoringCase(const char* a, const char* b) {
  for (; *a != '\0' && Fold(*a) == Fold(*b); ++a, ++b) {
  }
  return Fold(*a) == Fold(*b);
}

bool ContainsIgnoringCase(const char* text, const char* part) {
  for (; *text != '\0'; ++text) {
    const char* t = text;
    const char* p = part;
    while (*p != '\0' && Fold(*t) == Fold(*p)) ++t, ++p;
    if (*p == '\0') return true;
  }
  return *part == '\0';
}

bool IsKeyboardClass(DeviceTree& tree, DevInst instance) {
  char guid[kPropertyBufferSize + 1] = {};
  uint32_t size = kPropertyBufferSize;
  return tree.GetClassGuid(instance, guid, &size) == cfgmgr::kSuccess &&
         EqualsIgnoringCase(guid, kKeyboardClassGuid);
}

bool HasUsbAncestor(DeviceTree& tree, DevInst instance) {
  // The tree is finite and every parent lookup ends at the root with a
  // failure, so the walk ends; the bound only guards against a device tree
  // that reports a cycle.
  constexpr int kMaxDepth = 64;
  DevInst current = instance;
  for (int depth = 0; depth < kMaxDepth; ++depth) {
    DevInst parent = 0;
    if (tree.GetParent(&parent, current) != cfgmgr::kSuccess) return false;
    char id[kPropertyBufferSize + 1] = {};
    if (tree.GetDeviceId(parent, id, kPropertyBufferSize) != cfgmgr::kSuccess) return false;
    if (ContainsIgnoringCase(id, kUsbRootHub) || ContainsIgnoringCase(id, kDockHub)) return true;
    current = parent;
  }
  return false;
}

bool CanLocate(DeviceTree& tree, const char* deviceId) {
  DevInst instance = 0;
  return tree.LocateDevNode(&instance, deviceId) == cfgmgr::kSuccess;
}

std::string MakerKeyboardId(const char* product) {
  return std::string("HID\\Vid_") + maker::kUsbVendorId + "&Pid_" + product;
}

}  // namespace

bool IsUsbAttachedKeyboard(DeviceTree& tree, const char* deviceId) {
  DevInst instance = 0;
  return tree.LocateDevNode(&instance, deviceId) == cfgmgr::kSuccess &&
         IsKeyboardClass(tree, instance) && HasUsbAncestor(tree, instance);
}

bool IsMorrowKeyboard(const char* deviceId) {
  static const std::string kProductA = MakerKeyboardId(maker::kKeyboardProductA);
  static const std::string kProductB = MakerKeyboardId(maker::kKeyboardProductB);
  return ContainsIgnoringCase(deviceId, kProductA.c_str()) ||
         ContainsIgnoringCase(deviceId, kProductB.c_str());
}

void DetectUsbKeyboards(DeviceTree& tree, const ExtKbSettingsSink& sink) {
  const DeviceIdList list(tree);
  if (!list.ok()) return;
  sink(kExtKbMaskUsbKbPresent | kExtKbMaskMorrowUsbKbPresent, ExtKbSettings{});
  list.FindIf([&](const char* id) {
    // A device that cannot be located is not a USB-attached keyboard either.
    if (!IsUsbAttachedKeyboard(tree, id)) return false;
    const bool maker = IsMorrowKeyboard(id);
    ExtKbSettings found{};
    found.usbKbPresent = 1;
    found.morrowUsbKbPresent = maker ? 1 : 0;
    sink(kExtKbMaskUsbKbPresent | (maker ? uint32_t{kExtKbMaskMorrowUsbKbPresent} : 0u), found);
    return false;  // every keyboard is reported
  });
}

bool HasMorrowUsbKeyboard(DeviceTree& tree) {
  const DeviceIdList list(tree);
  return list.ok() &&
         list.FindIf([&](const char* id) { return CanLocate(tree, id) && IsMorrowKeyboard(id); });
}

}  // namespace tavel
