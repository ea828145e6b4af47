#include "common/keyboard_layout.h"

#include <gtest/gtest.h>

#include "common/first_run.h"
#include "tests/fakes/fake_system_info.h"

namespace tavel {
namespace {

// Every locale with a layout of its own, by layout number.
const std::vector<std::vector<uint32_t>> kLocalesByLayout = {
    {1025, 2049, 3073, 4097, 5121, 6145, 7169, 8193, 9217, 10241, 11265, 12289, 13313, 14337,
     15361, 16385},
    {2060, 2067},
    {3084},
    {1029},
    {1030},
    {1043},
    {1035},
    {1036, 5132, 6156},
    {1031, 3079, 4103, 5127},
    {1032},
    {1037},
    {1038},
    {1040},
    {1041},
    {1042, 2066},
    {5130, 6154, 8202, 9226, 10250, 11274, 12298, 13322, 14346, 15370, 16394, 17418, 18442,
     19466},
    {1044, 2068},
    {1045},
    {1046, 2070},
    {1049},
    {1051},
    {1060},
    {1034, 2058, 3082, 4106, 7178, 20490},
    {1053, 2077},
    {2055, 2064, 4108},
    {1054},
    {1028, 3076, 4100, 5124},
    {1055},
    {2057},
};

TEST(KeyboardLayoutTest, EveryListedLocaleMapsToItsLayout) {
  ASSERT_EQ(kLocalesByLayout.size(), 29u);
  for (uint32_t layout = 0; layout < kLocalesByLayout.size(); ++layout) {
    for (uint32_t lcid : kLocalesByLayout[layout]) {
      EXPECT_EQ(LayoutIdFromLcid(lcid), layout) << "LCID " << lcid;
    }
  }
}

TEST(KeyboardLayoutTest, OtherLocalesGetUsEnglish) {
  for (uint32_t lcid : {1033u, 0u, 4105u, 2052u, 1048u, 0xFFFFFFFFu}) {
    EXPECT_EQ(LayoutIdFromLcid(lcid), 29u) << "LCID " << lcid;
  }
}

TEST(KeyboardLayoutTest, SystemLocaleIsAskedOfTheSystem) {
  fake::FakeSystemInfo system;
  system.lcid = 2057;
  EXPECT_EQ(LayoutIdFromSystemLocale(system), 28u);
}

}  // namespace
}  // namespace tavel
