#pragma once
// The engine's application folders, as the file manager gives them.
#include <cstdint>
#include <string>

// The folder text of folder type folderType from the engine; empty when none.
std::string EngineAppFolder(std::int32_t folderType);
