#pragma once
// Copies the engine's statement rows, monthly figures and saved return
// settings into the summary model. The only reader of accounting figures:
// the report is written from the model alone.
#include <cstdint>
#include <memory>

#include "common/ProgressDlg.h"
#include "engine/SumModel.h"
#include "engine/VkEngine.h"

class ClSumCollector {
public:
    using SumList = decltype(StSUMMODEL::sumList);

    ClSumCollector() = default;
    ClSumCollector(const ClSumCollector&) = delete;
    ClSumCollector& operator=(const ClSumCollector&) = delete;
    // Releases the save object, then the white rule, then the blue rule.
    virtual ~ClSumCollector();

    void SetProgress(ClProgressDlg* progress) { progress_ = progress; }
    void SetModel(SumList* sumList, StAOSUMINFO_TSUKIBETSU* tsukibetsu, StAOSIROSAVEINFO_IPPAN* ippan,
                  StAOSIROSAVEINFO_FUDOUSAN* fudousan);
    void SetModel(StSUMMODEL& model) { SetModel(&model.sumList, &model.tsukibetsu, &model.ippan, &model.fudousan); }

    // Fills the model for the data and income kind (1 business, 2 other,
    // 3 real estate). False when the model is not set, the saved settings
    // cannot be read, the return kind is neither 3 nor 4, or any pass failed
    // (the model is then short and must not be reported). An income kind
    // outside 1 to 3 runs no pass and gives true.
    bool Collect(const StDATAINFO& data, std::int16_t incomeKind);

    bool ReadIppan();
    bool ReadFudousan();
    bool SumAoIppan();
    bool SumAoTsukibetsu();
    bool PickAoFudousanAmount();
    bool SumAoFudousan();
    bool SumSiroIppan();
    bool SumSiroFudousan();

    std::int32_t aoReady() const { return aoReady_; }

private:
    struct StKEYADJUST {
        std::int32_t rowCode;
        std::int32_t itemKey;
    };
    template <typename First, typename Next>
    bool WalkRows(std::int32_t count, First first, Next next, const StKEYADJUST* adjust);
    bool SumAo(std::int32_t sumType);
    bool SumSiro(std::int32_t sumType, const StKEYADJUST& adjust);
    bool ReadyAo(ClRuleAo& rule);
    bool PrepareAo(ClRuleAo*& rule);

    ClRuleAo* BlueRule();
    ClRuleSiro* WhiteRule();
    ClSaveAoSiro* SaveObject();

    void Advance(std::int16_t from, std::int16_t to);
    void Pulse();

    ClProgressDlg* progress_ = nullptr;
    SumList* sumList_ = nullptr;
    StAOSUMINFO_TSUKIBETSU* tsukibetsu_ = nullptr;
    StAOSIROSAVEINFO_IPPAN* ippan_ = nullptr;
    StAOSIROSAVEINFO_FUDOUSAN* fudousan_ = nullptr;
    // Destroyed in reverse order: save object, white rule, blue rule.
    std::unique_ptr<ClRuleAo> ruleAo_;
    std::unique_ptr<ClRuleSiro> ruleSiro_;
    std::unique_ptr<ClSaveAoSiro> saveAoSiro_;
    std::int32_t aoReady_ = 0;
};
