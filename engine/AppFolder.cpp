#include "engine/AppFolder.h"

#include <cstring>

#include "engine/VkEngine.h"

std::string EngineAppFolder(std::int32_t folderType) {
    char folder[kAppFolderPathSize] = {};
    if (ClFileMgr* files = ClFileMgr::Inst()) files->GetAppFolderPath(folderType, folder);
    return std::string(folder, strnlen(folder, sizeof folder));
}
