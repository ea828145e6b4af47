// Where every setting lives in the registry.
#pragma once

namespace tavel::keys {

// Per-user settings (HKEY_CURRENT_USER). The root's existence marks that the
// first-run defaults have been written.
inline constexpr char kDataRoot[] = "Software\\Norvik\\Tavel\\DataV1_1";
inline constexpr char kVrKb[] = "Software\\Norvik\\Tavel\\DataV1_1\\VrKb";
inline constexpr char kExtKb[] = "Software\\Norvik\\Tavel\\DataV1_1\\ExtKb";
inline constexpr char kKeySens[] = "Software\\Norvik\\Tavel\\DataV1_1\\KeySens";
inline constexpr char kSymb[] = "Software\\Norvik\\Tavel\\DataV1_1\\Symb";
inline constexpr char kRun[] = "SOFTWARE\\MICROSOFT\\Windows\\CurrentVersion\\Run";

// Machine-wide, read only (HKEY_LOCAL_MACHINE).
inline constexpr char kMachineData[] = "Software\\Norvik\\Tavel\\Data";
inline constexpr char kInstallInfo[] = "SOFTWARE\\Norvik\\Tavel\\InstallInfo";
inline constexpr char kInstallPath[] = "SOFTWARE\\Norvik\\Tavel\\Path";
inline constexpr char kOstra[] = "SOFTWARE\\Norvik\\OSTRA";
inline constexpr char kHotkeyPackage[] = "SOFTWARE\\MASKOR\\VRHOTKEY";
inline constexpr char kUninstall[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

}  // namespace tavel::keys

namespace tavel::values {

inline constexpr char kMapdata[] = "Mapdata";
inline constexpr char kMapdataBrw[] = "MapdataBrw";
inline constexpr char kTvkStatus[] = "TVKStatus";
inline constexpr char kVrKbStatus[] = "VrKbAsgnsStatus";
inline constexpr char kVrKbBrwStatus[] = "VrKbBrwAsgnsStatus";
inline constexpr char kVrKbLangId[] = "VrKbLangId";
inline constexpr char kExtKbStatus[] = "ExtKbAsgnsStatus";
inline constexpr char kExtKbAutoStatus[] = "ExtKbAsgnsAutoStatus";
inline constexpr char kUsbKbPresent[] = "USBKbPresent";
inline constexpr char kDocked[] = "Docked";
inline constexpr char kMorrowUsbKbPresent[] = "MorrowUSBKbPresent";
inline constexpr char kKeySensStatus[] = "KeySensAsgnsStatus";
inline constexpr char kSymbStatus[] = "SymbAsgnsStatus";
inline constexpr char kUsbObiKbDetectStatus[] = "USBOBIKBDetectStatus";
inline constexpr char kSvcMnApStatus[] = "SvcMnApStatus";
inline constexpr char kTavelVersion[] = "TAVELVersion";
inline constexpr char kOstraVersion[] = "Version";

}  // namespace tavel::values
