#include "panel/core/start_mode.h"

#include <gtest/gtest.h>

namespace tavel::panel {
namespace {

struct ModeCase {
  const wchar_t* commandLine;
  StartMode expected;
};

class StartModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(StartModeTest, SelectsModeFromArguments) {
  EXPECT_EQ(SelectStartMode(GetParam().commandLine), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, StartModeTest,
    testing::Values(ModeCase{L"Tavelpanel.exe", StartMode::Interactive},
                    ModeCase{L"Tavelpanel.exe /x", StartMode::Stop},
                    ModeCase{L"Tavelpanel.exe -X", StartMode::Stop},
                    ModeCase{L"Tavelpanel.exe /helper", StartMode::Helper},
                    ModeCase{L"Tavelpanel.exe -HELPER", StartMode::Helper},
                    // Both switches: stop wins, whatever the order.
                    ModeCase{L"Tavelpanel.exe /helper /x", StartMode::Stop},
                    ModeCase{L"Tavelpanel.exe /x /helper", StartMode::Stop},
                    // Removal before the installer takes the files away.
                    ModeCase{L"Tavelpanel.exe /uninstall", StartMode::Uninstall},
                    ModeCase{L"Tavelpanel.exe -UNINSTALL", StartMode::Uninstall},
                    ModeCase{L"Tavelpanel.exe /helper /uninstall", StartMode::Uninstall},
                    ModeCase{L"Tavelpanel.exe /uninstall /x", StartMode::Stop},
                    ModeCase{L"Tavelpanel.exe /Uninstall", StartMode::Interactive},
                    // A newer version has replaced the files.
                    ModeCase{L"Tavelpanel.exe /upgraded", StartMode::Upgraded},
                    ModeCase{L"Tavelpanel.exe -UPGRADED", StartMode::Upgraded},
                    ModeCase{L"Tavelpanel.exe /upgraded /uninstall", StartMode::Uninstall},
                    ModeCase{L"Tavelpanel.exe /upgraded /helper", StartMode::Upgraded},
                    ModeCase{L"Tavelpanel.exe /upgraded /x", StartMode::Stop},
                    // Only the four listed spellings count.
                    ModeCase{L"Tavelpanel.exe /Helper", StartMode::Interactive},
                    ModeCase{L"Tavelpanel.exe /HeLpEr", StartMode::Interactive},
                    // Substrings, as the switches have always been matched.
                    ModeCase{L"Tavelpanel.exe /xyz", StartMode::Stop},
                    ModeCase{L"Tavelpanel.exe foo/helperbar", StartMode::Helper},
                    // The program's own folder is no switch.
                    ModeCase{L"\"C:\\Tools -x\\Tavelpanel.exe\"", StartMode::Interactive},
                    ModeCase{L"C:\\Tools-X\\Tavelpanel.exe /helper", StartMode::Helper},
                    ModeCase{L"  \"C:\\a/helper\\Tavelpanel.exe\" ", StartMode::Interactive}));

}  // namespace
}  // namespace tavel::panel
