#include "common/device_detection.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_device_tree.h"

namespace tavel {
namespace {

using fake::FakeDeviceTree;

constexpr char kKeyboardClass[] = "{4D36E96B-E325-11CE-BFC1-08002BE10318}";
constexpr char kHidClass[] = "{745a17a0-74d3-11d0-b6fe-00a0c90f57da}";
constexpr char kUsbClass[] = "{36fc9e60-c465-11cf-8056-444553540000}";

// Applies the scan's writes the way SetExtKbSettings does, starting from
// values the scan has no business keeping.
struct RecordedSettings {
  ExtKbSettings values{1, 1, 7, 5, 7};
  int writes = 0;
  ExtKbSettingsSink Sink() {
    return [this](uint32_t mask, const ExtKbSettings& v) {
      ++writes;
      if (mask & kExtKbMaskStatus) values.status = v.status;
      if (mask & kExtKbMaskAutoStatus) values.autoStatus = v.autoStatus;
      if (mask & kExtKbMaskUsbKbPresent) values.usbKbPresent = v.usbKbPresent;
      if (mask & kExtKbMaskDocked) values.docked = v.docked;
      if (mask & kExtKbMaskMorrowUsbKbPresent) values.morrowUsbKbPresent = v.morrowUsbKbPresent;
    };
  }
};

// A USB keyboard below a root hub: root hub <- composite device <- HID keyboard.
void AddUsbKeyboard(FakeDeviceTree& tree, const std::string& vidPid) {
  const std::string hub = tree.Add("USB\\ROOT_HUB20\\4&" + vidPid, kUsbClass);
  const std::string usb = tree.Add("USB\\" + vidPid + "\\5&1", kUsbClass, hub);
  tree.Add("HID\\" + vidPid + "\\6&1&0000", kKeyboardClass, usb);
}

struct TreeCase {
  const char* what;
  void (*build)(FakeDeviceTree&);
  uint32_t usb, maker;
  bool hasMakerKeyboard;  // the configuration program's quick check
};

const TreeCase kTrees[] = {
    {"nothing but a mouse",
     [](FakeDeviceTree& t) {
       t.Add("HID\\VID_046D&PID_C077\\6&1", kHidClass, t.Add("USB\\ROOT_HUB\\4&1", kUsbClass));
     },
     0, 0, false},
    {"PS/2 keyboard only",
     [](FakeDeviceTree& t) {
       t.Add("ACPI\\PNP0303\\4&1", kKeyboardClass, t.Add("ACPI\\PNP0A03\\0", ""));
     },
     0, 0, false},
    {"USB keyboard of another maker",
     [](FakeDeviceTree& t) { AddUsbKeyboard(t, "VID_046D&PID_C31C"); }, 1, 0, false},
    {"maker keyboard 3019", [](FakeDeviceTree& t) { AddUsbKeyboard(t, "VID_2F4E&PID_3019"); },
     1, 1, true},
    {"maker keyboard 3018 in lower case",
     [](FakeDeviceTree& t) { AddUsbKeyboard(t, "vid_2f4e&pid_3018"); }, 1, 1, true},
    {"maker vendor with another product",
     [](FakeDeviceTree& t) { AddUsbKeyboard(t, "VID_2F4E&PID_3020"); }, 1, 0, false},
    {"dock hub found before any root hub (it has no parent here)",
     [](FakeDeviceTree& t) {
       t.Add("HID\\VID_1234&PID_0001\\7&1", kKeyboardClass,
             t.Add("USB\\VID_0451&PID_2036\\6&1", kUsbClass));
     },
     1, 0, false},
    {"maker ID on a device that is no keyboard",
     [](FakeDeviceTree& t) {
       t.Add("HID\\VID_2F4E&PID_3019&MI_01\\7&1", kHidClass,
             t.Add("USB\\ROOT_HUB\\4&1", kUsbClass));
     },
     0, 0, true},
    {"maker keyboard first, then another USB keyboard",
     [](FakeDeviceTree& t) {
       AddUsbKeyboard(t, "VID_2F4E&PID_3018");
       AddUsbKeyboard(t, "VID_046D&PID_C31C");
     },
     1, 1, true},
    {"keyboard class but a parent that cannot be read",
     [](FakeDeviceTree& t) { t.Add("HID\\VID_2F4E&PID_3019\\7&1", kKeyboardClass); }, 0, 0,
     true},
};

TEST(DeviceDetectionTest, ScanAndQuickCheckOverDeviceTrees) {
  for (const TreeCase& c : kTrees) {
    SCOPED_TRACE(c.what);
    FakeDeviceTree tree;
    c.build(tree);
    RecordedSettings recorded;
    DetectUsbKeyboards(tree, recorded.Sink());
    EXPECT_EQ(recorded.values.usbKbPresent, c.usb);
    EXPECT_EQ(recorded.values.morrowUsbKbPresent, c.maker);
    EXPECT_EQ(recorded.values.docked, 5u) << "the scan never touches Docked";
    EXPECT_EQ(recorded.values.status, 1u);
    EXPECT_EQ(HasMorrowUsbKeyboard(tree), c.hasMakerKeyboard);
  }
}

TEST(DeviceDetectionTest, UnlocatableDevicesAreSkipped) {
  FakeDeviceTree tree;
  AddUsbKeyboard(tree, "VID_2F4E&PID_3019");
  tree.unlocatable.push_back("HID\\VID_2F4E&PID_3019\\6&1&0000");
  RecordedSettings recorded;
  DetectUsbKeyboards(tree, recorded.Sink());
  EXPECT_EQ(recorded.writes, 1) << "only the clearing";
  EXPECT_EQ(recorded.values.usbKbPresent, 0u);
  EXPECT_FALSE(HasMorrowUsbKeyboard(tree));
}

TEST(DeviceDetectionTest, UnreadableListWritesNothing) {
  struct Case {
    const char* what;
    void (*spoil)(FakeDeviceTree&);
  } cases[] = {
      {"CfgMgr32 missing", [](FakeDeviceTree& t) { t.available = false; }},
      {"list length wraps around with its terminator",
       [](FakeDeviceTree& t) {
         t.reportedSizeOverride = true;
         t.reportedSize = 0xFFFFFFFF;
       }},
      {"byte count beyond 32 bits",
       [](FakeDeviceTree& t) {
         t.reportedSizeOverride = true;
         t.reportedSize = 0x7FFFFFFF;
       }},
      {"list grew after its size was read",
       [](FakeDeviceTree& t) {
         t.reportedSizeOverride = true;
         t.reportedSize = 3;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeDeviceTree tree;
    AddUsbKeyboard(tree, "VID_2F4E&PID_3019");
    c.spoil(tree);
    RecordedSettings recorded;
    DetectUsbKeyboards(tree, recorded.Sink());
    EXPECT_EQ(recorded.writes, 0);
    EXPECT_FALSE(HasMorrowUsbKeyboard(tree));
  }
}

// Lengths no device tree has are refused before gigabytes are allocated and
// zeroed for them (found by fuzzing: a length of about 1.9 billion).
TEST(DeviceDetectionTest, OversizedLengthIsRefusedBeforeTheListIsRead) {
  for (uint32_t length : {0xFFFFFFFFu, 0x70000000u, 1u << 24}) {
    SCOPED_TRACE(length);
    FakeDeviceTree tree;
    tree.reportedSizeOverride = true;
    tree.reportedSize = length;
    EXPECT_FALSE(HasMorrowUsbKeyboard(tree));
    EXPECT_EQ(tree.listReads, 0);
  }
}

TEST(DeviceDetectionTest, MakerKeyboardIdIsMatchedAsSubstringIgnoringCase) {
  EXPECT_TRUE(IsMorrowKeyboard("HID\\VID_2F4E&PID_3018\\7&1"));
  EXPECT_TRUE(IsMorrowKeyboard("xx hid\\vid_2f4e&pid_3019&mi_00"));
  EXPECT_FALSE(IsMorrowKeyboard("USB\\VID_2F4E&PID_3019"));  // not the HID identity
  EXPECT_FALSE(IsMorrowKeyboard("HID\\VID_2F4E&PID_301"));
  EXPECT_FALSE(IsMorrowKeyboard(""));
}

}  // namespace
}  // namespace tavel
