// fileshift.dll (stand-in for the outside library): whole-file copy.
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif
// Leaves a byte-for-byte copy of source at target, creating or replacing it. Returns nonzero on
// success; when the source cannot be read an existing target is left untouched.
int WINAPI CopyFileFromTo(LPCSTR target, LPCSTR source);
#ifdef __cplusplus
}
#endif
