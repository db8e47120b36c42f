#pragma once
// Reading one entry of an initialisation file (sections in square brackets,
// key=value lines), as GetPrivateProfileStringA does it.
// Implemented by platform/posix/IniProfileReader.cpp and
// platform/win32/WinProfileReader.cpp; passed in: app/main hands one to
// ClExportApp in StAPPSERVICES.
#include <string>

class ClProfileReader {
public:
    virtual ~ClProfileReader() = default;
    // The value of key in section of the file at path (Shift_JIS), or
    // defaultValue when the file, the section or the key is missing. Section
    // and key names match without regard to case; blanks around names and
    // values are dropped, and so is one pair of quotes enclosing a value; a
    // present but empty value is returned empty. The
    // whole value is returned: the caller cuts it to its own buffer.
    virtual std::string GetString(const std::string& path, const char* section, const char* key,
                                  const char* defaultValue) = 0;
};
