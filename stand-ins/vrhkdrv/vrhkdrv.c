// Stand-in for the notebook's kernel-mode hot-key driver: the device
// \Device\VRHKDRV, reachable from programs as \\.\VRHKDRV, answering the
// three control requests with 4-byte buffers. A test scripts its answers and
// reads what was asked under HKLM\Software\TavelStandIns\vrhkdrv:
//   Capabilities0, Capabilities1  capability words of selectors 0 and 1
//   State<bit>                    byte 0 the function's value, byte 1 its maximum
//   FailingCode                   a control code that fails (for failure paths)
//   CallLog                       "CODE:BYTES;" per request, the input bytes in
//                                 the order they arrived ("CODE:size;" when a
//                                 buffer was not 4 bytes long)
// Test and demonstration equipment only; never shipped.
#include <ntddk.h>

#define READ_CAPABILITIES 0x81008120u
#define READ_STATE 0x81008128u
#define SET_STATE 0x8100812Cu
#define REQUEST_BYTES 4

static const ULONG kPoolTag = 0x6B687256;  // "Vrhk" in a pool dump

static const WCHAR kDeviceName[] = L"\\Device\\VRHKDRV";
static const WCHAR kDosName[] = L"\\DosDevices\\VRHKDRV";
static const WCHAR kStandInsKey[] = L"\\Registry\\Machine\\Software\\TavelStandIns";
static const WCHAR kOwnKey[] = L"vrhkdrv";

// ---- the scripted state in the registry ----------------------------------

static HANDLE CreateKey(HANDLE parent, const WCHAR* name) {
  UNICODE_STRING path;
  OBJECT_ATTRIBUTES attributes;
  HANDLE key = NULL;
  RtlInitUnicodeString(&path, name);
  InitializeObjectAttributes(&attributes, &path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, parent,
                             NULL);
  if (!NT_SUCCESS(ZwCreateKey(&key, KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY,
                              &attributes, 0, NULL, REG_OPTION_NON_VOLATILE, NULL))) {
    return NULL;
  }
  return key;
}

// The stand-ins' key, created when a test has removed it since the start.
static HANDLE OpenStateKey(void) {
  HANDLE parent = CreateKey(NULL, kStandInsKey);
  if (parent == NULL) return NULL;
  HANDLE key = CreateKey(parent, kOwnKey);
  ZwClose(parent);
  return key;
}

// The value's data in a pool block the caller frees, or NULL when the value
// is missing or not of `type`.
static KEY_VALUE_PARTIAL_INFORMATION* QueryValue(HANDLE key, const WCHAR* name, ULONG type) {
  UNICODE_STRING valueName;
  ULONG size = 0;
  RtlInitUnicodeString(&valueName, name);
  NTSTATUS status = ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, NULL, 0, &size);
  if (status != STATUS_BUFFER_TOO_SMALL && status != STATUS_BUFFER_OVERFLOW) return NULL;
  KEY_VALUE_PARTIAL_INFORMATION* info = ExAllocatePoolWithTag(PagedPool, size, kPoolTag);
  if (info == NULL) return NULL;
  if (!NT_SUCCESS(ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, info, size, &size)) ||
      info->Type != type) {
    ExFreePoolWithTag(info, kPoolTag);
    return NULL;
  }
  return info;
}

static ULONG ReadDword(HANDLE key, const WCHAR* name, ULONG fallback) {
  KEY_VALUE_PARTIAL_INFORMATION* info = QueryValue(key, name, REG_DWORD);
  if (info == NULL) return fallback;
  ULONG value = fallback;
  if (info->DataLength == sizeof value) RtlCopyMemory(&value, info->Data, sizeof value);
  ExFreePoolWithTag(info, kPoolTag);
  return value;
}

static void WriteDword(HANDLE key, const WCHAR* name, ULONG value) {
  UNICODE_STRING valueName;
  RtlInitUnicodeString(&valueName, name);
  ZwSetValueKey(key, &valueName, 0, REG_DWORD, &value, sizeof value);
}

// Appends `entry` (ending in ';') to the string value CallLog. Wine's
// device host serves one request at a time, so the read and write of the
// log need no lock.
static void AppendToLog(HANDLE key, const WCHAR* entry, SIZE_T entryChars) {
  KEY_VALUE_PARTIAL_INFORMATION* old = QueryValue(key, L"CallLog", REG_SZ);
  SIZE_T oldChars = old == NULL ? 0 : old->DataLength / sizeof(WCHAR);
  const WCHAR* oldText = old == NULL ? NULL : (const WCHAR*)old->Data;
  while (oldChars > 0 && oldText[oldChars - 1] == L'\0') --oldChars;
  const SIZE_T bytes = (oldChars + entryChars + 1) * sizeof(WCHAR);
  WCHAR* log = ExAllocatePoolWithTag(PagedPool, bytes, kPoolTag);
  if (log != NULL) {
    if (oldChars > 0) RtlCopyMemory(log, oldText, oldChars * sizeof(WCHAR));
    RtlCopyMemory(log + oldChars, entry, entryChars * sizeof(WCHAR));
    log[oldChars + entryChars] = L'\0';
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, L"CallLog");
    ZwSetValueKey(key, &valueName, 0, REG_SZ, log, (ULONG)bytes);
    ExFreePoolWithTag(log, kPoolTag);
  }
  if (old != NULL) ExFreePoolWithTag(old, kPoolTag);
}

// ---- the log entry ---------------------------------------------------------

static WCHAR* PutHex(WCHAR* out, ULONG value, int digits) {
  static const WCHAR kDigits[] = L"0123456789ABCDEF";
  for (int i = digits - 1; i >= 0; --i) *out++ = kDigits[(value >> (4 * i)) & 0xF];
  return out;
}

static WCHAR* PutText(WCHAR* out, const WCHAR* text) {
  while (*text != L'\0') *out++ = *text++;
  return out;
}

static void LogRequest(HANDLE key, ULONG code, const UCHAR* input) {
  WCHAR entry[32];
  WCHAR* end = PutHex(entry, code, 8);
  *end++ = L':';
  if (input == NULL) {
    end = PutText(end, L"size");
  } else {
    for (int i = 0; i < REQUEST_BYTES; ++i) end = PutHex(end, input[i], 2);
  }
  *end++ = L';';
  AppendToLog(key, entry, (SIZE_T)(end - entry));
}

// "State<bit>", the value that holds one function's state.
static void StateValueName(ULONG bit, WCHAR name[8]) {
  WCHAR* end = PutText(name, L"State");
  if (bit >= 10) *end++ = (WCHAR)(L'0' + bit / 10);
  *end++ = (WCHAR)(L'0' + bit % 10);
  *end = L'\0';
}

// ---- the three requests ----------------------------------------------------

// Carries out one request on its 4-byte input; the 4-byte answer goes to
// `output`.
static NTSTATUS Serve(HANDLE key, ULONG code, const UCHAR input[REQUEST_BYTES], ULONG* output) {
  const ULONG word = input[0] | input[1] << 8 | input[2] << 16 | (ULONG)input[3] << 24;
  WCHAR stateName[8];
  *output = 0;
  if (code == ReadDword(key, L"FailingCode", 0)) return STATUS_UNSUCCESSFUL;
  switch (code) {
    case READ_CAPABILITIES:
      if (word > 1) return STATUS_INVALID_PARAMETER;
      *output = ReadDword(key, word == 0 ? L"Capabilities0" : L"Capabilities1", 0);
      return STATUS_SUCCESS;
    case READ_STATE:
      if (word > 31) return STATUS_INVALID_PARAMETER;
      StateValueName(word, stateName);
      *output = ReadDword(key, stateName, 0);
      return STATUS_SUCCESS;
    case SET_STATE: {
      // bytes: new value, mode, selector, bit number
      if (input[3] > 31) return STATUS_INVALID_PARAMETER;
      StateValueName(input[3], stateName);
      const ULONG old = ReadDword(key, stateName, 0);
      WriteDword(key, stateName, (old & ~0xFFu) | input[0]);
      return STATUS_SUCCESS;
    }
    default:
      return STATUS_INVALID_DEVICE_REQUEST;
  }
}

// All three codes use buffered I/O: the input and the answer share the
// system buffer.
static NTSTATUS NTAPI DeviceControl(PDEVICE_OBJECT device, PIRP irp) {
  (void)device;
  const PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
  const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
  const int sizesFit = stack->Parameters.DeviceIoControl.InputBufferLength == REQUEST_BYTES &&
                       stack->Parameters.DeviceIoControl.OutputBufferLength == REQUEST_BYTES;
  UCHAR* buffer = irp->AssociatedIrp.SystemBuffer;
  NTSTATUS status = STATUS_INFO_LENGTH_MISMATCH;
  ULONG answer = 0;
  HANDLE key = OpenStateKey();
  if (key != NULL) {
    LogRequest(key, code, sizesFit ? buffer : NULL);
    if (sizesFit) status = Serve(key, code, buffer, &answer);
    ZwClose(key);
  } else {
    status = STATUS_DEVICE_NOT_READY;
  }
  irp->IoStatus.Status = status;
  irp->IoStatus.Information = 0;
  if (NT_SUCCESS(status)) {
    RtlCopyMemory(buffer, &answer, sizeof answer);
    irp->IoStatus.Information = sizeof answer;
  }
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return status;
}

static NTSTATUS NTAPI OpenOrClose(PDEVICE_OBJECT device, PIRP irp) {
  (void)device;
  irp->IoStatus.Status = STATUS_SUCCESS;
  irp->IoStatus.Information = 0;
  IoCompleteRequest(irp, IO_NO_INCREMENT);
  return STATUS_SUCCESS;
}

static void NTAPI Unload(PDRIVER_OBJECT driver) {
  UNICODE_STRING dosName;
  RtlInitUnicodeString(&dosName, kDosName);
  IoDeleteSymbolicLink(&dosName);
  if (driver->DeviceObject != NULL) IoDeleteDevice(driver->DeviceObject);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
  (void)registryPath;
  UNICODE_STRING deviceName, dosName;
  PDEVICE_OBJECT device = NULL;
  RtlInitUnicodeString(&deviceName, kDeviceName);
  RtlInitUnicodeString(&dosName, kDosName);
  NTSTATUS status = IoCreateDevice(driver, 0, &deviceName, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
  if (!NT_SUCCESS(status)) return status;
  status = IoCreateSymbolicLink(&dosName, &deviceName);
  if (!NT_SUCCESS(status)) {
    IoDeleteDevice(device);
    return status;
  }
  driver->MajorFunction[IRP_MJ_CREATE] = OpenOrClose;
  driver->MajorFunction[IRP_MJ_CLOSE] = OpenOrClose;
  driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DeviceControl;
  driver->DriverUnload = Unload;
  return STATUS_SUCCESS;
}
