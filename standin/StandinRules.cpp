// The summary rules (blue and white) and the saved return settings.
#include "standin/StandinRules.h"

#include <cstring>

#include "services/TaskMemory.h"

namespace {

// The only condition the engine is asked for: the whole fiscal year.
constexpr std::uint8_t kWholeYearCondition = 255;

bool IsWholeYear(const StAOSUMCONDITION* condition) {
    if (!condition || condition->kind != kWholeYearCondition) return false;
    return condition->reserved1[0] == 0 && condition->reserved1[1] == 0 && condition->reserved1[2] == 0 &&
           condition->value1 == 0 && condition->value2 == 0 && condition->value3 == 0;
}

bool IsSumType(std::int32_t sumType) { return sumType == 0 || sumType == 1; }

// Lays copies of the blocks out in task memory; all or nothing.
template <std::size_t N>
bool AllocateBlocks(const std::array<StandinBlock, N>& blocks, std::array<void*, N>& out) {
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = TaskMemAlloc(blocks[i].size());
        if (!out[i]) {
            for (std::size_t j = 0; j < i; ++j) TaskMemFree(out[j]);
            return false;
        }
        if (!blocks[i].empty()) std::memcpy(out[i], blocks[i].data(), blocks[i].size());
    }
    return true;
}

}  // namespace

const StSTANDINCOMPANY* ClStandinAttachment::Company(bool needsOptLink) const {
    if (!core_.connected() || setMgr_ != core_.SetMgr()) return nullptr;
    if (needsOptLink && optLink_ != core_.OptLink()) return nullptr;
    return core_.CompanyById(dataId_.c_str());
}

void ClStandinAttachment::SetCurDataID(const char* dataId) {
    dataId_ = dataId ? std::string(dataId, strnlen(dataId, sizeof(StDATAINFO{}.dataId) + 1)) : std::string();
}

std::int32_t ClStandinRowWalk::Step(const StandinRows* rows, bool first, StAOSUMINFO* row) {
    if (!rows || !row) return kStandinRefused;
    if (first) {
        rows_ = rows;
        next_ = 0;
    } else if (rows_ != rows) {
        return kStandinRefused;  // MoveNext without its MoveFirst
    }
    if (next_ >= rows_->size()) return VK_END_OF_WALK;
    *row = (*rows_)[next_++];
    return VK_OK;
}

// --- ClRuleAo ---

std::int32_t ClStandinRuleAo::Ready(const StAOSUMCONDITION* condition) {
    return core_.Faultable(EnStandinOp::AoReady, -1, [&] {
        const StSTANDINCOMPANY* company = attachment_.Company(true);
        if (!company || !IsWholeYear(condition)) return kStandinRefused;
        company_ = company;
        for (auto& walk : walks_) walk = {};
        return VK_OK;
    });
}

const StandinRows* ClStandinRuleAo::Rows(EnStatement statement, std::int32_t sumType) const {
    if (!company_) return nullptr;
    if (statement == EnStatement::SeizoGenka) return &company_->manufacturing;
    if (!IsSumType(sumType)) return nullptr;
    const StSTANDINAOSTATEMENTS& s = company_->blue[static_cast<std::size_t>(sumType)];
    switch (statement) {
        case EnStatement::Pl:
            return &s.pl;
        case EnStatement::BsShisan:
            return &s.bsAssets;
        case EnStatement::BsFusaiShihon:
            return &s.bsLiabilities;
        case EnStatement::SeizoGenka:
            break;
    }
    return nullptr;
}

std::int32_t ClStandinRuleAo::Count(EnStandinOp op, EnStatement statement, std::int32_t sumType) {
    return core_.Faultable(op, sumType, [&] {
        const StandinRows* rows = Rows(statement, sumType);
        return rows ? static_cast<std::int32_t>(rows->size()) : 0;
    });
}

std::int32_t ClStandinRuleAo::Walk(EnStandinOp op, EnStatement statement, std::int32_t sumType, bool first,
                                   StAOSUMINFO* row) {
    return core_.Faultable(op, sumType, [&] {
        auto& walk = walks_[static_cast<std::size_t>(statement) * 2 + (sumType == 1 ? 1 : 0)];
        return walk.Step(Rows(statement, sumType), first, row);
    });
}

std::int32_t ClStandinRuleAo::GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* monthly) {
    return core_.Faultable(EnStandinOp::AoTsukibetsu, -1, [&] {
        if (!company_ || !monthly) return kStandinRefused;
        *monthly = company_->monthly;
        return VK_OK;
    });
}

// --- ClRuleSiro ---

std::int32_t ClStandinRuleSiro::Ready() {
    return core_.Faultable(EnStandinOp::SiroReady, -1, [&] {
        const StSTANDINCOMPANY* company = attachment_.Company(true);
        if (!company) return kStandinRefused;
        company_ = company;
        walk_ = {};
        return VK_OK;
    });
}

const StandinRows* ClStandinRuleSiro::Rows(std::int32_t sumType) const {
    if (!company_ || !IsSumType(sumType)) return nullptr;
    return &company_->white[static_cast<std::size_t>(sumType)];
}

std::int32_t ClStandinRuleSiro::GetCount_PL(std::int32_t sumType) {
    return core_.Faultable(EnStandinOp::SiroCountPl, sumType, [&] {
        const StandinRows* rows = Rows(sumType);
        return rows ? static_cast<std::int32_t>(rows->size()) : 0;
    });
}

std::int32_t ClStandinRuleSiro::MoveFirst_PL(std::int32_t sumType, StSIROSUMINFO* row) {
    return core_.Faultable(EnStandinOp::SiroFirstPl, sumType, [&] { return walk_.Step(Rows(sumType), true, row); });
}

std::int32_t ClStandinRuleSiro::MoveNext_PL(std::int32_t sumType, StSIROSUMINFO* row) {
    return core_.Faultable(EnStandinOp::SiroNextPl, sumType, [&] { return walk_.Step(Rows(sumType), false, row); });
}

// --- ClSaveAoSiro ---

namespace {

// Fills a saved-settings record (N block references in block order) with
// task-memory copies of the company's blocks.
template <typename Record, std::size_t N>
std::int32_t FillRecord(const StSTANDINCOMPANY* company, std::array<StandinBlock, N> StSTANDINCOMPANY::*blocks,
                        Record* record) {
    static_assert(sizeof(Record) == N * sizeof(void*));
    std::array<void*, N> allocated{};
    if (!company || !record || !AllocateBlocks(company->*blocks, allocated)) return kStandinRefused;
    std::memcpy(record, allocated.data(), sizeof allocated);
    return VK_OK;
}

}  // namespace

std::int32_t ClStandinSaveAoSiro::GetDataIppan(StAOSIROSAVEINFO_IPPAN* ippan) {
    return core_.Faultable(EnStandinOp::SaveIppan, -1,
                           [&] { return FillRecord(attachment_.Company(false), &StSTANDINCOMPANY::ippan, ippan); });
}

std::int32_t ClStandinSaveAoSiro::GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* fudousan) {
    return core_.Faultable(EnStandinOp::SaveFudousan, -1, [&] {
        return FillRecord(attachment_.Company(false), &StSTANDINCOMPANY::fudousan, fudousan);
    });
}
