#pragma once
// A window of the platform, as a number (the caller passes it on the command line).
#include <cstdint>

using VkWindow = std::uintptr_t;
