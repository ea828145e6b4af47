#include "common/hotkey_library.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_library_loader.h"
#include "tests/fakes/fake_registry.h"
#include "tests/fakes/fake_system_info.h"

namespace tavel {
namespace {

using fake::FakeLibraryLoader;
using fake::FakeRegistry;
using fake::FakeSystemInfo;

constexpr char kPackage[] = "SOFTWARE\\MASKOR\\VRHOTKEY";
constexpr char kLibrary[] = "C:\\Hotkey\\tvkif32.dll";

uint32_t lastFnAsked = 0;
uint32_t TAVEL_STDCALL IsFnFxAvailable(uint32_t fn) {
  lastFnAsked = fn;
  return fn == 5 ? 1 : 0;
}
void TAVEL_STDCALL Notify(uint32_t) {}
uint32_t TAVEL_STDCALL Zero() { return 0; }
void TAVEL_STDCALL Nothing() {}

const char* const kExportOrder[] = {
    "HK_IsFnFxAvailable",      "HK_VirtualNotifyFnFx",     "HK_IsVolumeMuteControllable",
    "HK_EnableVolumeMute",     "HK_GetMaxVolumeLevel",     "HK_GetCurrentVolumeLevel",
    "HK_SetVolumeLevel",       "HK_RunFullScreenMagnifier", "HK_GetVolumeMuteState"};

std::map<std::string, ExportAddress> AllExports() {
  std::map<std::string, ExportAddress> exports;
  for (const char* name : kExportOrder) exports[name] = reinterpret_cast<ExportAddress>(Nothing);
  exports["HK_IsFnFxAvailable"] = reinterpret_cast<ExportAddress>(IsFnFxAvailable);
  exports["HK_VirtualNotifyFnFx"] = reinterpret_cast<ExportAddress>(Notify);
  exports["HK_GetMaxVolumeLevel"] = reinterpret_cast<ExportAddress>(Zero);
  return exports;
}

class HotkeyLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { registry.PutString(RegRoot::LocalMachine, kPackage, "", "C:\\Hotkey"); }
  FakeRegistry registry;
  FakeSystemInfo system;
  FakeLibraryLoader loader;
};

TEST_F(HotkeyLibraryTest, PathUsesThe64BitViewForTheConfigurationProgramAndUnderWow64) {
  struct Case {
    HotkeyLibraryUser user;
    bool wow64;
    uint32_t access;
  } cases[] = {
      {HotkeyLibraryUser::Monitor, false, reg::kKeyRead},
      {HotkeyLibraryUser::Monitor, true, reg::kKeyRead | reg::kKeyWow64_64Key},
      {HotkeyLibraryUser::ConfigurationProgram, false, reg::kKeyRead | reg::kKeyWow64_64Key},
  };
  for (const Case& c : cases) {
    system.wow64 = c.wow64;
    EXPECT_EQ(HotkeyLibraryPath(registry, system, c.user), kLibrary);
    EXPECT_EQ(registry.opens().back().access, c.access);
  }
  EXPECT_EQ(registry.openHandles(), 0u);
}

TEST_F(HotkeyLibraryTest, PathIsEmptyWithoutAUsableFolderValue) {
  const auto monitorPath = [&] {
    return HotkeyLibraryPath(registry, system, HotkeyLibraryUser::Monitor);
  };
  registry.PutString(RegRoot::LocalMachine, kPackage, "", "");  // one byte: the zero
  EXPECT_EQ(monitorPath(), "");
  registry.PutString(RegRoot::LocalMachine, kPackage, "", std::string(300, 'd'));
  EXPECT_EQ(monitorPath(), "");
  registry.DeleteKey(RegRoot::LocalMachine, kPackage);
  EXPECT_EQ(monitorPath(), "");
}

// A library named relative to nothing would be searched for, so a file of
// that name in the current folder or on the search path would be loaded.
TEST_F(HotkeyLibraryTest, PathNeedsAnAbsoluteFolder) {
  struct Case {
    const char* folder;
    const char* path;
  } cases[] = {
      {"C:\\Hotkey", "C:\\Hotkey\\tvkif32.dll"},
      {"d:/hotkey", "d:/hotkey\\tvkif32.dll"},
      {"\\\\server\\share", "\\\\server\\share\\tvkif32.dll"},
      {"Hotkey", ""},
      {".", ""},
      {"\\Hotkey", ""},
      {"C:Hotkey", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    registry.PutString(RegRoot::LocalMachine, kPackage, "", c.folder);
    EXPECT_EQ(HotkeyLibraryPath(registry, system, HotkeyLibraryUser::Monitor), c.path);
  }
}

TEST_F(HotkeyLibraryTest, MonitorFormResolvesAllNineInOrder) {
  loader.Install(kLibrary, AllExports());
  {
    HotkeyInterfaceLibrary library(loader, kLibrary);
    ASSERT_TRUE(library.usable());
    EXPECT_EQ(library.exports().getMaxVolumeLevel(), 0u);
    EXPECT_EQ(loader.resolved, std::vector<std::string>(std::begin(kExportOrder),
                                                         std::end(kExportOrder)));
    EXPECT_EQ(loader.loadedCount, 1);
  }
  EXPECT_EQ(loader.loadedCount, 0) << "freed when the binding ends";
}

TEST_F(HotkeyLibraryTest, MonitorFormWithAnyExportMissingHoldsNothing) {
  for (const char* missing : kExportOrder) {
    SCOPED_TRACE(missing);
    auto exports = AllExports();
    exports.erase(missing);
    loader.Install(kLibrary, exports);
    HotkeyInterfaceLibrary library(loader, kLibrary);
    EXPECT_FALSE(library.usable());
    EXPECT_EQ(loader.loadedCount, 0);
  }
  HotkeyInterfaceLibrary noPath(loader, "");
  EXPECT_FALSE(noPath.usable());
}

TEST_F(HotkeyLibraryTest, ConfigurationFormAsksOnlyForAvailability) {
  auto exports = AllExports();
  exports.erase("HK_SetVolumeLevel");  // irrelevant to this form
  loader.Install(kLibrary, exports);
  EXPECT_TRUE(IsFnFunctionAvailable(registry, system, loader, 5));
  EXPECT_FALSE(IsFnFunctionAvailable(registry, system, loader, 9));
  EXPECT_EQ(lastFnAsked, 9u);
  EXPECT_EQ(loader.resolved, std::vector<std::string>(2, "HK_IsFnFxAvailable"));
  EXPECT_EQ(loader.loads, std::vector<std::string>(2, kLibrary));
  EXPECT_EQ(loader.loadedCount, 0);
}

TEST_F(HotkeyLibraryTest, ConfigurationFormWithoutLibraryOrExportAnswersFalse) {
  EXPECT_FALSE(IsFnFunctionAvailable(registry, system, loader, 5)) << "file missing";
  loader.Install(kLibrary, {});
  EXPECT_FALSE(IsFnFunctionAvailable(registry, system, loader, 5)) << "export missing";
  EXPECT_EQ(loader.loadedCount, 0);
  registry.DeleteKey(RegRoot::LocalMachine, kPackage);
  loader.loads.clear();
  EXPECT_FALSE(IsFnFunctionAvailable(registry, system, loader, 5));
  EXPECT_TRUE(loader.loads.empty()) << "no folder recorded: nothing is loaded";
}

}  // namespace
}  // namespace tavel
