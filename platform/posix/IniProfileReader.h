#pragma once
// Reads initialisation files as GetPrivateProfileStringA does: the first
// matching section and key, names without regard to case, blanks around
// names and values dropped, one pair of quotes around a value dropped,
// lines starting with ";" ignored. Only a regular file is read.
#include "services/ProfileReader.h"

class ClIniProfileReader final : public ClProfileReader {
public:
    std::string GetString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue) override;
};
