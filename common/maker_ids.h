// Identifiers that belong to the target hardware and the maker's software
// rather than to this program. Each is kept here and nowhere else, so a
// different model line changes one file.
#pragma once

namespace tavel::maker {

// USB vendor ID of the maker's keyboards, as it appears (four hex digits)
// in their HID device IDs.
inline constexpr char kUsbVendorId[] = "2F4E";

// Product codes of the maker's USB keyboards that carry the Fn keys
// themselves; an attached one switches the external-keyboard assignments off.
inline constexpr char kKeyboardProductA[] = "3018";
inline constexpr char kKeyboardProductB[] = "3019";

// Product code of the Velmora program; its uninstall key under
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall shows that the
// program is installed.
inline constexpr char kVelmoraProductCode[] = "{6B1D3C2E-8F47-4A59-9E0B-52C7D1A4F836}";

}  // namespace tavel::maker
