#include "platform/win32/mci_win32.h"

#include <windows.h>
#include <mmsystem.h>

namespace tavel {

uint32_t Win32CdDrives::LogicalDrives() { return GetLogicalDrives(); }

bool Win32CdDrives::IsCdRom(char letter) {
  const char root[] = {letter, ':', '\\', '\0'};
  return GetDriveTypeA(root) == DRIVE_CDROM;
}

bool Win32CdDrives::OpenDoor(char letter) {
  char element[] = {letter, ':', '\0'};
  MCI_OPEN_PARMSA open{};
  open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(MCI_DEVTYPE_CD_AUDIO));
  open.lpstrElementName = element;
  const DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_OPEN_SHAREABLE;
  if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) != 0) return false;
  mciSendCommandA(open.wDeviceID, MCI_SET, MCI_SET_DOOR_OPEN, 0);
  mciSendCommandA(open.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
  return true;
}

}  // namespace tavel
