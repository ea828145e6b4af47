#include "common/keyboard_layout.h"

namespace tavel {

namespace {

struct LocaleLayout {
  uint32_t lcid;
  uint32_t layout;
};

// System locales (LCIDs) that have a notebook layout of their own.
constexpr LocaleLayout kLocaleLayouts[] = {
    // 0 Arabic
    {1025, 0}, {2049, 0}, {3073, 0}, {4097, 0}, {5121, 0}, {6145, 0}, {7169, 0}, {8193, 0},
    {9217, 0}, {10241, 0}, {11265, 0}, {12289, 0}, {13313, 0}, {14337, 0}, {15361, 0},
    {16385, 0},
    {2060, 1}, {2067, 1},                          // Belgian
    {3084, 2},                                     // Canadian French
    {1029, 3},                                     // Czech
    {1030, 4},                                     // Danish
    {1043, 5},                                     // Dutch
    {1035, 6},                                     // Finnish
    {1036, 7}, {5132, 7}, {6156, 7},               // French
    {1031, 8}, {3079, 8}, {4103, 8}, {5127, 8},    // German
    {1032, 9},                                     // Greek
    {1037, 10},                                    // Hebrew
    {1038, 11},                                    // Hungarian
    {1040, 12},                                    // Italian
    {1041, 13},                                    // Japanese
    {1042, 14}, {2066, 14},                        // Korean
    // 15 Latin Spanish
    {5130, 15}, {6154, 15}, {8202, 15}, {9226, 15}, {10250, 15}, {11274, 15}, {12298, 15},
    {13322, 15}, {14346, 15}, {15370, 15}, {16394, 15}, {17418, 15}, {18442, 15}, {19466, 15},
    {1044, 16}, {2068, 16},                        // Norwegian
    {1045, 17},                                    // Polish
    {1046, 18}, {2070, 18},                        // Portuguese
    {1049, 19},                                    // Russia
    {1051, 20},                                    // Slovakian
    {1060, 21},                                    // Slovenian
    // 22 Spanish
    {1034, 22}, {2058, 22}, {3082, 22}, {4106, 22}, {7178, 22}, {20490, 22},
    {1053, 23}, {2077, 23},                        // Swedish
    {2055, 24}, {2064, 24}, {4108, 24},            // Swiss
    {1054, 25},                                    // Thai
    {1028, 26}, {3076, 26}, {4100, 26}, {5124, 26},  // Traditional Chinese
    {1055, 27},                                    // Turkish
    {2057, 28},                                    // UK English
};

}  // namespace

uint32_t LayoutIdFromLcid(uint32_t lcid) {
  for (const LocaleLayout& entry : kLocaleLayouts) {
    if (entry.lcid == lcid) return entry.layout;
  }
  return kLayoutUsEnglish;
}

}  // namespace tavel
