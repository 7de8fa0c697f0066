// <windows.h> for the shell, without the macros that would rename methods of
// our ports (StoragePort::CreateFile, FilePort::DeleteFile and ReplaceFile).
// The shell calls the platform's functions by their full "A" names.
#pragma once
#include <windows.h>
#undef CreateFile
#undef DeleteFile
#undef ReplaceFile
