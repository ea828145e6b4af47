#include "common/driver_client.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_device_io.h"

namespace tavel {
namespace {

using fake::FakeDeviceIo;
constexpr uint32_t kCaps = 0x81008120, kRead = 0x81008128, kSet = 0x8100812C;

TEST(DriverCapabilityTest, EachTestReadsItsSelectorAndBitOnce) {
  struct Case {
    const char* what;
    bool (*test)(DeviceIo&);
    uint32_t selector, bit;
  } cases[] = {{"F1", DriverHasF1Function, 0, 24},
               {"F5", DriverHasF5Function, 1, 4},
               {"F9", DriverHasF9Function, 1, 8},
               {"F7", DriverHasF7Function, 1, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeDeviceIo io;
    io.capabilities[c.selector] = ~(1u << c.bit);
    io.capabilities[1 - c.selector] = 0xFFFFFFFF;
    EXPECT_FALSE(c.test(io)) << "only its own bit counts";
    io.capabilities[c.selector] = 1u << c.bit;
    EXPECT_TRUE(c.test(io));
    ASSERT_EQ(io.requests.size(), 2u);
    EXPECT_EQ(io.requests[1].code, kCaps);
    EXPECT_EQ(io.requests[1].input, c.selector);
    EXPECT_EQ(io.openedNames.back(), "\\\\.\\VRHKDRV");
    EXPECT_EQ(io.openHandles, 0);
  }
}

TEST(DriverCapabilityTest, MissingDriverOrFailedRequestMeansAbsent) {
  FakeDeviceIo io;
  io.capabilities[0] = io.capabilities[1] = 0xFFFFFFFF;
  io.failRequests = true;
  EXPECT_FALSE(DriverHasF1Function(io));
  EXPECT_EQ(io.openHandles, 0);
  io.presentName.clear();
  io.failRequests = false;
  EXPECT_FALSE(DriverHasF7Function(io));
}

class DriverFeatureClientTest : public ::testing::Test {
 protected:
  void SetUp() override { io.capabilities[0] = io.capabilities[1] = 0xFFFFFFFF; }
  void TearDown() override { EXPECT_EQ(io.openHandles, 0); }
  FakeDeviceIo io;
  DriverFeatureClient client{io, PlatformFamily::WindowsNt};
};

TEST_F(DriverFeatureClientTest, SetRequestBytesForEveryFeature) {
  struct Case {
    uint16_t feature;
    uint32_t selector, index;
  } cases[] = {{0x0001, 0, 26}, {0x0002, 0, 14}, {0x0004, 0, 16}, {0x0008, 0, 12},
               {0x0010, 0, 27}, {0x0020, 0, 24}, {0x0400, 0, 22}, {0x0800, 1, 4},
               {0x1000, 1, 8},  {0x2000, 1, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.feature);
    io.requests.clear();
    ASSERT_TRUE(client.Set(c.feature, 0xC2));
    ASSERT_EQ(io.requests.size(), 2u);
    EXPECT_EQ(io.requests[0].code, kCaps);
    EXPECT_EQ(io.requests[0].input, c.selector);
    EXPECT_EQ(io.requests[1].code, kSet);
    const uint32_t second = c.feature == 0x0010 ? 3 : 0;
    EXPECT_EQ(io.requests[1].input, 0xC2u | second << 8 | c.selector << 16 | c.index << 24);
  }
}

TEST_F(DriverFeatureClientTest, GetSendsTheIndexAndSplitsValueAndMaximum) {
  io.stateAnswer = 0xFFFF0F03;
  FeatureState state{};
  ASSERT_TRUE(client.Get(0x0008, state));
  EXPECT_EQ(state.value, 3);
  EXPECT_EQ(state.maximum, 15);
  EXPECT_EQ(io.requests.back().code, kRead);
  EXPECT_EQ(io.requests.back().input, 12u);
}

TEST_F(DriverFeatureClientTest, SupportFollowsTheFeatureBits) {
  io.capabilities[0] = 1u << 3;  // feature 0x0001 takes any of bits 1, 3, 4
  io.capabilities[1] = 1u << 6;
  EXPECT_TRUE(client.IsSupported(0x0001));
  EXPECT_FALSE(client.IsSupported(0x0010));
  EXPECT_TRUE(client.IsSupported(0x2000));
  EXPECT_FALSE(client.IsSupported(0x1000));
}

TEST_F(DriverFeatureClientTest, UnsupportedFeatureMakesNoStateRequest) {
  io.capabilities[0] = ~(1u << 27);
  FeatureState state{};
  EXPECT_FALSE(client.Get(0x0010, state));
  EXPECT_FALSE(client.Set(0x0010, 1));
  for (const auto& r : io.requests) EXPECT_EQ(r.code, kCaps);
}

TEST_F(DriverFeatureClientTest, UnknownFeatureFailsWithoutOpeningTheDevice) {
  FeatureState state{};
  for (uint16_t feature : {0x0040, 0x0000, 0x0003, 0x4000}) {
    EXPECT_FALSE(client.IsSupported(feature));
    EXPECT_FALSE(client.Get(feature, state));
    EXPECT_FALSE(client.Set(feature, 1));
  }
  EXPECT_TRUE(io.openedNames.empty());
}

TEST(DriverFeaturePlatformTest, DeviceNameAndFlagsFollowThePlatform) {
  FakeDeviceIo io;
  io.capabilities[0] = 0xFFFFFFFF;
  io.presentName = "\\\\.\\VRHKDRV.VXD";
  DriverFeatureClient nineX(io, PlatformFamily::Windows9x);
  EXPECT_TRUE(nineX.IsSupported(0x0002));
  EXPECT_EQ(io.openFlags.back(), 0x04000000u);

  DriverFeatureClient nt(io, PlatformFamily::WindowsNt);
  EXPECT_FALSE(nt.IsSupported(0x0002));
  EXPECT_EQ(io.openedNames.back(), "\\\\.\\VRHKDRV");
  EXPECT_EQ(io.openFlags.back(), 0u);

  DriverFeatureClient other(io, PlatformFamily::Other);
  const size_t opens = io.openedNames.size();
  EXPECT_FALSE(other.IsSupported(0x0002));
  EXPECT_EQ(io.openedNames.size(), opens);
}

}  // namespace
}  // namespace tavel
