#include "common/defaults.h"

#include <gtest/gtest.h>

namespace tavel {
namespace {

constexpr KeyCombo kEmpty{0, 0};

// Rows 3, 6, 7, 9 under each program's conditions; the other rows are
// always right Ctrl plus their key.
struct RowCase {
  const char* what;
  CapabilityAnswers answers;
  bool row3, row6, row7, row9;
};

void ExpectRows(const ExtKbMap& map, const RowCase& c) {
  const KeyCombo always[] = {{0xA3, 0x26}, {0xA3, 0x28}, {0xA3, 0x25}, {0, 0},    {0xA3, 0x73},
                             {0xA3, 0x7B}, {0, 0},       {0, 0},       {0xA3, 0x20}, {0, 0}};
  for (int i : {0, 1, 2, 4, 5, 8}) {
    EXPECT_EQ(map.entries[i].firstKey, always[i].firstKey) << "row " << i;
    EXPECT_EQ(map.entries[i].secondKey, always[i].secondKey) << "row " << i;
  }
  const auto expectRow = [&](int row, bool filled, uint32_t key) {
    const KeyCombo want = filled ? KeyCombo{0xA3, key} : kEmpty;
    EXPECT_EQ(map.entries[row].firstKey, want.firstKey) << "row " << row;
    EXPECT_EQ(map.entries[row].secondKey, want.secondKey) << "row " << row;
  };
  expectRow(3, c.row3, 0x70);
  expectRow(6, c.row6, 0x74);
  expectRow(7, c.row7, 0x78);
  expectRow(9, c.row9, 0x76);
}

CapabilityAnswers With(void (*set)(CapabilityAnswers&)) {
  CapabilityAnswers a;
  set(a);
  return a;
}

TEST(DefaultsTest, FirstRunRowsFollowDriverBitsAndOstra) {
  const RowCase cases[] = {
      {"no driver, nothing else", {}, false, false, false, false},
      {"Ostra only", With([](auto& a) { a.ostraVersion4 = true; }), true, false, false, false},
      {"driver F1", With([](auto& a) { a.driverF1 = true; }), true, false, false, false},
      {"driver F5", With([](auto& a) { a.driverF5 = true; }), false, true, false, false},
      {"driver F9", With([](auto& a) { a.driverF9 = true; }), false, false, true, false},
      {"driver F7", With([](auto& a) { a.driverF7 = true; }), false, false, false, true},
      {"library and Velmora do not count here",
       With([](auto& a) { a.velmoraProgram = a.fnFx5Available = a.fnFx9Available = true; }),
       false, false, false, false},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRows(FirstRunExtKbMap(c.answers), c);
  }
}

TEST(DefaultsTest, ResetRowsFollowDriverOstraVelmoraAndTheLibrary) {
  const RowCase cases[] = {
      {"nothing", {}, false, false, false, false},
      {"Velmora only", With([](auto& a) { a.velmoraProgram = true; }), true, false, false, false},
      {"Ostra only", With([](auto& a) { a.ostraVersion4 = true; }), true, false, false, false},
      {"driver F1", With([](auto& a) { a.driverF1 = true; }), true, false, false, false},
      {"library Fn5", With([](auto& a) { a.fnFx5Available = true; }), false, true, false, false},
      {"library Fn9", With([](auto& a) { a.fnFx9Available = true; }), false, false, true, false},
      {"driver F7", With([](auto& a) { a.driverF7 = true; }), false, false, false, true},
      {"driver F5/F9 do not count here",
       With([](auto& a) { a.driverF5 = a.driverF9 = true; }), false, false, false, false},
  };
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRows(ResetExtKbMap(c.answers), c);
  }
}

TEST(DefaultsTest, SpecialCharacterOutsideTheTableIsZero) {
  for (uint32_t choice : {0u, 12u, 0xFFFFFFFFu}) EXPECT_EQ(SpecialCharacter(choice), 0) << choice;
  EXPECT_EQ(SpecialCharacter(11), 0x2265);
}

TEST(DefaultsTest, ExternalAssignmentsActiveOnlyWhenEnabledWithoutMakerKeyboard) {
  struct Case {
    ExtKbSettings s;
    bool active;
  } cases[] = {
      {{1, 1, 0, 0, 0}, false},  // automatic switch, no USB keyboard
      {{1, 1, 1, 0, 0}, true},
      {{1, 0, 0, 0, 0}, true},   // no automatic switch
      {{1, 2, 0, 0, 0}, true},   // only 1 means automatic
      {{1, 0, 1, 0, 1}, false},  // maker keyboard attached
      {{2, 0, 1, 0, 0}, false},  // only 1 means enabled
      {{0, 0, 1, 0, 0}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtKbAssignmentsActive(c.s), c.active)
        << c.s.status << c.s.autoStatus << c.s.usbKbPresent << c.s.morrowUsbKbPresent;
  }
}

}  // namespace
}  // namespace tavel
