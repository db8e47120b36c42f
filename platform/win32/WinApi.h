#pragma once
// windows.h for this program. Its macros GetDriveType and ReplaceFile would
// rename the file-system interface's operations wherever they are seen; the
// program calls the "A" functions by their full names.
#include <windows.h>

#undef GetDriveType
#undef ReplaceFile
