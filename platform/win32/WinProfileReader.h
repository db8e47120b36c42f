#pragma once
// Initialisation files through GetPrivateProfileStringA.
#include "services/ProfileReader.h"

class ClWinProfileReader final : public ClProfileReader {
public:
    std::string GetString(const std::string& path, const char* section, const char* key,
                          const char* defaultValue) override;
};
