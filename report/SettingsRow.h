#pragma once
// A numbered row (from 1) of a saved-settings block, bounded by the block.
#include <cstddef>

#include "engine/SaveBlocks.h"

inline ClBlockView SettingsRow(const void* block, std::size_t first, std::size_t size, int number) {
    return ClBlockView::Of(block).Sub(first + size * static_cast<std::size_t>(number - 1), size);
}
