#pragma once
// The stand-in's summary objects: the blue and white rules and the saved
// return settings. Each must be attached to the engine's handles and keyed
// by a known dataId before it delivers anything, as the engine demands.
#include <array>
#include <string>

#include "standin/StandinCore.h"

// The handles and dataId a summary object is given before use.
class ClStandinAttachment {
public:
    explicit ClStandinAttachment(ClStandinCore& core) : core_(core) {}
    void AttachSetMgr(ClSetMgr* setMgr) { setMgr_ = setMgr; }
    void AttachOptLink(ClOptLink* optLink) { optLink_ = optLink; }
    void SetCurDataID(const char* dataId);
    // The company the object is keyed to, when everything it needs is attached.
    const StSTANDINCOMPANY* Company(bool needsOptLink) const;

private:
    ClStandinCore& core_;
    ClSetMgr* setMgr_ = nullptr;
    ClOptLink* optLink_ = nullptr;
    std::string dataId_;
};

// One first/next walk over statement rows: 0 per row, then 5000.
class ClStandinRowWalk {
public:
    // rows: what the walk reads (null: nothing to read, refused).
    std::int32_t Step(const StandinRows* rows, bool first, StAOSUMINFO* row);

private:
    const StandinRows* rows_ = nullptr;
    std::size_t next_ = 0;
};

class ClStandinRuleAo final : public ClRuleAo {
public:
    explicit ClStandinRuleAo(ClStandinCore& core) : core_(core), attachment_(core) { core_.Record("ClRuleAo::Create"); }
    ~ClStandinRuleAo() override { core_.Record("ClRuleAo::Delete"); }
    ClStandinRuleAo(const ClStandinRuleAo&) = delete;
    ClStandinRuleAo& operator=(const ClStandinRuleAo&) = delete;
    void AttachSetMgr(ClSetMgr* setMgr) override { attachment_.AttachSetMgr(setMgr); }
    void SetCurDataID(const char* dataId) override { attachment_.SetCurDataID(dataId); }
    void AttachOptLink(ClOptLink* optLink) override { attachment_.AttachOptLink(optLink); }
    std::int32_t Ready(const StAOSUMCONDITION* condition) override;

    std::int32_t GetCount_PL(std::int32_t t) override { return Count(EnStandinOp::AoCountPl, EnStatement::Pl, t); }
    std::int32_t GetCount_BS_Shisan(std::int32_t t) override {
        return Count(EnStandinOp::AoCountBsShisan, EnStatement::BsShisan, t);
    }
    std::int32_t GetCount_BS_FusaiShihon(std::int32_t t) override {
        return Count(EnStandinOp::AoCountBsFusaiShihon, EnStatement::BsFusaiShihon, t);
    }
    std::int32_t GetCount_SeizoGenka() override {
        return Count(EnStandinOp::AoCountSeizoGenka, EnStatement::SeizoGenka, -1);
    }
    std::int32_t MoveFirst_PL(std::int32_t t, StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoFirstPl, EnStatement::Pl, t, true, row);
    }
    std::int32_t MoveNext_PL(std::int32_t t, StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoNextPl, EnStatement::Pl, t, false, row);
    }
    std::int32_t MoveFirst_BS_Shisan(std::int32_t t, StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoFirstBsShisan, EnStatement::BsShisan, t, true, row);
    }
    std::int32_t MoveNext_BS_Shisan(std::int32_t t, StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoNextBsShisan, EnStatement::BsShisan, t, false, row);
    }
    std::int32_t MoveFirst_BS_FusaiShihon(std::int32_t t, StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoFirstBsFusaiShihon, EnStatement::BsFusaiShihon, t, true, row);
    }
    std::int32_t MoveNext_BS_FusaiShihon(std::int32_t t, StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoNextBsFusaiShihon, EnStatement::BsFusaiShihon, t, false, row);
    }
    std::int32_t MoveFirst_SeizoGenka(StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoFirstSeizoGenka, EnStatement::SeizoGenka, -1, true, row);
    }
    std::int32_t MoveNext_SeizoGenka(StAOSUMINFO* row) override {
        return Walk(EnStandinOp::AoNextSeizoGenka, EnStatement::SeizoGenka, -1, false, row);
    }
    std::int32_t GetTsukibetsuUriageShiire(StAOSUMINFO_TSUKIBETSU* monthly) override;

private:
    enum class EnStatement : std::uint8_t { Pl, BsShisan, BsFusaiShihon, SeizoGenka };
    const StandinRows* Rows(EnStatement statement, std::int32_t sumType) const;
    std::int32_t Count(EnStandinOp op, EnStatement statement, std::int32_t sumType);
    std::int32_t Walk(EnStandinOp op, EnStatement statement, std::int32_t sumType, bool first, StAOSUMINFO* row);

    ClStandinCore& core_;
    ClStandinAttachment attachment_;
    const StSTANDINCOMPANY* company_ = nullptr;  // set by a successful Ready
    std::array<ClStandinRowWalk, 8> walks_;      // by statement and sum type
};

class ClStandinRuleSiro final : public ClRuleSiro {
public:
    explicit ClStandinRuleSiro(ClStandinCore& core) : core_(core), attachment_(core) {
        core_.Record("ClRuleSiro::Create");
    }
    ~ClStandinRuleSiro() override { core_.Record("ClRuleSiro::Delete"); }
    ClStandinRuleSiro(const ClStandinRuleSiro&) = delete;
    ClStandinRuleSiro& operator=(const ClStandinRuleSiro&) = delete;
    void AttachSetMgr(ClSetMgr* setMgr) override { attachment_.AttachSetMgr(setMgr); }
    void SetCurDataID(const char* dataId) override { attachment_.SetCurDataID(dataId); }
    void AttachOptLink(ClOptLink* optLink) override { attachment_.AttachOptLink(optLink); }
    std::int32_t Ready() override;
    std::int32_t GetCount_PL(std::int32_t sumType) override;
    std::int32_t MoveFirst_PL(std::int32_t sumType, StSIROSUMINFO* row) override;
    std::int32_t MoveNext_PL(std::int32_t sumType, StSIROSUMINFO* row) override;

private:
    const StandinRows* Rows(std::int32_t sumType) const;

    ClStandinCore& core_;
    ClStandinAttachment attachment_;
    const StSTANDINCOMPANY* company_ = nullptr;
    ClStandinRowWalk walk_;
};

class ClStandinSaveAoSiro final : public ClSaveAoSiro {
public:
    explicit ClStandinSaveAoSiro(ClStandinCore& core) : core_(core), attachment_(core) {
        core_.Record("ClSaveAoSiro::Create");
    }
    ~ClStandinSaveAoSiro() override { core_.Record("ClSaveAoSiro::Delete"); }
    ClStandinSaveAoSiro(const ClStandinSaveAoSiro&) = delete;
    ClStandinSaveAoSiro& operator=(const ClStandinSaveAoSiro&) = delete;
    void AttachSetMgr(ClSetMgr* setMgr) override { attachment_.AttachSetMgr(setMgr); }
    void SetCurDataID(const char* dataId) override { attachment_.SetCurDataID(dataId); }
    std::int32_t GetDataIppan(StAOSIROSAVEINFO_IPPAN* ippan) override;
    std::int32_t GetDataFudousan(StAOSIROSAVEINFO_FUDOUSAN* fudousan) override;

private:
    ClStandinCore& core_;
    ClStandinAttachment attachment_;
};
