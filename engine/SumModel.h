#pragma once
// The summary model: everything the report is written from. The application
// object owns it for the whole run; the collector fills it, the report
// builder reads it, the exit step frees it.
#include <cstdint>
#include <vector>

#include "engine/VkRecords.h"

struct StSUMMODEL {
    std::vector<StAOSUMINFO> sumList;  // copied rows, in collection order
    StAOSUMINFO_TSUKIBETSU tsukibetsu{};
    StAOSIROSAVEINFO_IPPAN ippan{};
    StAOSIROSAVEINFO_FUDOUSAN fudousan{};
};

// Mode 0: the first row whose itemKey equals key. Mode 1: the row at position
// key, counting from 1. Copies the row into out and returns true, or returns
// false and leaves out unchanged.
bool FindSumRow(const StSUMMODEL& model, std::int32_t key, std::int16_t mode, StAOSUMINFO* out);

// The exit step: releases the engine blocks of ippan and fudousan with the
// task-memory allocator, clears the row list.
void FreeSumModel(StSUMMODEL& model);
