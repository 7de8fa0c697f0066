// The host's load record, handed to LoadDll. It grew with the host's
// versions: hosts before 7.0 hand only the first three fields, and the
// buffer size arrived with 7.64. A field is touched only when the version
// says the host has it.
#pragma once
#include <windows.h>

namespace qvs::relay {

struct LoadInfo {
    DWORD mVersion;  // major in the low word, minor in the high word
    HWND mHwnd;
    BOOL mKeep;
    BOOL mUnicode;
    DWORD mBeta;  // the host's beta number; unused
    DWORD mBytes;
};

// The record of a host before 7.0 (12 bytes in a 32-bit host).
struct LoadInfoBefore7 {
    DWORD mVersion;
    HWND mHwnd;
    BOOL mKeep;
};

}  // namespace qvs::relay
