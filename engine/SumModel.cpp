#include "engine/SumModel.h"

#include <cstring>

#include "services/TaskMemory.h"

bool FindSumRow(const StSUMMODEL& model, std::int32_t key, std::int16_t mode, StAOSUMINFO* out) {
    if (mode < 0 || mode > 1 || !out) return false;
    const StAOSUMINFO* found = nullptr;
    if (mode == 0) {
        for (const StAOSUMINFO& row : model.sumList) {
            if (row.itemKey == key) {
                found = &row;
                break;
            }
        }
    } else if (key >= 1 && static_cast<std::size_t>(key) <= model.sumList.size()) {
        found = &model.sumList[static_cast<std::size_t>(key) - 1];
    }
    if (!found) return false;
    std::memcpy(out, found, sizeof *out);
    return true;
}

void FreeSumModel(StSUMMODEL& model) {
    // The engine allocated these blocks when it filled the records.
    void* blocks[] = {model.ippan.generalBlock,
                      model.ippan.kasidaoreBlock,
                      model.ippan.kyuuryouBlock,
                      model.ippan.risiZeirisiBlock,
                      model.ippan.tidaiBlock,
                      model.ippan.tokusyuJijouText,
                      model.ippan.uriageSiireBlock,
                      model.fudousan.generalBlock,
                      model.fudousan.kasitukeList,
                      model.fudousan.kariireZeirisiBlock,
                      model.fudousan.kyuuryouSenjuusyaBlock,
                      model.fudousan.tidaiBlock,
                      model.fudousan.tokusyuJijouText,
                      model.fudousan.syuuzenhiBlock,
                      model.fudousan.kasitukeSuuBlock};
    for (void* block : blocks) TaskMemFree(block);
    model.ippan = {};
    model.fudousan = {};
    model.tsukibetsu = {};
    std::vector<StAOSUMINFO>().swap(model.sumList);
}
