#pragma once
// ICU's converter API over Windows' own code pages, for the Windows build,
// which has no ICU (Debian ships none for mingw-w64). Only what the DXF
// codecs call is here: opening a converter by ICU's name of a Windows or
// IBM code page ("windows-1255", "ibm-862"), the stop callback and
// ucnv_toUChars. Windows' converters are what AutoCAD on Windows wrote
// those drawings with, so they are the reference the codecs want anyway.

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

using UChar = char16_t;

enum UErrorCode : int {
  U_ZERO_ERROR = 0,
  U_ILLEGAL_ARGUMENT_ERROR = 1,
  U_FILE_ACCESS_ERROR = 4,
  U_INVALID_CHAR_FOUND = 10,
  U_BUFFER_OVERFLOW_ERROR = 15,
};

inline bool U_SUCCESS(UErrorCode code) { return code <= U_ZERO_ERROR; }
inline bool U_FAILURE(UErrorCode code) { return code > U_ZERO_ERROR; }

struct UConverter {
  UINT codePage;
  DWORD flags;
};

// Stands for ICU's stop callback: an unmapped byte is an error.
using UConverterToUCallback = void (*)();
inline void UCNV_TO_U_CALLBACK_STOP() {}

inline UConverter* ucnv_open(const char* name, UErrorCode* status) {
  if (U_FAILURE(*status)) return nullptr;
  unsigned long codePage = 0;
  for (const char* prefix : {"windows-", "ibm-"}) {
    const std::size_t length = std::strlen(prefix);
    if (std::strncmp(name, prefix, length) == 0) codePage = std::strtoul(name + length, nullptr, 10);
  }
  if (codePage == 0 || !IsValidCodePage(static_cast<UINT>(codePage))) {
    *status = U_FILE_ACCESS_ERROR;
    return nullptr;
  }
  return new UConverter{static_cast<UINT>(codePage), 0};
}

inline void ucnv_close(UConverter* converter) { delete converter; }

// Windows' converters keep no state between calls.
inline void ucnv_reset(UConverter*) {}

inline void ucnv_setToUCallBack(UConverter* converter, UConverterToUCallback action, const void*,
                                UConverterToUCallback*, const void**, UErrorCode* status) {
  if (U_FAILURE(*status)) return;
  converter->flags = action == &UCNV_TO_U_CALLBACK_STOP ? MB_ERR_INVALID_CHARS : 0;
}

inline std::int32_t ucnv_toUChars(UConverter* converter, UChar* dest, std::int32_t capacity, const char* source,
                                  std::int32_t length, UErrorCode* status) {
  if (U_FAILURE(*status)) return 0;
  const int written = MultiByteToWideChar(converter->codePage, converter->flags, source, length,
                                          reinterpret_cast<wchar_t*>(dest), capacity);
  if (written == 0 && length > 0) {
    *status = GetLastError() == ERROR_INSUFFICIENT_BUFFER ? U_BUFFER_OVERFLOW_ERROR : U_INVALID_CHAR_FOUND;
  }
  return written;
}
